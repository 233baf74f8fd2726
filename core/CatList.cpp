#include "CatList.h"

#include <algorithm>

#include "MoneyFormat.h"

std::string TCatRec::ColumnText(int Column) const {
  switch (Column) {
    case 0: return Name;
    case 1: return Kind == 1 ? FormatMoney(Total) : std::string();
    case 2: return Kind == 2 ? FormatMoney(Total) : std::string();
    default: return {};
  }
}

std::string TCatRec::ShareText(Currency Whole) const {
  if (Total == 0 || Whole == 0) return FormatPercent(0, ppCategory);
  return FormatPercent(static_cast<double>(Total) / static_cast<double>(Whole) * 100.0, ppCategory);
}

std::string ReportClassCaption(int ReportClass, int Kind) {
  static const char* const Income[7] = {"", "Sales Income", "", "Other Income", "", "Asset && Liability", "Funds"};
  static const char* const Expense[7] = {"",        "Cost of Sales", "Normal Operating Expenses", "Other Expenses",
                                         "Company Tax", "Asset && Liability", "Funds"};
  if (ReportClass < 1 || ReportClass > 6) return {};
  return Kind == 1 ? Income[ReportClass] : Expense[ReportClass];
}

void TCatList::IndexError(int Index) const {
  throw ECatDBException("List index out of bounds (" + std::to_string(Index) + ")");
}

TCatRec& TCatList::AddCategory(const std::string& Name, int Kind, int ReportClass, bool IsDefault) {
  auto Rec = std::make_unique<TCatRec>();
  Rec->CatID = NextCatID();
  Rec->Name = Name;
  Rec->Kind = static_cast<std::uint8_t>(Kind);
  Rec->ReportClass = static_cast<std::int16_t>(ReportClass);
  Rec->IsDefault = IsDefault;
  TCatRec* Raw = Rec.get();
  Add(std::move(Rec));
  return *Raw;
}

void TCatList::AddDefaults() {
  struct TDefault {
    const char* Name;
    int Kind, ReportClass;
  };
  static const TDefault Defaults[] = {
      {"General Income", 1, 1},   {"Other Income", 1, 3},    {"Assets Sold", 1, 5}, {"Funds Injection", 1, 6},
      {"Assets Purchased", 2, 5}, {"Stock Purchased", 2, 1}, {"Overheads", 2, 2},   {"Wages", 2, 2},
      {"Company Tax", 2, 4},      {"Other Expenses", 2, 3},  {"Funds Repayment", 2, 6}};
  for (const TDefault& D : Defaults) AddCategory(D.Name, D.Kind, D.ReportClass, true);
}

std::int16_t TCatList::NextCatID() const {
  if (Master.empty()) return 0;
  std::int16_t Max = Master[0]->CatID;
  for (const TCatRec* Rec : Master) Max = std::max(Max, Rec->CatID);
  return static_cast<std::int16_t>(Max + 1);
}

int TCatList::IndexOfID(std::int16_t CatID) const {
  for (int I = 0; I < Count(); ++I)
    if (Master[I]->CatID == CatID) return I;
  return -1;
}

TCatRec* TCatList::FindPtr(std::int16_t CatID) const {
  int I = IndexOfID(CatID);
  return I < 0 ? nullptr : Master[I];
}

TCatRec& TCatList::FindByID(std::int16_t CatID) const { return Items(IndexOfID(CatID)); }

double TCatList::ClassTotal(int ReportClass) const {
  double Sum = 0;
  for (const TCatRec* Rec : Master) {
    if (Rec->ReportClass != ReportClass) continue;
    Sum += Rec->Kind == 1 ? static_cast<double>(Rec->Total) : -static_cast<double>(Rec->Total);
  }
  return Sum;
}

void TCatList::AddAmount(std::int16_t CatID, Currency Amount) {
  TCatRec& Rec = FindByID(CatID);
  Rec.Total += Amount;
  (Rec.Kind == 1 ? IncomeTotal : ExpenseTotal) += Amount;
}

void TCatList::SortBy(int Column) {
  switch (Column) {
    case 0: SortDisplay([](const TCatRec& A, const TCatRec& B) { return A.CatID < B.CatID; }); break;
    case 1:
      SortDisplay([](const TCatRec& A, const TCatRec& B) { return A.Kind != B.Kind ? A.Kind < B.Kind : A.Name < B.Name; });
      break;
    case 2:
      SortDisplay([](const TCatRec& A, const TCatRec& B) { return A.Total != B.Total ? A.Total < B.Total : A.CatID < B.CatID; });
      break;
    default: break;
  }
  Recount();
}

void TCatList::SortByID() {
  SortMaster([](const TCatRec& A, const TCatRec& B) { return A.CatID < B.CatID; });
}

bool CompareForReport(const TCatRec& A, const TCatRec& B) {
  if (A.ReportClass != B.ReportClass) return A.ReportClass < B.ReportClass;
  if (A.Kind != B.Kind) return A.Kind < B.Kind;
  return A.Name < B.Name;
}

void TCatList::SortForReport() {
  SortMaster(CompareForReport);
  SortedByID = false;  // sorted, but not by number
}

void TCatList::Recount() {
  VisibleCount = 0;
  IncomeTotal = ExpenseTotal = 0;
  ViewCache.clear();
  for (TCatRec* Rec : Display) {
    if (ShowZero || Rec->Total > 0) {
      Rec->ViewIndex = VisibleCount++;
      ViewCache.push_back(Rec);
      (Rec->Kind == 1 ? IncomeTotal : ExpenseTotal) += Rec->Total;
    } else {
      Rec->ViewIndex = -1;
    }
  }
}

void TCatList::Clear() {
  TBaseDBList::Clear();
  VisibleCount = 0;
  IncomeTotal = ExpenseTotal = 0;
  ShowZero = false;
}
