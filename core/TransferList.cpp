#include "TransferList.h"

#include "NumberIndex.h"

void TTransferList::Build(const TTransList& Trans) {
  Pairs.clear();
  const auto& Recs = Trans.MasterList();
  // Transfer From halves by TransNo.
  std::vector<TTransRec*> From;
  for (TTransRec* R : Recs)
    if (R->Kind == tkTransferFrom) From.push_back(R);
  TNumberIndex FromIndex;
  FromIndex.Build(static_cast<int>(From.size()), [&](int I) { return From[I]->TransNo; });
  for (TTransRec* R : Recs) {
    if (R->Kind != tkTransferTo) continue;
    int Slot = FromIndex.Find(R->MainActNo);
    Pairs.push_back({R, Slot < 0 ? nullptr : From[Slot]});
  }
}

const TTransferRec* TTransferList::Get(int Index) const {
  return Index >= 0 && Index < Count() ? &Pairs[Index] : nullptr;
}
