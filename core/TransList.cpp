#include "TransList.h"

#include <algorithm>

#include "MoneyFormat.h"
#include "Prefetch.h"

bool DateRangeActive = false;
bool AccountSelActive = false;
bool GroupSelActive = false;
bool TransSelActive = false;
bool UseOpenBalInSel = false;
bool IncludeDisabledInCalc = false;
bool NewTransDisabled = false;
bool BalanceEndDay = false;

bool AnySelectionActive() { return DateRangeActive || AccountSelActive || GroupSelActive || TransSelActive; }

void TTransRec::Assign(const TTransRec& Other) {
  std::int64_t Keep = StreamPos;
  *this = Other;
  StreamPos = Keep;
}

std::string TTransRec::BookName() const { return Book ? Book->Name : std::string(); }

std::string TTransRec::SubNumberText() const {
  return std::to_string(MainActNo) + "-" + std::to_string(SubActNo);
}

std::string TTransRec::ColumnText(int Column) const {
  switch (Column) {
    case 0: {
      std::string Text = std::to_string(TransNo);
      if (SplitLetter != '0') Text += SplitLetter;
      return Text;
    }
    case 1: return FormatDate(Date);
    case 2: return Reference;
    case 3: return std::to_string(MainActNo);
    case 4:
      switch (Kind) {
        case tkOpenBal: return "Opening Balance";
        case tkTransferFrom: return "Transfer From";
        case tkTransferTo: return "Transfer To";
        default: return MainAct ? MainAct->Name : std::string();
      }
    case 5: return SubNumberText();
    case 6:
      if (Kind == tkOpenBal) return BookName();
      if (Kind == tkTransferFrom || Kind == tkTransferTo) return OtherBook ? OtherBook->Name : std::string();
      return SubAct ? SubAct->Name : std::string();
    case 7: return "G" + std::to_string(GroupNo);
    case 8:
      if (Kind == tkOpenBal || Kind == tkTransferFrom || Kind == tkTransferTo) return {};
      return Group ? Group->Name : std::string();
    case 9:
      if (Kind == tkIncome || Kind == tkTransferFrom || (Kind == tkOpenBal && Amount >= 0)) return FormatMoney(Amount);
      return {};
    case 10:
      if (Kind == tkExpense || Kind == tkTransferTo) return FormatMoney(Amount);
      if (Kind == tkOpenBal && Amount < 0) return FormatMoney(-Amount);
      return {};
    case 11: return IsCounted(*this) ? FormatMoney(Balance) : std::string();
    default: return {};
  }
}

void TTransList::IndexError(int) const { throw ETransDBException("List index out of bounds"); }

void TTransList::WidenLimits(TDateTime Date) {
  if (Date > DateTo) DateTo = Date;
  if (Date < DateFrom) DateFrom = Date;
}

int TTransList::Add(std::unique_ptr<TTransRec> Rec) {
  TDateTime Date = Rec->Date;
  int Index = TBaseDBList::Add(std::move(Rec));
  WidenLimits(Date);
  return Index;
}

int TTransList::Add(TTransRec* Rec) { return Add(std::unique_ptr<TTransRec>(Rec)); }

void TTransList::Leave(TTransRec& Rec) {
  if (Rec.Book && Rec.Book->OpenBal == &Rec) Rec.Book->OpenBal = nullptr;  // no dangling link to a freed record
}

std::int32_t TTransList::NextTransNo() const {
  std::int32_t Max = 0;
  for (const TTransRec* Rec : Master) Max = std::max(Max, Rec->TransNo);
  return Master.empty() ? 1 : Max + 1;
}

int TTransList::FirstSelected() const {
  for (int I = 0; I < Count(); ++I)
    if (Master[I]->InSelection && Master[I]->FindMatch) return I;
  return -1;
}

void TTransList::SetDateLimit(int Which, TDateTime Date) {
  if (Which == 1) DateFrom = Date;
  else if (Which == 2) DateTo = Date;
}

void TTransList::SetDateRange(int Mode) {
  if (Master.empty()) return;
  const bool Limits = Mode == 0 || Mode == 2, Select = Mode == 1 || Mode == 2;
  if (!Limits && !Select) return;
  // One walk for both: on a big book each walk is a cache miss per record.
  TDateTime First = Master[0]->Date, Last = Master[0]->Date;
  ForEachAhead(Master, [&](TTransRec& Rec) {
    First = std::min(First, Rec.Date);
    Last = std::max(Last, Rec.Date);
    if (Select) StoreIfChanged(Rec.InSelection, true);
  });
  if (Limits) {
    DateFrom = First;
    DateTo = Last;
  }
}

void TTransList::BeginFilter() {
  IncomeTotal = ExpenseTotal = 0;
  FilterNext = 0;
  ViewCache.clear();
}

void TTransList::FilterOne(TTransRec& Rec) {
  if (FilteredOut(Rec)) {
    StoreIfChanged(Rec.ViewIndex, -1);
    return;
  }
  StoreIfChanged(Rec.ViewIndex, FilterNext++);
  ViewCache.push_back(&Rec);
  if (!(Rec.Enabled || FindIncludesDisabled || IncludeDisabledInCalc)) return;
  switch (Rec.Kind) {
    case tkIncome:
    case tkTransferFrom: IncomeTotal += Rec.Amount; break;
    case tkExpense:
    case tkTransferTo: ExpenseTotal += Rec.Amount; break;
    case tkOpenBal:
      if (Rec.Amount >= 0) IncomeTotal += Rec.Amount;
      else ExpenseTotal -= Rec.Amount;
      break;
    default: break;
  }
}

void TTransList::EndFilter() { VisibleCount = FilterNext; }

void TTransList::ApplyFilter() {
  BeginFilter();
  ForEachAhead(Display, [this](TTransRec& Rec) { FilterOne(Rec); });
  EndFilter();
}

void TTransList::BeginBalances() {
  DisabledCount = 0;
  Running = 0;
  Prev = Master.empty() ? nullptr : Master.front();
}

void TTransList::BalanceOne(TTransRec& Rec) {
  if (Rec.ViewIndex != -1 && IsCounted(Rec)) {
    switch (Rec.Kind) {
      case tkIncome:
      case tkOpenBal:
      case tkTransferFrom: Running += Rec.Amount; break;
      case tkExpense:
      case tkTransferTo: Running -= Rec.Amount; break;
      default: break;
    }
    StoreIfChanged(Prev->EndOfDay, Rec.Date > Prev->Date);
    Prev = &Rec;
  }
  StoreIfChanged(Rec.Balance, Running);
  if (!Rec.Enabled) ++DisabledCount;
}

void TTransList::EndBalances() {
  if (Master.empty()) return;
  Master.front()->EndOfDay = true;
  Prev->EndOfDay = true;  // the last counted transaction (or the first, when none counted)
}

void TTransList::ComputeBalances() {
  BeginBalances();
  ForEachAhead(Master, [this](TTransRec& Rec) { BalanceOne(Rec); });
  EndBalances();
}

void TTransList::ToggleEnabled(int ViewIndex) {
  TTransRec* Rec = ViewItems(ViewIndex);
  if (!Rec) return;
  Rec->Enabled = !Rec->Enabled;
  DisabledCount += Rec->Enabled ? -1 : 1;
  // The list totals follow only when ApplyFilter would count the change: with disabled
  // transactions included (by option or by the transaction selection) nothing moves.
  if (IncludeDisabledInCalc || FindIncludesDisabled) return;
  Currency Delta = Rec->Enabled ? Rec->Amount : -Rec->Amount;
  if (Rec->Kind == tkIncome) IncomeTotal += Delta;
  else if (Rec->Kind == tkExpense) ExpenseTotal += Delta;
}

void TTransList::RemoveFromTotals(const TTransRec& Rec) {
  if (OnRemoveTotals) OnRemoveTotals(Rec.MainActNo, Rec.SubActNo, Rec.GroupNo, Rec.Kind, Rec.Amount);
}

void TTransList::AddToTotals(const TTransRec& Rec) {
  if (OnAddTotals) OnAddTotals(Rec.MainActNo, Rec.SubActNo, Rec.GroupNo, Rec.Kind, Rec.Amount);
}

void TTransList::SortBy(int Code) {
  if (Code >= 0 && Code <= 10) SortRecords(Display, Code);
  ApplyFilter();
}

void TTransList::SortMasterByDate() { SortRecords(Master, 1); }

void TTransList::SortBothByDate() {
  SortMasterByDate();
  Display = Master;
}

int TTransList::NextNormalIndex(int Start) const {
  for (int I = std::max(Start + 1, 0); I < Count(); ++I)
    if (Master[I]->IsNormal()) return I;
  return Start;
}

int TTransList::PrevNormalIndex(int Start) const {
  for (int I = std::min(Start - 1, Count() - 1); I >= 0; --I)
    if (Master[I]->IsNormal()) return I;
  return Start;
}

void TTransList::NormalIndexRange(int& First, int& Last) const {
  First = Last = -1;
  for (int I = 0; I < Count(); ++I) {
    if (!Master[I]->IsNormal()) continue;
    if (First < 0) First = I;
    Last = I;
  }
}

void TTransList::VisibleDateRange(TDateTime& First, TDateTime& Last) const {
  bool Any = false;
  for (const TTransRec* Rec : Master) {
    if (Rec->ViewIndex == -1) continue;
    if (!Any) First = Rec->Date;
    Last = Rec->Date;
    Any = true;
  }
  if (!Any) First = Last = Today();
}

bool TTransList::AnyVisibleNormal() const {
  return std::any_of(Master.begin(), Master.end(),
                     [](const TTransRec* Rec) { return Rec->ViewIndex != -1 && Rec->IsNormal(); });
}

void TTransList::Clear() {
  TBaseDBList::Clear();
  VisibleCount = 0;
  DisabledCount = 0;
  IncomeTotal = ExpenseTotal = 0;
}
