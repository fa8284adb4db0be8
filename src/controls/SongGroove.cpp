#include "controls/SongGroove.h"

#include "playback/Waveform.h"
#include "sheet/LyricSheet.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QSignalBlocker>
#include <QStyleOptionFocusRect>
#include <QStyleOptionSlider>

#include <algorithm>
#include <cmath>

namespace {
// The design's slider is 495 twips high: room for a waveform that can be read.
constexpr int kHeight = 33;

QColor withAlpha(QColor color, double alpha) {
    color.setAlphaF(static_cast<float>(alpha));
    return color;
}

// A small triangle on the playhead or the selected mark, pointing into the groove.
QPolygonF notch(double x, double edge, double size, bool pointsDown) {
    const double tip = pointsDown ? edge + size : edge - size;
    return QPolygonF({QPointF(x - size, edge), QPointF(x + size, edge), QPointF(x, tip)});
}
} // namespace

SongGroove::SongGroove(double unitsPerSecond, QWidget* parent)
    : QSlider(Qt::Horizontal, parent), m_unitsPerSecond(unitsPerSecond) {
    setMinimumHeight(kHeight);
}

void SongGroove::mousePressEvent(QMouseEvent* event) {
    // The plain slider pages toward a click. Here the handle first moves under the pointer,
    // unseen by the slider's users, so the press takes hold of it: a drag goes on from there
    // and the release seeks once, where the click was.
    const Track t = track();
    if (event->button() == Qt::LeftButton && event->buttons() == Qt::LeftButton &&
        maximum() > minimum() && t.width > 0) {
        const QPoint at(static_cast<int>(logicalX(event->position().x())),
                        static_cast<int>(event->position().y()));
        if (!logicalRect(QStyle::SC_SliderHandle).contains(at)) {
            const double share =
                std::clamp((logicalX(event->position().x()) - t.left) / t.width, 0.0, 1.0);
            const QSignalBlocker quiet(this);
            setSliderPosition(minimum() +
                              static_cast<int>(std::lround(share * (maximum() - minimum()))));
        }
    }
    QSlider::mousePressEvent(event);
}

void SongGroove::setEnvelope(std::shared_ptr<const PeakEnvelope> envelope) {
    m_envelope = std::move(envelope);
    invalidate();
}

void SongGroove::followSheet(const LyricSheet* sheet) {
    m_sheet = sheet;
    const auto marksChanged = [this] {
        m_marksStale = true;
        invalidate();
    };
    connect(sheet, &LyricSheet::dataChanged, this, marksChanged);
    connect(sheet, &LyricSheet::modelReset, this, marksChanged);
    connect(sheet, &LyricSheet::rowsInserted, this, marksChanged);
    connect(sheet, &LyricSheet::rowsRemoved, this, marksChanged);
    marksChanged();
}

const std::vector<MarkTick>& SongGroove::marks() const {
    // Read when drawn, not at each change: a load of 32 767 rows is one reading.
    if (m_marksStale && m_sheet)
        m_marks = MarkTicksOf(m_sheet->rows());
    m_marksStale = false;
    return m_marks;
}

double SongGroove::xOfSecond(double second) const {
    const Track t = track();
    return logicalX(t.seconds > 0 ? t.xOf(second) : t.left);
}

double SongGroove::logicalX(double x) const {
    return isRightToLeft() ? width() - x : x;
}

QRect SongGroove::logicalRect(QStyle::SubControl part) const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.direction = Qt::LeftToRight;
    option.upsideDown = invertedAppearance();
    return style()->subControlRect(QStyle::CC_Slider, &option, part, this);
}

void SongGroove::invalidate() {
    m_linesStale = true;
    update();
}

SongGroove::Track SongGroove::track() const {
    const QRect groove = logicalRect(QStyle::SC_SliderGroove);
    const QRect handle = logicalRect(QStyle::SC_SliderHandle);
    // The handle's centre travels from half a handle in to half a handle before the end;
    // second s sits where the handle's centre is at value s.
    Track t;
    t.left = groove.left() + handle.width() / 2.0;
    t.width = std::max(0, groove.width() - handle.width());
    // Before the first tick of playback the slider has no length yet; the outline has one.
    t.seconds =
        maximum() > 0 ? maximum() / m_unitsPerSecond : (m_envelope ? m_envelope->seconds() : 0.0);
    return t;
}

void SongGroove::buildLines(const Track& t, double ratio) {
    m_waveLines.clear();
    m_tickLines.clear();
    m_linesStale = false;
    m_builtTrack = t;
    m_builtRatio = ratio;
    if (!(t.seconds > 0) || !(t.width > 0))
        return;
    const double middle = height() / 2.0;
    const double step = 1.0 / ratio; // one device pixel
    if (m_envelope) {
        // A quiet song is drawn as tall as a loud one, but near-silence is not blown up into
        // noise.
        const auto [lowest, highest] = m_envelope->range(0, m_envelope->seconds());
        const double reach = (height() / 2.0 - 3) / std::max({-lowest, highest, 0.25F});
        const double end = std::min(t.width, t.width * m_envelope->seconds() / t.seconds);
        for (double x = 0; x < end; x += step) {
            const auto [low, high] =
                m_envelope->range(x / t.width * t.seconds, (x + step) / t.width * t.seconds);
            // Silence still shows as a line of one device pixel.
            const double top = std::min(middle - high * reach, middle - step / 2);
            const double bottom = std::max(middle - low * reach, middle + step / 2);
            m_waveLines.emplace_back(t.left + x, top, t.left + x, bottom);
        }
    }
    for (const MarkTick& mark : marks()) {
        if (mark.seconds < 0 || mark.seconds > t.seconds)
            continue;
        const double x = (std::floor(t.xOf(mark.seconds) * ratio) + 0.5) * step;
        m_tickLines.emplace_back(x, 2, x, height() - 2);
    }
    // A suggested time of an unmarked line is a hollow tick at the foot of the groove.
    m_hintPoints.clear();
    for (int p = 1; m_sheet && p <= m_sheet->count(); ++p) {
        const qint64 ms = m_sheet->suggestedMs(p);
        if (ms >= 0 && ms / 1000.0 <= t.seconds)
            m_hintPoints.emplace_back(t.xOf(ms / 1000.0), height() - 5.0);
    }
    // Marks closer than a device pixel are one tick.
    std::sort(m_tickLines.begin(), m_tickLines.end(),
              [](const QLineF& a, const QLineF& b) { return a.x1() < b.x1(); });
    m_tickLines.erase(std::unique(m_tickLines.begin(), m_tickLines.end()), m_tickLines.end());
}

void SongGroove::paintEvent(QPaintEvent* event) {
    if (!m_envelope && marks().empty() && (!m_sheet || m_sheet->hints().empty())) {
        QSlider::paintEvent(event);
        return;
    }
    const Track t = track();
    const double ratio = devicePixelRatioF();
    if (m_linesStale || !(t == m_builtTrack) || ratio != m_builtRatio)
        buildLines(t, ratio);

    // Drawn with time running left to right, and mirrored as a whole in a right-to-left window.
    const QRect handle = logicalRect(QStyle::SC_SliderHandle);
    const double playhead = handle.left() + handle.width() / 2.0;
    const QPalette& colors = palette();
    const bool dark = colors.color(QPalette::Base).lightness() < 128;
    const QColor markColor = dark ? QColor(255, 176, 64) : QColor(200, 90, 0);

    QPainter painter(this);
    if (isRightToLeft())
        painter.setTransform(QTransform(-1, 0, 0, 1, width(), 0));
    const QRectF band = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(colors.color(QPalette::Mid));
    painter.setBrush(colors.color(QPalette::Base));
    painter.drawRect(band);
    painter.fillRect(QRectF(band.left(), band.top(), playhead - band.left(), band.height()),
                     withAlpha(colors.color(QPalette::Highlight), 0.16));

    const auto played = std::partition_point(m_waveLines.begin(), m_waveLines.end(),
                                             [&](const QLineF& l) { return l.x1() <= playhead; });
    const auto playedCount = static_cast<int>(played - m_waveLines.begin());
    painter.setPen(QPen(colors.color(QPalette::Highlight), 0));
    painter.drawLines(m_waveLines.data(), playedCount);
    painter.setPen(QPen(withAlpha(colors.color(QPalette::Text), 0.42), 0));
    painter.drawLines(m_waveLines.data() + playedCount,
                      static_cast<int>(m_waveLines.size()) - playedCount);

    painter.setPen(QPen(withAlpha(markColor, 0.8), 0));
    painter.drawLines(m_tickLines.data(), static_cast<int>(m_tickLines.size()));

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(withAlpha(markColor, 0.8), 1));
    painter.setBrush(Qt::NoBrush);
    for (const QPointF& point : m_hintPoints)
        painter.drawEllipse(point, 2.5, 2.5);
    const int selected = m_sheet ? m_sheet->selected() : 0;
    const auto mark =
        std::lower_bound(marks().begin(), marks().end(), selected,
                         [](const MarkTick& m, int position) { return m.position < position; });
    if (selected > 0 && mark != marks().end() && mark->position == selected && mark->seconds >= 0 &&
        mark->seconds <= t.seconds) {
        const double x = t.xOf(mark->seconds);
        painter.setPen(QPen(markColor, 2.5, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QLineF(x, band.top(), x, band.bottom()));
        painter.setPen(Qt::NoPen);
        painter.setBrush(markColor);
        painter.drawPolygon(notch(x, band.bottom(), 4, false));
    }

    const QColor headColor =
        isSliderDown() ? colors.color(QPalette::Highlight) : colors.color(QPalette::Text);
    painter.setPen(QPen(headColor, 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QLineF(playhead, band.top(), playhead, band.bottom()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(headColor);
    painter.drawPolygon(notch(playhead, band.top(), 5, true));

    if (hasFocus()) {
        painter.resetTransform();
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
