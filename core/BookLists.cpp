#include "BookLists.h"

#include <vector>

#include "NumberIndex.h"

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
TNumberIndex IndexOf(const TList& List, TGetNo GetNo) {
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
  TNumberIndex Mains = IndexOf(L.MainActs, [](const TMainActRec& R) { return R.ActNo; });
  TNumberIndex Groups = IndexOf(L.Groups, [](const TGroupRec& R) { return R.GroupNo; });
  TNumberIndex Books = IndexOf(L.Books, [](const TBookRec& R) { return R.BookNo; });
  TSubIndex Subs(L.MainActs, Mains, L.SubActs);

  for (TTransRec* R : L.Trans.MasterList()) {
    R->MainAct = nullptr;
    R->SubAct = nullptr;
    R->Group = nullptr;
    R->OtherBook = nullptr;
    switch (R->Kind) {
      case tkOpenBal: Require(L.Books, Books.Find(R->BookNo)).OpenBal = R; break;
      case tkTransferFrom:
      case tkTransferTo: R->OtherBook = &Require(L.Books, Books.Find(R->GroupNo)); break;
      case tkIncome:
      case tkExpense: {
        int MainSlot = Mains.Find(R->MainActNo);
        R->MainAct = &Require(L.MainActs, MainSlot);
        R->SubAct = Subs.Find(MainSlot, R->SubActNo);
        if (!R->SubAct) Require(L.SubActs, -1);
        R->Group = &Require(L.Groups, Groups.Find(R->GroupNo));
        break;
      }
      default: break;
    }
    R->Book = &Require(L.Books, Books.Find(R->BookNo));
  }
  for (TSubActRec* S : L.SubActs.MasterList()) S->MainAct = &Require(L.MainActs, Mains.Find(S->MainActNo));
}

void ApplySelection(TBookLists& L) {
  const bool OpenBalPass = UseOpenBalInSel || !(AccountSelActive || GroupSelActive || TransSelActive);
  const bool TransferPass = !(AccountSelActive || GroupSelActive);
  for (TTransRec* R : L.Trans.MasterList()) {
    switch (R->Kind) {
      case tkOpenBal: R->InSelection = BookShown(L, *R) && OpenBalPass; break;
      case tkTransferFrom:
      case tkTransferTo: R->InSelection = BookShown(L, *R) && TransferPass; break;
      default: {
        // Links are normally there; a record added without them is looked up once.
        if (!R->SubAct) R->SubAct = L.SubActs.FindByNo(R->MainActNo, R->SubActNo);
        if (!R->Group) R->Group = L.Groups.FindPtr(R->GroupNo);
        R->InSelection = R->SubAct && R->SubAct->InSelection && R->Group && R->Group->InSelection && BookShown(L, *R);
      }
    }
  }
}

void RecalcAccountTotals(TBookLists& L) {
  for (TMainActRec* M : L.MainActs.MasterList()) M->Total = 0;
  for (TSubActRec* S : L.SubActs.MasterList()) S->Total = 0;
  L.MainActs.IncomeTotal = L.MainActs.ExpenseTotal = 0;
  L.SubActs.IncomeTotal = L.SubActs.ExpenseTotal = 0;
  for (TTransRec* R : L.Trans.MasterList()) {
    if (R->ViewIndex == -1 || !IsCounted(*R) || !R->IsNormal()) continue;
    if (R->MainAct) {
      R->MainAct->Total += R->Amount;
      (R->MainAct->Kind == 1 ? L.MainActs.IncomeTotal : L.MainActs.ExpenseTotal) += R->Amount;
    } else {
      L.MainActs.AddAmount(R->MainActNo, R->Amount);
    }
    if (R->SubAct) {
      R->SubAct->Total += R->Amount;
      (R->SubAct->Kind == 1 ? L.SubActs.IncomeTotal : L.SubActs.ExpenseTotal) += R->Amount;
    } else {
      L.SubActs.AddAmount(R->MainActNo, R->SubActNo, R->Amount);
    }
  }
}

void RecalcGroupTotals(TBookLists& L) {
  for (TGroupRec* G : L.Groups.MasterList()) G->IncomeTotal = G->ExpenseTotal = 0;
  L.Groups.IncomeTotal = L.Groups.ExpenseTotal = 0;
  for (TTransRec* R : L.Trans.MasterList()) {
    if (R->ViewIndex == -1 || !IsCounted(*R) || !R->IsNormal()) continue;
    TGroupRec* G = R->Group ? R->Group : L.Groups.FindPtr(R->GroupNo);
    if (!G) continue;  // AddAmount ignores a missing group
    if (R->Kind == tkIncome) {
      G->IncomeTotal += R->Amount;
      L.Groups.IncomeTotal += R->Amount;
    } else {
      G->ExpenseTotal += R->Amount;
      L.Groups.ExpenseTotal += R->Amount;
    }
  }
}

void RecalcCategoryTotals(TBookLists& L) {
  for (TCatRec* C : L.Cats.MasterList()) C->Total = 0;
  L.Cats.IncomeTotal = L.Cats.ExpenseTotal = 0;
  TNumberIndex Cats = IndexOf(L.Cats, [](const TCatRec& R) { return R.CatID; });
  for (TMainActRec* M : L.MainActs.MasterList()) {
    if (M->ViewIndex == -1) continue;
    TCatRec& C = Require(L.Cats, Cats.Find(M->CatID));
    C.Total += M->Total;
    (C.Kind == 1 ? L.Cats.IncomeTotal : L.Cats.ExpenseTotal) += M->Total;
  }
}

void RecalcAll(TBookLists& L) {
  ApplySelection(L);
  L.Trans.ApplyFilter();
  L.Trans.ComputeBalances();
  RecalcAccountTotals(L);
  L.MainActs.Recount();
  L.SubActs.Recount();
  RecalcGroupTotals(L);
  L.Groups.Recount();
  RecalcCategoryTotals(L);  // needs the main accounts' view indexes
  L.Cats.Recount();
}

void RecalcBookTotals(TBookLists& L) {
  for (TBookRec* B : L.Books.MasterList()) B->IncomeTotal = B->ExpenseTotal = 0;
  for (TTransRec* R : L.Trans.MasterList()) {
    if (R->ViewIndex == -1) continue;
    TBookRec* B = R->Book ? R->Book : &L.Books.FindByNo(R->BookNo);
    switch (R->Kind) {
      case tkIncome:
      case tkTransferFrom: B->IncomeTotal += R->Amount; break;
      case tkExpense:
      case tkTransferTo: B->ExpenseTotal += R->Amount; break;
      case tkOpenBal:
        if (R->Amount >= 0) B->IncomeTotal += R->Amount;
        else B->ExpenseTotal -= R->Amount;
        break;
      default: break;
    }
  }
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
