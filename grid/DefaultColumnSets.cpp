#include "DefaultColumnSets.h"

#include <cstdint>

namespace {

struct Def {
  const char* title;
  std::int32_t link, sort, width, min, max;
  std::uint8_t align;
  bool visible, total, sortable;
  TColor color, fontCol;
  std::uint8_t colorIndex, fontIndex;
};

constexpr std::uint8_t L = caLeft, R = caRight, C = caCentre;
constexpr TColor Cream = PaletteRGB(255, 255, 189);
constexpr TColor Lime = PaletteRGB(185, 255, 192);
constexpr TColor Rose = PaletteRGB(255, 214, 213);
constexpr TColor Sky = PaletteRGB(196, 224, 255);
constexpr TColor Navy = PaletteRGB(0, 0, 128);
constexpr TColor Teal = RGBColour(102, 191, 169);

constexpr Def Transactions[] = {
    {"No.", 0, 0, 30, 20, 150, R, true, true, true, Cream, Navy, 20, 21},
    {"Date", 1, 1, 56, 20, 150, C, true, false, true, Cream, Navy, 22, 23},
    {"Reference", 2, 2, 50, 20, 200, L, true, false, true, Cream, Navy, 24, 25},
    {"Acct. No.", 3, 3, 36, 20, 150, R, true, false, true, Cream, Navy, 26, 27},
    {"Account Name", 4, 4, 93, 20, 300, L, true, false, true, Cream, Navy, 28, 29},
    {"Sub Account Name", 6, 6, 80, 20, 300, L, true, false, true, Cream, Navy, 30, 31},
    {"Sub Acct. Number", 5, 5, 50, 20, 150, R, false, false, true, Cream, clNavy, 32, 33},
    {"Group Number", 7, 7, 50, 20, 150, L, true, false, true, Teal, clBlue, 34, 35},
    {"Group Name", 8, 8, 100, 20, 300, L, true, false, true, Teal, clNavy, 36, 37},
    {"Income", 9, 9, 80, 20, 160, R, true, true, true, Lime, clGreen, 38, 39},
    {"Expense", 10, 9, 80, 20, 160, R, true, true, true, Rose, clRed, 40, 41},
    {"Balance", 11, -1, 80, 20, 160, R, true, true, false, Sky, clBlue, 42, 43},
};

// The three share columns have no palette entries of their own in older files; they take the
// entries of the sky-blue columns, which carry the same colours.
constexpr Def MainAccounts[] = {
    {"Acct. No.", 0, 0, 50, 20, 100, L, true, false, true, Cream, clWindowText, 50, 51},
    {"Account Name", 1, 1, 150, 20, 200, L, true, false, true, Cream, clWindowText, 52, 53},
    {"Income", 2, 2, 100, 20, 160, R, true, true, true, Lime, clGreen, 54, 55},
    {"Expense", 3, 2, 100, 20, 160, R, true, true, true, Rose, clRed, 56, 57},
    {"% of Total", 4, 2, 50, 20, 100, R, true, false, true, Sky, clBlue, 58, 59},
};

constexpr Def SubAccounts[] = {
    {"Main Account Name", 0, 0, 150, 20, 220, L, true, false, true, Cream, clNavy, 60, 61},
    {"Sub Acct. No.", 1, 1, 60, 20, 100, R, true, false, true, Cream, clNavy, 62, 63},
    {"Sub Account Name", 2, 2, 150, 20, 220, L, true, false, true, Cream, clNavy, 64, 65},
    {"Income", 3, 3, 100, 20, 160, R, true, true, true, Lime, clGreen, 66, 67},
    {"Expense", 4, 3, 100, 20, 160, R, true, true, true, Rose, clRed, 68, 69},
    {"% of Total", 5, 3, 50, 20, 100, R, true, false, true, Sky, clBlue, 58, 59},
};

constexpr Def Groups[] = {
    {"Group Number", 0, 0, 50, 20, 100, L, true, false, true, Cream, Navy, 70, 71},
    {"Group Name", 1, 1, 200, 20, 250, L, true, false, true, Cream, Navy, 72, 73},
    {"Income", 2, 2, 100, 20, 160, R, true, true, true, Lime, clGreen, 74, 75},
    {"Expense", 3, 3, 100, 20, 160, R, true, true, true, Rose, clRed, 76, 77},
    {"Difference", 4, 4, 100, 20, 160, R, true, true, true, Sky, clBlue, 78, 79},
    {"% of Total Income", 5, 2, 100, 20, 100, R, true, false, true, Lime, clGreen, 74, 75},
    {"% of Total Expense", 6, 3, 100, 20, 100, R, true, false, true, Rose, clRed, 76, 77},
};

constexpr Def Categories[] = {
    {"Category", 0, 1, 200, 20, 250, L, true, false, true, Cream, Navy, 72, 73},
    {"Income", 1, 2, 100, 20, 160, R, true, true, true, Lime, clGreen, 74, 75},
    {"Expense", 2, 2, 100, 20, 160, R, true, true, true, Rose, clRed, 76, 77},
    {"% of Total", 3, 2, 50, 20, 100, R, true, false, true, Sky, clBlue, 78, 79},
};

struct SetDef {
  const Def* cols;
  int count;
  std::int32_t sortIndex;
};

template <std::size_t N>
constexpr SetDef Make(const Def (&d)[N], std::int32_t sort) { return {d, int(N), sort}; }

constexpr SetDef Sets[ColumnSetCount] = {
    Make(Transactions, 1), Make(MainAccounts, 0), Make(SubAccounts, 0), Make(Groups, 0), Make(Categories, 1),
};

}  // namespace

int DefaultColumnCount(int set) { return set >= 0 && set < ColumnSetCount ? Sets[set].count : 0; }

void LoadDefaultColumns(int set, TColumns& columns) {
  columns.Clear();
  if (set < 0 || set >= ColumnSetCount) return;
  for (int i = 0; i < Sets[set].count; ++i) {
    const Def& d = Sets[set].cols[i];
    TColProperty& c = columns.Add();
    c.Title = d.title;
    c.LinkIndex = d.link;
    c.SortIndex = d.sort;
    c.Width = c.DefaultWidth = d.width;
    c.MinWidth = d.min;
    c.MaxWidth = d.max;
    c.Alignment = d.align;
    c.Visible = d.visible;
    c.ShowTotal = d.total;
    c.AllowSort = d.sortable;
    c.Color = d.color;
    c.FontCol = d.fontCol;
    c.ColorHi = clWhite;
    c.FontColHi = clWindowText;
    c.ColorIndex = d.colorIndex;
    c.FontColIndex = d.fontIndex;
  }
}

void LoadDefaultGridInfo(int set, TGridInfo& info) {
  LoadDefaultColumns(set, info.ColInfo);
  info.SortIndex = set >= 0 && set < ColumnSetCount ? Sets[set].sortIndex : 0;
  info.SortDirection = sdAscending;
  info.ScrollBarPos = 0;
}
