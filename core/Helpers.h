#pragma once
// Small helpers shared by many layers (file names, number texts, colours, captions).
#include <string>
#include <string_view>

#include "Types.h"

// File name without directory, cut before its first full stop ("C:\Books\My.Shop.qbk" -> "My").
// Both '/' and '\' separate directories.
std::string BaseFileName(std::string_view Path);

// Name of the first directory entry matching Pattern ("dir/*.qbk", '*' and '?' wildcards, letters
// compared without regard to case), in the spelling the file system keeps; empty when none.
std::string FirstFileName(std::string_view Pattern);

// Path rebuilt with the spelling the file system keeps for each component; from the first
// component that cannot be found on the rest is left as given.
std::string LongPathName(std::string_view Path);

// Integer after the first "-" ("1200-15" -> 15); 0 when there is none.
int SubNoFromText(std::string_view Text);

// Field N (from 0) of a comma-separated text; empty when there are fewer fields.
std::string CommaField(std::string_view Text, int N);

// Index of a printer paper code in the paper list: 0..26 themselves, anything else 27.
int PaperIndex(int PaperCode);

// Each of red, green and blue plus (or minus) Amount, clamped; palette-relative (high byte 2).
TColor ShiftColour(TColor Colour, int Amount, bool Lighter);

// Chart colour N of the 28-colour table; numbers above 27 wrap (28 -> 1, 55 -> 1).
TColor ChartColour(int N);

// Caption helpers for accelerator marks.
std::string StripAmpersand(std::string_view Text);   // first "&" removed
std::string DoubleAmpersands(std::string_view Text); // every "&" doubled

// Red, green, blue of a colour (0x00BBGGRR) and back.
constexpr TColor RGBColour(int R, int G, int B) {
  return static_cast<TColor>((R & 0xFF) | ((G & 0xFF) << 8) | ((B & 0xFF) << 16));
}
