#pragma once
// Cash books.
#include <cstdint>
#include <string>

#include "BaseDBList.h"
#include "DBExceptions.h"
#include "Messenger.h"
#include "Types.h"

struct TTransRec;

struct TBookRec : TDBRec {
  std::int32_t BookNo = 0;
  std::string Name;              // 100 characters kept in the file
  std::int32_t OpenBalNo = -1;   // TransNo of the opening-balance transaction
  TTransRec* OpenBal = nullptr;  // link, filled by ResolveLinks
  std::int32_t Colour = 0;       // Windows colour value
  std::int32_t Position = -1;    // master index (Renumber), or index among shown books (CountShown)
  bool Shown = true;
  Currency IncomeTotal = 0;      // RecalcBookTotals
  Currency ExpenseTotal = 0;

  Currency Balance() const { return IncomeTotal - ExpenseTotal; }
};

class TBookList : public TBaseDBList<TBookRec> {
 public:
  int VisibleCount = 0;

  TBookRec& FindByNo(std::int32_t BookNo) const;  // missing: EBookDBException
  TBookRec* FindPtr(std::int32_t BookNo) const;   // nullptr when none
  int IndexOfNo(std::int32_t BookNo) const;       // -1 when none
  std::int32_t NextBookNo() const;                // highest BookNo + 1, 0 when empty
  bool ValidateName(std::string& Name, TMessenger& Messenger) const;
  bool ValidateName(std::string& Name) const { return ValidateName(Name, AppMessenger()); }
  // Puts Rec at master Index without freeing what was there (reordering: the caller puts every
  // record back exactly once). The display order follows the master order afterwards.
  // Outside the list: EBookDBException "List index out of bounds".
  void Replace(int Index, TBookRec* Rec);
  void Renumber();        // Position = master index
  bool AllShown() const;
  void CountShown();      // Recount for books

  void SortBy(int Column) override;  // 0 BookNo; books have no other worksheet order
  void SortByID() override;
  void Recount() override { CountShown(); }
  void Clear() override;

 protected:
  [[noreturn]] void IndexError(int Index) const override;
};
