#pragma once
// The grid's pictures, drawn with QPainter so they stay crisp at any scale: the padlock of
// the lock screen and the small glyphs of the corner buttons.
#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

// A closed padlock filling Rect (body and shackle); Open lifts and turns the shackle.
void DrawPadlock(QPainter& p, const QRectF& rect, const QColor& body, const QColor& shackle, bool open);
// The "reset column widths" glyph: two arrows pointing away from a column border.
void DrawWidthsGlyph(QPainter& p, const QRectF& rect, const QColor& colour);
// The lock screen's picture, 112 x 136, on a transparent background.
QImage LockPicture();
