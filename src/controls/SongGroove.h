#pragma once

#include "sheet/MarkTicks.h"

#include <QLineF>
#include <QPointF>
#include <QSlider>
#include <QStyle>

#include <memory>
#include <vector>

class LyricSheet;
struct PeakEnvelope;

// The slider's groove drawn as the song: its waveform, the part already played tinted, a
// thin tick at each marked line (the selected line's stands out), a hollow one at each
// suggested time and the playhead as the handle. A click puts the playhead where it is, as on
// the waveform; drags and keys are the plain slider's. Without a waveform or a mark it looks
// like any slider.
class SongGroove final : public QSlider {
    Q_OBJECT
public:
    // unitsPerSecond: slider values per second of song.
    explicit SongGroove(double unitsPerSecond, QWidget* parent = nullptr);

    void setEnvelope(std::shared_ptr<const PeakEnvelope> envelope);
    const std::shared_ptr<const PeakEnvelope>& envelope() const { return m_envelope; }
    // The marks come from this sheet, read again after any change to its rows.
    void followSheet(const LyricSheet* sheet);
    const std::vector<MarkTick>& marks() const;
    // Where the groove draws the song's second, in the widget's coordinates (from the right
    // in a right-to-left window).
    double xOfSecond(double second) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Track {
        double left = 0;  // x of second 0
        double width = 0; // pixels from second 0 to the end of the span
        double seconds = 0;
        double xOf(double second) const { return left + width * second / seconds; }
        friend bool operator==(const Track&, const Track&) = default;
    };
    Track track() const;
    // x across the groove with time running left to right: the widget's own x, or its mirror
    // in a right-to-left window, where the song starts at the right.
    double logicalX(double x) const;
    // A part of the slider where the style puts it in a left-to-right window.
    QRect logicalRect(QStyle::SubControl part) const;
    void invalidate();
    void buildLines(const Track& track, double ratio);

    double m_unitsPerSecond;
    std::shared_ptr<const PeakEnvelope> m_envelope;
    const LyricSheet* m_sheet = nullptr;
    mutable std::vector<MarkTick> m_marks;
    mutable bool m_marksStale = false;

    // What the last paint computed, kept until the size, the span, the envelope or the marks
    // change, so a paint for a moved playhead only draws.
    bool m_linesStale = true;
    Track m_builtTrack;
    double m_builtRatio = 0;
    std::vector<QLineF> m_waveLines;   // one per device pixel column, left to right
    std::vector<QLineF> m_tickLines;   // one per device pixel column that holds a mark
    std::vector<QPointF> m_hintPoints; // one per suggested time of an unmarked line
};
