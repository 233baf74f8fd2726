#include "BookLists.h"

#include <vector>

#include "NumberIndex.h"
#include "Prefetch.h"

void TBookLists::Clear() {
  Transfers.Clear();
  Trans.Clear();
  SubActs.Clear();
  MainActs.Clear();
  Groups.Clear();
  Cats.Clear();
  Books.Clear();
}

namespace {
// Lookups of one list by number, built once per pass.
template <class TList, class TGetNo>
TNumberIndex NumberIndexOf(const TList& List, TGetNo GetNo) {
  TNumberIndex Index;
  const auto& Recs = List.MasterList();
  Index.Build(List.Count(), [&](int I) { return static_cast<std::int64_t>(GetNo(*Recs[I])); });
  return Index;
}

// Sub accounts by (main account slot, sub number).
struct TSubIndex {
  std::vector<TNumberIndex> ByMain;  // per main account slot
  std::vector<std::vector<TSubActRec*>> Recs;

  TSubIndex(const TMainActList& Mains, const TNumberIndex& MainIndex, const TSubActList& Subs) {
    ByMain.resize(Mains.Count());
    Recs.resize(Mains.Count());
    for (TSubActRec* S : Subs.MasterList()) {
      int Slot = MainIndex.Find(S->MainActNo);
      if (Slot >= 0) Recs[Slot].push_back(S);
    }
    for (std::size_t M = 0; M < Recs.size(); ++M) {
      const auto& List = Recs[M];
      ByMain[M].Build(static_cast<int>(List.size()), [&](int I) { return static_cast<std::int64_t>(List[I]->ActNo); });
    }
  }
  TSubActRec* Find(int MainSlot, std::int32_t ActNo) const {
    if (MainSlot < 0) return nullptr;
    int I = ByMain[MainSlot].Find(ActNo);
    return I < 0 ? nullptr : Recs[MainSlot][I];
  }
};

// Looks a record up and raises the owning list's exception when it is missing.
template <class TList>
auto& Require(const TList& List, int Slot) {
  return List.Items(Slot);  // Items(-1) raises the list's index exception
}

bool BookShown(const TBookLists& L, TTransRec& R) {
  if (!R.Book) R.Book = L.Books.FindPtr(R.BookNo);
  return R.Book && R.Book->Shown;
}
}  // namespace

void ResolveLinks(TBookLists& L) {
  TNumberIndex Mains = NumberIndexOf(L.MainActs, [](const TMainActRec& R) { return R.ActNo; });
  TNumberIndex Groups = NumberIndexOf(L.Groups, [](const TGroupRec& R) { return R.GroupNo; });
  TNumberIndex Books = NumberIndexOf(L.Books, [](const TBookRec& R) { return R.BookNo; });
  TSubIndex Subs(L.MainActs, Mains, L.SubActs);

  const auto& Recs = L.Trans.MasterList();
  for (std::size_t I = 0; I < Recs.size(); ++I) {
    if (I + PrefetchDistance < Recs.size()) PrefetchRecordNumbers(Recs[I + PrefetchDistance]);
    TTransRec* R = Recs[I];
    TMainActRec* Main = nullptr;
    TSubActRec* Sub = nullptr;
    TGroupRec* Group = nullptr;
    TBookRec* Other = nullptr;
    switch (R->Kind) {
      case tkOpenBal: StoreIfChanged(Require(L.Books, Books.Find(R->BookNo)).OpenBal, R); break;
      case tkTransferFrom:
      case tkTransferTo: Other = &Require(L.Books, Books.Find(R->GroupNo)); break;
      case tkIncome:
      case tkExpense: {
        int MainSlot = Mains.Find(R->MainActNo);
        Main = &Require(L.MainActs, MainSlot);
        Sub = Subs.Find(MainSlot, R->SubActNo);
        if (!Sub) Require(L.SubActs, -1);
        Group = &Require(L.Groups, Groups.Find(R->GroupNo));
        break;
      }
      default: break;
    }
    // Stored only where they differ: linking again leaves the records untouched.
    StoreIfChanged(R->MainAct, Main);
    StoreIfChanged(R->SubAct, Sub);
    StoreIfChanged(R->Group, Group);
    StoreIfChanged(R->OtherBook, Other);
    StoreIfChanged(R->Book, &Require(L.Books, Books.Find(R->BookNo)));
  }
  for (TSubActRec* S : L.SubActs.MasterList()) S->MainAct = &Require(L.MainActs, Mains.Find(S->MainActNo));
}

namespace {
struct TSelectionRules {
  bool OpenBalPass = UseOpenBalInSel || !(AccountSelActive || GroupSelActive || TransSelActive);
  bool TransferPass = !(AccountSelActive || GroupSelActive);
};

void SelectOne(const TBookLists& L, TTransRec& R, const TSelectionRules& Rules) {
  switch (R.Kind) {
    case tkOpenBal: StoreIfChanged(R.InSelection, BookShown(L, R) && Rules.OpenBalPass); break;
    case tkTransferFrom:
    case tkTransferTo: StoreIfChanged(R.InSelection, BookShown(L, R) && Rules.TransferPass); break;
    default:
      // Links are normally there; a record added without them is looked up once.
      if (!R.SubAct) R.SubAct = L.SubActs.FindByNo(R.MainActNo, R.SubActNo);
      if (!R.Group) R.Group = L.Groups.FindPtr(R.GroupNo);
      StoreIfChanged(R.InSelection,
                     R.SubAct && R.SubAct->InSelection && R.Group && R.Group->InSelection && BookShown(L, R));
  }
}

void ZeroAccountTotals(TBookLists& L) {
  for (TMainActRec* M : L.MainActs.MasterList()) M->Total = 0;
  for (TSubActRec* S : L.SubActs.MasterList()) S->Total = 0;
  L.MainActs.IncomeTotal = L.MainActs.ExpenseTotal = 0;
  L.SubActs.IncomeTotal = L.SubActs.ExpenseTotal = 0;
}

void ZeroGroupTotals(TBookLists& L) {
  for (TGroupRec* G : L.Groups.MasterList()) G->IncomeTotal = G->ExpenseTotal = 0;
  L.Groups.IncomeTotal = L.Groups.ExpenseTotal = 0;
}

bool CountsOnAccounts(const TTransRec& R) { return R.ViewIndex != -1 && IsCounted(R) && R.IsNormal(); }

// AddAmount of the main and sub account lists, through the links when they are there.
void AccountOne(TBookLists& L, const TTransRec& R) {
  // The sub account's own link names the same main account and lies in a line already loaded.
  TMainActRec* Main = R.SubAct && R.SubAct->MainAct ? R.SubAct->MainAct : R.MainAct;
  if (Main) {
    Main->Total += R.Amount;
    (Main->Kind == 1 ? L.MainActs.IncomeTotal : L.MainActs.ExpenseTotal) += R.Amount;
  } else {
    L.MainActs.AddAmount(R.MainActNo, R.Amount);
  }
  if (R.SubAct) {
    R.SubAct->Total += R.Amount;
    (R.SubAct->Kind == 1 ? L.SubActs.IncomeTotal : L.SubActs.ExpenseTotal) += R.Amount;
  } else {
    L.SubActs.AddAmount(R.MainActNo, R.SubActNo, R.Amount);
  }
}

// AddAmount of the group list (a missing group is ignored).
void GroupOne(TBookLists& L, const TTransRec& R) {
  TGroupRec* G = R.Group ? R.Group : L.Groups.FindPtr(R.GroupNo);
  if (!G) return;
  if (R.Kind == tkIncome) {
    G->IncomeTotal += R.Amount;
    L.Groups.IncomeTotal += R.Amount;
  } else {
    G->ExpenseTotal += R.Amount;
    L.Groups.ExpenseTotal += R.Amount;
  }
}

template <class TVisit>
void ForEachMaster(const TBookLists& L, TVisit Visit) {
  ForEachAhead(L.Trans.MasterList(), Visit);
}
}  // namespace

void ApplySelection(TBookLists& L) {
  TSelectionRules Rules;
  ForEachMaster(L, [&](TTransRec& R) { SelectOne(L, R, Rules); });
}

void RecalcAccountTotals(TBookLists& L) {
  ZeroAccountTotals(L);
  ForEachMaster(L, [&](TTransRec& R) {
    if (CountsOnAccounts(R)) AccountOne(L, R);
  });
}

void RecalcGroupTotals(TBookLists& L) {
  ZeroGroupTotals(L);
  ForEachMaster(L, [&](TTransRec& R) {
    if (CountsOnAccounts(R)) GroupOne(L, R);
  });
}

void RecalcCategoryTotals(TBookLists& L) {
  for (TCatRec* C : L.Cats.MasterList()) C->Total = 0;
  L.Cats.IncomeTotal = L.Cats.ExpenseTotal = 0;
  TNumberIndex Cats = NumberIndexOf(L.Cats, [](const TCatRec& R) { return R.CatID; });
  for (TMainActRec* M : L.MainActs.MasterList()) {
    if (M->ViewIndex == -1) continue;
    TCatRec& C = Require(L.Cats, Cats.Find(M->CatID));
    C.Total += M->Total;
    (C.Kind == 1 ? L.Cats.IncomeTotal : L.Cats.ExpenseTotal) += M->Total;
  }
}

// The steps run in the required order per transaction, fused into one walk of the master order:
// selection, visibility, running balance and account and group totals of a transaction depend
// only on that transaction and the ones before it. View numbers follow the display order, so
// when it differs from the master order they are given by a separate ApplyFilter pass.
void RecalcAll(TBookLists& L) {
  TTransList& T = L.Trans;
  const bool SameOrder = T.MasterList() == T.DisplayList();
  const TSelectionRules Rules;
  ZeroAccountTotals(L);
  ZeroGroupTotals(L);
  T.BeginFilter();
  T.BeginBalances();
  ForEachMaster(L, [&](TTransRec& R) {
    SelectOne(L, R, Rules);
    if (SameOrder) T.FilterOne(R);
    else if (T.FilteredOut(R)) StoreIfChanged(R.ViewIndex, -1);
    else if (R.ViewIndex == -1) R.ViewIndex = 0;  // numbered by ApplyFilter below
    T.BalanceOne(R);
    if (CountsOnAccounts(R)) {
      AccountOne(L, R);
      GroupOne(L, R);
    }
  });
  if (SameOrder) T.EndFilter();
  else T.ApplyFilter();
  T.EndBalances();
  L.MainActs.Recount();
  L.SubActs.Recount();
  L.Groups.Recount();
  RecalcCategoryTotals(L);  // needs the main accounts' view indexes
  L.Cats.Recount();
}

void RecalcBookTotals(TBookLists& L) {
  for (TBookRec* B : L.Books.MasterList()) B->IncomeTotal = B->ExpenseTotal = 0;
  ForEachMaster(L, [&](const TTransRec& R) {
    if (R.ViewIndex == -1) return;
    TBookRec* B = R.Book ? R.Book : &L.Books.FindByNo(R.BookNo);
    switch (R.Kind) {
      case tkIncome:
      case tkTransferFrom: B->IncomeTotal += R.Amount; break;
      case tkExpense:
      case tkTransferTo: B->ExpenseTotal += R.Amount; break;
      case tkOpenBal:
        if (R.Amount >= 0) B->IncomeTotal += R.Amount;
        else B->ExpenseTotal -= R.Amount;
        break;
      default: break;
    }
  });
}

bool AllBooksShown(const TBookLists& L) { return L.Books.AllShown(); }

void InstallTotalsHooks(TBookLists& L) {
  // Only income and expense transactions sit on accounts and groups; for the other kinds the
  // numbers mean something else (transfer partner, other book) and must not be booked.
  L.Trans.OnAddTotals = [&L](std::int32_t MainActNo, std::int32_t SubActNo, std::int32_t GroupNo, int Kind,
                             Currency Amount) {
    if (Kind != tkIncome && Kind != tkExpense) return;
    L.MainActs.AddAmount(MainActNo, Amount);
    L.SubActs.AddAmount(MainActNo, SubActNo, Amount);
    L.Groups.AddAmount(GroupNo, Kind, Amount);
  };
  L.Trans.OnRemoveTotals = [&L](std::int32_t MainActNo, std::int32_t SubActNo, std::int32_t GroupNo, int Kind,
                                Currency Amount) {
    if (Kind != tkIncome && Kind != tkExpense) return;
    L.MainActs.SubtractAmount(MainActNo, Amount);
    L.SubActs.SubtractAmount(MainActNo, SubActNo, Amount);
    L.Groups.SubtractAmount(GroupNo, Kind, Amount);
  };
}

void RemoveTotalsHooks(TBookLists& L) {
  L.Trans.OnAddTotals = nullptr;
  L.Trans.OnRemoveTotals = nullptr;
}
