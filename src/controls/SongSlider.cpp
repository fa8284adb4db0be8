#include "controls/SongSlider.h"

#include "controls/SongGroove.h"
#include "playback/Waveform.h"

#include <QHBoxLayout>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace {
// The groove works in tenths of a second so short songs still move smoothly.
constexpr double kTicksPerSecond = 10.0;
constexpr double kLargestSeconds = 2.0e8;

int toTicks(double seconds) {
    return static_cast<int>(
        std::lround(std::clamp(seconds, 0.0, kLargestSeconds) * kTicksPerSecond));
}
} // namespace

SongSlider::SongSlider(QWidget* parent)
    : QWidget(parent), m_slider(new SongGroove(kTicksPerSecond)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_slider);
    m_slider->setObjectName(QStringLiteral("sldSongGroove"));
    m_slider->setRange(0, 0);
    m_slider->setPageStep(toTicks(5));
    m_slider->setSingleStep(toTicks(1));
    setFocusProxy(m_slider);

    connect(m_slider, &QSlider::actionTriggered, this, [this](int action) {
        // While dragging, wait for the release: one seek per gesture.
        if (action == QAbstractSlider::SliderMove && m_slider->isSliderDown())
            return;
        takeUserPosition();
    });
    connect(m_slider, &QSlider::sliderReleased, this, &SongSlider::takeUserPosition);
}

void SongSlider::setMax(double max) {
    m_max = max;
    const QSignalBlocker blocker(m_slider);
    m_slider->setMaximum(toTicks(max));
}

void SongSlider::setValue(double value) {
    m_value = value;
    showValue();
}

void SongSlider::showValue() {
    if (m_slider->isSliderDown())
        return; // never pull the handle away from the user's hand
    const QSignalBlocker blocker(m_slider);
    m_slider->setValue(toTicks(m_value));
}

void SongSlider::takeUserPosition() {
    m_value = m_slider->sliderPosition() / kTicksPerSecond;
    emit userMoved();
}

void SongSlider::simulateUserMove(double value) {
    m_value = value;
    showValue();
    emit userMoved();
}

void SongSlider::setEnvelope(std::shared_ptr<const PeakEnvelope> envelope) {
    m_slider->setEnvelope(std::move(envelope));
}

std::shared_ptr<const PeakEnvelope> SongSlider::envelope() const {
    return m_slider->envelope();
}

void SongSlider::followSheet(const LyricSheet* sheet) {
    m_slider->followSheet(sheet);
}

const std::vector<MarkTick>& SongSlider::marks() const {
    return m_slider->marks();
}
