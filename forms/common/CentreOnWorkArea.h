#pragma once
// Window placement shared by every dialog.
class QWidget;
class QRect;

// Places a window in the middle of the screen area not covered by panels and docks (the screen's
// available geometry); with Fill it first takes that area's size. Uses the screen the window is
// on, or the primary screen.
void CentreOnWorkArea(QWidget* Form, bool Fill = false);

// The same placement worked out for a window of the given frame size on a work area: left and top
// are the work area's plus half (rounded toward zero) of the free width and height.
QRect CentredRect(const QRect& WorkArea, int Width, int Height, bool Fill);
