#include "BookList.h"

#include <algorithm>

#include "FixedText.h"

void TBookList::IndexError(int Index) const {
  throw EBookDBException("List index out of bounds " + std::to_string(Index));
}

int TBookList::IndexOfNo(std::int32_t BookNo) const {
  for (int I = 0; I < Count(); ++I)
    if (Master[I]->BookNo == BookNo) return I;
  return -1;
}

TBookRec* TBookList::FindPtr(std::int32_t BookNo) const {
  int I = IndexOfNo(BookNo);
  return I < 0 ? nullptr : Master[I];
}

TBookRec& TBookList::FindByNo(std::int32_t BookNo) const { return Items(IndexOfNo(BookNo)); }

std::int32_t TBookList::NextBookNo() const {
  if (Master.empty()) return 0;
  std::int32_t Max = Master[0]->BookNo;
  for (const TBookRec* Rec : Master) Max = std::max(Max, Rec->BookNo);
  return Max + 1;
}

bool TBookList::ValidateName(std::string& Name, TMessenger& Messenger) const {
  Name = TrimText(Name);
  if (Name.empty()) {
    Messenger.ShowMessage(TMsgKind::Warning, "Book name ''' not valid!");
    return false;
  }
  for (const TBookRec* Rec : Master) {
    if (SameTextNoCase(Rec->Name, Name)) {
      Messenger.ShowMessage(TMsgKind::Warning, "Book name '" + Name + "' is already in use.");
      return false;
    }
  }
  return true;
}

void TBookList::Replace(int Index, TBookRec* Rec) {
  if (Index < 0 || Index >= Count()) throw EBookDBException("List index out of bounds");
  Master[Index] = Rec;
  Display = Master;
}

void TBookList::Renumber() {
  for (int I = 0; I < Count(); ++I) Master[I]->Position = I;
}

bool TBookList::AllShown() const {
  return std::all_of(Master.begin(), Master.end(), [](const TBookRec* Rec) { return Rec->Shown; });
}

void TBookList::CountShown() {
  VisibleCount = 0;
  for (TBookRec* Rec : Display) Rec->Position = Rec->Shown ? VisibleCount++ : -1;
}

void TBookList::SortBy(int Column) {
  if (Column == 0) SortDisplay([](const TBookRec& A, const TBookRec& B) { return A.BookNo < B.BookNo; });
  CountShown();
}

void TBookList::SortByID() {
  SortMaster([](const TBookRec& A, const TBookRec& B) { return A.BookNo < B.BookNo; });
}

void TBookList::Clear() {
  TBaseDBList::Clear();
  VisibleCount = 0;
}
