#pragma once
// Where a helper window (number pad, on-screen keyboard) opens next to the box it serves.
#include <QPoint>
#include <QSize>

class QWidget;

enum class TPopupPlace { Above, Below };

// Top-left corner for a window of Size just above or below Box, its left edge XOffset pixels
// from the box's left edge, kept on the box's screen.
QPoint PopupPosition(const QWidget* Box, QSize Size, TPopupPlace Place, int XOffset = 0);
