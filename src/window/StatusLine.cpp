#include "window/StatusLine.h"

#include "session/SongSuggestions.h"
#include "window/WindowLook.h"

#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cstdio>

StatusLine::StatusLine(QObject* parent) : QObject(parent), m_label(new QLabel) {
    m_label->setObjectName(QStringLiteral("lblStatus"));
    m_label->setFont(ArialBold(9));
    m_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long message (a deep path, a failure's reason) wraps onto more lines, as many as it
    // takes at the line's width: it never widens the window past the screen and pushes its
    // buttons off.
    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::PlainText); // a song named "<b>" is no markup
    m_label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_label->setFixedHeight(kOneLine);
    m_label->installEventFilter(this);
    m_label->setFrameShape(QFrame::Panel);
    m_label->setFrameShadow(QFrame::Sunken);
    m_label->setAccessibleName(tr("Status"));
    m_label->setAccessibleDescription(tr("What the last action did and what to do next"));
}

QString StatusLine::text() const {
    return m_label->text();
}

bool StatusLine::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_label && event->type() == QEvent::Resize)
        fitHeight();
    return QObject::eventFilter(watched, event);
}

// The lines are counted here: the label's own height for a width never answers less than the
// height it has now, so it would never shrink back.
void StatusLine::fitHeight() {
    const QRect inside = m_label->contentsRect();
    const int text =
        m_label->fontMetrics()
            .boundingRect(QRect(0, 0, inside.width(), 1 << 20), Qt::TextWordWrap, m_label->text())
            .height();
    const int needed = std::max(kOneLine, text + m_label->height() - inside.height());
    if (m_label->height() != needed)
        m_label->setFixedHeight(needed);
}

void StatusLine::show(const QString& text) {
    m_label->setText(text);
    fitHeight();
    // A word longer than the line (a path without spaces) is cut at its edge: the whole of it
    // is in the tooltip.
    const bool cut =
        m_label->fontMetrics().horizontalAdvance(text) > m_label->contentsRect().width() &&
        std::ranges::any_of(text.split(u' '), [this](const QString& word) {
            return m_label->fontMetrics().horizontalAdvance(word) > m_label->contentsRect().width();
        });
    m_label->setToolTip(cut ? text : QString());
    // A changed name is what a screen reader hears of a label it is not reading.
    const QString name = text.isEmpty() ? tr("Status") : text;
    if (m_label->accessibleName() != name)
        m_label->setAccessibleName(name);
}

void StatusLine::add(const QString& text) {
    const QString shown = m_label->text().trimmed();
    show(shown.isEmpty() ? text : tr("%1  ·  %2").arg(shown, text));
}

void StatusLine::report(const QString& message) noexcept {
    try {
        show(message);
        std::fprintf(stderr, "velmora-versetta: %s\n", message.toLocal8Bit().constData());
    } catch (...) {
        // Nothing sensible is left to do when even the report fails.
    }
}

void StatusLine::showAnalysis(const QString& text) {
    const QString shown = m_label->text();
    if (shown.trimmed().isEmpty() || shown == m_analysisText)
        show(text);
    else if (!text.isEmpty() && !SongSuggestions::isProgressText(text))
        show(tr("%1  ·  %2").arg(shown, text));
    else
        return;
    m_analysisText = m_label->text();
}

void StatusLine::onClick(QPushButton* button, const char* name, std::function<void()> handler) {
    connect(button, &QPushButton::clicked, this,
            [this, name, handler = std::move(handler)] { guard(name, handler); });
}
