#pragma once
// An ordered list of 32-bit integers: dialogs keep the record number behind each row of a list box.
#include <cstdint>
#include <stdexcept>
#include <vector>

class TIntList {
 public:
  int Add(std::int32_t Value) {
    Values.push_back(Value);
    return static_cast<int>(Values.size()) - 1;
  }
  // Index may equal Count (appends).
  void Insert(int Index, std::int32_t Value);
  void Clear() { Values.clear(); }
  int Count() const { return static_cast<int>(Values.size()); }
  std::int32_t Get(int Index) const { return Values.at(Check(Index)); }
  void Put(int Index, std::int32_t Value) { Values.at(Check(Index)) = Value; }

 private:
  int Check(int Index) const {
    if (Index < 0 || Index >= Count()) throw std::out_of_range("List index out of bounds");
    return Index;
  }
  std::vector<std::int32_t> Values;
};
