#include "SelectionSteps.h"

#include <cmath>

void ClearAccountSelection(TBookLists& L) {
  for (TMainActRec* m : L.MainActs.MasterList()) m->InSelection = true;
  for (TSubActRec* s : L.SubActs.MasterList()) s->InSelection = s->SelPending = true;
  AccountSelActive = false;
}

void ClearGroupSelection(TBookLists& L) {
  for (TGroupRec* g : L.Groups.MasterList()) g->InSelection = true;
  GroupSelActive = false;
}

void ClearTransactionSelection(TBookLists& L) {
  for (TTransRec* t : L.Trans.MasterList()) t->FindMatch = true;
  TransSelActive = false;
  L.Trans.FindIncludesDisabled = false;
}

void ResetSelectionRecords(TBookLists& L, bool keepDateRange) {
  if (AccountSelActive) {
    for (TMainActRec* m : L.MainActs.MasterList()) m->InSelection = true;
    for (TSubActRec* s : L.SubActs.MasterList()) s->InSelection = s->SelPending = true;
  }
  if (GroupSelActive)
    for (TGroupRec* g : L.Groups.MasterList()) g->InSelection = true;
  if (TransSelActive)
    for (TTransRec* t : L.Trans.MasterList()) t->FindMatch = true;
  if (!keepDateRange && DateRangeActive) L.Trans.SetDateRange(0);
}

void ClearSelectionFlags(TBookLists& L, bool clearDates) {
  if (clearDates) DateRangeActive = false;
  AccountSelActive = GroupSelActive = TransSelActive = false;
  L.Trans.FindIncludesDisabled = false;
}

void ResetScrollPositions(const std::array<TGridInfo*, 5>& sets, bool resetSort) {
  static constexpr int sortCodes[5] = {1, 0, 1, 0, 0};
  for (std::size_t v = 0; v < sets.size(); ++v) {
    if (!sets[v]) continue;
    sets[v]->ScrollBarPos = 0;
    if (resetSort) {
      sets[v]->SortDirection = sdAscending;
      sets[v]->SortIndex = sortCodes[v];
    }
  }
}

void RecalcAfterDates(TBookLists& L) {
  L.Trans.ApplyFilter();
  RecalcAccountTotals(L);
  L.MainActs.Recount();
  L.SubActs.Recount();
  RecalcGroupTotals(L);
  L.Groups.Recount();
  RecalcCategoryTotals(L);
  L.Cats.Recount();
  L.Trans.ComputeBalances();
}

bool ChooseDateLimit(TBookLists& L, int which, TDateTime date) {
  date = std::floor(date);
  const TDateTime limit = which == 1 ? L.Trans.DateFrom : L.Trans.DateTo;
  if (date == limit) return false;
  L.Trans.SetDateLimit(which, date);
  // The flag is set before filtering: it decides whether opening balances show, and the first
  // chosen date must give the same rows as every later one.
  DateRangeActive = true;
  RecalcAfterDates(L);
  return true;
}

void ApplyPeriod(TBookLists& L, TDateTime from, TDateTime to) {
  DateRangeActive = true;
  L.Trans.SetDateLimit(1, std::floor(from));
  L.Trans.SetDateLimit(2, std::floor(to));
  RecalcAfterDates(L);
}

void ClearDateRange(TBookLists& L) {
  DateRangeActive = false;
  L.Trans.SetDateRange(0);
  RecalcAfterDates(L);
}

bool ShowAllBooksIfNoneShown(TBookList& books) {
  if (books.Count() == 0) return false;
  for (const TBookRec* b : books.MasterList())
    if (b->Shown) return false;
  for (TBookRec* b : books.MasterList()) b->Shown = true;
  return true;
}

void CopyBookStates(TBookList& books, const std::vector<bool>& down) {
  const auto& master = books.MasterList();
  for (std::size_t i = 0; i < master.size() && i < down.size(); ++i) master[i]->Shown = down[i];
}
