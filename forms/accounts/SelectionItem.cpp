#include "SelectionItem.h"

#include <algorithm>

#include "AccountRules.h"

std::string TSelectionItem::NumberText() const {
  if (SecondNumber == 0) return std::to_string(Number);
  if (SecondNumber > 0) return std::to_string(Number) + "-" + std::to_string(SecondNumber);
  return std::string(1, static_cast<char>(-SecondNumber)) + std::to_string(Number);
}

void SortSelectionItems(std::vector<TSelectionItem>& Items, TSortColumn Column, bool Ascending) {
  if (Items.empty()) return;
  if (Column == TSortColumn::Number) {
    const bool BySecond = Items.front().SecondNumber != 0;
    std::stable_sort(Items.begin(), Items.end(), [&](const TSelectionItem& A, const TSelectionItem& B) {
      const TSelectionItem& X = Ascending ? A : B;
      const TSelectionItem& Y = Ascending ? B : A;
      if (X.Number != Y.Number) return X.Number < Y.Number;
      return BySecond && X.SecondNumber < Y.SecondNumber;
    });
  } else {
    std::vector<std::pair<std::string, std::size_t>> Keys;
    Keys.reserve(Items.size());
    for (std::size_t I = 0; I < Items.size(); ++I) Keys.emplace_back(LowerAscii(Items[I].Name), I);
    std::stable_sort(Keys.begin(), Keys.end(), [&](const auto& A, const auto& B) {
      return Ascending ? A.first < B.first : B.first < A.first;
    });
    std::vector<TSelectionItem> Sorted;
    Sorted.reserve(Items.size());
    for (const auto& K : Keys) Sorted.push_back(std::move(Items[K.second]));
    Items = std::move(Sorted);
  }
}
