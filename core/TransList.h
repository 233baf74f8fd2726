#pragma once
// Transactions: the list with its date limits, visibility filter, running balances and orders.
#include <cstdint>
#include <functional>
#include <string>

#include "BaseDBList.h"
#include "BookList.h"
#include "DBExceptions.h"
#include "GroupList.h"
#include "MainActList.h"
#include "SubActList.h"
#include "Types.h"

// Transaction kinds.
enum : std::uint8_t { tkIncome = 1, tkExpense = 2, tkOpenBal = 3, tkTransferFrom = 4, tkTransferTo = 5 };

// The fields a recomputation walks over (RecalcAll, the date sort) fill exactly the first cache
// line of a record, and records start on a line, so that a walk over a million of them in date
// order loads one line per transaction. StreamPos (as in every record) therefore comes last.
struct alignas(64) TTransRec {
  TDateTime Date = 0;
  Currency Amount = 0;           // positive; kind 3 may be negative
  Currency Balance = 0;          // computed running balance
  TBookRec* Book = nullptr;
  TSubActRec* SubAct = nullptr;     // kinds 1, 2
  TGroupRec* Group = nullptr;       // kinds 1, 2
  std::int32_t ViewIndex = -1;   // row among the visible transactions in display order, -1 hidden
  std::int32_t TransNo = 0;      // split parts share one number
  std::uint8_t Kind = 0;         // tk* above
  bool InSelection = false;
  bool FindMatch = true;
  bool EndOfDay = true;
  bool Enabled = true;           // reconciled
  char SplitLetter = '0';        // '0' unsplit, else the part's letter
  std::int16_t GroupNo = 0;      // kinds 1, 2: the group; 4, 5: BookNo of the other book
  // Second line.
  std::int16_t BookNo = 0;
  std::int32_t MainActNo = 0;    // kinds 1, 2: main account; 4, 5: TransNo of the other half; 3: 0
  std::int32_t SubActNo = 0;     // kinds 1, 2: the sub account within MainActNo
  TMainActRec* MainAct = nullptr;   // kinds 1, 2
  TBookRec* OtherBook = nullptr;    // kinds 4, 5: the book numbered GroupNo
  std::string Reference;         // string[20]
  std::string Details;           // at most 255 characters kept in the file
  std::int64_t StreamPos = 0;    // slot of the record in the "Transactions" stream

  // Copies every field, links included, except StreamPos.
  void Assign(const TTransRec& Other);
  bool IsNormal() const { return Kind == tkIncome || Kind == tkExpense; }

  // Worksheet column texts 0..11 (needs the links for names); see TransList.cpp.
  std::string ColumnText(int Column) const;
  std::string BookName() const;       // the book's name
  std::string SubNumberText() const;  // "MainActNo-SubActNo"
};

// Global selection and option flags (one of each per program).
extern bool DateRangeActive;
extern bool AccountSelActive;
extern bool GroupSelActive;
extern bool TransSelActive;
extern bool UseOpenBalInSel;
extern bool IncludeDisabledInCalc;
extern bool NewTransDisabled;
extern bool BalanceEndDay;
bool AnySelectionActive();

// Counted in balances and totals: reconciled, or disabled ones are included by option.
inline bool IsCounted(const TTransRec& Rec) { return Rec.Enabled || IncludeDisabledInCalc; }

class TTransList : public TBaseDBList<TTransRec> {
 public:
  using TTotalsProc = std::function<void(std::int32_t MainActNo, std::int32_t SubActNo,
                                         std::int32_t GroupNo, int Kind, Currency Amount)>;

  int DisabledCount = 0;
  TTotalsProc OnRemoveTotals;
  TTotalsProc OnAddTotals;
  TDateTime DateFrom = 0;
  TDateTime DateTo = 0;
  int VisibleCount = 0;
  bool FindIncludesDisabled = false;
  Currency IncomeTotal = 0;
  Currency ExpenseTotal = 0;

  // Base Add, then widens DateFrom/DateTo to the record's date; returns the master index.
  int Add(std::unique_ptr<TTransRec> Rec);
  int Add(TTransRec* Rec);
  std::int32_t NextTransNo() const;  // 1 when empty, else highest + 1
  int FirstSelected() const;         // first with InSelection and FindMatch, -1 when none
  void SetDateLimit(int Which, TDateTime Date);  // 1 DateFrom, 2 DateTo
  // Mode 0 or 2: limits to the earliest and latest dates; mode 1 or 2: every InSelection true.
  void SetDateRange(int Mode);
  void ApplyFilter();
  void ComputeBalances();

  // The per-record steps of ApplyFilter (display order) and ComputeBalances (master order), for
  // recomputations that walk the list once for several purposes (RecalcAll). A Begin, one call
  // per record in the required order, then the End gives exactly what the whole pass gives.
  bool FilteredOut(const TTransRec& Rec) const {
    return Rec.Date < DateFrom || Rec.Date > DateTo || !Rec.InSelection || !Rec.FindMatch ||
           (DateRangeActive && Rec.Kind == tkOpenBal && !UseOpenBalInSel);
  }
  void BeginFilter();
  void FilterOne(TTransRec& Rec);
  void EndFilter();
  void BeginBalances();
  void BalanceOne(TTransRec& Rec);  // Rec.ViewIndex must already say whether it is visible
  void EndBalances();
  void ToggleEnabled(int ViewIndex);
  void RemoveFromTotals(const TTransRec& Rec);
  void AddToTotals(const TTransRec& Rec);
  // Sorts the display order by a code 0..10, then ApplyFilter.
  void SortBy(int Code) override;
  void SortMasterByDate();  // master order with code 1
  // Both orders by date (code 1) without recounting: the master order sorted, the display order
  // made the same (what SortBy(1) and SortMasterByDate give, for one walk over the records),
  // for a recomputation that follows anyway (loading a book).
  void SortBothByDate();
  void SortByID() override { SortMasterByDate(); }
  void Recount() override { ApplyFilter(); }
  int NextNormalIndex(int Start) const;
  int PrevNormalIndex(int Start) const;
  void NormalIndexRange(int& First, int& Last) const;
  void VisibleDateRange(TDateTime& First, TDateTime& Last) const;
  bool AnyVisibleNormal() const;
  void Clear() override;

 protected:
  [[noreturn]] void IndexError(int Index) const override;
  // A deleted record clears a book's OpenBal link that points at it.
  void Leave(TTransRec& Rec) override;

 private:
  void WidenLimits(TDateTime Date);
  int FilterNext = 0;
  Currency Running = 0;
  TTransRec* Prev = nullptr;
  void SortRecords(std::vector<TTransRec*>& Recs, int Code);
};
