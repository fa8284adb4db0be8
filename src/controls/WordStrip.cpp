#include "controls/WordStrip.h"

#include "playback/Waveform.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kMargin = 4;
constexpr int kHeight = 56;
} // namespace

WordStrip::WordStrip(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumHeight(kHeight);
    setToolTip(tr("The selected line's words at their times. A click selects the word "
                  "and plays from there; Alt+Left, Alt+Right then nudge that word."));
}

QSize WordStrip::sizeHint() const {
    return {485, kHeight};
}

void WordStrip::setWords(std::vector<Word> words, qint64 fromMs, qint64 toMs) {
    const bool same = words.size() == m_words.size() &&
                      std::equal(words.begin(), words.end(), m_words.begin(),
                                 [](const Word& a, const Word& b) { return a.text == b.text; });
    if (!same)
        m_selected = -1;
    m_words = std::move(words);
    m_fromMs = fromMs;
    m_toMs = std::max(toMs, fromMs + 1);
    update();
}

void WordStrip::setEnvelope(std::shared_ptr<const PeakEnvelope> envelope) {
    m_envelope = std::move(envelope);
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
    return ms >= m_fromMs && ms < m_toMs ? static_cast<int>(xOf(ms)) : -1;
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

// Time runs the way the window reads: from the right in a right-to-left window.
double WordStrip::xOf(qint64 ms) const {
    const double width = std::max(1, this->width() - 2 * kMargin);
    const double x = kMargin + width * static_cast<double>(ms - m_fromMs) /
                                   static_cast<double>(m_toMs - m_fromMs);
    return isRightToLeft() ? this->width() - x : x;
}

qint64 WordStrip::msAt(double x) const {
    const double width = std::max(1, this->width() - 2 * kMargin);
    if (isRightToLeft())
        x = this->width() - x;
    const double ms = static_cast<double>(m_fromMs) +
                      (x - kMargin) / width * static_cast<double>(m_toMs - m_fromMs);
    return std::clamp<qint64>(std::llround(ms), m_fromMs, m_toMs - 1);
}

int WordStrip::xOfWord(int index) const {
    // An untimed word follows the one before it by that word's width.
    const QFontMetrics metrics(font());
    const double start = isRightToLeft() ? width() - kMargin : kMargin;
    const double ahead = isRightToLeft() ? -1 : 1;
    double x = start;
    for (int i = 0; i <= index && i < static_cast<int>(m_words.size()); ++i) {
        const double after =
            i == 0 ? start : x + ahead * (metrics.horizontalAdvance(m_words[i - 1].text) + 6);
        x = m_words[i].ms >= 0 ? xOf(m_words[i].ms) : after;
    }
    return static_cast<int>(x);
}

const QPixmap& WordStrip::background() {
    Drawn now{.size = size(),
              .ratio = devicePixelRatioF(),
              .fromMs = m_fromMs,
              .toMs = m_toMs,
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
        std::vector<QLineF> lines;
        lines.reserve(static_cast<std::size_t>(std::max(0, width() - 2 * kMargin)));
        for (int x = kMargin; x < width() - kMargin; ++x) {
            const auto [from, to] = std::minmax(msAt(x), msAt(x + 1));
            const auto [low, high] =
                m_envelope->range(static_cast<double>(from) / 1000, static_cast<double>(to) / 1000);
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
    if (m_positionMs >= m_fromMs && m_positionMs < m_toMs) {
        painter.setPen(QColor(0xd0, 0x30, 0x30));
        const double x = xOf(m_positionMs);
        painter.drawLine(QPointF(x, 0), QPointF(x, height()));
    }
    const QFontMetrics metrics(font());
    const int current = currentWord();
    for (int i = 0; i < static_cast<int>(m_words.size()); ++i) {
        const Word& word = m_words[i];
        const int x = xOfWord(i);
        // A word starts at its time and reads on from there, leftward from the right.
        const int boxWidth = metrics.horizontalAdvance(word.text) + 4;
        const QRect box(isRightToLeft() ? x - boxWidth : x, 2, boxWidth, metrics.height() + 2);
        if (i == current)
            painter.fillRect(box, QColor(0xff, 0xd8, 0x40));
        if (i == m_selected) {
            painter.setPen(palette().highlight().color());
            painter.drawRect(box.adjusted(0, 0, -1, -1));
        }
        painter.setPen(word.ms >= 0 ? palette().text().color()
                                    : palette().placeholderText().color());
        painter.drawText(box.adjusted(2, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, word.text);
        if (word.ms >= 0) {
            painter.setPen(QColor(0x20, 0x60, 0xc0));
            painter.drawLine(QPointF(xOf(word.ms), box.bottom()), QPointF(xOf(word.ms), height()));
        }
    }
}

void WordStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const double x = event->position().x();
    int word = -1;
    for (int i = 0; i < static_cast<int>(m_words.size()); ++i)
        if (isRightToLeft() ? xOfWord(i) >= x : xOfWord(i) <= x)
            word = i;
    selectWord(word);
    emit clicked(msAt(x), word);
}
