#pragma once
// The rules of the transaction and books forms that need no window: split letters, the checks
// of a part in their order, stepping between transactions, where to go after a delete, the
// default book colours and what stands in the way of deleting a book.
#include <cstdint>
#include <string>
#include <vector>

#include "BookLists.h"

// ---------------------------------------------------------------- splits

// Letter of part Index (from 0) of a transaction of Count parts: '0' for a single part, else
// 'A', 'B', ...
char SplitLetterFor(int Index, int Count);
constexpr int MaxSplitParts = 10;  // 'A'..'J'

// ---------------------------------------------------------------- validation

enum TPartCheck { pcOk, pcMainAccount, pcSubAccount, pcBook, pcDate, pcAmount };

// Checks a part in the order the form shows its messages: accounts, its book (the Book link),
// its date (as a whole day) against that book's opening balance, its amount.
TPartCheck CheckPart(const TTransRec& Part, const TBookLists& L);
// The warning for a failed check; OpenBalDate is the chosen book's opening balance date.
std::string PartCheckMessage(TPartCheck Check, TDateTime OpenBalDate);
// Date of a book's opening balance; 0 when it has none.
TDateTime OpenBalDateOf(const TBookLists& L, int BookNo);

// ---------------------------------------------------------------- stepping

// The next (Forward) or previous income or expense record, in master order, whose transaction
// number differs from the one at Start, so every other part of a split transaction, opening
// balances and transfers are passed over. Start itself when there is none that way; a Start
// beyond the end is first limited to the last record.
int StepTransaction(const TTransList& L, int Start, bool Forward);
// Whether such a record exists that way.
bool HasOtherTransaction(const TTransList& L, int Start, bool Forward);

// The master index of the transaction to show after the one at Current is deleted, taken
// before deleting: the nearest earlier different income or expense transaction; else, at
// position 0, the first one; else the record just before the next later different one; else
// the last. -1 when nothing is left to show.
int PositionAfterDelete(const TTransList& L, int Current);

// Master indexes of every part of the income or expense transaction numbered TransNo, in
// split letter order.
std::vector<int> PartsOf(const TTransList& L, std::int32_t TransNo);

// ---------------------------------------------------------------- totals

// The form keeps the account and group totals up to date while it works: a record counted in
// the totals (reconciled, or disabled ones included by option) adds to or leaves them.
void WithdrawTotals(TBookLists& L, const TTransRec& Rec);
void DepositTotals(TBookLists& L, const TTransRec& Rec);

// Worksheets by number, as the main window's tabs.
enum TWorksheet { wsTransactions = 0, wsMainActs = 1, wsSubActs = 2, wsGroups = 3, wsCategories = 4 };

// Worksheets whose row for one of the record's owners (main account, sub account, group,
// category) could become empty when the record's amount leaves it, as a bit mask of
// 1 << TWorksheet. Lists that show empty rows are not reported.
unsigned RowsThatMayEmpty(const TBookLists& L, const TTransRec& Rec);

// ---------------------------------------------------------------- kinds

// The message when only one kind of main account exists; Kind is the kind that is used.
std::string OnlyKindMessage(int Kind);
// Kind a new transaction must have when accounts of only one kind exist (income when none),
// 0 when both kinds exist and the user chooses.
int ForcedKind(const TMainActList& Mains);

// ---------------------------------------------------------------- books

// What the book dialog edits.
struct TBookDetails {
  std::string Name;
  TColor Colour = 0;
  TDateTime Date = 0;   // starting date: the opening balance's date
  Currency Balance = 0; // opening balance, may be negative
};

// Default colour of a new book when Count books already exist (0x00BBGGRR).
TColor DefaultBookColour(int Count);

enum TBookUse { buFree, buOpenBalOnly = buFree, buSplitAcrossBooks, buTransfer, buTransactions };
// What stands in the way of deleting a book, in the order the books form checks it.
TBookUse BookUse(const TBookLists& L, std::int32_t BookNo);
// Texts of the books form's delete refusals and questions.
std::string BookDeleteConfirmText(const std::string& Name);
std::string BookUseText(TBookUse Use, const std::string& Name);

// Deletes every record of the book from the transaction list (its opening balance included),
// from the end of the master order, then the book itself, in one change batch. Account totals
// are left alone; the caller recomputes.
void DeleteBookAndRecords(TBookLists& L, int BookIndex);
