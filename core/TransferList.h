#pragma once
// Pairs of the two halves of each transfer between books.
#include <vector>

#include "TransList.h"

struct TTransferRec {
  TTransRec* ToTrans = nullptr;    // the kind-5 half (money leaving its book)
  TTransRec* FromTrans = nullptr;  // its kind-4 partner, nullptr when missing
};

class TTransferList {
 public:
  // Empties the pairs, then one pair per kind-5 transaction in master order; its partner is the
  // kind-4 transaction whose TransNo equals the kind-5's MainActNo.
  void Build(const TTransList& Trans);
  int Count() const { return static_cast<int>(Pairs.size()); }
  const TTransferRec* Get(int Index) const;  // nullptr outside 0..Count-1
  void Clear() { Pairs.clear(); }

 private:
  std::vector<TTransferRec> Pairs;
};
