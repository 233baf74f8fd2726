#pragma once
// Number -> slot lookup for the hot loops (ResolveLinks, recomputation). Record numbers are
// usually compact, so a dense table is used when the range allows; a hash map otherwise.
// The first record with a number wins, as in the lists' IndexOfNo.
#include <cstdint>
#include <unordered_map>
#include <vector>

class TNumberIndex {
 public:
  template <class TGetNo>
  void Build(int Count, TGetNo GetNo) {
    Dense.clear();
    Sparse.clear();
    if (Count == 0) return;
    Min = GetNo(0);
    std::int64_t Max = Min;
    for (int I = 1; I < Count; ++I) {
      std::int64_t No = GetNo(I);
      Min = No < Min ? No : Min;
      Max = No > Max ? No : Max;
    }
    // Account numbers step by 100, so allow a sparse table; beyond that a hash map.
    UseDense = Max - Min < 256 * static_cast<std::int64_t>(Count) + 65536;
    if (UseDense) {
      Dense.assign(static_cast<std::size_t>(Max - Min + 1), -1);
      for (int I = 0; I < Count; ++I) {
        int& Slot = Dense[static_cast<std::size_t>(GetNo(I) - Min)];
        if (Slot < 0) Slot = I;
      }
    } else {
      Sparse.reserve(Count);
      for (int I = 0; I < Count; ++I) Sparse.emplace(GetNo(I), I);
    }
  }
  // Slot of the number, -1 when none.
  int Find(std::int64_t No) const {
    if (UseDense) {
      std::uint64_t Off = static_cast<std::uint64_t>(No - Min);
      return Off < Dense.size() ? Dense[Off] : -1;
    }
    auto It = Sparse.find(No);
    return It == Sparse.end() ? -1 : It->second;
  }

 private:
  bool UseDense = true;
  std::int64_t Min = 0;
  std::vector<int> Dense;
  std::unordered_map<std::int64_t, int> Sparse;
};
