#pragma once
// Main accounts.
#include <cstdint>
#include <string>

#include "BaseDBList.h"
#include "DBExceptions.h"
#include "Types.h"

struct TMainActRec : TDBRec {
  std::int32_t ActNo = 0;      // unique among main accounts; what everything else refers to
  std::string Name;            // string[40] in the file
  std::int32_t CatID = 0;      // TCatRec::CatID the account reports under
  std::uint8_t Kind = 0;       // 1 income, 2 expense
  Currency Total = 0;          // computed (RecalcAccountTotals)
  bool InSelection = true;
  bool SelPending = false;     // working state of the account selection dialog
  std::int32_t ViewIndex = -1;

  std::string NumberText() const;
  // Side 0: FormatMoney(Total) for an income account, side 1 for an expense account; else empty.
  std::string AmountText(int Side) const;
};

class TMainActList : public TBaseDBList<TMainActRec> {
 public:
  int VisibleCount = 0;
  Currency IncomeTotal = 0;   // sums over visible records by kind (Recount)
  Currency ExpenseTotal = 0;
  bool ShowZero = false;

  int IndexOfNo(std::int32_t ActNo) const;          // -1 when none
  std::string NameOf(std::int32_t ActNo) const;     // empty when none
  TMainActRec* FindByNo(std::int32_t ActNo) const;  // nullptr when none
  // Change the account's Total and the list total of its kind; a missing number raises
  // EMainActDBException.
  void AddAmount(std::int32_t ActNo, Currency Amount);
  void SubtractAmount(std::int32_t ActNo, Currency Amount);
  // Lowest multiple of 100 (from 100) that no account uses: the default for a new account.
  std::int32_t NextActNo() const;

  // 0 ActNo, 1 Name (byte-wise), 2 Total then ActNo.
  void SortBy(int Column) override;
  void SortByID() override;
  void Recount() override;
  void Clear() override;

  // Worksheet printout texts by view index, columns 0..4: number, name, income, expense, share.
  std::string RowText(int ViewIndex, int Column) const;

 protected:
  [[noreturn]] void IndexError(int Index) const override;
};
