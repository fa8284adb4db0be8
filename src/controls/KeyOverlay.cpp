#include "controls/KeyOverlay.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QTextOption>
#include <QToolTip>

#include <algorithm>

KeyOverlay::KeyOverlay(Keys keys, const QKeySequence& showKey, QWidget* window)
    : QWidget(window), m_keys(std::move(keys)), m_showKey(showKey) {
    setObjectName(QStringLiteral("keyOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void KeyOverlay::popUp() {
    if (isVisible()) {
        m_page = (m_page + 1) % layOut(size()).pages;
        update();
        return;
    }
    m_page = 0;
    setGeometry(parentWidget()->rect());
    raise();
    show();
    qApp->installEventFilter(this);
}

void KeyOverlay::dismiss() {
    qApp->removeEventFilter(this);
    hide();
}

bool KeyOverlay::eventFilter(QObject* /*watched*/, QEvent* event) {
    // A key that is a shortcut arrives only as its override; the key or click still acts.
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride: {
        // The key that shows the list: held, its repeats are no next key; pressed again, it
        // turns the page where there is another.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (QKeySequence(key->keyCombination()) == m_showKey &&
            (key->isAutoRepeat() || layOut(size()).pages > 1))
            break;
        dismiss();
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        dismiss();
        break;
    default:
        break;
    }
    return false;
}

KeyOverlay::Layout KeyOverlay::layOut(QSize size) const {
    // A list taller than the window would lose its last rows: the font shrinks, to a size
    // still read, and below that the list is cut into pages.
    constexpr double kSmallestPoints = 6.5;
    Layout l;
    l.font = font();
    for (;;) {
        QFont bold = l.font;
        bold.setBold(true);
        const QFontMetrics metrics(l.font);
        const QFontMetrics boldMetrics(bold);
        int keysWidth = 0;
        int doesWidth = 0;
        for (const auto& [keys, does] : m_keys) {
            keysWidth = std::max(keysWidth, boldMetrics.horizontalAdvance(keys));
            doesWidth = std::max(doesWidth, metrics.horizontalAdvance(does));
        }
        const int gap = metrics.horizontalAdvance(QStringLiteral("MM"));
        const int line = metrics.lineSpacing();
        const int count = static_cast<int>(m_keys.size());
        QSize box(keysWidth + gap + doesWidth + 2 * gap, line * count + 2 * line);
        const bool fits = box.width() <= size.width() && box.height() <= size.height();
        if (!fits && l.font.pointSizeF() - 0.5 >= kSmallestPoints) {
            l.font.setPointSizeF(l.font.pointSizeF() - 0.5);
            continue;
        }
        l.perPage = std::max(count, 1);
        if (box.height() > size.height()) {
            // The rows that fit between the margins, with a line under them for the turn.
            const int most = std::max(1, size.height() / line - 3);
            l.pages = (count + most - 1) / most;
            l.perPage = (count + l.pages - 1) / l.pages; // as many on each page
            box.setHeight(line * l.perPage + 3 * line);
            box.setWidth(
                std::max(box.width(), metrics.horizontalAdvance(turnText(l.pages)) + 2 * gap));
        }
        l.frame = QRect(QPoint(0, 0), box.boundedTo(size));
        l.frame.moveCenter(QRect(QPoint(0, 0), size).center());
        const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
        l.rows.clear();
        for (int k = 0; k < count; ++k) {
            const int y = l.frame.top() + line + (k % l.perPage) * line;
            QRect keys(l.frame.left() + gap, y, keysWidth, line);
            QRect does(keys.right() + 1 + gap, y, doesWidth, line);
            if (rightToLeft) {
                keys.moveRight(l.frame.right() - gap);
                does.moveRight(keys.left() - 1 - gap);
            }
            l.rows.emplace_back(keys, does);
        }
        if (l.pages > 1)
            l.turn = QRect(l.frame.left() + gap, l.frame.top() + line * (l.perPage + 1),
                           l.frame.width() - 2 * gap, line);
        return l;
    }
}

QString KeyOverlay::turnText(int pages) const {
    return tr("Page %1 of %2: %3 turns the page")
        .arg(std::min(m_page, pages - 1) + 1)
        .arg(pages)
        .arg(m_showKey.toString(QKeySequence::NativeText));
}

void KeyOverlay::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPalette tip = QToolTip::palette();
    const Layout l = layOut(size());
    painter.fillRect(l.frame, tip.toolTipBase());
    painter.setPen(tip.color(QPalette::ToolTipText));
    painter.drawRect(l.frame.adjusted(0, 0, -1, -1));
    QFont bold = l.font;
    bold.setBold(true);
    // Absolute: a text option would swap left and right for right-to-left text.
    const Qt::Alignment side =
        (layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft) |
        Qt::AlignAbsolute | Qt::AlignVCenter;
    // Key names read left to right in every language: "Ctrl+." stays "Ctrl+.".
    QTextOption keysOption(side);
    keysOption.setTextDirection(Qt::LeftToRight);
    keysOption.setWrapMode(QTextOption::NoWrap);
    QTextOption doesOption(side);
    doesOption.setTextDirection(layoutDirection());
    doesOption.setWrapMode(QTextOption::NoWrap);
    const int page = std::min(m_page, l.pages - 1);
    for (std::size_t k = 0; k < m_keys.size(); ++k) {
        if (static_cast<int>(k) / l.perPage != page)
            continue;
        painter.setFont(bold);
        painter.drawText(QRectF(l.rows[k].first), m_keys[k].first, keysOption);
        painter.setFont(l.font);
        painter.drawText(QRectF(l.rows[k].second), m_keys[k].second, doesOption);
    }
    if (l.pages > 1) {
        painter.setFont(l.font);
        painter.drawText(QRectF(l.turn), turnText(l.pages), doesOption);
    }
}
