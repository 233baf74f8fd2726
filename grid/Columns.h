#pragma once
// The ordered columns of one worksheet; order is display order.
#include "ColProperty.h"

#include <cstdint>
#include <string>
#include <vector>

class TColumns {
 public:
  int Count() const { return int(items_.size()); }
  TColProperty& Add();  // appends a column with the values of a new column
  void Clear() { items_.clear(); }

  // Throws std::out_of_range for a position outside the collection.
  TColProperty& Items(int i) { return items_.at(std::size_t(i)); }
  const TColProperty& Items(int i) const { return items_.at(std::size_t(i)); }

  // The N-th visible column (from 0); the last column of the collection when there are fewer.
  // Throws std::out_of_range on an empty collection.
  TColProperty& VisibleItem(int n);
  const TColProperty& VisibleItem(int n) const;
  // Collection position of the N-th visible column, -1 when there is none.
  int VisiblePosition(int n) const;

  int VisibleCount() const;
  std::int32_t VisibleWidth() const;
  std::int32_t WidthBefore(int n) const;  // left edge of visible column N
  std::int32_t MaxWidthSum() const;

  void Swap(int a, int b);
  void SwapVisible(int a, int b);
  void MoveVisible(int from, int to);

  void SetTotalText(std::int32_t link, const std::string& text);
  TColor ColourOfLink(std::int32_t link) const;      // black when no column has the link
  TColor FontColourOfLink(std::int32_t link) const;  // white when no column has the link
  void WidthsToDefaults();                           // DefaultWidth := Width for every column

  bool operator==(const TColumns&) const = default;

 private:
  const TColProperty* FindLink(std::int32_t link) const;
  std::vector<TColProperty> items_;
};
