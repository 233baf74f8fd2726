#include <gtest/gtest.h>

#include "BookFixture.h"

namespace {
// Seven transactions whose keys differ in every sort column; names chosen so that name orders
// and number orders disagree.
class SortBook : public ::testing::Test, public BookFixture {
 protected:
  SortBook() {
    AddBook(0, "Bank");  // position 0
    AddBook(1, "Cash");  // position 1
    AddMain(100, "Sales", 1, 0);
    AddMain(200, "Rent", 2, 6);
    AddMain(300, "Interest", 1, 1);
    AddSub(100, 1, "Zed", 1);
    AddSub(200, 2, "Able", 2);
    AddSub(300, 3, "Mid", 1);
    AddGroup(0, "Zulu");
    AddGroup(1, "Alpha");
    Rows = {
        {8, '0', tkOpenBal, D0, 1, "", 0, 0, 0, 100},            // a
        {9, '0', tkOpenBal, D0, 0, "", 0, 0, 0, 200},            // b
        {5, 'b', tkIncome, D1, 0, "r2", 300, 3, 1, 30},          // c
        {5, 'a', tkIncome, D1, 0, "r1", 100, 1, 0, 40},          // d
        {3, '0', tkExpense, D1, 1, "R9", 200, 2, 1, 10},         // e
        {4, '0', tkTransferTo, D0, 1, "a", 6, 0, 0, 5},          // f
        {6, '0', tkTransferFrom, D0, 0, "b", 4, 0, 1, 5},        // g
    };
    for (const TTransRow& R : Rows) AddTrans(R);
    ResolveLinks(L);
    SetAppLimits();
  }
  void SetAppLimits() {
    L.Trans.SetDateRange(2);
    RecalcAll(L);
  }
  // Rows in display order as letters a..g.
  std::string DisplayOrder() {
    std::string Out;
    for (TTransRec* R : L.Trans.DisplayList())
      for (std::size_t I = 0; I < Rows.size(); ++I)
        if (Rows[I].TransNo == R->TransNo && Rows[I].Letter == R->SplitLetter) Out += static_cast<char>('a' + I);
    return Out;
  }
  std::vector<TTransRow> Rows;
};
}  // namespace

TEST_F(SortBook, EveryCode) {
  struct {
    int Code;
    const char* Order;
  } Cases[] = {
      {0, "baefdcg"},  // opening balances by book position, then number and letter
      {1, "bgafdce"},  // date, book position, opening balance first, number, letter
      {2, "baedcfg"},  // class; references byte-wise ("R9" before "r1")
      {3, "badecgf"},  // class; main account number; transfers by kind then position
      {4, "bacedgf"},  // main account name
      {5, "badecgf"},  // sub account number
      {6, "baecdgf"},  // sub account name
      {7, "badecgf"},  // group number
      {8, "baecdgf"},  // group name
      {9, "bafgecd"},  // amount, then number
  };
  for (auto& C : Cases) {
    L.Trans.SortBy(C.Code);
    EXPECT_EQ(DisplayOrder(), C.Order) << "code " << C.Code;
  }
  L.Trans.SortBy(10);  // letters alone: the '0' rows in any order, then a, b
  EXPECT_EQ(DisplayOrder().substr(5), "dc");
  // ApplyFilter ran: view indexes follow the display order.
  for (int I = 0; I < 7; ++I) EXPECT_EQ(L.Trans.DisplayList()[I]->ViewIndex, I);
  std::string Before = DisplayOrder();
  L.Trans.SortBy(42);  // unknown code: order kept, filter applied
  EXPECT_EQ(DisplayOrder(), Before);
}

TEST_F(SortBook, MasterByDateFollowsBookPositionsAfterReordering) {
  L.Trans.SortMasterByDate();
  std::vector<int> Expected{9, 6, 8, 4, 5, 5, 3};
  EXPECT_EQ(MasterNos(), Expected);
  // Swap the books: Cash first.
  TBookRec* Bank = &L.Books.Items(0);
  TBookRec* Cash = &L.Books.Items(1);
  L.Books.Replace(0, Cash);
  L.Books.Replace(1, Bank);
  L.Books.Renumber();
  L.Trans.SortMasterByDate();
  EXPECT_EQ(MasterNos(), (std::vector<int>{8, 4, 9, 6, 3, 5, 5}));
}

// Loading sorts both orders in one go; the result is what the two sorts give on their own.
TEST_F(SortBook, BothOrdersByDateAsTheTwoSortsGiveThem) {
  L.Trans.SortBy(4);  // display and master orders differ from each other and from the date order
  L.Trans.SortBothByDate();
  EXPECT_EQ(MasterNos(), (std::vector<int>{9, 6, 8, 4, 5, 5, 3}));
  EXPECT_EQ(DisplayOrder(), "bgafdce");
  EXPECT_EQ(L.Trans.DisplayList(), L.Trans.MasterList());
}

namespace {
// Everything RecalcAll produces, to compare the fused walk with the steps one by one.
std::vector<std::int64_t> Snapshot(const TBookLists& L) {
  std::vector<std::int64_t> S;
  for (const TTransRec* R : L.Trans.MasterList())
    S.insert(S.end(), {R->ViewIndex, R->Balance, R->InSelection, R->EndOfDay});
  S.insert(S.end(), {L.Trans.VisibleCount, L.Trans.DisabledCount, L.Trans.IncomeTotal, L.Trans.ExpenseTotal});
  for (const TMainActRec* R : L.MainActs.MasterList()) S.insert(S.end(), {R->Total, R->ViewIndex});
  for (const TSubActRec* R : L.SubActs.MasterList()) S.insert(S.end(), {R->Total, R->ViewIndex});
  for (const TGroupRec* R : L.Groups.MasterList()) S.insert(S.end(), {R->IncomeTotal, R->ExpenseTotal, R->ViewIndex});
  for (const TCatRec* R : L.Cats.MasterList()) S.insert(S.end(), {R->Total, R->ViewIndex});
  S.insert(S.end(), {L.MainActs.IncomeTotal, L.MainActs.ExpenseTotal, L.SubActs.ExpenseTotal, L.Groups.IncomeTotal,
                     L.Cats.IncomeTotal, L.Cats.ExpenseTotal});
  return S;
}

void RecalcStepByStep(TBookLists& L) {
  ApplySelection(L);
  L.Trans.ApplyFilter();
  L.Trans.ComputeBalances();
  RecalcAccountTotals(L);
  L.MainActs.Recount();
  L.SubActs.Recount();
  RecalcGroupTotals(L);
  L.Groups.Recount();
  RecalcCategoryTotals(L);
  L.Cats.Recount();
}
}  // namespace

TEST_F(SortBook, RecalcAllEqualsTheStepsInOrder) {
  ByNo(3).Enabled = false;
  struct {
    int DisplayCode;
    std::function<void()> Set;
  } Cases[] = {
      {1, [] {}},
      {4, [] {}},  // display order differs from the master order
      {8, [this] {
         AccountSelActive = true;
         L.SubActs.FindByNo(300, 3)->InSelection = false;
       }},
      {1, [this] {
         DateRangeActive = true;
         L.Trans.SetDateLimit(1, D1);
       }},
      {9, [this] {
         IncludeDisabledInCalc = true;
         L.Books.Items(1).Shown = false;
       }},
  };
  L.Trans.SortMasterByDate();
  for (auto& C : Cases) {
    C.Set();
    L.Trans.SortBy(C.DisplayCode);
    RecalcStepByStep(L);
    std::vector<std::int64_t> Expected = Snapshot(L);
    for (TTransRec* R : L.Trans.MasterList()) R->ViewIndex = 5, R->Balance = 1, R->InSelection = !R->InSelection;
    RecalcAll(L);
    EXPECT_EQ(Snapshot(L), Expected) << "display code " << C.DisplayCode;
  }
}
