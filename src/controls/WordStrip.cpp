#include "controls/WordStrip.h"

#include "playback/Waveform.h"
#include "sheet/WordTimes.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr int kMargin = 4;
constexpr int kHeight = 56;
const QColor kTickInk(0x20, 0x60, 0xc0);
// Suggested, as the sheet's Time column shows a suggestion.
const QColor kSuggestedInk(0x80, 0x80, 0x80);
// A dragged start this close to a voice onset lands on it.
constexpr double kSnapPx = 6;
// Two starts of the same line stay this far apart, so a drag keeps the words in order.
constexpr qint64 kWordGapMs = 10;
// Zoomed in, the strip shows no less than this much of the song.
constexpr double kNarrowestMs = 200;
constexpr double kZoomPerNotch = 0.8;
constexpr double kPanPerNotch = 0.15; // of the part shown
} // namespace

WordStrip::WordStrip(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumHeight(kHeight);
    setMouseTracking(true); // the pointer is where a syllable split goes
    setToolTip(tr("The selected line's words at their times. A click selects the word and plays "
                  "from there; drag a word to move its start (Shift: not onto the voice's "
                  "onsets); Ctrl+wheel zooms. Alt+Left, Alt+Right nudge the selected word."));
}

QSize WordStrip::sizeHint() const {
    return {485, kHeight};
}

void WordStrip::setWords(std::vector<Word> words, qint64 fromMs, qint64 toMs) {
    const bool same = words.size() == m_words.size() &&
                      std::equal(words.begin(), words.end(), m_words.begin(),
                                 [](const Word& a, const Word& b) { return a.text == b.text; });
    const bool zoomed =
        m_viewFrom > static_cast<double>(m_fromMs) || m_viewTo < static_cast<double>(m_toMs);
    // A word split into syllables is still the same line, read as one: splitting several
    // words in turn keeps the zoom it needs.
    const auto joined = [](const std::vector<Word>& line) {
        QString text;
        for (const Word& w : line)
            text += w.text;
        return text;
    };
    const bool sameLine =
        same || (joined(words) == joined(m_words) && m_viewFrom >= static_cast<double>(fromMs) &&
                 m_viewTo <= static_cast<double>(std::max(toMs, fromMs + 1)));
    if (!same) {
        m_selected = -1;
        m_pointerMs = -1;
        m_drag = {};
    }
    m_words = std::move(words);
    m_fromMs = fromMs;
    m_toMs = std::max(toMs, fromMs + 1);
    // The same line keeps its zoom through a drag that moves its span.
    if (sameLine && zoomed)
        setView(m_viewFrom, m_viewTo);
    else
        setView(static_cast<double>(m_fromMs), static_cast<double>(m_toMs));
    m_labelsValid = false;
    update();
}

void WordStrip::setEnvelope(std::shared_ptr<const PeakEnvelope> envelope) {
    m_envelope = std::move(envelope);
    update();
}

void WordStrip::setOnsets(std::vector<qint64> onsetsMs) {
    if (onsetsMs == m_onsets)
        return;
    m_onsets = std::move(onsetsMs);
    update();
}

void WordStrip::setPosition(qint64 ms) {
    if (ms == m_positionMs)
        return;
    const int before = currentWord();
    const int column = playheadColumn(m_positionMs);
    m_positionMs = ms;
    // The playhead follows the song pixel by pixel; a frame costs little, the waveform being
    // drawn already.
    if (currentWord() != before || playheadColumn(ms) != column)
        update();
}

int WordStrip::playheadColumn(qint64 ms) const {
    const auto at = static_cast<double>(ms);
    return ms >= 0 && at >= m_viewFrom && at < m_viewTo ? static_cast<int>(xOf(ms)) : -1;
}

int WordStrip::currentWord() const {
    if (m_positionMs < 0 || m_positionMs >= m_toMs)
        return -1;
    int current = -1;
    for (int i = 0; i < static_cast<int>(m_words.size()); ++i)
        if (m_words[i].ms >= 0 && m_words[i].ms <= m_positionMs)
            current = i;
    return current;
}

void WordStrip::selectWord(int index) {
    m_selected = index >= 0 && index < static_cast<int>(m_words.size()) ? index : -1;
    update();
}

void WordStrip::setView(double fromMs, double toMs) {
    const auto first = static_cast<double>(m_fromMs);
    const auto last = static_cast<double>(m_toMs);
    const double width =
        std::clamp(toMs - fromMs, std::min(kNarrowestMs, last - first), last - first);
    const double from = std::clamp(fromMs, first, last - width);
    if (from == m_viewFrom && from + width == m_viewTo)
        return;
    m_viewFrom = from;
    m_viewTo = from + width;
    m_labelsValid = false;
    update();
}

// Time runs the way the window reads: from the right in a right-to-left window.
double WordStrip::xOf(qint64 ms) const {
    return reading(readingX(static_cast<double>(ms)));
}

double WordStrip::readingX(double ms) const {
    const double width = std::max(1, this->width() - 2 * kMargin);
    return kMargin + width * (ms - m_viewFrom) / (m_viewTo - m_viewFrom);
}

double WordStrip::reading(double x) const {
    return isRightToLeft() ? width() - x : x;
}

qint64 WordStrip::msAt(double x) const {
    const double width = std::max(1, this->width() - 2 * kMargin);
    const double ms = m_viewFrom + (reading(x) - kMargin) / width * (m_viewTo - m_viewFrom);
    return std::clamp<qint64>(std::llround(ms), m_fromMs, m_toMs - 1);
}

qint64 WordStrip::msOfWord(int index) const {
    return index == m_drag.word && m_drag.moved && m_drag.ms >= 0
               ? m_drag.ms
               : m_words[static_cast<std::size_t>(index)].ms;
}

const std::vector<WordStrip::Label>& WordStrip::labels() const {
    if (m_labelsValid)
        return m_labels;
    const QFontMetrics metrics(font());
    const int count = static_cast<int>(m_words.size());
    const int rowHeight = metrics.height() + 2;
    const auto full = [&](int i) {
        const Word& word = m_words[static_cast<std::size_t>(i)];
        return word.goesOn ? word.text + QLatin1Char('-') : word.text;
    };
    m_labels.assign(m_words.size(), {});
    // Laid out as read, left to right, and turned round at the end for a right-to-left window.
    // Each label starts at its word's time; an untimed word follows the one before it.
    double x = kMargin;
    for (int i = 0; i < count; ++i) {
        const double after = i == 0 ? kMargin : x + metrics.horizontalAdvance(full(i - 1)) + 6;
        x = m_words[static_cast<std::size_t>(i)].ms >= 0
                ? readingX(static_cast<double>(msOfWord(i)))
                : after;
        m_labels[static_cast<std::size_t>(i)].box =
            QRect(static_cast<int>(x), 2, metrics.horizontalAdvance(full(i)) + 4, rowHeight);
    }
    // Two rows: a label that would run into the one before it goes to the other row; with
    // both taken, to the row whose last label can give up the more room.
    int end[2] = {std::numeric_limits<int>::min(), std::numeric_limits<int>::min()};
    int start[2] = {std::numeric_limits<int>::min(), std::numeric_limits<int>::min()};
    for (Label& label : m_labels) {
        const int left = label.box.left();
        const int row = left >= end[0] ? 0 : left >= end[1] ? 1 : start[0] <= start[1] ? 0 : 1;
        label.box.moveTop(2 + row * rowHeight);
        end[row] = label.box.right() + 3;
        start[row] = left;
    }
    // Cut short where the next label of the same row begins.
    for (int i = 0; i < count; ++i) {
        Label& label = m_labels[static_cast<std::size_t>(i)];
        label.shown = full(i);
        for (int j = i + 1; j < count; ++j) {
            const QRect& next = m_labels[static_cast<std::size_t>(j)].box;
            if (next.top() != label.box.top())
                continue;
            const int room = next.left() - 2 - label.box.left();
            if (label.box.width() > room) {
                // Too crowded even for an ellipsis: only the tick shows, the tooltip and a zoom
                // tell the word.
                label.shown = metrics.elidedText(label.shown, Qt::ElideRight, room - 4);
                label.box.setWidth(std::max(0, room));
            }
            break;
        }
    }
    if (isRightToLeft())
        for (Label& label : m_labels)
            label.box.moveLeft(width() - label.box.left() - label.box.width());
    m_labelsValid = true;
    return m_labels;
}

int WordStrip::xOfWord(int index) const {
    if (index < 0 || index >= static_cast<int>(m_words.size()))
        return kMargin;
    const QRect& box = labels()[static_cast<std::size_t>(index)].box;
    return isRightToLeft() ? box.left() + box.width() : box.left(); // where the word starts
}

QRect WordStrip::labelRect(int index) const {
    return index >= 0 && index < static_cast<int>(m_words.size())
               ? labels()[static_cast<std::size_t>(index)].box
               : QRect();
}

QString WordStrip::labelText(int index) const {
    return index >= 0 && index < static_cast<int>(m_words.size())
               ? labels()[static_cast<std::size_t>(index)].shown
               : QString();
}

const QPixmap& WordStrip::background() {
    Drawn now{.size = size(),
              .ratio = devicePixelRatioF(),
              .fromMs = m_viewFrom,
              .toMs = m_viewTo,
              .envelope = m_envelope,
              .base = palette().base().color().rgba()};
    if (now == m_drawn && !m_background.isNull())
        return m_background;
    m_drawn = std::move(now);
    m_background = QPixmap(QSize(std::max(1, width()), std::max(1, height())) * m_drawn.ratio);
    m_background.setDevicePixelRatio(m_drawn.ratio);
    QPainter painter(&m_background);
    painter.fillRect(rect(), palette().base());
    if (m_envelope && !m_envelope->empty()) {
        const double middle = height() * 0.62;
        const double reach = height() * 0.36;
        const double msPerPx = (m_viewTo - m_viewFrom) / std::max(1, width() - 2 * kMargin);
        std::vector<QLineF> lines;
        lines.reserve(static_cast<std::size_t>(std::max(0, width() - 2 * kMargin)));
        for (int x = kMargin; x < width() - kMargin; ++x) {
            const double from = m_viewFrom + (reading(x + 0.5) - 0.5 - kMargin) * msPerPx;
            const auto [low, high] = m_envelope->range(from / 1000, (from + msPerPx) / 1000);
            lines.emplace_back(x, middle - high * reach, x, middle - low * reach);
        }
        painter.setPen(QColor(0xa0, 0xb4, 0xcc));
        painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    }
    return m_background;
}

void WordStrip::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background());
    // The voice's onsets, where a dragged start snaps to: short marks along the foot.
    painter.setPen(QColor(0x70, 0x80, 0x90));
    for (auto onset = std::lower_bound(m_onsets.begin(), m_onsets.end(), viewFromMs());
         onset != m_onsets.end() && *onset < viewToMs(); ++onset) {
        const double x = xOf(*onset);
        painter.drawLine(QPointF(x, height() - 5), QPointF(x, height()));
    }
    if (const int column = playheadColumn(m_positionMs); column >= 0) {
        painter.setPen(QColor(0xd0, 0x30, 0x30));
        const double x = xOf(m_positionMs);
        painter.drawLine(QPointF(x, 0), QPointF(x, height()));
    }
    const int current = currentWord();
    const std::vector<Label>& shown = labels();
    for (int i = 0; i < static_cast<int>(m_words.size()); ++i) {
        const Label& label = shown[static_cast<std::size_t>(i)];
        if (label.box.right() < 0 || label.box.left() > width())
            continue;
        const Word& word = m_words[static_cast<std::size_t>(i)];
        if (i == current)
            painter.fillRect(label.box, QColor(0xff, 0xd8, 0x40));
        if (i == m_selected) {
            painter.setPen(palette().highlight().color());
            painter.drawRect(label.box.adjusted(0, 0, -1, -1));
        }
        painter.setPen(word.ms < 0      ? palette().placeholderText().color()
                       : word.suggested ? kSuggestedInk
                                        : palette().text().color());
        painter.drawText(label.box.adjusted(2, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, label.shown);
        if (word.ms < 0)
            continue;
        const bool dragged = i == m_drag.word && m_drag.moved;
        const double tick = xOf(msOfWord(i));
        painter.setPen(dragged ? QColor(0xe0, 0x70, 0x10) : kTickInk);
        if (word.suggested) { // hollow: the outline of a mark's tick, as the slider draws them
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(
                QRectF(tick - 1.5, label.box.bottom() + 1, 3, height() - label.box.bottom() - 2));
        } else {
            painter.drawLine(QPointF(tick, label.box.bottom()), QPointF(tick, height()));
        }
        drawTime(painter, i);
    }
}

void WordStrip::drawTime(QPainter& painter, int index) const {
    const Word& word = m_words[static_cast<std::size_t>(index)];
    QFont small = font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() * 0.75));
    const QFontMetrics metrics(small);
    const QString text = PreciseTimeText(word.ms);
    // Read on from the tick toward the next word's, as the window reads.
    const int x = static_cast<int>(readingX(static_cast<double>(word.ms))) + 3;
    int room = width() - kMargin - x;
    for (int j = index + 1; j < static_cast<int>(m_words.size()); ++j)
        if (m_words[static_cast<std::size_t>(j)].ms >= 0) {
            room = static_cast<int>(
                       readingX(static_cast<double>(m_words[static_cast<std::size_t>(j)].ms))) -
                   x - 2;
            break;
        }
    const int textWidth = metrics.horizontalAdvance(text);
    if (textWidth > room)
        return;
    painter.setFont(small);
    painter.setPen(word.suggested ? kSuggestedInk : palette().text().color());
    painter.drawText(
        QPoint(isRightToLeft() ? width() - x - textWidth : x, height() - metrics.descent() - 1),
        text);
    painter.setFont(font());
}

int WordStrip::suggestedTickAt(int x) const {
    int nearest = -1;
    double distance = 4;
    for (int i = 0; i < static_cast<int>(m_words.size()); ++i) {
        const Word& word = m_words[static_cast<std::size_t>(i)];
        if (!word.suggested || word.ms < 0)
            continue;
        if (const double d = std::abs(xOf(word.ms) - x); d <= distance) {
            distance = d;
            nearest = i;
        }
    }
    return nearest;
}

bool WordStrip::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const int i = suggestedTickAt(help->pos().x()); i >= 0) {
            const Word& word = m_words[static_cast<std::size_t>(i)];
            QToolTip::showText(help->globalPos(),
                               tr("Hollow tick: “%1” suggested at %2, not saved until "
                                  "accepted. %3")
                                   .arg(word.text, PreciseTimeText(word.ms), m_suggestionTip)
                                   .trimmed(),
                               this);
            return true;
        }
        if (const int i = wordToDrag(help->pos()); i >= 0) {
            const Word& word = m_words[static_cast<std::size_t>(i)];
            QToolTip::showText(help->globalPos(),
                               QStringLiteral("%1 — %2").arg(word.text, PreciseTimeText(word.ms)),
                               this);
            return true;
        }
        const std::vector<Label>& shown = labels();
        for (int i = static_cast<int>(shown.size()) - 1; i >= 0; --i)
            if (shown[static_cast<std::size_t>(i)].box.contains(help->pos())) {
                QToolTip::showText(help->globalPos(), m_words[static_cast<std::size_t>(i)].text,
                                   this);
                return true;
            }
    }
    return QWidget::event(event);
}

int WordStrip::wordToDrag(QPointF point) const {
    // A suggestion is taken with its key, not dragged: only marks by hand move.
    const auto marked = [this](int i) {
        const Word& word = m_words[static_cast<std::size_t>(i)];
        return word.ms >= 0 && !word.suggested;
    };
    const std::vector<Label>& shown = labels();
    for (int i = static_cast<int>(shown.size()) - 1; i >= 0; --i)
        if (marked(i) && shown[static_cast<std::size_t>(i)].box.contains(point.toPoint()))
            return i;
    int nearest = -1;
    double distance = 4; // pixels either side of a tick
    for (int i = 0; i < static_cast<int>(m_words.size()); ++i)
        if (marked(i)) {
            const double d = std::abs(xOf(msOfWord(i)) - point.x());
            if (d <= distance) {
                nearest = i;
                distance = d;
            }
        }
    return nearest;
}

qint64 WordStrip::dragTarget(double x, bool free) const {
    qint64 ms = msAt(x);
    if (!free) {
        const auto after = std::lower_bound(m_onsets.begin(), m_onsets.end(), ms);
        double best = kSnapPx;
        for (auto onset : {after, after == m_onsets.begin() ? m_onsets.end() : after - 1})
            if (onset != m_onsets.end() && std::abs(xOf(*onset) - x) <= best) {
                best = std::abs(xOf(*onset) - x);
                ms = *onset;
            }
    }
    // Between the starts of the words on either side.
    qint64 low = 0;
    qint64 high = std::numeric_limits<qint64>::max();
    for (int i = m_drag.word - 1; i >= 0; --i)
        if (m_words[static_cast<std::size_t>(i)].ms >= 0) {
            low = m_words[static_cast<std::size_t>(i)].ms + kWordGapMs;
            break;
        }
    for (auto i = static_cast<std::size_t>(m_drag.word) + 1; i < m_words.size(); ++i)
        if (m_words[i].ms >= 0) {
            high = m_words[i].ms - kWordGapMs;
            break;
        }
    return low <= high ? std::clamp(ms, low, high)
                       : m_words[static_cast<std::size_t>(m_drag.word)].ms;
}

void WordStrip::mousePressEvent(QMouseEvent* event) {
    const double x = event->position().x();
    m_pointerMs = msAt(x);
    if (event->button() != Qt::LeftButton)
        return;
    m_drag = {wordToDrag(event->position()), x, false, -1};
    int word = m_drag.word;
    if (word < 0) // the word under the click: the last one starting before it, as read
        for (int i = 0; i < static_cast<int>(m_words.size()); ++i)
            if (isRightToLeft() ? xOfWord(i) >= x : xOfWord(i) <= x)
                word = i;
    selectWord(word);
}

void WordStrip::mouseMoveEvent(QMouseEvent* event) {
    const double x = event->position().x();
    m_pointerMs = msAt(x);
    if (!(event->buttons() & Qt::LeftButton) || m_drag.word < 0)
        return;
    if (!m_drag.moved && std::abs(x - m_drag.pressX) < QApplication::startDragDistance())
        return;
    m_drag.moved = true;
    const qint64 to = dragTarget(x, event->modifiers() & Qt::ShiftModifier);
    if (to != m_drag.ms) {
        m_drag.ms = to;
        m_labelsValid = false;
        update();
    }
}

void WordStrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    // Where it is let go, Shift as it is then: it may have been pressed after the last move.
    if (m_drag.moved && m_drag.word >= 0)
        m_drag.ms = dragTarget(event->position().x(), event->modifiers() & Qt::ShiftModifier);
    const Drag drag = std::exchange(m_drag, {});
    m_labelsValid = false;
    update();
    if (drag.moved && drag.word >= 0) {
        if (drag.ms != m_words[static_cast<std::size_t>(drag.word)].ms)
            emit wordDragged(drag.word, drag.ms);
        return;
    }
    emit clicked(msAt(drag.pressX), m_selected);
}

void WordStrip::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    const double width = m_viewTo - m_viewFrom;
    const bool zoomed = width < static_cast<double>(m_toMs - m_fromMs);
    if (event->modifiers() & Qt::ControlModifier) {
        // The time under the pointer stays under it.
        const double x = reading(event->position().x());
        const double share =
            std::clamp((x - kMargin) / std::max(1, this->width() - 2 * kMargin), 0.0, 1.0);
        const double anchor = m_viewFrom + share * width;
        const double narrower = width * std::pow(kZoomPerNotch, notches);
        const double clamped = std::clamp(narrower, std::min(kNarrowestMs, width),
                                          static_cast<double>(m_toMs - m_fromMs));
        setView(anchor - share * clamped, anchor + (1 - share) * clamped);
    } else if (zoomed && notches != 0) {
        setView(m_viewFrom - notches * kPanPerNotch * width,
                m_viewTo - notches * kPanPerNotch * width);
    } else {
        event->ignore();
        return;
    }
    event->accept();
}

void WordStrip::resizeEvent(QResizeEvent* event) {
    m_labelsValid = false;
    QWidget::resizeEvent(event);
}

qint64 WordStrip::pointerMs() const {
    const QPoint at = mapFromGlobal(QCursor::pos());
    return rect().contains(at) ? msAt(at.x()) : m_pointerMs;
}
