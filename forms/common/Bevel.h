#pragma once
// A rectangular bevel, Width pixels wide: raised puts First on the top and left edges and Second on
// the bottom and right edges; sunken swaps them.
#include <QColor>
#include <QRect>

class QPainter;

void DrawBevel(bool Raised, int Width, QPainter& Canvas, const QColor& First, const QColor& Second, const QRect& Rect);
