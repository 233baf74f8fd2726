#include "TransferList.h"

#include "NumberIndex.h"
#include "Prefetch.h"

void TTransferList::Build(const TTransList& Trans) {
  Pairs.clear();
  const auto& Recs = Trans.MasterList();
  // Both halves in one walk over the records (a cache miss each on a big book).
  std::vector<TTransRec*> From, To;
  ForEachAhead(Recs, [&](TTransRec& R) {
    if (R.Kind == tkTransferFrom) From.push_back(&R);
    else if (R.Kind == tkTransferTo) To.push_back(&R);
  });
  // Transfer From halves by TransNo.
  TNumberIndex FromIndex;
  FromIndex.Build(static_cast<int>(From.size()), [&](int I) { return From[I]->TransNo; });
  Pairs.reserve(To.size());
  for (TTransRec* R : To) {
    int Slot = FromIndex.Find(R->MainActNo);
    Pairs.push_back({R, Slot < 0 ? nullptr : From[Slot]});
  }
}

const TTransferRec* TTransferList::Get(int Index) const {
  return Index >= 0 && Index < Count() ? &Pairs[Index] : nullptr;
}
