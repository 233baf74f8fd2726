#include "Columns.h"
#include "DefaultColumnSets.h"
#include "GridInfo.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Columns "A".."E" with widths 10, 20, ... and link = position; the ones listed are hidden.
TColumns Make(std::vector<int> hidden = {}) {
  TColumns c;
  for (int i = 0; i < 5; ++i) {
    TColProperty& p = c.Add();
    p.Title = std::string(1, char('A' + i));
    p.Width = 10 * (i + 1);
    p.MaxWidth = 100 + i;
    p.LinkIndex = i;
  }
  for (int h : hidden) c.Items(h).Visible = false;
  return c;
}

std::string Order(const TColumns& c) {
  std::string s;
  for (int i = 0; i < c.Count(); ++i) s += c.Items(i).Title;
  return s;
}

}  // namespace

TEST(Columns, NewColumnHasTheDocumentedValues) {
  TColumns c;
  const TColProperty& p = c.Add();
  EXPECT_EQ(p.Color, 0xFFFFFFu);
  EXPECT_EQ(p.FontCol, clWindowText);
  EXPECT_EQ(p.Width, 50);
  EXPECT_EQ(p.MinWidth, 10);
  EXPECT_EQ(p.MaxWidth, 100);
  EXPECT_EQ(p.DefaultWidth, 50);
  EXPECT_TRUE(p.Visible);
  EXPECT_TRUE(p.AllowSort);
  EXPECT_FALSE(p.ShowTotal);
  EXPECT_EQ(p.SortIndex, -1);
  EXPECT_EQ(p.LinkIndex, -1);
}

TEST(Columns, VisibleCountingSkipsHiddenColumns) {
  TColumns c = Make({1, 3});
  EXPECT_EQ(c.VisibleCount(), 3);
  EXPECT_EQ(c.VisibleItem(0).Title, "A");
  EXPECT_EQ(c.VisibleItem(1).Title, "C");
  EXPECT_EQ(c.VisibleItem(2).Title, "E");
  EXPECT_EQ(c.VisibleWidth(), 10 + 30 + 50);
  EXPECT_EQ(c.WidthBefore(0), 0);
  EXPECT_EQ(c.WidthBefore(2), 10 + 30);
  EXPECT_EQ(c.WidthBefore(9), 90);
  EXPECT_EQ(c.MaxWidthSum(), 100 + 101 + 102 + 103 + 104);  // hidden columns count too
}

TEST(Columns, VisibleItemBeyondTheVisibleGivesTheLastColumn) {
  TColumns c = Make({4});
  EXPECT_EQ(c.VisibleItem(4).Title, "E");  // the last of the collection, although hidden
  EXPECT_EQ(c.VisibleItem(-1).Title, "E");
  TColumns empty;
  EXPECT_THROW(empty.VisibleItem(0), std::out_of_range);
  EXPECT_THROW(c.Items(5), std::out_of_range);
}

TEST(Columns, SwapExchangesEveryField) {
  TColumns c = Make();
  c.Items(0).TotalText = "12";
  TColProperty a = c.Items(0), d = c.Items(3);
  c.Swap(0, 3);
  EXPECT_EQ(c.Items(0), d);
  EXPECT_EQ(c.Items(3), a);
  EXPECT_EQ(c.Items(3).TotalText, "12");
}

TEST(Columns, MoveVisibleLeavesHiddenColumnsInPlace) {
  struct Case { std::vector<int> hidden; int from, to; const char* order; };
  const Case cases[] = {
      {{}, 0, 4, "BCDEA"},
      {{}, 4, 0, "EABCD"},
      {{}, 2, 2, "ABCDE"},
      {{1}, 0, 1, "CBADE"},   // A moves past hidden B; B stays at position 1
      {{1}, 3, 0, "EBACD"},   // visible E to the front, B still at 1
      {{1, 2}, 0, 2, "DBCEA"},
      {{}, 0, 5, "ABCDE"},    // target beyond the visible columns: nothing moves
      {{}, -1, 2, "ABCDE"},
  };
  for (const Case& k : cases) {
    TColumns c = Make(k.hidden);
    c.MoveVisible(k.from, k.to);
    EXPECT_EQ(Order(c), k.order) << k.from << "->" << k.to;
    for (int h : k.hidden) EXPECT_FALSE(c.Items(h).Visible);
  }
}

TEST(Columns, LinksFindTheFirstColumnWithTheLink) {
  TColumns c = Make({2});
  c.Items(2).Color = 0x123456;
  c.Items(2).FontCol = 0x654321;
  c.SetTotalText(2, "99.00");  // a hidden column still receives its total
  EXPECT_EQ(c.Items(2).TotalText, "99.00");
  EXPECT_EQ(c.ColourOfLink(2), 0x123456u);
  EXPECT_EQ(c.FontColourOfLink(2), 0x654321u);

  TColumns before = c;
  c.SetTotalText(11, "x");
  EXPECT_EQ(c, before);
  EXPECT_EQ(c.ColourOfLink(11), clBlack);
  EXPECT_EQ(c.FontColourOfLink(11), clWhite);
}

TEST(Columns, BalanceLinkInASetWithoutBalance) {
  TGridInfo groups;
  LoadDefaultGridInfo(3, groups);
  EXPECT_EQ(groups.ColInfo.ColourOfLink(11), clBlack);
  EXPECT_EQ(groups.ColInfo.FontColourOfLink(11), clWhite);
}

TEST(Columns, WidthsToDefaultsTakesTheCurrentWidths) {
  TColumns c = Make();
  c.Items(1).Width = 77;
  c.WidthsToDefaults();
  EXPECT_EQ(c.Items(1).DefaultWidth, 77);
  EXPECT_EQ(c.Items(4).DefaultWidth, 50);
}

namespace {
struct FakeCache : TRowBackgroundCache {
  std::vector<std::pair<int, int>>* log;
  explicit FakeCache(std::vector<std::pair<int, int>>* l) : log(l) {}
  void Resize(int w, int h) override { log->push_back({w, h}); }
};
}  // namespace

TEST(GridInfo, NewRowHeightOrKindsResizeTheCache) {
  std::vector<std::pair<int, int>> log;
  TGridInfo info;
  LoadDefaultGridInfo(0, info);
  info.SetRowCache(std::make_unique<FakeCache>(&log));
  info.SetRowHeight(20);
  info.SetRowHeight(20);  // same value: no resize
  info.SetExtraRowKinds(2);
  const int maxSum = info.ColInfo.MaxWidthSum();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[1], std::make_pair(maxSum, 20 * 4));
  EXPECT_EQ(log[2], std::make_pair(maxSum, 20 * 6));
}
