#pragma once
// The recount both account lists share: number the visible records in display order and sum their
// totals by kind. An account is visible when it passes the selection and has a total, or when zero
// totals are shown.
#include <vector>

#include "Types.h"

template <class TRec>
int RecountAccounts(const std::vector<TRec*>& Display, std::vector<TRec*>& ViewCache, bool ShowZero,
                    Currency& IncomeTotal, Currency& ExpenseTotal) {
  int Visible = 0;
  IncomeTotal = ExpenseTotal = 0;
  ViewCache.clear();
  for (TRec* Rec : Display) {
    if (Rec->InSelection && (ShowZero || Rec->Total > 0)) {
      Rec->ViewIndex = Visible++;
      ViewCache.push_back(Rec);
      (Rec->Kind == 1 ? IncomeTotal : ExpenseTotal) += Rec->Total;
    } else {
      Rec->ViewIndex = -1;
    }
  }
  return Visible;
}
