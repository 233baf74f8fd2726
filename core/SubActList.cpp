#include "SubActList.h"

#include "AccountRecount.h"

#include <algorithm>
#include <unordered_set>

#include "MoneyFormat.h"

std::string TSubActRec::NumberText() const { return std::to_string(MainActNo) + "-" + std::to_string(ActNo); }

std::string TSubActRec::AmountText(int Side) const {
  return (Side == 0 && Kind == 1) || (Side == 1 && Kind == 2) ? FormatMoney(Total) : std::string();
}

void TSubActList::IndexError(int) const { throw ESubActDBException("List index out of bounds"); }

int TSubActList::IndexOfNo(std::int32_t MainActNo, std::int32_t ActNo) const {
  for (int I = 0; I < Count(); ++I)
    if (Master[I]->MainActNo == MainActNo && Master[I]->ActNo == ActNo) return I;
  return -1;
}

TSubActRec* TSubActList::FindByNo(std::int32_t MainActNo, std::int32_t ActNo) const {
  int I = IndexOfNo(MainActNo, ActNo);
  return I < 0 ? nullptr : Master[I];
}

void TSubActList::AddAmount(std::int32_t MainActNo, std::int32_t ActNo, Currency Amount) {
  TSubActRec& Rec = Items(IndexOfNo(MainActNo, ActNo));
  Rec.Total += Amount;
  (Rec.Kind == 1 ? IncomeTotal : ExpenseTotal) += Amount;
}

void TSubActList::SubtractAmount(std::int32_t MainActNo, std::int32_t ActNo, Currency Amount) {
  AddAmount(MainActNo, ActNo, -Amount);
}

std::int32_t TSubActList::NextSubNo(std::int32_t MainActNo) const {
  std::unordered_set<std::int32_t> Used;
  for (const TSubActRec* Rec : Master)
    if (Rec->MainActNo == MainActNo) Used.insert(Rec->ActNo);
  std::int32_t No = 1;
  while (Used.count(No)) ++No;
  return No;
}

const std::string& TSubActList::MainName(const TSubActRec& Rec) const {
  static const std::string None;
  if (Rec.MainAct) return Rec.MainAct->Name;
  if (MainList)
    if (const TMainActRec* Main = MainList->FindByNo(Rec.MainActNo)) return Main->Name;
  return None;
}

void TSubActList::SortBy(int Column) {
  switch (Column) {
    case 0:
      SortDisplay([this](const TSubActRec& A, const TSubActRec& B) {
        int C = MainName(A).compare(MainName(B));
        return C != 0 ? C < 0 : A.Name < B.Name;
      });
      break;
    case 1:
      SortDisplay([](const TSubActRec& A, const TSubActRec& B) {
        return A.MainActNo != B.MainActNo ? A.MainActNo < B.MainActNo : A.ActNo < B.ActNo;
      });
      break;
    case 2: SortDisplay([](const TSubActRec& A, const TSubActRec& B) { return A.Name < B.Name; }); break;
    case 3:
      SortDisplay([](const TSubActRec& A, const TSubActRec& B) {
        return A.Total != B.Total ? A.Total < B.Total : A.ActNo < B.ActNo;
      });
      break;
    default: break;
  }
  Recount();
}

void TSubActList::SortByID() {
  SortMaster([](const TSubActRec& A, const TSubActRec& B) {
    return A.MainActNo != B.MainActNo ? A.MainActNo < B.MainActNo : A.ActNo < B.ActNo;
  });
}

void TSubActList::Recount() {
  VisibleCount = RecountAccounts(Display, ViewCache, ShowZero, IncomeTotal, ExpenseTotal);
}

void TSubActList::Clear() {
  TBaseDBList::Clear();
  VisibleCount = 0;
  IncomeTotal = ExpenseTotal = 0;
  ShowZero = false;
}

std::string TSubActList::RowText(int ViewIndex, int Column) const {
  const TSubActRec* Rec = ViewItems(ViewIndex);
  if (!Rec) return {};
  switch (Column) {
    case 0: return MainList ? MainList->NameOf(Rec->MainActNo) : MainName(*Rec);
    case 1: return Rec->NumberText();
    case 2: return Rec->Name;
    case 3: return Rec->AmountText(0);
    case 4: return Rec->AmountText(1);
    case 5: return PercentText(Rec->Total, Rec->Kind == 1 ? IncomeTotal : ExpenseTotal, ppAccount);
    default: return {};
  }
}
