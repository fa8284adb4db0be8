#pragma once

#include "sheet/MarkTicks.h"

#include <QWidget>

#include <memory>
#include <vector>

class LyricSheet;
class SongGroove;
struct PeakEnvelope;

// The position slider: Min, Max and Value in seconds (floating point). userMoved() is raised
// only by the user's gestures (a drag released, a click on the groove, a key), never by the
// program's own writes, so the tick can move it without seeking the player.
class SongSlider final : public QWidget {
    Q_OBJECT
public:
    explicit SongSlider(QWidget* parent = nullptr);

    double Min() const { return m_min; }
    double Max() const { return m_max; }
    double Value() const { return m_value; }
    void setMax(double max);
    void setValue(double value);

    // The groove shows the song's waveform (none: a plain groove) and the sheet's marks.
    void setEnvelope(std::shared_ptr<const PeakEnvelope> envelope);
    std::shared_ptr<const PeakEnvelope> envelope() const;
    void followSheet(const LyricSheet* sheet);
    const std::vector<MarkTick>& marks() const;

    // For tests: what a user's move to this position would do.
    void simulateUserMove(double value);

signals:
    void userMoved();

private:
    void takeUserPosition();
    void showValue();

    SongGroove* m_slider;
    double m_min = 0;
    double m_max = 0;
    double m_value = 0;
};
