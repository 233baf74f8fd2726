// The steps of the date range, selection resets and book bar on the lists, without windows.
#include <gtest/gtest.h>

#include "BookBarModel.h"
#include "BookFixture.h"
#include "SelectionSteps.h"

namespace {
// Two books, income and expense over five days, one opening balance per book.
class BarsBook : public BookFixture {
 public:
  BarsBook() {
    AddBook(0, "Cheque");
    AddBook(1, "Cash");
    AddMain(100, "Sales", 1, 0);
    AddMain(200, "Rent", 2, 6);
    AddSub(100, 1, "Counter", 1);
    AddSub(200, 1, "Premises", 2);
    AddGroup(0, "General");
    AddGroup(1, "Home");
    AddTrans({1, '0', tkOpenBal, D0, 0, "", 0, 0, 0, 1000});
    AddTrans({2, '0', tkOpenBal, D0, 1, "", 0, 0, 0, 50});
    AddTrans({3, '0', tkIncome, D0 + 1, 0, "A", 100, 1, 0, 300});
    AddTrans({4, '0', tkExpense, D0 + 2, 0, "B", 200, 1, 1, 120});
    AddTrans({5, '0', tkIncome, D0 + 3, 1, "C", 100, 1, 0, 40});
    AddTrans({6, '0', tkExpense, D0 + 4, 1, "D", 200, 1, 1, 15});
    L.Books.Items(0).OpenBalNo = 1;
    L.Books.Items(1).OpenBalNo = 2;
    Open();
  }
};

TEST(DateRangeSteps, ChosenRangeNarrowsRowsAndTotalsAndClearingRestoresTheDataLimits) {
  BarsBook b;
  TBookLists& L = b.L;
  ASSERT_EQ(L.Trans.VisibleCount, 6);
  const Currency allIncome = L.MainActs.IncomeTotal;
  EXPECT_EQ(allIncome, Money(340));

  // The left limit moved past the first income: it drops out of rows and totals, and the opening
  // balances go with the very first chosen date.
  EXPECT_TRUE(ChooseDateLimit(L, 1, BookFixture::D0 + 2 + 0.75));
  EXPECT_TRUE(DateRangeActive);
  EXPECT_EQ(L.Trans.DateFrom, BookFixture::D0 + 2);  // cut to the whole day
  EXPECT_EQ(L.Trans.VisibleCount, 3);
  EXPECT_EQ(L.MainActs.IncomeTotal, Money(40));
  EXPECT_EQ(L.MainActs.ExpenseTotal, Money(135));
  EXPECT_EQ(L.Groups.ExpenseTotal, Money(135));

  // The same date again recomputes nothing.
  L.Trans.VisibleCount = -7;
  EXPECT_FALSE(ChooseDateLimit(L, 1, BookFixture::D0 + 2));
  EXPECT_EQ(L.Trans.VisibleCount, -7);
  EXPECT_TRUE(ChooseDateLimit(L, 2, BookFixture::D0 + 3));
  EXPECT_EQ(L.Trans.VisibleCount, 2);
  EXPECT_EQ(L.MainActs.ExpenseTotal, Money(120));

  ClearDateRange(L);
  EXPECT_FALSE(DateRangeActive);
  EXPECT_EQ(L.Trans.DateFrom, BookFixture::D0);
  EXPECT_EQ(L.Trans.DateTo, BookFixture::D0 + 4);
  EXPECT_EQ(L.Trans.VisibleCount, 6);
  EXPECT_EQ(L.MainActs.IncomeTotal, allIncome);
}

TEST(DateRangeSteps, TheFirstChosenDateHidesOpeningBalancesAsEveryLaterOneDoes) {
  BarsBook b;
  // The right limit leaves the opening balances' day inside the range; only the flag hides them.
  EXPECT_TRUE(ChooseDateLimit(b.L, 2, BookFixture::D0 + 3));
  EXPECT_EQ(b.L.Trans.VisibleCount, 3);
  EXPECT_EQ(b.ByNo(1).ViewIndex, -1);
  EXPECT_TRUE(ChooseDateLimit(b.L, 2, BookFixture::D0 + 4));
  EXPECT_EQ(b.L.Trans.VisibleCount, 4);
}

TEST(DateRangeSteps, PeriodSetsBothLimitsAndKeepsOpeningBalancesByOption) {
  BarsBook b;
  UseOpenBalInSel = true;
  ApplyPeriod(b.L, BookFixture::D0, BookFixture::D0 + 1);
  EXPECT_TRUE(DateRangeActive);
  EXPECT_EQ(b.L.Trans.DateFrom, BookFixture::D0);
  EXPECT_EQ(b.L.Trans.DateTo, BookFixture::D0 + 1);
  EXPECT_EQ(b.L.Trans.VisibleCount, 3);  // two opening balances and the first income
}

TEST(ResetSteps, EachSelectionGivesItsRecordsBackAndTheReportsKeepTheDateRange) {
  for (bool keep : {false, true}) {
    SCOPED_TRACE(keep ? "from the reports dialog" : "from the main window");
    BarsBook b;
    TBookLists& L = b.L;
    ChooseDateLimit(L, 1, BookFixture::D0 + 1);
    AccountSelActive = GroupSelActive = TransSelActive = true;
    L.SubActs.Items(0).InSelection = false;
    L.MainActs.Items(0).InSelection = false;
    L.Groups.Items(1).InSelection = false;
    b.ByNo(4).FindMatch = false;
    L.Trans.FindIncludesDisabled = true;

    ResetSelectionRecords(L, keep);
    ClearSelectionFlags(L, !keep);
    RecalcAll(L);
    EXPECT_TRUE(L.SubActs.Items(0).InSelection && L.SubActs.Items(0).SelPending);
    EXPECT_TRUE(L.MainActs.Items(0).InSelection);
    EXPECT_TRUE(L.Groups.Items(1).InSelection);
    EXPECT_TRUE(b.ByNo(4).FindMatch);
    EXPECT_FALSE(AccountSelActive || GroupSelActive || TransSelActive || L.Trans.FindIncludesDisabled);
    EXPECT_EQ(DateRangeActive, keep);
    EXPECT_EQ(L.Trans.DateFrom, keep ? BookFixture::D0 + 1 : BookFixture::D0);
    EXPECT_EQ(L.Trans.VisibleCount, keep ? 4 : 6);
  }
}

TEST(ResetSteps, ScrollResetWithAndWithoutSort) {
  std::array<TGridInfo, 5> sets;
  std::array<TGridInfo*, 5> ptrs{};
  for (int v = 0; v < 5; ++v) {
    sets[std::size_t(v)].ScrollBarPos = 40 + v;
    sets[std::size_t(v)].SortIndex = 7;
    sets[std::size_t(v)].SortDirection = sdDescending;
    ptrs[std::size_t(v)] = &sets[std::size_t(v)];
  }
  ResetScrollPositions(ptrs, false);
  for (const TGridInfo& g : sets) {
    EXPECT_EQ(g.ScrollBarPos, 0);
    EXPECT_EQ(g.SortIndex, 7);
    EXPECT_EQ(g.SortDirection, sdDescending);
  }
  ResetScrollPositions(ptrs, true);
  const int codes[5] = {1, 0, 1, 0, 0};
  for (int v = 0; v < 5; ++v) {
    EXPECT_EQ(sets[std::size_t(v)].SortIndex, codes[v]);
    EXPECT_EQ(sets[std::size_t(v)].SortDirection, sdAscending);
  }
}

TEST(BookSteps, NoBookShownSwitchesAllOnAndTheBarStatesBecomeShown) {
  BarsBook b;
  TBookList& books = b.L.Books;
  EXPECT_FALSE(ShowAllBooksIfNoneShown(books));
  CopyBookStates(books, {false, true});
  EXPECT_FALSE(books.Items(0).Shown);
  EXPECT_FALSE(ShowAllBooksIfNoneShown(books));  // one still shown: left alone
  RecalcAll(b.L);
  EXPECT_EQ(b.L.Trans.VisibleCount, 3);  // the cash book's opening balance, income and expense
  CopyBookStates(books, {false, false});
  EXPECT_TRUE(ShowAllBooksIfNoneShown(books));
  EXPECT_TRUE(books.Items(0).Shown && books.Items(1).Shown);
}

TBookBarModel Bar(int books, std::vector<bool> down = {}) {
  TBookBarModel m;
  for (int i = 0; i < books; ++i) m.Add("Book " + std::to_string(i), 0x0000FF, down.empty() || down[std::size_t(i)]);
  return m;
}

TEST(BookBarModel, ClickCtrlClickAndAll) {
  struct Case {
    const char* name;
    std::vector<bool> before;
    int index;
    bool ctrl;
    std::vector<bool> after;
    bool changed;
  };
  const Case cases[] = {
      {"click leaves only that book", {true, true, true}, 1, false, {false, true, false}, true},
      {"click on the only one down", {false, true, false}, 1, false, {false, true, false}, false},
      {"ctrl-click adds a book", {false, true, false}, 2, true, {false, true, true}, true},
      {"ctrl-click never puts a book up", {true, true, false}, 0, true, {true, true, false}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TBookBarModel m = Bar(3, c.before);
    EXPECT_EQ(m.Click(c.index, c.ctrl), c.changed);
    EXPECT_EQ(m.DownStates(), c.after);
  }
  TBookBarModel m = Bar(3, {false, true, false});
  EXPECT_FALSE(m.AllDown());
  EXPECT_TRUE(m.All());
  EXPECT_TRUE(m.AllDown());
  EXPECT_FALSE(m.All());  // nothing to do (the button is disabled then)
}

TEST(BookBarModel, WideBarFitsEveryBookAndTheLastTakesTheRest) {
  TBookBarModel m = Bar(3);
  m.SetWidth(800);
  EXPECT_FALSE(m.ArrowsShown());
  const int w = (800 - 59 - 55 - 3 * 3 - 1) / 3;
  EXPECT_EQ(m.ButtonSpan(0).Left, 59);
  EXPECT_EQ(m.ButtonSpan(0).Width, w);
  EXPECT_EQ(m.ButtonSpan(1).Left, 59 + w + 3);
  const TBarSpan last = m.ButtonSpan(2);
  EXPECT_EQ(last.Left + last.Width + 3, m.EndSpan().Left);
  EXPECT_EQ(m.ButtonAt(59 + w + 4), 1);
  EXPECT_EQ(m.ButtonAt(59 + w + 1), -1);  // the gap
}

TEST(BookBarModel, TenBooksOnANarrowBarScrollOneBookPerArrowClick) {
  TBookBarModel m = Bar(10);
  m.SetWidth(500);
  ASSERT_TRUE(m.ArrowsShown());
  const int shown = m.ShownCount();
  EXPECT_GE(shown, 1);
  EXPECT_LT(shown, 10);
  EXPECT_GE(m.ButtonSpan(0).Width, TBookBarModel::MinButtonWidth);
  EXPECT_FALSE(m.PrevEnabled());
  EXPECT_TRUE(m.NextEnabled());
  EXPECT_LE(m.ButtonSpan(shown - 1).Left + m.ButtonSpan(shown - 1).Width, m.PrevSpan().Left);
  m.Next();
  EXPECT_EQ(m.FirstShown(), 1);
  EXPECT_EQ(m.ButtonSpan(0).Width, 0);  // scrolled out
  EXPECT_EQ(m.ButtonSpan(1).Left, TBookBarModel::AllWidth);
  EXPECT_TRUE(m.PrevEnabled());
  while (m.NextEnabled()) m.Next();
  EXPECT_EQ(m.FirstShown() + m.ShownCount(), 10);
  m.Prev();
  EXPECT_EQ(m.FirstShown() + m.ShownCount(), 9);
  // Widening the bar brings every book back and drops the arrows.
  m.SetWidth(2000);
  EXPECT_FALSE(m.ArrowsShown());
  EXPECT_EQ(m.FirstShown(), 0);
  EXPECT_EQ(m.ShownCount(), 10);
  // One book never gets arrows.
  TBookBarModel one = Bar(1);
  one.SetWidth(150);
  EXPECT_FALSE(one.ArrowsShown());
}
}  // namespace
