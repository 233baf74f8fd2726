#pragma once
// The program's 256-entry colour palette, used instead of free RGB colours on a display of
// 256 colours. Entries 20..81 are the column colours of the default column sets (their
// ColorIndex/FontColIndex), 233 is the transfer-row grey.
#include "Types.h"

constexpr int PaletteSize = 256;
constexpr int PaletteTransferRow = 233;

// Entry N as a palette-relative RGB colour (high byte 2); N outside 0..255 gives entry 0.
TColor PaletteColour(int index);
// A colour that names palette entry N (high byte 1); the grid draws it with that entry.
constexpr TColor PaletteIndexColour(int index) { return 0x01000000u | TColor(index & 0xFF); }

class TColumns;
// For a 256-colour display: every column's Color and FontCol become its palette entries
// ColorIndex and FontColIndex; ColorHi and FontColHi keep the colours to store.
void UsePaletteColours(TColumns& columns);
