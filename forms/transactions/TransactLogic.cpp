#include "TransactLogic.h"

#include <algorithm>
#include <cmath>

#include "Helpers.h"
#include "MoneyFormat.h"

char SplitLetterFor(int Index, int Count) {
  if (Count <= 1) return '0';
  return static_cast<char>('A' + Index);
}

TDateTime OpenBalDateOf(const TBookLists& L, int BookNo) {
  const TBookRec* Book = L.Books.FindPtr(BookNo);
  if (!Book) return 0;
  if (Book->OpenBal) return Book->OpenBal->Date;
  for (const TTransRec* R : L.Trans.MasterList())
    if (R->Kind == tkOpenBal && R->BookNo == BookNo) return R->Date;
  return 0;
}

TPartCheck CheckPart(const TTransRec& Part, const TBookLists& L) {
  if (Part.MainActNo == 0 || L.MainActs.NameOf(Part.MainActNo).empty()) return pcMainAccount;
  const TSubActRec* Sub = L.SubActs.FindByNo(Part.MainActNo, Part.SubActNo);
  if (Part.SubActNo == 0 || !Sub || Sub->Name.empty()) return pcSubAccount;
  if (!Part.Book || L.Books.IndexOf(Part.Book) < 0) return pcBook;
  if (std::floor(Part.Date) < std::floor(OpenBalDateOf(L, Part.BookNo))) return pcDate;
  if (Part.Amount <= 0) return pcAmount;
  return pcOk;
}

std::string PartCheckMessage(TPartCheck Check, TDateTime OpenBalDate) {
  switch (Check) {
    case pcMainAccount: return "Main Account not valid!";
    case pcSubAccount: return "Sub Account not valid!";
    case pcBook: return "You must select a Book for this Transaction";
    case pcDate:
      return "The date you have entered is less than the Opening Balance date for the Book you have selected.  "
             "If you want this Transaction to be in this book you must enter a date greater than or equal to '" +
             FormatDate(OpenBalDate) + "'";
    case pcAmount: return "Amount not valid!";
    case pcOk: break;
  }
  return {};
}

int StepTransaction(const TTransList& L, int Start, bool Forward) {
  if (L.Count() == 0) return Start;
  if (Start >= L.Count()) Start = L.Count() - 1;
  if (Start < 0) Start = Forward ? -1 : L.Count();
  const std::int32_t From = (Start >= 0 && Start < L.Count()) ? L.Items(Start).TransNo : -1;
  const auto& Recs = L.MasterList();
  const int Step = Forward ? 1 : -1;
  for (int I = Start + Step; I >= 0 && I < L.Count(); I += Step)
    if (Recs[I]->IsNormal() && Recs[I]->TransNo != From) return I;
  return std::clamp(Start, -1, L.Count() - 1);
}

bool HasOtherTransaction(const TTransList& L, int Start, bool Forward) {
  if (L.Count() == 0) return false;
  int Limited = std::min(Start, L.Count() - 1);
  int To = StepTransaction(L, Limited, Forward);
  return To != Limited && To >= 0;
}

int PositionAfterDelete(const TTransList& L, int Current) {
  const auto& Recs = L.MasterList();
  if (Current < 0 || Current >= L.Count()) return -1;
  const std::int32_t No = Recs[Current]->TransNo;
  auto Different = [&](int I) { return Recs[I]->IsNormal() && Recs[I]->TransNo != No; };
  // Index of the chosen record after the deleted ones have left the list.
  auto AfterRemoval = [&](int I) {
    int Removed = 0;
    for (int J = 0; J < I; ++J)
      if (Recs[J]->IsNormal() && Recs[J]->TransNo == No) ++Removed;
    return I - Removed;
  };
  for (int I = Current - 1; I >= 0; --I)
    if (Different(I)) return AfterRemoval(I);
  for (int I = Current + 1; I < L.Count(); ++I)
    if (Different(I)) return AfterRemoval(I);
  return -1;
}

std::vector<int> PartsOf(const TTransList& L, std::int32_t TransNo) {
  std::vector<int> Parts;
  const auto& Recs = L.MasterList();
  for (int I = 0; I < L.Count(); ++I)
    if (Recs[I]->IsNormal() && Recs[I]->TransNo == TransNo) Parts.push_back(I);
  std::stable_sort(Parts.begin(), Parts.end(),
                   [&](int A, int B) { return Recs[A]->SplitLetter < Recs[B]->SplitLetter; });
  return Parts;
}

void WithdrawTotals(TBookLists& L, const TTransRec& Rec) {
  if (Rec.IsNormal() && IsCounted(Rec)) L.Trans.RemoveFromTotals(Rec);
}

void DepositTotals(TBookLists& L, const TTransRec& Rec) {
  if (Rec.IsNormal() && IsCounted(Rec)) L.Trans.AddToTotals(Rec);
}

unsigned RowsThatMayEmpty(const TBookLists& L, const TTransRec& Rec) {
  unsigned Mask = 0;
  if (!Rec.IsNormal()) return 0;
  const TMainActRec* Main = L.MainActs.FindByNo(Rec.MainActNo);
  if (!L.MainActs.ShowZero && Main && Main->Total - Rec.Amount <= 0) Mask |= 1u << wsMainActs;
  const TSubActRec* Sub = L.SubActs.FindByNo(Rec.MainActNo, Rec.SubActNo);
  if (!L.SubActs.ShowZero && Sub && Sub->Total - Rec.Amount <= 0) Mask |= 1u << wsSubActs;
  const TGroupRec* Group = L.Groups.FindPtr(Rec.GroupNo);
  if (!L.Groups.ShowZero && Group) {
    Currency Side = Rec.Kind == tkIncome ? Group->IncomeTotal : Group->ExpenseTotal;
    Currency Other = Rec.Kind == tkIncome ? Group->ExpenseTotal : Group->IncomeTotal;
    if (Side - Rec.Amount <= 0 && Other == 0) Mask |= 1u << wsGroups;
  }
  if (!L.Cats.ShowZero && Main) {
    const TCatRec* Cat = L.Cats.FindPtr(static_cast<std::int16_t>(Main->CatID));
    if (Cat && Cat->Total - Rec.Amount <= 0) Mask |= 1u << wsCategories;
  }
  return Mask;
}

std::string OnlyKindMessage(int Kind) {
  const std::string Word = Kind == tkExpense ? "Expense" : "Income";
  const std::string Other = Kind == tkExpense ? "Income" : "Expense";
  return "This Transaction can only be an " + Word + " Transaction because no " + Other +
         " Accounts exist.  To create some " + Other + " Accounts, " + "click the 'Accounts' button on the main form.";
}

int ForcedKind(const TMainActList& Mains) {
  bool Income = false, Expense = false;
  for (const TMainActRec* M : Mains.MasterList()) {
    Income |= M->Kind == tkIncome;
    Expense |= M->Kind == tkExpense;
  }
  if (Income && Expense) return 0;
  return Expense ? tkExpense : tkIncome;
}

TColor DefaultBookColour(int Count) {
  static const TColor Colours[10] = {
      RGBColour(0, 128, 0),   RGBColour(128, 0, 128), RGBColour(0, 128, 128), RGBColour(128, 0, 0),
      RGBColour(128, 128, 0), RGBColour(0, 0, 128),   RGBColour(0, 128, 192), RGBColour(255, 128, 0),
      RGBColour(128, 64, 64), RGBColour(231, 1, 133),
  };
  if (Count < 0) Count = 0;
  return Colours[Count % 10];
}

TBookUse BookUse(const TBookLists& L, std::int32_t BookNo) {
  const auto& Recs = L.Trans.MasterList();
  // Split transactions with parts in this book and parts in another.
  for (const TTransRec* R : Recs) {
    if (!R->IsNormal() || R->SplitLetter == '0' || R->BookNo != BookNo) continue;
    for (const TTransRec* P : Recs)
      if (P->IsNormal() && P->TransNo == R->TransNo && P->BookNo != BookNo) return buSplitAcrossBooks;
  }
  for (const TTransRec* R : Recs)
    if ((R->Kind == tkTransferFrom || R->Kind == tkTransferTo) && R->BookNo == BookNo) return buTransfer;
  for (const TTransRec* R : Recs)
    if (R->IsNormal() && R->BookNo == BookNo) return buTransactions;
  return buFree;
}

std::string BookDeleteConfirmText(const std::string& Name) {
  return "Are you sure you want to delete book '" + Name + "'?";
}

std::string BookUseText(TBookUse Use, const std::string& Name) {
  switch (Use) {
    case buSplitAcrossBooks:
      return "The Book '" + Name + "' is currently being used in one or more " +
             "split Transactions which are split between different Books.  You must remove or change all split " +
             "Transactions that involve other Books before you can delete this Book.";
    case buTransfer:
      return "The Book '" + Name + "' is currently being used in a " +
             "Transfer.  Before you can delete this book you must delete all Transfers " + "it is used in.";
    case buTransactions:
      return "The Book '" + Name + "' is currently in use by one or more " +
             "Transactions.  Deleting this Book will also delete these Transactions." + "\r\r" +
             "Are you sure you want to delete this Book?";
    case buFree: break;
  }
  return {};
}

void DeleteBookAndRecords(TBookLists& L, int BookIndex) {
  const std::int32_t BookNo = L.Books.Items(BookIndex).BookNo;
  TChangeBatch Batch(L.Batch);  // one drive check before, one sync after
  L.Trans.DeleteWhere([&](const TTransRec& R) { return R.BookNo == BookNo; });
  L.Books.Delete(BookIndex);
}
