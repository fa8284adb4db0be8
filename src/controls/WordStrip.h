#pragma once

#include <QPixmap>
#include <QRect>
#include <QRgb>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class QPainter;
struct PeakEnvelope;

// One line's words over its own stretch of the waveform, drawn wide enough that each word's
// start can be seen: each timed word at its time, the word being sung highlighted. A click
// selects the word under it and asks to play from there; dragging a timed word moves its start
// (onto a voice onset nearby unless Shift is held); Ctrl+wheel zooms around the pointer and the
// wheel then scrolls. Labels that would overlap take a second row, or are cut short with the
// whole word in the tooltip.
class WordStrip final : public QWidget {
    Q_OBJECT
public:
    struct Word {
        QString text;
        qint64 ms = -1;         // -1: not timed yet
        bool suggested = false; // ms is a suggestion (a hollow tick, grey), not a mark
        bool goesOn = false;    // a syllable: the word goes on in the next one
    };

    explicit WordStrip(QWidget* parent = nullptr);

    // The words and the stretch of the song [fromMs, toMs) they are drawn over; the selected
    // word and the zoom are dropped when the words are no longer the same.
    void setWords(std::vector<Word> words, qint64 fromMs, qint64 toMs);
    void setEnvelope(std::shared_ptr<const PeakEnvelope> envelope);
    // Where a voice starts, ascending: a dragged start within a few pixels of one lands on it.
    void setOnsets(std::vector<qint64> onsetsMs);
    // The playing position (-1: not playing): the playhead is drawn there and the word sung
    // then is highlighted.
    void setPosition(qint64 ms);
    // What a hollow tick's tooltip adds after the word and its time: which key accepts it.
    void setSuggestionTip(const QString& tip) { m_suggestionTip = tip; }
    // The suggested word whose tick is at x, -1 for none.
    int suggestedTickAt(int x) const;

    const std::vector<Word>& words() const { return m_words; }
    int currentWord() const; // -1 for none
    int selectedWord() const { return m_selected; }
    void selectWord(int index);
    qint64 fromMs() const { return m_fromMs; }
    qint64 toMs() const { return m_toMs; }
    // The part of [fromMs, toMs) shown, all of it unless zoomed in.
    qint64 viewFromMs() const { return static_cast<qint64>(m_viewFrom); }
    qint64 viewToMs() const { return static_cast<qint64>(m_viewTo); }
    // Where the word at index starts, in the widget's coordinates.
    int xOfWord(int index) const;
    // Where the word's label is drawn, and the text drawn there (cut short when crowded).
    QRect labelRect(int index) const;
    QString labelText(int index) const;
    // The song's time under x, and under the pointer: where it is over the strip, else where
    // it last was (a context menu's place; -1 before it was, or since other words came).
    qint64 msAt(double x) const;
    qint64 pointerMs() const;

    QSize sizeHint() const override;

signals:
    // A click at ms, on the word at index (-1 for none).
    void clicked(qint64 ms, int word);
    // A drag of the word at index let go: it starts at ms now.
    void wordDragged(int word, qint64 ms);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A word's time at the foot of its tick, where it fits before the next word's.
    void drawTime(QPainter& painter, int index) const;
    struct Label {
        QRect box;
        QString shown;
    };
    double xOf(qint64 ms) const;
    // Where a time is as read (left to right whatever the direction), and a reading x turned
    // into the widget's x (the same function undoes itself).
    double readingX(double ms) const;
    double reading(double x) const;
    // The pixel column of the playhead at ms, -1 where none is drawn.
    int playheadColumn(qint64 ms) const;
    // The base and the waveform, drawn again only when what they show changed.
    const QPixmap& background();
    qint64 msOfWord(int index) const; // its time, or where it is being dragged to
    // Lays the labels out again when the words, their times, the view or the size changed.
    const std::vector<Label>& labels() const;
    // The timed word a press at point takes hold of: its label or its tick; -1 for none.
    int wordToDrag(QPointF point) const;
    // Where a drag to x puts the word's start: snapped unless free, kept between its
    // neighbours' starts.
    qint64 dragTarget(double x, bool free) const;
    void setView(double fromMs, double toMs);

    std::vector<Word> m_words;
    std::vector<qint64> m_onsets;
    qint64 m_fromMs = 0;
    qint64 m_toMs = 1;
    double m_viewFrom = 0;
    double m_viewTo = 1;
    qint64 m_positionMs = -1;
    qint64 m_pointerMs = -1;
    int m_selected = -1;
    QString m_suggestionTip;
    std::shared_ptr<const PeakEnvelope> m_envelope;

    struct Drag {
        int word = -1;      // held by the mouse, -1 for none
        double pressX = 0;  // where the button went down
        bool moved = false; // past the drag distance: a drag, no click
        qint64 ms = -1;     // where the word is dragged to
    };
    Drag m_drag;

    mutable std::vector<Label> m_labels;
    mutable bool m_labelsValid = false;

    // What the background was drawn for; the envelope is held, so that no other one can take
    // its address.
    struct Drawn {
        QSize size;
        qreal ratio = 0;
        double fromMs = 0;
        double toMs = 0;
        std::shared_ptr<const PeakEnvelope> envelope;
        QRgb base = 0;
        friend bool operator==(const Drawn&, const Drawn&) = default;
    };
    Drawn m_drawn;
    QPixmap m_background;
};
