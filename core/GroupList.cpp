#include "GroupList.h"

#include "FixedText.h"
#include "MoneyFormat.h"

std::string TGroupRec::NumberText() const { return "G" + std::to_string(GroupNo); }

std::string TGroupRec::AmountText(int Side) const {
  switch (Side) {
    case 0: return FormatMoney(IncomeTotal);
    case 1: return FormatMoney(ExpenseTotal);
    case 2: return FormatMoney(IncomeTotal - ExpenseTotal);
    default: return {};
  }
}

void TGroupList::IndexError(int) const { throw EGroupDBException("List index out of bounds"); }

TGroupRec& TGroupList::NewGroup(const std::string& Name) {
  auto Rec = std::make_unique<TGroupRec>();
  Rec->GroupNo = NextGroupNo();
  Rec->Name = Name;
  TGroupRec* Raw = Rec.get();
  Add(std::move(Rec));
  SortByID();
  return *Raw;
}

std::int32_t TGroupList::NextGroupNo() {
  SortByID();
  for (int I = 0; I < Count(); ++I)
    if (Master[I]->GroupNo != I) return I;
  return Count();
}

bool TGroupList::ValidateName(std::string& Name, TMessenger& Messenger) const {
  Name = TrimText(Name);
  if (Name.empty()) {
    Messenger.ShowMessage(TMsgKind::Warning, "Group name ''' not valid!");
    return false;
  }
  for (const TGroupRec* Rec : Master) {
    if (SameTextNoCase(Rec->Name, Name)) {
      Messenger.ShowMessage(TMsgKind::Warning, "Group name '" + Name + "' is already in use.");
      return false;
    }
  }
  return true;
}

int TGroupList::IndexOfNo(std::int32_t GroupNo) const {
  for (int I = 0; I < Count(); ++I)
    if (Master[I]->GroupNo == GroupNo) return I;
  return -1;
}

TGroupRec* TGroupList::FindPtr(std::int32_t GroupNo) const {
  int I = IndexOfNo(GroupNo);
  return I < 0 ? nullptr : Master[I];
}

TGroupRec& TGroupList::FindByNo(std::int32_t GroupNo) const { return Items(IndexOfNo(GroupNo)); }

bool TGroupList::IsSelected(std::int32_t GroupNo) const {
  const TGroupRec* Rec = FindPtr(GroupNo);
  return Rec && Rec->InSelection;
}

void TGroupList::AddAmount(std::int32_t GroupNo, int Kind, Currency Amount) {
  TGroupRec* Rec = FindPtr(GroupNo);
  if (!Rec) return;
  if (Kind == 1) {
    Rec->IncomeTotal += Amount;
    IncomeTotal += Amount;
  } else {
    Rec->ExpenseTotal += Amount;
    ExpenseTotal += Amount;
  }
}

// Group 0 is withdrawn from like any other group, so that an edit (old amount out, new amount in)
// leaves its totals right until the next full recomputation.
void TGroupList::SubtractAmount(std::int32_t GroupNo, int Kind, Currency Amount) {
  AddAmount(GroupNo, Kind, -Amount);
}

void TGroupList::SortBy(int Column) {
  switch (Column) {
    case 0: SortDisplay([](const TGroupRec& A, const TGroupRec& B) { return A.GroupNo < B.GroupNo; }); break;
    case 1: SortDisplay([](const TGroupRec& A, const TGroupRec& B) { return A.Name < B.Name; }); break;
    case 2: SortDisplay([](const TGroupRec& A, const TGroupRec& B) { return A.IncomeTotal < B.IncomeTotal; }); break;
    case 3: SortDisplay([](const TGroupRec& A, const TGroupRec& B) { return A.ExpenseTotal < B.ExpenseTotal; }); break;
    case 4:
      SortDisplay([](const TGroupRec& A, const TGroupRec& B) {
        return A.IncomeTotal - A.ExpenseTotal < B.IncomeTotal - B.ExpenseTotal;
      });
      break;
    default: break;
  }
  Recount();
}

void TGroupList::SortByID() {
  SortMaster([](const TGroupRec& A, const TGroupRec& B) { return A.GroupNo < B.GroupNo; });
}

void TGroupList::Recount() {
  VisibleCount = 0;
  IncomeTotal = ExpenseTotal = 0;
  ViewCache.clear();
  for (TGroupRec* Rec : Display) {
    if (Rec->InSelection && (ShowZero || Rec->IncomeTotal != 0 || Rec->ExpenseTotal != 0)) {
      Rec->ViewIndex = VisibleCount++;
      ViewCache.push_back(Rec);
      IncomeTotal += Rec->IncomeTotal;
      ExpenseTotal += Rec->ExpenseTotal;
    } else {
      Rec->ViewIndex = -1;
    }
  }
}

void TGroupList::Clear() {
  TBaseDBList::Clear();
  VisibleCount = 0;
  IncomeTotal = ExpenseTotal = 0;
  ShowZero = false;
}

std::string TGroupList::RowText(int ViewIndex, int Column) const {
  const TGroupRec* Rec = ViewItems(ViewIndex);
  if (!Rec) return {};
  switch (Column) {
    case 0: return Rec->NumberText();
    case 1: return Rec->Name;
    case 2: return Rec->AmountText(0);
    case 3: return Rec->AmountText(1);
    case 4: return Rec->AmountText(2);
    case 5: return PercentText(Rec->IncomeTotal > 0 ? Rec->IncomeTotal : 0, IncomeTotal, ppGroup);
    case 6: return PercentText(Rec->ExpenseTotal > 0 ? Rec->ExpenseTotal : 0, ExpenseTotal, ppGroup);
    default: return {};
  }
}
