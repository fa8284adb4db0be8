#pragma once

class QWidget;
struct WindowControls;

// Sets the parts' controls in the window: the file bar on top, the sheet panel and the text
// panel sharing one place below it (at most one shown), the status line at the foot.
void LayOutWindow(QWidget& window, const WindowControls& ui);

// Where the laid-out window is larger than its screen leaves room for (a large scale factor on
// a small screen), its contents scroll inside it instead of reaching past the screen's edge.
void FitWindowToScreen(QWidget& window);
