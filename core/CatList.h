#pragma once
// Accounting categories: where main accounts report in the Profit & Loss and Asset reports.
#include <cstdint>
#include <string>

#include "BaseDBList.h"
#include "DBExceptions.h"
#include "Types.h"

struct TCatRec : TDBRec {
  std::int16_t CatID = 0;
  std::int16_t ReportClass = 0;  // 1..6, see ReportClassCaption
  std::string Name;              // 40 characters kept in the file
  Currency Total = 0;            // computed: totals of the visible main accounts in it
  std::uint8_t Kind = 0;         // 1 income, 2 expense
  bool SelPending = false;
  std::int32_t ViewIndex = -1;
  bool IsDefault = false;        // built in; the editor refuses to delete it

  // 0 name, 1 income amount, 2 expense amount.
  std::string ColumnText(int Column) const;
  // Total / Whole * 100 ("#,##0.00%") when both are non-zero, else the zero text.
  std::string ShareText(Currency Whole) const;
};

// Caption of a report class for a kind ("Sales Income", "Cost of Sales", ...; "&&" as written),
// empty for a class not used by that kind.
std::string ReportClassCaption(int ReportClass, int Kind);

// The reports' order of categories: ReportClass, then Kind, then Name.
bool CompareForReport(const TCatRec& A, const TCatRec& B);

class TCatList : public TBaseDBList<TCatRec> {
 public:
  int VisibleCount = 0;
  Currency IncomeTotal = 0;
  Currency ExpenseTotal = 0;
  bool ShowZero = false;

  TCatRec& AddCategory(const std::string& Name, int Kind, int ReportClass, bool IsDefault);
  void AddDefaults();  // the eleven built-in categories, in their fixed order
  std::int16_t NextCatID() const;  // highest CatID + 1, 0 when empty
  TCatRec& FindByID(std::int16_t CatID) const;  // missing: ECatDBException
  TCatRec* FindPtr(std::int16_t CatID) const;   // nullptr when none
  int IndexOfID(std::int16_t CatID) const;      // -1 when none
  // Sum of Total over the class: income categories added, expense categories subtracted
  // (scaled units).
  double ClassTotal(int ReportClass) const;
  // Adds to the category's Total and to the list total of its kind; missing: ECatDBException.
  void AddAmount(std::int16_t CatID, Currency Amount);

  // 0 CatID, 1 Kind then Name, 2 Total then CatID.
  void SortBy(int Column) override;
  void SortByID() override;
  // SortMaster(CompareForReport) (used by the reports).
  void SortForReport();
  void Recount() override;
  void Clear() override;

 protected:
  [[noreturn]] void IndexError(int Index) const override;
};
