#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "BookList.h"
#include "CatList.h"
#include "GroupList.h"
#include "MainActList.h"
#include "SubActList.h"
#include "TestSupport.h"

namespace {
TMainActRec* MainAct(TMainActList& L, int No, const std::string& Name, int Kind, Currency Total = 0, int Cat = 0) {
  auto R = std::make_unique<TMainActRec>();
  R->ActNo = No;
  R->Name = Name;
  R->Kind = static_cast<std::uint8_t>(Kind);
  R->Total = Total;
  R->CatID = Cat;
  TMainActRec* Raw = R.get();
  L.Add(std::move(R));
  return Raw;
}
TGroupRec* Group(TGroupList& L, int No, const std::string& Name) {
  auto R = std::make_unique<TGroupRec>();
  R->GroupNo = No;
  R->Name = Name;
  TGroupRec* Raw = R.get();
  L.Add(std::move(R));
  return Raw;
}
TBookRec* Book(TBookList& L, int No, const std::string& Name) {
  auto R = std::make_unique<TBookRec>();
  R->BookNo = No;
  R->Name = Name;
  TBookRec* Raw = R.get();
  L.Add(std::move(R));
  return Raw;
}
template <class TList>
std::vector<int> DisplayNumbers(const TList& L, int (*No)(const typename TList::TRecord&)) {
  std::vector<int> Out;
  for (auto* R : L.DisplayList()) Out.push_back(No(*R));
  return Out;
}
}  // namespace

TEST(BaseDBList, NotificationsCarryActionIndexAndRecord) {
  TSubActList Subs;
  struct TEvent {
    TChangeAction Action;
    int Index;
    int ActNo;
    bool StillListed;
  };
  std::vector<TEvent> Events;
  Subs.OnChange = [&](TChangeAction Action, int Index, TSubActRec& Rec) {
    Events.push_back({Action, Index, Rec.ActNo, Index < Subs.Count() && &Subs.Items(Index) == &Rec});
  };
  for (int No = 1; No <= 3; ++No) {
    auto R = std::make_unique<TSubActRec>();
    R->MainActNo = 100;
    R->ActNo = No;
    Subs.Add(std::move(R));
  }
  Subs.Items(1).Name = "Changed";
  Subs.NotifyChanged(1);
  Subs.Delete(1);
  ASSERT_EQ(Events.size(), 5u);
  EXPECT_EQ(Events[2].Action, caAdded);
  EXPECT_EQ(Events[2].Index, 2);
  EXPECT_EQ(Events[3].Action, caChanged);
  EXPECT_EQ(Events[3].ActNo, 2);
  EXPECT_EQ(Events[4].Action, caDeleting);
  EXPECT_EQ(Events[4].Index, 1);
  EXPECT_EQ(Events[4].ActNo, 2);
  EXPECT_TRUE(Events[4].StillListed);  // Items still returns it during the notification
  EXPECT_EQ(Subs.Count(), 2);
  EXPECT_EQ(Subs.DisplayList().size(), 2u);
  EXPECT_EQ(Subs.Items(1).ActNo, 3);

  // A hook that fails (the file cannot be written) leaves the record in both orders.
  Subs.OnChange = [](TChangeAction Action, int, TSubActRec&) {
    if (Action == caDeleting) throw std::runtime_error("write failed");
  };
  const TSubActRec* Second = &Subs.Items(1);
  EXPECT_THROW(Subs.Delete(1), std::runtime_error);
  EXPECT_EQ(&Subs.Items(1), Second);
  EXPECT_EQ(Subs.DisplayList()[1], Second);
  Subs.OnChange = nullptr;

  Subs.NotifyEnabled = false;  // loading: silent
  Subs.Add(std::make_unique<TSubActRec>());
  Subs.Delete(0);
  EXPECT_EQ(Events.size(), 5u);
}

// Deleting many at once: each record is notified from the end of the master order while it is
// still listed (and out of the display order), with the number of earlier ones still listed; a
// refusal keeps the refused record and the rest where they were.
TEST(BaseDBList, DeleteWhereNotifiesEachAndHonoursARefusal) {
  TSubActList Subs;
  for (int No : {1, 2, 3, 4, 5, 6}) {
    auto R = std::make_unique<TSubActRec>();
    R->MainActNo = 100;
    R->ActNo = No;
    R->Name = std::string(1, "fbcdea"[No - 1]);
    Subs.Add(std::move(R));
  }
  Subs.SortBy(2);  // by name: the display order is 6 2 3 4 5 1
  auto Numbers = [](const std::vector<TSubActRec*>& Recs) {
    std::vector<int> Out;
    for (const TSubActRec* R : Recs) Out.push_back(R->ActNo);
    return Out;
  };
  struct TEvent {
    int Index, ActNo, Leaving;
    bool StillListed, InDisplay;
  };
  std::vector<TEvent> Events;
  int RefuseAt = 0;  // the ActNo whose delete the hook refuses, 0 none
  Subs.OnChange = [&](TChangeAction A, int Index, TSubActRec& Rec) {
    ASSERT_EQ(A, caDeleting);
    const auto& D = Subs.DisplayList();
    Events.push_back({Index, Rec.ActNo, Subs.LeavingCount(), &Subs.Items(Index) == &Rec,
                      std::find(D.begin(), D.end(), &Rec) != D.end()});
    if (Rec.ActNo == RefuseAt) throw std::runtime_error("write failed");
  };
  auto Even = [](const TSubActRec& R) { return R.ActNo % 2 == 0; };

  RefuseAt = 4;
  EXPECT_THROW(Subs.DeleteWhere(Even), std::runtime_error);
  EXPECT_EQ(Numbers(Subs.MasterList()), (std::vector<int>{1, 2, 3, 4, 5}));  // 6 left, 4 refused
  EXPECT_EQ(Numbers(Subs.DisplayList()), (std::vector<int>{2, 3, 4, 5, 1}));
  EXPECT_EQ(Subs.LeavingCount(), 0);

  Events.clear();
  RefuseAt = 0;
  EXPECT_EQ(Subs.DeleteWhere(Even), 2);
  EXPECT_EQ(Numbers(Subs.MasterList()), (std::vector<int>{1, 3, 5}));
  EXPECT_EQ(Numbers(Subs.DisplayList()), (std::vector<int>{3, 5, 1}));
  ASSERT_EQ(Events.size(), 2u);
  EXPECT_EQ(Events[0].ActNo, 4);
  EXPECT_EQ(Events[0].Index, 3);
  EXPECT_EQ(Events[0].Leaving, 0);
  EXPECT_EQ(Events[1].ActNo, 2);
  EXPECT_EQ(Events[1].Index, 1);
  EXPECT_EQ(Events[1].Leaving, 1);
  for (const TEvent& E : Events) {
    EXPECT_TRUE(E.StillListed);
    EXPECT_FALSE(E.InDisplay);
  }
  EXPECT_EQ(Subs.LeavingCount(), 0);
  EXPECT_EQ(Subs.DeleteWhere(Even), 0);
}

TEST(BaseDBList, ExceptionTextsAndViewItems) {
  TMainActList Mains;
  TSubActList Subs;
  TGroupList Groups;
  TCatList Cats;
  TBookList Books;
  auto Text = [](auto&& Fn) {
    try {
      Fn();
    } catch (const std::exception& E) {
      return std::string(E.what());
    }
    return std::string("no exception");
  };
  EXPECT_EQ(Text([&] { Mains.Items(3); }), "List index out of bounds 3");
  EXPECT_EQ(Text([&] { Subs.Items(-1); }), "List index out of bounds");
  EXPECT_EQ(Text([&] { Groups.Items(0); }), "List index out of bounds");
  EXPECT_EQ(Text([&] { Cats.Items(2); }), "List index out of bounds (2)");
  EXPECT_EQ(Text([&] { Books.Items(7); }), "List index out of bounds 7");
  EXPECT_THROW(Mains.AddAmount(999, 1), EMainActDBException);
  EXPECT_THROW(Subs.AddAmount(1, 2, 3), ESubActDBException);
  EXPECT_THROW(Cats.AddAmount(4, 1), ECatDBException);
  EXPECT_THROW(Groups.FindByNo(4), EGroupDBException);
  EXPECT_THROW(Books.FindByNo(4), EBookDBException);
  EXPECT_THROW(Books.Replace(0, nullptr), EBookDBException);

  for (int I = 1; I <= 4; ++I) MainAct(Mains, I * 100, "A", 1, Money(I));
  Mains.Recount();
  EXPECT_EQ(Mains.ViewItems(3)->ActNo, 400);
  EXPECT_EQ(Mains.ViewItems(5), nullptr);
  EXPECT_EQ(Mains.ViewItems(-1), nullptr);
  Mains.Items(3).ViewIndex = -1;  // changed behind the list's back: found by searching
  Mains.Items(0).ViewIndex = 3;
  EXPECT_EQ(Mains.ViewItems(3), nullptr);  // search starts at display position 3
  Mains.Delete(1);
  Mains.Recount();
  EXPECT_EQ(Mains.ViewItems(1)->ActNo, 300);
  EXPECT_EQ(Mains.IndexOf(&Mains.Items(2)), 2);
  EXPECT_EQ(Mains.IndexOf(nullptr), -1);
}

TEST(Numbering, NextNumbers) {
  TGroupList G;
  EXPECT_EQ(G.NextGroupNo(), 0);
  Group(G, 3, "c");
  Group(G, 0, "a");
  Group(G, 1, "b");
  EXPECT_EQ(G.NextGroupNo(), 2);
  EXPECT_TRUE(G.SortedByID);
  EXPECT_EQ(G.Items(2).GroupNo, 3);  // master order sorted by number
  TGroupList G2;
  Group(G2, 1, "x");
  Group(G2, 2, "y");
  EXPECT_EQ(G2.NextGroupNo(), 0);
  TGroupRec& New = G2.NewGroup("z");
  EXPECT_EQ(New.GroupNo, 0);
  EXPECT_EQ(&G2.Items(0), &New);

  TCatList C;
  EXPECT_EQ(C.NextCatID(), 0);
  C.AddCategory("a", 1, 1, false).CatID = 5;
  C.AddCategory("b", 1, 1, false);
  EXPECT_EQ(C.Items(1).CatID, 6);
  TBookList B;
  EXPECT_EQ(B.NextBookNo(), 0);
  Book(B, 0, "x");
  Book(B, 5, "y");
  EXPECT_EQ(B.NextBookNo(), 6);

  TMainActList M;
  EXPECT_EQ(M.NextActNo(), 100);
  MainAct(M, 100, "a", 1);
  MainAct(M, 300, "b", 1);
  MainAct(M, 250, "c", 1);
  EXPECT_EQ(M.NextActNo(), 200);
  TSubActList S;
  for (int No : {1, 2, 4}) {
    auto R = std::make_unique<TSubActRec>();
    R->MainActNo = 100;
    R->ActNo = No;
    S.Add(std::move(R));
  }
  EXPECT_EQ(S.NextSubNo(100), 3);
  EXPECT_EQ(S.NextSubNo(200), 1);
}

TEST(Categories, DefaultsAndClassTotals) {
  TCatList C;
  C.AddDefaults();
  ASSERT_EQ(C.Count(), 11);
  EXPECT_EQ(C.Items(0).Name, "General Income");
  EXPECT_EQ(C.Items(0).CatID, 0);
  EXPECT_EQ(C.Items(10).Name, "Funds Repayment");
  EXPECT_EQ(C.Items(10).CatID, 10);
  EXPECT_EQ(C.Items(10).Kind, 2);
  EXPECT_EQ(C.Items(6).ReportClass, 2);
  for (auto* R : C.MasterList()) EXPECT_TRUE(R->IsDefault);
  C.AddAmount(2, Money(500));  // Assets Sold, income, class 5
  C.AddAmount(4, Money(800));  // Assets Purchased, expense, class 5
  EXPECT_DOUBLE_EQ(C.ClassTotal(5), static_cast<double>(Money(-300)));
  EXPECT_EQ(C.IncomeTotal, Money(500));
  EXPECT_EQ(C.ExpenseTotal, Money(800));
  EXPECT_EQ(C.FindByID(4).ShareText(Money(1600)), "50.00%");
  EXPECT_EQ(C.FindByID(5).ShareText(Money(1600)), "0.00%");
  EXPECT_EQ(ReportClassCaption(2, 2), "Normal Operating Expenses");
  EXPECT_EQ(ReportClassCaption(2, 1), "");
  EXPECT_EQ(ReportClassCaption(5, 1), "Asset && Liability");
  C.SortForReport();
  EXPECT_EQ(C.Items(0).Name, "General Income");  // class 1 income before class 1 expense
  EXPECT_EQ(C.Items(1).Name, "Stock Purchased");
}

TEST(Visibility, RecountRulesPerList) {
  TRegionalScope Scope;
  TMainActList M;
  MainAct(M, 100, "Zero", 1, 0);
  MainAct(M, 200, "Sales", 1, Money(50));
  MainAct(M, 300, "Rent", 2, Money(20));
  MainAct(M, 400, "Negative", 2, Money(-5));
  M.Items(2).InSelection = false;
  M.Recount();
  EXPECT_EQ(M.Items(0).ViewIndex, -1);
  EXPECT_EQ(M.Items(1).ViewIndex, 0);
  EXPECT_EQ(M.Items(2).ViewIndex, -1);
  EXPECT_EQ(M.Items(3).ViewIndex, -1);
  EXPECT_EQ(M.VisibleCount, 1);
  EXPECT_EQ(M.IncomeTotal, Money(50));
  EXPECT_EQ(M.ExpenseTotal, 0);
  EXPECT_EQ(M.RowText(0, 4), "100.00%");
  EXPECT_EQ(M.RowText(0, 2), "$50.00");
  EXPECT_EQ(M.RowText(0, 3), "");
  M.ShowZero = true;
  M.Recount();
  EXPECT_EQ(M.VisibleCount, 3);
  EXPECT_EQ(M.ExpenseTotal, Money(-5));
  M.Clear();
  EXPECT_FALSE(M.ShowZero);

  TGroupList G;
  Group(G, 0, "Nothing");
  Group(G, 1, "Spent")->ExpenseTotal = Money(10);
  Group(G, 2, "Earned")->IncomeTotal = Money(30);
  G.Recount();
  EXPECT_EQ(G.Items(0).ViewIndex, -1);
  EXPECT_EQ(G.Items(1).ViewIndex, 0);
  EXPECT_EQ(G.Items(2).ViewIndex, 1);
  EXPECT_EQ(G.RowText(1, 5), "100.00%");
  EXPECT_EQ(G.RowText(0, 5), "0.00%");
  EXPECT_EQ(G.RowText(0, 4), "($10.00)");
  G.ShowZero = true;
  G.Recount();
  EXPECT_EQ(G.Items(0).ViewIndex, 0);

  TCatList C;
  C.AddDefaults();
  C.AddAmount(0, Money(1));
  C.Recount();
  EXPECT_EQ(C.VisibleCount, 1);
  EXPECT_EQ(C.Items(0).ViewIndex, 0);

  TBookList B;
  Book(B, 0, "Bank");
  Book(B, 1, "Cash")->Shown = false;
  Book(B, 2, "Tin");
  B.Renumber();
  EXPECT_EQ(B.Items(2).Position, 2);
  B.CountShown();
  EXPECT_EQ(B.Items(2).Position, 1);
  EXPECT_EQ(B.Items(1).Position, -1);
  EXPECT_EQ(B.VisibleCount, 2);
  EXPECT_FALSE(B.AllShown());
}

TEST(Groups, AmountsIncludingGroupZero) {
  TGroupList G;
  Group(G, 0, "General");
  Group(G, 1, "Other");
  G.AddAmount(0, 1, Money(10));
  G.AddAmount(0, 2, Money(4));
  G.AddAmount(1, 7, Money(1));  // any kind but 1 is expense
  G.AddAmount(9, 1, Money(100));  // missing: nothing
  EXPECT_EQ(G.Items(0).IncomeTotal, Money(10));
  EXPECT_EQ(G.Items(0).ExpenseTotal, Money(4));
  EXPECT_EQ(G.IncomeTotal, Money(10));
  EXPECT_EQ(G.ExpenseTotal, Money(5));
  G.SubtractAmount(0, 1, Money(10));  // group 0 withdraws like the others
  G.SubtractAmount(9, 1, Money(10));
  EXPECT_EQ(G.Items(0).IncomeTotal, 0);
  EXPECT_EQ(G.IncomeTotal, 0);
  EXPECT_TRUE(G.IsSelected(1));
  EXPECT_FALSE(G.IsSelected(5));
}

TEST(Accounts, AmountsMoveAccountAndListTotals) {
  TMainActList M;
  MainAct(M, 100, "Sales", 1);
  MainAct(M, 200, "Rent", 2);
  M.AddAmount(100, Money(5));
  M.AddAmount(200, Money(3));
  M.SubtractAmount(200, Money(1));
  EXPECT_EQ(M.FindByNo(100)->Total, Money(5));
  EXPECT_EQ(M.FindByNo(200)->Total, Money(2));
  EXPECT_EQ(M.IncomeTotal, Money(5));
  EXPECT_EQ(M.ExpenseTotal, Money(2));
  EXPECT_EQ(M.NameOf(200), "Rent");
  EXPECT_EQ(M.NameOf(999), "");
  EXPECT_EQ(M.FindByNo(999), nullptr);
}

TEST(NameValidation, GroupsAndBooks) {
  TRecordingMessenger Msg;
  TBookList B;
  Book(B, 0, "Shop");
  std::string Name = "  Cash  ";
  EXPECT_TRUE(B.ValidateName(Name, Msg));
  EXPECT_EQ(Name, "Cash");
  Name = " shop";
  EXPECT_FALSE(B.ValidateName(Name, Msg));
  Name = "   ";
  EXPECT_FALSE(B.ValidateName(Name, Msg));
  ASSERT_EQ(Msg.Messages.size(), 2u);
  EXPECT_EQ(Msg.Messages[0].first, TMsgKind::Warning);
  EXPECT_EQ(Msg.Messages[0].second, "Book name 'shop' is already in use.");
  EXPECT_EQ(Msg.Messages[1].second, "Book name ''' not valid!");

  TGroupList G;
  Group(G, 0, "Travel");
  Msg.Messages.clear();
  Name = "TRAVEL";
  EXPECT_FALSE(G.ValidateName(Name, Msg));
  Name = "";
  EXPECT_FALSE(G.ValidateName(Name, Msg));
  Name = "Meals";
  EXPECT_TRUE(G.ValidateName(Name, Msg));
  ASSERT_EQ(Msg.Messages.size(), 2u);
  EXPECT_EQ(Msg.Messages[0].second, "Group name 'TRAVEL' is already in use.");
  EXPECT_EQ(Msg.Messages[1].second, "Group name ''' not valid!");

  // Without a messenger passed, the application's messenger receives the text.
  SetAppMessenger(&Msg);
  Name = "travel";
  EXPECT_FALSE(G.ValidateName(Name));
  SetAppMessenger(nullptr);
  EXPECT_EQ(Msg.Messages.back().second, "Group name 'travel' is already in use.");
}

TEST(SortCodes, ClassificationLists) {
  TMainActList M;
  MainAct(M, 300, "b", 1, Money(5));
  MainAct(M, 100, "C", 1, Money(5));
  MainAct(M, 200, "a", 1, Money(1));
  auto MainNo = [](const TMainActRec& R) { return R.ActNo; };
  M.SortBy(0);
  EXPECT_EQ(DisplayNumbers(M, +MainNo), (std::vector<int>{100, 200, 300}));
  M.SortBy(1);  // byte-wise: capitals first
  EXPECT_EQ(DisplayNumbers(M, +MainNo), (std::vector<int>{100, 200, 300}));
  M.SortBy(2);
  EXPECT_EQ(DisplayNumbers(M, +MainNo), (std::vector<int>{200, 100, 300}));
  EXPECT_EQ(M.Items(0).ActNo, 300);  // master order untouched
  M.SortByID();
  EXPECT_EQ(M.Items(0).ActNo, 100);

  TSubActList S;
  S.MainList = &M;
  auto Sub = [&](int Main, int No, const std::string& Name, Currency Total) {
    auto R = std::make_unique<TSubActRec>();
    R->MainActNo = Main;
    R->ActNo = No;
    R->Name = Name;
    R->Total = Total;
    S.Add(std::move(R));
  };
  Sub(300, 1, "x", 3);  // main "b"
  Sub(100, 2, "y", 1);  // main "C"
  Sub(100, 1, "z", 2);
  Sub(200, 9, "w", 2);  // main "a"
  auto SubKey = [](const TSubActRec& R) { return R.MainActNo * 10 + R.ActNo; };
  S.SortBy(0);
  EXPECT_EQ(DisplayNumbers(S, +SubKey), (std::vector<int>{1002, 1001, 2009, 3001}));
  S.SortBy(1);
  EXPECT_EQ(DisplayNumbers(S, +SubKey), (std::vector<int>{1001, 1002, 2009, 3001}));
  S.SortBy(2);
  EXPECT_EQ(DisplayNumbers(S, +SubKey), (std::vector<int>{2009, 3001, 1002, 1001}));
  S.SortBy(3);
  EXPECT_EQ(DisplayNumbers(S, +SubKey), (std::vector<int>{1002, 1001, 2009, 3001}));
  S.ShowZero = true;
  S.Recount();
  EXPECT_EQ(S.RowText(0, 0), "C");
  EXPECT_EQ(S.RowText(0, 1), "100-2");

  TGroupList G;
  auto G1 = Group(G, 1, "b");
  auto G2 = Group(G, 2, "a");
  G1->IncomeTotal = Money(1);
  G1->ExpenseTotal = Money(5);
  G2->IncomeTotal = Money(3);
  auto GNo = [](const TGroupRec& R) { return R.GroupNo; };
  G.SortBy(1);
  EXPECT_EQ(DisplayNumbers(G, +GNo), (std::vector<int>{2, 1}));
  G.SortBy(3);
  EXPECT_EQ(DisplayNumbers(G, +GNo), (std::vector<int>{2, 1}));
  G.SortBy(4);
  EXPECT_EQ(DisplayNumbers(G, +GNo), (std::vector<int>{1, 2}));
  G.SortBy(2);
  EXPECT_EQ(DisplayNumbers(G, +GNo), (std::vector<int>{1, 2}));

  TCatList C;
  C.AddDefaults();
  C.FindByID(7).Total = Money(2);
  C.FindByID(3).Total = Money(2);
  auto CNo = [](const TCatRec& R) { return static_cast<int>(R.CatID); };
  C.SortBy(2);
  EXPECT_EQ(DisplayNumbers(C, +CNo)[9], 3);
  EXPECT_EQ(DisplayNumbers(C, +CNo)[10], 7);
  C.SortBy(1);  // income first, each by name
  EXPECT_EQ(DisplayNumbers(C, +CNo)[0], 2);   // Assets Sold
  EXPECT_EQ(DisplayNumbers(C, +CNo)[4], 4);   // Assets Purchased
}

TEST(Books, ReplaceReordersWithoutFreeing) {
  TBookList B;
  TBookRec* A = Book(B, 0, "A");
  TBookRec* C = Book(B, 1, "C");
  B.Replace(0, C);
  B.Replace(1, A);
  B.Renumber();
  EXPECT_EQ(B.Items(0).Name, "C");
  EXPECT_EQ(B.Items(1).Name, "A");
  EXPECT_EQ(A->Position, 1);
  EXPECT_EQ(B.DisplayList()[0], C);
}
