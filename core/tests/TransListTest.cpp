#include <gtest/gtest.h>

#include "BookFixture.h"

namespace {
// Two books, an income and an expense account, a disabled income and a transfer.
class CashBook : public ::testing::Test, public BookFixture {
 protected:
  TRegionalScope Scope;
  CashBook() {
    AddBook(0, "Bank");
    AddBook(1, "Cash");
    AddMain(100, "Sales", 1, 0);
    AddMain(200, "Rent", 2, 6);
    AddSub(100, 1, "Shop", 1);
    AddSub(200, 1, "Landlord", 2);
    AddGroup(0, "General");
    AddGroup(1, "Office");
    // Loaded in file order, not by date.
    AddTrans({7, '0', tkTransferFrom, D2, 1, "", 6, 0, 0, 10});
    AddTrans({1, '0', tkOpenBal, D0, 0, "", 0, 0, 0, 1000});
    AddTrans({2, '0', tkOpenBal, D0, 1, "", 0, 0, 0, -100});
    AddTrans({3, '0', tkIncome, D1, 0, "", 100, 1, 0, 50});
    AddTrans({4, '0', tkExpense, D1, 0, "", 200, 1, 1, 20});
    AddTrans({5, '0', tkIncome, D2, 0, "", 100, 1, 0, 30, false});
    AddTrans({6, '0', tkTransferTo, D2, 0, "", 7, 0, 1, 10});
    Open();
  }
  std::vector<Currency> Balances() {
    std::vector<Currency> Out;
    for (TTransRec* R : L.Trans.MasterList()) Out.push_back(R->Balance);
    return Out;
  }
};
}  // namespace

TEST_F(CashBook, OpeningPutsMasterInDateOrderAndLinks) {
  EXPECT_EQ(MasterNos(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(L.Books.Items(0).OpenBal, &ByNo(1));
  EXPECT_EQ(L.Books.Items(1).OpenBal, &ByNo(2));
  EXPECT_EQ(ByNo(3).MainAct, L.MainActs.FindByNo(100));
  EXPECT_EQ(ByNo(4).SubAct->Name, "Landlord");
  EXPECT_EQ(ByNo(4).Group->Name, "Office");
  EXPECT_EQ(ByNo(6).OtherBook->Name, "Cash");
  EXPECT_EQ(ByNo(6).Group, nullptr);
  EXPECT_EQ(ByNo(7).Book->Name, "Cash");
  EXPECT_EQ(L.SubActs.Items(1).MainAct->Name, "Rent");
  EXPECT_EQ(L.Trans.DateFrom, D0);
  EXPECT_EQ(L.Trans.DateTo, D2);
}

TEST_F(CashBook, RunningBalancesAndEndOfDay) {
  // A negative opening balance lowers the balance; the disabled income is not counted.
  EXPECT_EQ(Balances(), (std::vector<Currency>{Money(1000), Money(900), Money(950), Money(930), Money(930),
                                               Money(920), Money(930)}));
  std::vector<bool> EndOfDay;
  for (TTransRec* R : L.Trans.MasterList()) EndOfDay.push_back(R->EndOfDay);
  // The first of the master order and the last counted are always marked; the rest mark the
  // last counted transaction of each day (5 is not counted and keeps its value).
  EXPECT_EQ(EndOfDay, (std::vector<bool>{true, true, false, true, true, false, true}));
  EXPECT_EQ(L.Trans.DisabledCount, 1);
  EXPECT_EQ(ByNo(5).ColumnText(11), "");  // balance of a disabled transaction is not shown
  EXPECT_EQ(ByNo(4).ColumnText(11), "$930.00");
}

TEST_F(CashBook, TotalsOfAllLists) {
  EXPECT_EQ(L.Trans.VisibleCount, 7);
  EXPECT_EQ(L.Trans.IncomeTotal, Money(1060));   // 1000 + 50 + transfer in 10
  EXPECT_EQ(L.Trans.ExpenseTotal, Money(130));   // |-100| + 20 + transfer out 10
  EXPECT_EQ(L.MainActs.FindByNo(100)->Total, Money(50));
  EXPECT_EQ(L.MainActs.FindByNo(200)->Total, Money(20));  // expenses accumulate positive
  EXPECT_EQ(L.SubActs.FindByNo(100, 1)->Total, Money(50));
  EXPECT_EQ(L.MainActs.IncomeTotal, Money(50));
  EXPECT_EQ(L.Groups.FindByNo(0).IncomeTotal, Money(50));
  EXPECT_EQ(L.Groups.FindByNo(1).ExpenseTotal, Money(20));
  EXPECT_EQ(L.Cats.FindByID(0).Total, Money(50));
  EXPECT_EQ(L.Cats.FindByID(6).Total, Money(20));
  EXPECT_EQ(L.Cats.VisibleCount, 2);
  EXPECT_EQ(L.Cats.ExpenseTotal, Money(20));

  RecalcBookTotals(L);  // counts the disabled income too
  EXPECT_EQ(L.Books.Items(0).IncomeTotal, Money(1080));
  EXPECT_EQ(L.Books.Items(0).ExpenseTotal, Money(30));
  EXPECT_EQ(L.Books.Items(1).IncomeTotal, Money(10));
  EXPECT_EQ(L.Books.Items(1).ExpenseTotal, Money(100));
  EXPECT_EQ(L.Books.Items(1).Balance(), Money(-90));
}

TEST_F(CashBook, DisabledTransactionsByOption) {
  // The transaction selection's "Disabled" switch counts it in the list totals only.
  L.Trans.FindIncludesDisabled = true;
  RecalcAll(L);
  EXPECT_EQ(L.Trans.IncomeTotal, Money(1090));
  EXPECT_EQ(ByNo(7).Balance, Money(930));
  EXPECT_EQ(L.MainActs.FindByNo(100)->Total, Money(50));

  L.Trans.FindIncludesDisabled = false;
  IncludeDisabledInCalc = true;
  RecalcAll(L);
  EXPECT_EQ(L.Trans.IncomeTotal, Money(1090));
  EXPECT_EQ(ByNo(7).Balance, Money(960));
  EXPECT_EQ(L.MainActs.FindByNo(100)->Total, Money(80));
  EXPECT_EQ(L.Cats.FindByID(0).Total, Money(80));
  EXPECT_EQ(ByNo(5).ColumnText(11), "$960.00");
}

TEST_F(CashBook, ToggleEnabledKeepsListTotalsInStep) {
  int View = ByNo(5).ViewIndex;
  L.Trans.ToggleEnabled(View);
  EXPECT_TRUE(ByNo(5).Enabled);
  EXPECT_EQ(L.Trans.IncomeTotal, Money(1090));
  EXPECT_EQ(L.Trans.DisabledCount, 0);
  Currency Income = L.Trans.IncomeTotal;
  L.Trans.ApplyFilter();  // the running figure agrees with a full filter pass
  EXPECT_EQ(L.Trans.IncomeTotal, Income);
  L.Trans.ToggleEnabled(ByNo(6).ViewIndex);  // a transfer leaves the list totals alone
  EXPECT_EQ(L.Trans.ExpenseTotal, Money(130));
  EXPECT_EQ(L.Trans.DisabledCount, 1);

  // With disabled transactions already counted, toggling moves nothing.
  L.Trans.FindIncludesDisabled = true;
  L.Trans.ApplyFilter();
  Income = L.Trans.IncomeTotal;
  L.Trans.ToggleEnabled(ByNo(3).ViewIndex);
  EXPECT_EQ(L.Trans.IncomeTotal, Income);
  L.Trans.ToggleEnabled(99);  // no such row: nothing
  EXPECT_EQ(L.Trans.DisabledCount, 2);
}

TEST_F(CashBook, SelectionAndFilterRules) {
  struct TCase {
    const char* Name;
    std::function<void(BookFixture&)> Set;
    std::vector<int> Visible;  // TransNos, master order
  };
  std::vector<TCase> Cases = {
      {"nothing", [](BookFixture&) {}, {1, 2, 3, 4, 5, 6, 7}},
      {"date range hides opening balances", [](BookFixture&) { DateRangeActive = true; }, {3, 4, 5, 6, 7}},
      {"unless opening balances are used",
       [](BookFixture&) { DateRangeActive = UseOpenBalInSel = true; }, {1, 2, 3, 4, 5, 6, 7}},
      {"date limits",
       [](BookFixture& F) {
         DateRangeActive = true;
         F.L.Trans.SetDateLimit(1, D1);
         F.L.Trans.SetDateLimit(2, D1);
       },
       {3, 4}},
      {"account selection drops transfers and opening balances",
       [](BookFixture& F) {
         AccountSelActive = true;
         F.L.SubActs.FindByNo(100, 1)->InSelection = false;
       },
       {4}},
      {"account selection with opening balances",
       [](BookFixture&) { AccountSelActive = UseOpenBalInSel = true; }, {1, 2, 3, 4, 5}},
      {"transaction selection keeps transfers",
       [](BookFixture& F) {
         TransSelActive = true;
         F.ByNo(3).FindMatch = false;
       },
       {4, 5, 6, 7}},
      {"group selection", [](BookFixture& F) {
         GroupSelActive = true;
         F.L.Groups.FindByNo(0).InSelection = false;
       }, {4}},
      {"book switched off", [](BookFixture& F) { F.L.Books.Items(1).Shown = false; }, {1, 3, 4, 5, 6}},
  };
  for (auto& C : Cases) {
    BookFixture F;  // fresh book per case
    F.AddBook(0, "Bank");
    F.AddBook(1, "Cash");
    F.AddMain(100, "Sales", 1, 0);
    F.AddMain(200, "Rent", 2, 6);
    F.AddSub(100, 1, "Shop", 1);
    F.AddSub(200, 1, "Landlord", 2);
    F.AddGroup(0, "General");
    F.AddGroup(1, "Office");
    for (auto* R : L.Trans.MasterList()) {
      TTransRow Row{R->TransNo, R->SplitLetter, R->Kind,     R->Date,      R->BookNo,
                    "",         R->MainActNo,   R->SubActNo, R->GroupNo,   static_cast<double>(R->Amount) / 10000,
                    R->Enabled};
      F.AddTrans(Row);
    }
    F.Open();
    C.Set(F);
    RecalcAll(F.L);
    std::vector<int> Visible;
    for (TTransRec* R : F.L.Trans.MasterList())
      if (R->ViewIndex != -1) Visible.push_back(R->TransNo);
    EXPECT_EQ(Visible, C.Visible) << C.Name;
    EXPECT_EQ(F.L.Trans.VisibleCount, static_cast<int>(C.Visible.size())) << C.Name;
  }
}

TEST_F(CashBook, HiddenAccountsLeaveCategoryTotals) {
  L.SubActs.FindByNo(200, 1)->InSelection = false;
  L.MainActs.FindByNo(200)->InSelection = false;  // the selection dialog folds main into subs
  AccountSelActive = true;
  RecalcAll(L);
  EXPECT_EQ(L.MainActs.FindByNo(200)->ViewIndex, -1);
  EXPECT_EQ(L.Cats.FindByID(6).Total, 0);
  EXPECT_EQ(L.Cats.FindByID(6).ViewIndex, -1);
  EXPECT_EQ(L.Groups.FindByNo(1).ViewIndex, -1);  // nothing left in Office
  EXPECT_EQ(L.Trans.IncomeTotal, Money(50));
}

TEST_F(CashBook, TotalsHooksAndGroupZero) {
  InstallTotalsHooks(L);
  TTransRec& Income = ByNo(3);
  L.Trans.RemoveFromTotals(Income);  // the form withdraws the old values ...
  EXPECT_EQ(L.MainActs.FindByNo(100)->Total, 0);
  EXPECT_EQ(L.SubActs.FindByNo(100, 1)->Total, 0);
  EXPECT_EQ(L.Groups.FindByNo(0).IncomeTotal, 0);  // group 0 included
  Income.Amount = Money(70);
  L.Trans.AddToTotals(Income);  // ... and adds the new ones
  EXPECT_EQ(L.MainActs.FindByNo(100)->Total, Money(70));
  EXPECT_EQ(L.Groups.FindByNo(0).IncomeTotal, Money(70));
  L.Trans.AddToTotals(ByNo(6));  // a transfer books nothing on accounts
  EXPECT_EQ(L.Groups.FindByNo(1).IncomeTotal, 0);
  RecalcAll(L);
  EXPECT_EQ(L.MainActs.FindByNo(100)->Total, Money(70));
  RemoveTotalsHooks(L);
  L.Trans.AddToTotals(Income);
  EXPECT_EQ(L.MainActs.FindByNo(100)->Total, Money(70));
}

TEST_F(CashBook, ColumnTexts) {
  struct {
    int TransNo, Column;
    const char* Text;
  } Cases[] = {
      {1, 0, "1"},           {1, 4, "Opening Balance"}, {1, 6, "Bank"},         {1, 8, ""},
      {1, 9, "$1,000.00"},   {1, 10, ""},               {2, 9, ""},             {2, 10, "$100.00"},
      {3, 4, "Sales"},       {3, 5, "100-1"},           {3, 6, "Shop"},         {3, 7, "G0"},
      {3, 8, "General"},     {3, 9, "$50.00"},          {4, 10, "$20.00"},      {6, 4, "Transfer To"},
      {6, 6, "Cash"},        {6, 10, "$10.00"},         {7, 4, "Transfer From"}, {7, 6, "Bank"},
      {7, 9, "$10.00"},      {7, 3, "6"},               {3, 1, "3/16/2023"},
  };
  for (auto& C : Cases) EXPECT_EQ(ByNo(C.TransNo).ColumnText(C.Column), C.Text) << C.TransNo << "/" << C.Column;
  ByNo(3).SplitLetter = 'b';
  EXPECT_EQ(ByNo(3, 'b').ColumnText(0), "3b");
  EXPECT_EQ(ByNo(7).BookName(), "Cash");
}

TEST_F(CashBook, ListQueries) {
  EXPECT_EQ(L.Trans.NextTransNo(), 8);
  EXPECT_EQ(L.Trans.FirstSelected(), 0);
  int First, Last;
  L.Trans.NormalIndexRange(First, Last);
  EXPECT_EQ(First, 2);
  EXPECT_EQ(Last, 4);
  EXPECT_EQ(L.Trans.NextNormalIndex(0), 2);
  EXPECT_EQ(L.Trans.NextNormalIndex(4), 4);  // none after: Start itself
  EXPECT_EQ(L.Trans.PrevNormalIndex(6), 4);
  EXPECT_EQ(L.Trans.PrevNormalIndex(2), 2);
  EXPECT_TRUE(L.Trans.AnyVisibleNormal());
  TDateTime From, To;
  L.Trans.VisibleDateRange(From, To);
  EXPECT_EQ(From, D0);
  EXPECT_EQ(To, D2);
  ByNo(1).FindMatch = ByNo(2).FindMatch = false;
  RecalcAll(L);
  EXPECT_EQ(L.Trans.ViewItems(0), &ByNo(3));
  EXPECT_EQ(L.Trans.ViewItems(4), &ByNo(7));
  EXPECT_EQ(L.Trans.ViewItems(5), nullptr);
  for (auto* R : L.Trans.MasterList()) R->FindMatch = false;
  RecalcAll(L);
  EXPECT_FALSE(L.Trans.AnyVisibleNormal());
  EXPECT_EQ(L.Trans.FirstSelected(), -1);
  L.Trans.VisibleDateRange(From, To);
  EXPECT_EQ(From, Today());
  EXPECT_EQ(To, Today());

  TTransList Empty;
  EXPECT_EQ(Empty.NextTransNo(), 1);
  Empty.ComputeBalances();  // harmless on an empty list
  Empty.SetDateRange(2);
  Empty.NormalIndexRange(First, Last);
  EXPECT_EQ(First, -1);
  EXPECT_EQ(Last, -1);
}

TEST_F(CashBook, AddWidensLimitsAndDeleteUnlinksOpeningBalance) {
  std::vector<std::pair<TChangeAction, int>> Events;
  L.Trans.OnChange = [&](TChangeAction A, int Index, TTransRec& Rec) {
    Events.emplace_back(A, Rec.TransNo);
    EXPECT_EQ(&L.Trans.Items(Index), &Rec);
  };
  AddTrans({8, '0', tkIncome, D2 + 5, 0, "", 100, 1, 0, 1});
  EXPECT_EQ(L.Trans.DateTo, D2 + 5);
  AddTrans({9, '0', tkIncome, D0 - 5, 0, "", 100, 1, 0, 1});
  EXPECT_EQ(L.Trans.DateFrom, D0 - 5);
  L.Trans.Delete(L.Trans.IndexOf(&ByNo(1)));
  EXPECT_EQ(L.Books.Items(0).OpenBal, nullptr);
  ASSERT_EQ(Events.size(), 3u);
  EXPECT_EQ(Events[2], std::make_pair(caDeleting, 1));
  // The same when deleted among others.
  ASSERT_NE(L.Books.Items(1).OpenBal, nullptr);
  const std::int32_t Other = L.Books.Items(1).OpenBal->TransNo;
  EXPECT_EQ(L.Trans.DeleteWhere([&](const TTransRec& R) { return R.TransNo == Other; }), 1);
  EXPECT_EQ(L.Books.Items(1).OpenBal, nullptr);
  EXPECT_EQ(Events.back(), std::make_pair(caDeleting, Other));
  EXPECT_THROW(L.Trans.Items(99), ETransDBException);
  L.Trans.Clear();
  EXPECT_EQ(L.Trans.VisibleCount, 0);
  EXPECT_EQ(L.Trans.IncomeTotal, 0);
  EXPECT_EQ(L.Trans.DateTo, D2 + 5);  // limits stay until the next SetDateRange
}

TEST_F(CashBook, Transfers) {
  L.Transfers.Build(L.Trans);
  ASSERT_EQ(L.Transfers.Count(), 1);
  EXPECT_EQ(L.Transfers.Get(0)->ToTrans, &ByNo(6));
  EXPECT_EQ(L.Transfers.Get(0)->FromTrans, &ByNo(7));
  EXPECT_EQ(L.Transfers.Get(1), nullptr);
  EXPECT_EQ(L.Transfers.Get(-1), nullptr);
  ByNo(6).MainActNo = 42;  // partner missing
  L.Transfers.Build(L.Trans);
  ASSERT_EQ(L.Transfers.Count(), 1);
  EXPECT_EQ(L.Transfers.Get(0)->FromTrans, nullptr);
}

TEST(ResolveLinks, DanglingNumbersRaiseTheOwningListsException) {
  struct TCase {
    TTransRow Row;
    const char* Expected;
  } Cases[] = {
      {{1, '0', tkIncome, 1, 0, "", 999, 1, 0, 1}, "List index out of bounds -1"},  // main account
      {{1, '0', tkIncome, 1, 0, "", 100, 9, 0, 1}, "List index out of bounds"},     // sub account
      {{1, '0', tkIncome, 1, 0, "", 100, 1, 7, 1}, "List index out of bounds"},     // group
      {{1, '0', tkIncome, 1, 3, "", 100, 1, 0, 1}, "List index out of bounds -1"},  // book
      {{1, '0', tkTransferTo, 1, 0, "", 2, 0, 5, 1}, "List index out of bounds -1"},  // other book
  };
  int Which = 0;
  for (auto& C : Cases) {
    BookFixture F;
    F.AddBook(0, "Bank");
    F.AddMain(100, "Sales", 1, 0);
    F.AddSub(100, 1, "Shop", 1);
    F.AddGroup(0, "General");
    F.AddTrans(C.Row);
    try {
      ResolveLinks(F.L);
      ADD_FAILURE() << "case " << Which << " did not raise";
    } catch (const std::exception& E) {
      EXPECT_EQ(std::string(E.what()), C.Expected) << Which;
      switch (Which) {
        case 0: EXPECT_NE(dynamic_cast<const EMainActDBException*>(&E), nullptr); break;
        case 1: EXPECT_NE(dynamic_cast<const ESubActDBException*>(&E), nullptr); break;
        case 2: EXPECT_NE(dynamic_cast<const EGroupDBException*>(&E), nullptr); break;
        default: EXPECT_NE(dynamic_cast<const EBookDBException*>(&E), nullptr); break;
      }
    }
    ++Which;
  }
}

TEST(ResolveLinks, NumbersFarApart) {
  BookFixture F;
  F.AddBook(0, "Bank");
  F.AddBook(30000, "Far");
  F.AddMain(100, "Low", 1, 0);
  F.AddMain(2000000000, "High", 2, 6);
  F.AddSub(100, 1, "a", 1);
  F.AddSub(2000000000, 1000000, "b", 2);
  F.AddGroup(0, "G");
  F.AddGroup(32000, "Far group");
  TTransRec* Low = F.AddTrans({1, '0', tkIncome, 1, 0, "", 100, 1, 0, 5});
  TTransRec* High = F.AddTrans({2, '0', tkExpense, 1, 30000, "", 2000000000, 1000000, 32000, 7});
  ResolveLinks(F.L);
  EXPECT_EQ(Low->MainAct->Name, "Low");
  EXPECT_EQ(High->MainAct->Name, "High");
  EXPECT_EQ(High->SubAct->Name, "b");
  EXPECT_EQ(High->Group->Name, "Far group");
  EXPECT_EQ(High->Book->Name, "Far");
  F.AddTrans({3, '0', tkIncome, 1, 0, "", 2000000001, 1, 0, 1});
  EXPECT_THROW(ResolveLinks(F.L), EMainActDBException);
}
