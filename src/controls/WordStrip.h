#pragma once

#include <QPixmap>
#include <QRgb>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class QPainter;
struct PeakEnvelope;

// One line's words over its own stretch of the waveform, drawn wide enough that each word's
// start can be seen: each timed word at its time, the word being sung highlighted. A click
// selects the word under it and asks to play from there.
class WordStrip final : public QWidget {
    Q_OBJECT
public:
    struct Word {
        QString text;
        qint64 ms = -1;         // -1: not timed yet
        bool suggested = false; // ms is a suggestion (a hollow tick, grey), not a mark
    };

    explicit WordStrip(QWidget* parent = nullptr);

    // The words and the stretch of the song [fromMs, toMs) they are drawn over; the selected
    // word is dropped when the words are no longer the same.
    void setWords(std::vector<Word> words, qint64 fromMs, qint64 toMs);
    void setEnvelope(std::shared_ptr<const PeakEnvelope> envelope);
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
    // Where the word at index starts, in the widget's coordinates.
    int xOfWord(int index) const;

    QSize sizeHint() const override;

signals:
    // A click at ms, on the word at index (-1 for none).
    void clicked(qint64 ms, int word);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // A word's time at the foot of its tick, where it fits before the next word's.
    void drawTime(QPainter& painter, int index) const;
    double xOf(qint64 ms) const;
    qint64 msAt(double x) const;
    // The pixel column of the playhead at ms, -1 where none is drawn.
    int playheadColumn(qint64 ms) const;
    // The base and the waveform, drawn again only when what they show changed.
    const QPixmap& background();

    std::vector<Word> m_words;
    qint64 m_fromMs = 0;
    qint64 m_toMs = 1;
    qint64 m_positionMs = -1;
    int m_selected = -1;
    QString m_suggestionTip;
    std::shared_ptr<const PeakEnvelope> m_envelope;

    // What the background was drawn for; the envelope is held, so that no other one can take
    // its address.
    struct Drawn {
        QSize size;
        qreal ratio = 0;
        qint64 fromMs = 0;
        qint64 toMs = 0;
        std::shared_ptr<const PeakEnvelope> envelope;
        QRgb base = 0;
        friend bool operator==(const Drawn&, const Drawn&) = default;
    };
    Drawn m_drawn;
    QPixmap m_background;
};
