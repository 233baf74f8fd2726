#pragma once
// Groups: a second, free classification of transactions ("G" + number).
#include <cstdint>
#include <string>

#include "BaseDBList.h"
#include "DBExceptions.h"
#include "Messenger.h"
#include "Types.h"

struct TGroupRec : TDBRec {
  std::int32_t GroupNo = 0;
  std::string Name;          // 40 characters kept in the file
  Currency IncomeTotal = 0;  // computed
  Currency ExpenseTotal = 0;
  std::string Note;          // 255 characters kept in the file; carried through, not edited
  bool InSelection = true;
  bool SelPending = false;
  std::int32_t ViewIndex = -1;

  std::string NumberText() const;          // "G7"
  std::string AmountText(int Side) const;  // 0 income, 1 expense, 2 income - expense
};

class TGroupList : public TBaseDBList<TGroupRec> {
 public:
  int VisibleCount = 0;
  Currency IncomeTotal = 0;
  Currency ExpenseTotal = 0;
  bool ShowZero = false;

  // Creates, adds (notifying) and returns a group numbered NextGroupNo; sorts the master order.
  TGroupRec& NewGroup(const std::string& Name);
  // Sorts the master order by number; the lowest number from 0 that is not in use.
  std::int32_t NextGroupNo();
  // Trims Name in place. Empty or already used by a group (any letter case, the group being
  // renamed included): warning through the messenger, false.
  bool ValidateName(std::string& Name, TMessenger& Messenger) const;
  bool ValidateName(std::string& Name) const { return ValidateName(Name, AppMessenger()); }
  bool IsSelected(std::int32_t GroupNo) const;  // false when none
  TGroupRec& FindByNo(std::int32_t GroupNo) const;  // missing: EGroupDBException
  TGroupRec* FindPtr(std::int32_t GroupNo) const;   // nullptr when none
  int IndexOfNo(std::int32_t GroupNo) const;        // -1 when none
  // Kind 1 income, any other kind expense; nothing when the number is missing.
  // SubtractAmount withdraws from group 0 like from any other group.
  void AddAmount(std::int32_t GroupNo, int Kind, Currency Amount);
  void SubtractAmount(std::int32_t GroupNo, int Kind, Currency Amount);

  // 0 GroupNo, 1 Name, 2 IncomeTotal, 3 ExpenseTotal, 4 IncomeTotal - ExpenseTotal.
  void SortBy(int Column) override;
  void SortByID() override;
  void Recount() override;
  void Clear() override;

  // Columns 0..6: number, name, income, expense, net, income share, expense share.
  std::string RowText(int ViewIndex, int Column) const;

 protected:
  [[noreturn]] void IndexError(int Index) const override;
};
