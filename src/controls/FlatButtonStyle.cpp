#include "controls/FlatButtonStyle.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace {

const QColor kFace(0xE0, 0xE0, 0xE0);
const QColor kPressedFace(0xC8, 0xC8, 0xC8);
const QColor kBorder(0x8A, 0x8A, 0x8A);
const QColor kDisabledBorder(0xC0, 0xC0, 0xC0);
const QColor kFocusBorder(0x20, 0x20, 0x20);
const QColor kDisabledText(0x9A, 0x9A, 0x9A);

} // namespace

void FlatButtonStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    switch (element) {
    case PE_PanelButtonCommand: {
        const bool enabled = option->state.testFlag(State_Enabled);
        const bool pressed = option->state & (State_Sunken | State_On);
        QPen border(enabled ? kBorder : kDisabledBorder);
        if (enabled && option->state.testFlag(State_HasFocus))
            border = QPen(kFocusBorder, 1, Qt::DotLine);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(border);
        painter->setBrush(pressed ? kPressedFace : kFace);
        painter->drawRoundedRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        painter->restore();
        return;
    }
    case PE_FrameDefaultButton:
    case PE_FrameFocusRect:
        // The border already shows the focus; Enter presses whichever button has it.
        return;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void FlatButtonStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    if (element == CE_PushButtonLabel && !option->state.testFlag(State_Enabled)) {
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
            QStyleOptionButton greyed(*button);
            greyed.palette.setColor(QPalette::Disabled, QPalette::ButtonText, kDisabledText);
            QProxyStyle::drawControl(element, &greyed, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

int FlatButtonStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                 const QWidget* widget) const {
    // A flat face does not move its caption when pressed.
    if (metric == PM_ButtonShiftHorizontal || metric == PM_ButtonShiftVertical)
        return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
}
