#include "controls/KeyOverlay.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

KeyOverlay::KeyOverlay(Keys keys, QWidget* window) : QWidget(window), m_keys(std::move(keys)) {
    setObjectName(QStringLiteral("keyOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void KeyOverlay::popUp() {
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
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        dismiss();
        break;
    default:
        break;
    }
    return false;
}

void KeyOverlay::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPalette tip = QToolTip::palette();
    const QFontMetrics metrics(font());
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold);
    int keysWidth = 0;
    int doesWidth = 0;
    for (const auto& [keys, does] : m_keys) {
        keysWidth = std::max(keysWidth, boldMetrics.horizontalAdvance(keys));
        doesWidth = std::max(doesWidth, metrics.horizontalAdvance(does));
    }
    const int gap = metrics.horizontalAdvance(QStringLiteral("MM"));
    const int line = metrics.lineSpacing();
    const QSize box(keysWidth + gap + doesWidth + 2 * gap,
                    line * static_cast<int>(m_keys.size()) + 2 * line);
    QRect frame(QPoint(0, 0), box.boundedTo(size()));
    frame.moveCenter(rect().center());
    painter.fillRect(frame, tip.toolTipBase());
    painter.setPen(tip.color(QPalette::ToolTipText));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    int y = frame.top() + line + metrics.ascent();
    for (const auto& [keys, does] : m_keys) {
        painter.setFont(bold);
        painter.drawText(frame.left() + gap, y, keys);
        painter.setFont(font());
        painter.drawText(frame.left() + gap + keysWidth + gap, y, does);
        y += line;
    }
}
