// Orders of the transaction list. Each record gets a flat key first, so that sorting a
// million transactions compares contiguous keys instead of chasing links.
#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

#include "Prefetch.h"
#include "TransList.h"

namespace {
struct TKey {
  double D;
  std::int64_t K1, K2;
  std::string_view S;
  std::int64_t K3, K4;
  TTransRec* Rec;
};

bool KeyLess(const TKey& A, const TKey& B) {
  if (A.D != B.D) return A.D < B.D;
  if (A.K1 != B.K1) return A.K1 < B.K1;
  if (A.K2 != B.K2) return A.K2 < B.K2;
  if (int C = A.S.compare(B.S); C != 0) return C < 0;  // byte-wise
  if (A.K3 != B.K3) return A.K3 < B.K3;
  return A.K4 < B.K4;
}

// Opening balances, then income and expense, then transfers.
int ClassOf(const TTransRec& R) {
  if (R.Kind == tkOpenBal) return 0;
  if (R.Kind == tkTransferFrom || R.Kind == tkTransferTo) return 2;
  return 1;
}

std::int64_t PositionOf(const TTransRec& R) { return R.Book ? R.Book->Position : -1; }

TKey MakeKey(TTransRec* R, int Code) {
  TKey K{0, 0, 0, {}, 0, 0, R};
  const bool OB = R->Kind == tkOpenBal;
  const std::int64_t Letter = static_cast<unsigned char>(R->SplitLetter);
  switch (Code) {
    case 0:
      K.K1 = OB ? 0 : 1;
      K.K2 = OB ? PositionOf(*R) : R->TransNo;
      K.K3 = OB ? 0 : Letter;
      break;
    case 1:
      K.D = std::isnan(R->Date) ? -std::numeric_limits<double>::infinity() : R->Date;
      K.K1 = PositionOf(*R);
      K.K2 = OB ? 0 : 1;
      K.K3 = R->TransNo;
      K.K4 = Letter;
      break;
    case 2:
      K.K1 = ClassOf(*R);
      if (OB) {
        K.K2 = PositionOf(*R);
      } else {
        K.S = R->Reference;
        K.K3 = R->TransNo;
      }
      break;
    case 9:
      K.K1 = OB ? 0 : 1;
      K.K2 = OB ? PositionOf(*R) : R->Amount;
      K.K3 = OB ? 0 : R->TransNo;
      break;
    case 10:
      K.K1 = Letter;
      break;
    default: {  // 3..8
      int Class = ClassOf(*R);
      K.K1 = Class;
      if (Class == 0) {
        K.K2 = PositionOf(*R);
      } else if (Class == 2) {
        K.K2 = R->Kind;
        K.K3 = PositionOf(*R);
        K.K4 = R->TransNo;
      } else {
        K.K3 = R->TransNo;
        switch (Code) {
          case 3: K.K2 = R->MainActNo; break;
          case 4: if (R->MainAct) K.S = R->MainAct->Name; break;
          case 5: K.K2 = R->SubActNo; break;
          case 6: if (R->SubAct) K.S = R->SubAct->Name; break;
          case 7: K.K2 = R->GroupNo; break;
          case 8: if (R->Group) K.S = R->Group->Name; break;
        }
      }
    }
  }
  return K;
}
}  // namespace

namespace {
// Code 1 is the order the program uses most (the master order and the default view): its keys
// pack into a date and one integer.
struct TDateKey {
  double D;
  std::uint64_t K;  // book position + 1 (16 bits), not an opening balance (1), TransNo (32), letter (8)
  TTransRec* Rec;
};

TDateKey MakeDateKey(TTransRec* R) {
  std::int64_t Pos = std::clamp<std::int64_t>(PositionOf(*R) + 1, 0, 0xFFFF);
  std::uint64_t No = static_cast<std::uint64_t>(static_cast<std::int64_t>(R->TransNo) + 0x80000000LL);
  std::uint64_t K = (static_cast<std::uint64_t>(Pos) << 41) | (std::uint64_t(R->Kind == tkOpenBal ? 0 : 1) << 40) |
                    (No << 8) | static_cast<unsigned char>(R->SplitLetter);
  return {std::isnan(R->Date) ? -std::numeric_limits<double>::infinity() : R->Date, K, R};
}

bool DateKeyLess(const TDateKey& A, const TDateKey& B) { return A.D != B.D ? A.D < B.D : A.K < B.K; }

template <class TKeyT, class TMake, class TLess>
void SortByKeys(std::vector<TTransRec*>& Recs, TMake Make, TLess Less) {
  const std::size_t N = Recs.size();
  // Re-sorting a sorted order is common (every book is stored in date order): found out walking
  // the records once, without making the keys of all of them.
  bool Sorted = true;
  if (N > 0) {
    TKeyT Prev = Make(Recs[0]);
    for (std::size_t I = 1; I < N && Sorted; ++I) {
      if (I + PrefetchDistance < N) PrefetchRecord(Recs[I + PrefetchDistance]);
      TKeyT Next = Make(Recs[I]);
      Sorted = !Less(Next, Prev);
      Prev = Next;
    }
  }
  if (Sorted) return;
  std::vector<TKeyT> Keys;
  Keys.reserve(Recs.size());
  ForEachAhead(Recs, [&](TTransRec& R) { Keys.push_back(Make(&R)); });
  std::sort(Keys.begin(), Keys.end(), Less);
  for (std::size_t I = 0; I < N; ++I) Recs[I] = Keys[I].Rec;
}
}  // namespace

void TTransList::SortRecords(std::vector<TTransRec*>& Recs, int Code) {
  if (Code == 1) {
    SortByKeys<TDateKey>(Recs, MakeDateKey, DateKeyLess);
  } else {
    SortByKeys<TKey>(Recs, [Code](TTransRec* R) { return MakeKey(R, Code); }, KeyLess);
  }
}
