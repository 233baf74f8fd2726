#pragma once
// Colour adjustments of loaded column sets for the display's colour mode.
#include "Columns.h"

// 16-colour display (and the fallback after a failed load): backgrounds become the window colour
// and text colours green, red, blue or window text by the column's data link; which links take
// which colour depends on the worksheet (0 transactions .. 4 categories). Links not listed for
// the worksheet keep both colours.
void ApplyStandardColours(int Worksheet, TColumns& Columns);
// 256-colour display: background and text colour become the palette entries of ColorIndex and
// FontColIndex; the stored colours stay in ColorHi and FontColHi.
void ApplyPaletteColours(TColumns& Columns);
