#pragma once
// Value types every layer shares.
#include <cstdint>

// Money: the amount times 10000, summed exactly as integers.
using Currency = std::int64_t;
constexpr Currency CurrencyScale = 10000;

// Days since 30 December 1899; the fraction is the time of day. Transaction dates are whole days.
using TDateTime = double;

// A colour as 0x00BBGGRR (red in the low byte). The high byte carries palette flags
// (2 = palette-relative RGB) where a colour comes from a colour table.
using TColor = std::uint32_t;

// How the display draws colours; set once when the main window is created.
enum TColourMode : std::uint8_t { cmHighColour = 0, cmPalette256 = 1, cm16Colour = 2 };
extern TColourMode ColourMode;
