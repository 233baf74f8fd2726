#include "DefaultColumnSets.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The built-in sets as tabled, colours written out as r,g,b plus a palette flag so that a slip
// in the code's colour constants shows up.
struct Row {
  const char* title;
  int link, sort, width, min, max;
  int align;  // 0 left, 1 right, 2 centred
  bool visible, total, sortable;
  TColor color, font;
  int ci, fi;
};

constexpr TColor P(unsigned r, unsigned g, unsigned b) { return 0x02000000u | r | g << 8 | b << 16; }
constexpr TColor Plain(unsigned r, unsigned g, unsigned b) { return r | g << 8 | b << 16; }
constexpr TColor WinText = 0xFF000008u;

const std::vector<std::vector<Row>> Expected = {
    {
        {"No.", 0, 0, 30, 20, 150, 1, true, true, true, P(255, 255, 189), P(0, 0, 128), 20, 21},
        {"Date", 1, 1, 56, 20, 150, 2, true, false, true, P(255, 255, 189), P(0, 0, 128), 22, 23},
        {"Reference", 2, 2, 50, 20, 200, 0, true, false, true, P(255, 255, 189), P(0, 0, 128), 24, 25},
        {"Acct. No.", 3, 3, 36, 20, 150, 1, true, false, true, P(255, 255, 189), P(0, 0, 128), 26, 27},
        {"Account Name", 4, 4, 93, 20, 300, 0, true, false, true, P(255, 255, 189), P(0, 0, 128), 28, 29},
        {"Sub Account Name", 6, 6, 80, 20, 300, 0, true, false, true, P(255, 255, 189), P(0, 0, 128), 30, 31},
        {"Sub Acct. Number", 5, 5, 50, 20, 150, 1, false, false, true, P(255, 255, 189), Plain(0, 0, 128), 32, 33},
        {"Group Number", 7, 7, 50, 20, 150, 0, true, false, true, Plain(102, 191, 169), Plain(0, 0, 255), 34, 35},
        {"Group Name", 8, 8, 100, 20, 300, 0, true, false, true, Plain(102, 191, 169), Plain(0, 0, 128), 36, 37},
        {"Income", 9, 9, 80, 20, 160, 1, true, true, true, P(185, 255, 192), Plain(0, 128, 0), 38, 39},
        {"Expense", 10, 9, 80, 20, 160, 1, true, true, true, P(255, 214, 213), Plain(255, 0, 0), 40, 41},
        {"Balance", 11, -1, 80, 20, 160, 1, true, true, false, P(196, 224, 255), Plain(0, 0, 255), 42, 43},
    },
    {
        {"Acct. No.", 0, 0, 50, 20, 100, 0, true, false, true, P(255, 255, 189), WinText, 50, 51},
        {"Account Name", 1, 1, 150, 20, 200, 0, true, false, true, P(255, 255, 189), WinText, 52, 53},
        {"Income", 2, 2, 100, 20, 160, 1, true, true, true, P(185, 255, 192), Plain(0, 128, 0), 54, 55},
        {"Expense", 3, 2, 100, 20, 160, 1, true, true, true, P(255, 214, 213), Plain(255, 0, 0), 56, 57},
        {"% of Total", 4, 2, 50, 20, 100, 1, true, false, true, P(196, 224, 255), Plain(0, 0, 255), 58, 59},
    },
    {
        {"Main Account Name", 0, 0, 150, 20, 220, 0, true, false, true, P(255, 255, 189), Plain(0, 0, 128), 60, 61},
        {"Sub Acct. No.", 1, 1, 60, 20, 100, 1, true, false, true, P(255, 255, 189), Plain(0, 0, 128), 62, 63},
        {"Sub Account Name", 2, 2, 150, 20, 220, 0, true, false, true, P(255, 255, 189), Plain(0, 0, 128), 64, 65},
        {"Income", 3, 3, 100, 20, 160, 1, true, true, true, P(185, 255, 192), Plain(0, 128, 0), 66, 67},
        {"Expense", 4, 3, 100, 20, 160, 1, true, true, true, P(255, 214, 213), Plain(255, 0, 0), 68, 69},
        {"% of Total", 5, 3, 50, 20, 100, 1, true, false, true, P(196, 224, 255), Plain(0, 0, 255), 58, 59},
    },
    {
        {"Group Number", 0, 0, 50, 20, 100, 0, true, false, true, P(255, 255, 189), P(0, 0, 128), 70, 71},
        {"Group Name", 1, 1, 200, 20, 250, 0, true, false, true, P(255, 255, 189), P(0, 0, 128), 72, 73},
        {"Income", 2, 2, 100, 20, 160, 1, true, true, true, P(185, 255, 192), Plain(0, 128, 0), 74, 75},
        {"Expense", 3, 3, 100, 20, 160, 1, true, true, true, P(255, 214, 213), Plain(255, 0, 0), 76, 77},
        {"Difference", 4, 4, 100, 20, 160, 1, true, true, true, P(196, 224, 255), Plain(0, 0, 255), 78, 79},
        {"% of Total Income", 5, 2, 100, 20, 100, 1, true, false, true, P(185, 255, 192), Plain(0, 128, 0), 74, 75},
        {"% of Total Expense", 6, 3, 100, 20, 100, 1, true, false, true, P(255, 214, 213), Plain(255, 0, 0), 76, 77},
    },
    {
        {"Category", 0, 1, 200, 20, 250, 0, true, false, true, P(255, 255, 189), P(0, 0, 128), 72, 73},
        {"Income", 1, 2, 100, 20, 160, 1, true, true, true, P(185, 255, 192), Plain(0, 128, 0), 74, 75},
        {"Expense", 2, 2, 100, 20, 160, 1, true, true, true, P(255, 214, 213), Plain(255, 0, 0), 76, 77},
        {"% of Total", 3, 2, 50, 20, 100, 1, true, false, true, P(196, 224, 255), Plain(0, 0, 255), 78, 79},
    },
};

const int ExpectedSort[ColumnSetCount] = {1, 0, 0, 0, 1};

}  // namespace

TEST(DefaultColumnSets, MatchTheBuiltInTables) {
  for (int set = 0; set < ColumnSetCount; ++set) {
    SCOPED_TRACE(set);
    TGridInfo info;
    info.SortIndex = 77;
    info.SortDirection = sdDescending;
    info.ScrollBarPos = 12;
    LoadDefaultGridInfo(set, info);
    EXPECT_EQ(info.SortIndex, ExpectedSort[set]);
    EXPECT_EQ(info.SortDirection, sdAscending);
    EXPECT_EQ(info.ScrollBarPos, 0);
    const auto& rows = Expected[set];
    ASSERT_EQ(info.ColInfo.Count(), int(rows.size()));
    EXPECT_EQ(DefaultColumnCount(set), int(rows.size()));
    for (int i = 0; i < info.ColInfo.Count(); ++i) {
      SCOPED_TRACE(rows[i].title);
      const TColProperty& c = info.ColInfo.Items(i);
      const Row& r = rows[i];
      EXPECT_EQ(c.Title, r.title);
      EXPECT_EQ(c.LinkIndex, r.link);
      EXPECT_EQ(c.SortIndex, r.sort);
      EXPECT_EQ(c.Width, r.width);
      EXPECT_EQ(c.DefaultWidth, r.width);
      EXPECT_EQ(c.MinWidth, r.min);
      EXPECT_EQ(c.MaxWidth, r.max);
      EXPECT_EQ(c.Alignment, r.align);
      EXPECT_EQ(c.Visible, r.visible);
      EXPECT_EQ(c.ShowTotal, r.total);
      EXPECT_EQ(c.AllowSort, r.sortable);
      EXPECT_EQ(c.Color, r.color);
      EXPECT_EQ(c.FontCol, r.font);
      EXPECT_EQ(c.ColorHi, 0x00FFFFFFu);
      EXPECT_EQ(c.FontColHi, WinText);
      EXPECT_EQ(c.ColorIndex, r.ci);
      EXPECT_EQ(c.FontColIndex, r.fi);
      EXPECT_TRUE(c.TotalText.empty());
    }
  }
}

TEST(DefaultColumnSets, UnknownSetIsEmpty) {
  TColumns cols;
  cols.Add();
  LoadDefaultColumns(5, cols);
  EXPECT_EQ(cols.Count(), 0);
  EXPECT_EQ(DefaultColumnCount(-1), 0);
}
