#include "WorksheetColours.h"

#include "ColourPalette.h"

#include <climits>
#include <initializer_list>

namespace {

struct LinkColours {
  std::initializer_list<int> green, red, blue, text;
  int textBelow;  // every link below this one is also window text (none when INT_MIN)
};

bool Has(std::initializer_list<int> links, int link) {
  for (int l : links)
    if (l == link) return true;
  return false;
}

// Per worksheet: the data links shown green, red, blue and in window text.
const LinkColours Standard[5] = {
    {{9}, {10}, {11}, {}, 9},
    {{2}, {3}, {4}, {}, 2},
    {{3}, {4}, {5}, {}, 3},
    {{2, 5}, {3, 6}, {4}, {0, 1}, INT_MIN},
    {{1}, {2}, {3}, {0}, INT_MIN},
};

}  // namespace

void ApplyStandardColours(int Worksheet, TColumns& Columns) {
  if (Worksheet < 0 || Worksheet >= 5) return;
  const LinkColours& s = Standard[Worksheet];
  for (int i = 0; i < Columns.Count(); ++i) {
    TColProperty& col = Columns.Items(i);
    const int link = col.LinkIndex;
    TColor font;
    if (Has(s.green, link))
      font = clGreen;
    else if (Has(s.red, link))
      font = clRed;
    else if (Has(s.blue, link))
      font = clBlue;
    else if (Has(s.text, link) || link < s.textBelow)
      font = clWindowText;
    else
      continue;
    col.Color = clWindow;
    col.FontCol = font;
  }
}

void ApplyPaletteColours(TColumns& Columns) {
  for (int i = 0; i < Columns.Count(); ++i) {
    TColProperty& col = Columns.Items(i);
    col.Color = PaletteColour(col.ColorIndex);
    col.FontCol = PaletteColour(col.FontColIndex);
  }
}
