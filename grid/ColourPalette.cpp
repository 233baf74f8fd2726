#include "ColourPalette.h"

#include "ColourValues.h"
#include "Columns.h"

#include <array>

namespace {

struct Entry { int index; TColor rgb; };

// Entries that the default column sets refer to, pairs of background/text.
constexpr Entry ColumnEntries[] = {
    {20, RGBColour(255, 255, 189)}, {21, RGBColour(0, 0, 128)},   {22, RGBColour(255, 255, 189)},
    {23, RGBColour(0, 0, 128)},     {24, RGBColour(255, 255, 189)}, {25, RGBColour(0, 0, 128)},
    {26, RGBColour(255, 255, 189)}, {27, RGBColour(0, 0, 128)},   {28, RGBColour(255, 255, 189)},
    {29, RGBColour(0, 0, 128)},     {30, RGBColour(255, 255, 189)}, {31, RGBColour(0, 0, 128)},
    {32, RGBColour(255, 255, 189)}, {33, RGBColour(0, 0, 128)},   {34, RGBColour(102, 191, 169)},
    {35, RGBColour(0, 0, 255)},     {36, RGBColour(102, 191, 169)}, {37, RGBColour(0, 0, 128)},
    {38, RGBColour(185, 255, 192)}, {39, RGBColour(0, 128, 0)},   {40, RGBColour(255, 214, 213)},
    {41, RGBColour(255, 0, 0)},     {42, RGBColour(196, 224, 255)}, {43, RGBColour(0, 0, 255)},
    {50, RGBColour(255, 255, 189)}, {51, RGBColour(0, 0, 0)},     {52, RGBColour(255, 255, 189)},
    {53, RGBColour(0, 0, 0)},       {54, RGBColour(185, 255, 192)}, {55, RGBColour(0, 128, 0)},
    {56, RGBColour(255, 214, 213)}, {57, RGBColour(255, 0, 0)},   {58, RGBColour(196, 224, 255)},
    {59, RGBColour(0, 0, 255)},     {60, RGBColour(255, 255, 189)}, {61, RGBColour(0, 0, 128)},
    {62, RGBColour(255, 255, 189)}, {63, RGBColour(0, 0, 128)},   {64, RGBColour(255, 255, 189)},
    {65, RGBColour(0, 0, 128)},     {66, RGBColour(185, 255, 192)}, {67, RGBColour(0, 128, 0)},
    {68, RGBColour(255, 214, 213)}, {69, RGBColour(255, 0, 0)},   {70, RGBColour(255, 255, 189)},
    {71, RGBColour(0, 0, 128)},     {72, RGBColour(255, 255, 189)}, {73, RGBColour(0, 0, 128)},
    {74, RGBColour(185, 255, 192)}, {75, RGBColour(0, 128, 0)},   {76, RGBColour(255, 214, 213)},
    {77, RGBColour(255, 0, 0)},     {78, RGBColour(196, 224, 255)}, {79, RGBColour(0, 0, 255)},
    {PaletteTransferRow, RGBColour(187, 187, 187)},
};

// The twenty static colours of a palette display.
constexpr TColor StaticEntries[20] = {
    RGBColour(0, 0, 0),       RGBColour(128, 0, 0),     RGBColour(0, 128, 0),     RGBColour(128, 128, 0),
    RGBColour(0, 0, 128),     RGBColour(128, 0, 128),   RGBColour(0, 128, 128),   RGBColour(192, 192, 192),
    RGBColour(192, 220, 192), RGBColour(166, 202, 240), RGBColour(255, 251, 240), RGBColour(160, 160, 164),
    RGBColour(128, 128, 128), RGBColour(255, 0, 0),     RGBColour(0, 255, 0),     RGBColour(255, 255, 0),
    RGBColour(0, 0, 255),     RGBColour(255, 0, 255),   RGBColour(0, 255, 255),   RGBColour(255, 255, 255),
};

std::array<TColor, PaletteSize> BuildPalette() {
  std::array<TColor, PaletteSize> p{};
  for (int i = 0; i < 20; ++i) p[i] = StaticEntries[i];
  // A 5 x 6 x 5 colour cube fills 82..231, a grey ramp 234..255; the rest are set below.
  int n = 82;
  for (int r = 0; r < 5; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 5; ++b) p[n++] = RGBColour(r * 255 / 4, g * 255 / 5, b * 255 / 4);
  for (int i = 234; i < PaletteSize; ++i) {
    unsigned v = unsigned((i - 234) * 255 / (PaletteSize - 1 - 234));
    p[i] = RGBColour(v, v, v);
  }
  p[232] = RGBColour(212, 208, 200);
  for (int i = 44; i < 50; ++i) p[i] = RGBColour(255, 255, 255);
  p[80] = RGBColour(255, 255, 189);
  p[81] = RGBColour(0, 0, 128);
  for (const Entry& e : ColumnEntries) p[e.index] = e.rgb;
  return p;
}

const std::array<TColor, PaletteSize> Palette = BuildPalette();

}  // namespace

TColor PaletteColour(int index) {
  if (index < 0 || index >= PaletteSize) index = 0;
  return Palette[index] | 0x02000000u;
}

void UsePaletteColours(TColumns& columns) {
  for (int i = 0; i < columns.Count(); ++i) {
    TColProperty& c = columns.Items(i);
    c.Color = PaletteIndexColour(c.ColorIndex);
    c.FontCol = PaletteIndexColour(c.FontColIndex);
  }
}
