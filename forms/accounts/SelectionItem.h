#pragma once
// One row of the account list boxes, and how rows are sorted. No widgets here.
#include <cstdint>
#include <string>
#include <vector>

struct TSelectionItem {
  void* Record = nullptr;        // the account, sub account, group or category; not owned
  bool Ticked = false;           // always set for account list box rows
  std::string Name;
  std::int32_t Number = 0;       // for a sub account its main account's number
  std::int32_t SecondNumber = 0; // 0 plain; > 0 a sub account's own number; -c a letter in front

  // "300", "300-4", or "G7" for a second number of -71.
  std::string NumberText() const;
};

enum class TSortColumn { Number, Name };

// By number (and the second number when the first row has one other than 0), or by the name
// compared in lower case (ASCII letters); ascending or descending.
void SortSelectionItems(std::vector<TSelectionItem>& Items, TSortColumn Column, bool Ascending);
