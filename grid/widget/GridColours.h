#pragma once
// Turning the model's colour values into Qt colours, and the shading the grid uses.
#include "Types.h"

#include <QColor>

// System colours resolve through the application palette, palette entries (high byte 1)
// through the program's colour palette; everything else is RGB.
QColor ToQColor(TColor c);
// Each of red, green and blue moved by Amount, clamped to 0..255.
QColor ShiftedColour(const QColor& c, int amount, bool lighter);
