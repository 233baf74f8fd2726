#pragma once
// What the program hands over before an export: five flags, borrowed references to its lists and
// worksheet column sets, the tab on show and the book's base name. The exports only read through
// the references; they never change or free what they point at.
#include <cstdint>
#include <string>

class TTransList;
class TMainActList;
class TSubActList;
class TGroupList;
class TCatList;
class TGridInfo;

// Export choice: the lists to write, always in this order.
enum TExportSection : unsigned {
  esTransactions = 1,
  esMainAccounts = 2,
  esSubAccounts = 4,
  esGroups = 8,
  esCategories = 16,
  esAll = 31,
};

struct TQBInfo {
  bool SelectionActive = false;       // a date, account, group or search selection is in force
  bool IncludeDisabledInCalc = false;
  bool DateRangeActive = false;       // stored, not used by the exports
  bool UseOpenBalInSel = false;       // stored, not used by the exports
  bool SortedByDateAscending = false; // the transaction worksheet shows running balances
  const TTransList* Trans = nullptr;
  const TMainActList* MainActs = nullptr;
  const TSubActList* SubActs = nullptr;
  const TGroupList* Groups = nullptr;
  const TCatList* Cats = nullptr;
  const TGridInfo* TransGrid = nullptr;
  const TGridInfo* MainActGrid = nullptr;
  const TGridInfo* SubActGrid = nullptr;
  const TGridInfo* GroupGrid = nullptr;
  const TGridInfo* CatGrid = nullptr;
  std::int32_t CurrentTab = 0;        // stored, not used by the exports
  std::string BaseName;               // a copy of the program's text

  // True when every list and column set the exports read is there.
  bool Complete() const {
    return Trans && MainActs && SubActs && Groups && Cats && TransGrid && MainActGrid && SubActGrid && GroupGrid &&
           CatGrid;
  }
};

// Section bits from a comma-separated list of "transactions", "main", "sub", "groups",
// "categories" (any letter case, spaces around names allowed). False on an unknown or empty name.
bool ParseSectionList(const std::string& Text, unsigned& Choice);
