#pragma once

class QWidget;
struct WindowControls;

// Sets the parts' controls in the window: the file bar on top, the sheet panel and the text
// panel sharing one place below it (at most one shown), the status line at the foot.
void LayOutWindow(QWidget& window, const WindowControls& ui);
