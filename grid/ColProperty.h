#pragma once
// One worksheet column: its title, colours, width limits, alignment and its ties to the data
// (LinkIndex) and to the list's sort codes (SortIndex).
#include "ColourValues.h"

#include <cstdint>
#include <string>

enum TColAlignment : std::uint8_t { caLeft = 0, caRight = 1, caCentre = 2 };

class TColProperty {
 public:
  std::string Title;                 // UTF-8
  TColor Color = clWhite;            // cell background in force
  TColor FontCol = clWindowText;     // cell text colour in force
  TColor ColorHi = clWhite;          // background as stored (kept while Color holds a palette entry)
  TColor FontColHi = clWindowText;   // text colour as stored
  std::uint8_t ColorIndex = 0;       // palette entries used on a 256-colour display
  std::uint8_t FontColIndex = 0;
  std::int32_t Width = 50;
  std::int32_t MinWidth = 10;
  std::int32_t MaxWidth = 100;
  std::int32_t DefaultWidth = 50;    // restored by a reset; also the width that is stored
  std::uint8_t Alignment = caLeft;
  bool Visible = true;
  bool ShowTotal = false;
  std::string TotalText;             // set by the main window, never stored
  bool AllowSort = true;
  std::int32_t SortIndex = -1;
  std::int32_t LinkIndex = -1;       // position of this column's text in the row texts

  void Assign(const TColProperty& other) { *this = other; }
  bool operator==(const TColProperty&) const = default;
  // Width held between MinWidth and MaxWidth (MinWidth wins when the limits cross).
  std::int32_t ClampWidth(std::int32_t w) const {
    if (w > MaxWidth) w = MaxWidth;
    if (w < MinWidth) w = MinWidth;
    return w;
  }
};
