#pragma once

#include <QProxyStyle>

// The window's flat grey buttons: a thin border, darker while pressed, a dotted border while
// focused. Drawn by a style on the buttons alone, not a style sheet, which would polish every
// widget of the window again and costs the start-up a few milliseconds.
class FlatButtonStyle final : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};
