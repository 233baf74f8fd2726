// Orders of the transaction list. Each record gets a flat key first, so that sorting a
// million transactions compares contiguous keys instead of chasing links.
#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

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

void TTransList::SortRecords(std::vector<TTransRec*>& Recs, int Code) {
  std::vector<TKey> Keys;
  Keys.reserve(Recs.size());
  for (TTransRec* R : Recs) Keys.push_back(MakeKey(R, Code));
  std::sort(Keys.begin(), Keys.end(), KeyLess);
  for (std::size_t I = 0; I < Keys.size(); ++I) Recs[I] = Keys[I].Rec;
}
