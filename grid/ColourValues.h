#pragma once
// Colour values the column sets and the grid use. TColor is 0x00BBGGRR; a high byte of 0xFF
// marks a system colour (the low byte is the system colour number) and 0x02 a palette-relative
// RGB colour. The numbers match the colour values of existing options files.
#include "Types.h"

constexpr TColor RGBColour(unsigned r, unsigned g, unsigned b) {
  return TColor((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
// Palette-relative RGB (high byte 2), the form the column defaults and shifted colours take.
constexpr TColor PaletteRGB(unsigned r, unsigned g, unsigned b) { return RGBColour(r, g, b) | 0x02000000u; }

constexpr unsigned ColourRed(TColor c) { return c & 0xFF; }
constexpr unsigned ColourGreen(TColor c) { return (c >> 8) & 0xFF; }
constexpr unsigned ColourBlue(TColor c) { return (c >> 16) & 0xFF; }
constexpr bool IsSystemColour(TColor c) { return (c & 0xFF000000u) == 0xFF000000u; }
constexpr int SystemColourNumber(TColor c) { return int(c & 0xFF); }

// Named colours of the standard 16-colour set.
constexpr TColor clBlack = 0x000000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clGreen = 0x008000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clWhite = 0xFFFFFF;

// System colours.
constexpr TColor clWindow = 0xFF000005;
constexpr TColor clWindowText = 0xFF000008;
constexpr TColor clHighlight = 0xFF00000D;
constexpr TColor clHighlightText = 0xFF00000E;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clBtnShadow = 0xFF000010;
constexpr TColor clGrayText = 0xFF000011;
constexpr TColor clBtnText = 0xFF000012;
constexpr TColor clBtnHighlight = 0xFF000014;
