#include "MainActList.h"

#include "AccountRecount.h"

#include <algorithm>
#include <unordered_set>

#include "MoneyFormat.h"

std::string TMainActRec::NumberText() const { return std::to_string(ActNo); }

std::string TMainActRec::AmountText(int Side) const {
  return (Side == 0 && Kind == 1) || (Side == 1 && Kind == 2) ? FormatMoney(Total) : std::string();
}

void TMainActList::IndexError(int Index) const {
  throw EMainActDBException("List index out of bounds " + std::to_string(Index));
}

int TMainActList::IndexOfNo(std::int32_t ActNo) const {
  for (int I = 0; I < Count(); ++I)
    if (Master[I]->ActNo == ActNo) return I;
  return -1;
}

std::string TMainActList::NameOf(std::int32_t ActNo) const {
  int I = IndexOfNo(ActNo);
  return I < 0 ? std::string() : Master[I]->Name;
}

TMainActRec* TMainActList::FindByNo(std::int32_t ActNo) const {
  int I = IndexOfNo(ActNo);
  return I < 0 ? nullptr : Master[I];
}

void TMainActList::AddAmount(std::int32_t ActNo, Currency Amount) {
  TMainActRec& Rec = Items(IndexOfNo(ActNo));
  Rec.Total += Amount;
  (Rec.Kind == 1 ? IncomeTotal : ExpenseTotal) += Amount;
}

void TMainActList::SubtractAmount(std::int32_t ActNo, Currency Amount) { AddAmount(ActNo, -Amount); }

std::int32_t TMainActList::NextActNo() const {
  std::unordered_set<std::int32_t> Used;
  for (const TMainActRec* Rec : Master) Used.insert(Rec->ActNo);
  std::int32_t No = 100;
  while (Used.count(No)) No += 100;
  return No;
}

void TMainActList::SortBy(int Column) {
  switch (Column) {
    case 0: SortDisplay([](const TMainActRec& A, const TMainActRec& B) { return A.ActNo < B.ActNo; }); break;
    case 1: SortDisplay([](const TMainActRec& A, const TMainActRec& B) { return A.Name < B.Name; }); break;
    case 2:
      SortDisplay([](const TMainActRec& A, const TMainActRec& B) {
        return A.Total != B.Total ? A.Total < B.Total : A.ActNo < B.ActNo;
      });
      break;
    default: break;
  }
  Recount();
}

void TMainActList::SortByID() {
  SortMaster([](const TMainActRec& A, const TMainActRec& B) { return A.ActNo < B.ActNo; });
}

void TMainActList::Recount() {
  VisibleCount = RecountAccounts(Display, ViewCache, ShowZero, IncomeTotal, ExpenseTotal);
}

void TMainActList::Clear() {
  TBaseDBList::Clear();
  VisibleCount = 0;
  IncomeTotal = ExpenseTotal = 0;
  ShowZero = false;
}

std::string TMainActList::RowText(int ViewIndex, int Column) const {
  const TMainActRec* Rec = ViewItems(ViewIndex);
  if (!Rec) return {};
  switch (Column) {
    case 0: return Rec->NumberText();
    case 1: return Rec->Name;
    case 2: return Rec->AmountText(0);
    case 3: return Rec->AmountText(1);
    case 4: return PercentText(Rec->Total, Rec->Kind == 1 ? IncomeTotal : ExpenseTotal, ppAccount);
    default: return {};
  }
}
