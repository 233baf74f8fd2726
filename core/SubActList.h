#pragma once
// Sub accounts: each belongs to one main account and is identified by (MainActNo, ActNo).
#include <cstdint>
#include <string>

#include "BaseDBList.h"
#include "DBExceptions.h"
#include "MainActList.h"
#include "Types.h"

struct TSubActRec : TDBRec {
  std::int32_t ActNo = 0;       // unique within its main account
  std::string Name;             // string[40]
  std::uint8_t Kind = 0;        // as its main account
  std::int32_t MainActNo = 0;
  TMainActRec* MainAct = nullptr;  // link, filled by ResolveLinks
  Currency Total = 0;
  bool InSelection = true;
  bool SelPending = false;
  std::int32_t ViewIndex = -1;
  std::string Address;   // string[50]
  std::string Suburb;    // string[35]
  std::string PostCode;  // string[6]
  std::string State;     // string[3]
  std::string Contact;   // string[40]
  std::string Phone;     // string[18]
  std::string Fax;       // string[18]
  std::string Mobile;    // string[18]
  std::string Notes;     // at most 255 characters kept in the file

  std::string NumberText() const;  // "300-4"
  std::string AmountText(int Side) const;
};

class TSubActList : public TBaseDBList<TSubActRec> {
 public:
  int VisibleCount = 0;
  Currency IncomeTotal = 0;
  Currency ExpenseTotal = 0;
  bool ShowZero = false;
  TMainActList* MainList = nullptr;  // set once at start-up

  int IndexOfNo(std::int32_t MainActNo, std::int32_t ActNo) const;  // -1 when none
  TSubActRec* FindByNo(std::int32_t MainActNo, std::int32_t ActNo) const;  // nullptr when none
  // A missing sub account raises ESubActDBException.
  void AddAmount(std::int32_t MainActNo, std::int32_t ActNo, Currency Amount);
  void SubtractAmount(std::int32_t MainActNo, std::int32_t ActNo, Currency Amount);
  // Lowest number from 1 not used by a sub account of that main account.
  std::int32_t NextSubNo(std::int32_t MainActNo) const;

  // 0 main account name then name, 1 MainActNo then ActNo, 2 Name, 3 Total then ActNo.
  void SortBy(int Column) override;
  void SortByID() override;
  void Recount() override;
  void Clear() override;

  // Columns 0..5: main account name, number, name, income, expense, share.
  std::string RowText(int ViewIndex, int Column) const;

 protected:
  [[noreturn]] void IndexError(int Index) const override;

 private:
  const std::string& MainName(const TSubActRec& Rec) const;
};
