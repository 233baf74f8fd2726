#include "MonthRange.h"

#include "MoneyFormat.h"

TYearMonth MonthOfDate(TDateTime Date) {
  int Y, M, D;
  DecodeDate(Date, Y, M, D);
  return {Y, M - 1};
}

TDateTime FirstDayOf(TYearMonth M) { return EncodeDate(M.Year, M.Month + 1, 1); }

TDateTime LastDayOf(TYearMonth M) {
  TYearMonth Next{M.Year + (M.Month == 11), (M.Month + 1) % 12};
  return FirstDayOf(Next) - 1;
}

TMonthRange::TMonthRange(TYearMonth First, TYearMonth Last) : FFirst(First.Serial()), FLast(Last.Serial()) {
  bool SecondHalf = Last.Month >= 6;
  bool SameYear = First.Year == Last.Year;
  if (SecondHalf || SameYear) {
    FInitialYear = Last.Year;
    FInitialHalf = SecondHalf && SameYear;
  } else {
    FInitialYear = Last.Year - 1;
    FInitialHalf = true;
  }
  Reset();
}

void TMonthRange::Reset() {
  FYear = FInitialYear;
  FHalf = FInitialHalf;
  FStart = FEnd = -1;
}

TYearMonth TMonthRange::Cell(int Row, int Col) const {
  int Serial = FYear * 12 + (FHalf ? 6 : 0) + Row * 6 + Col;
  return FromSerial(Serial);
}

bool TMonthRange::InData(TYearMonth M) const { return M.Serial() >= FFirst && M.Serial() <= FLast; }

bool TMonthRange::Chosen(TYearMonth M) const {
  return HasStart() && M.Serial() >= FStart && M.Serial() <= FEnd;
}

void TMonthRange::Up() {
  if (!UpEnabled()) return;
  if (FHalf) {
    FHalf = false;
  } else {
    --FYear;
    FHalf = true;
  }
}

void TMonthRange::Down() {
  if (!DownEnabled()) return;
  if (FHalf) {
    ++FYear;
    FHalf = false;
  } else {
    FHalf = true;
  }
}

void TMonthRange::Click(TYearMonth M) {
  int S = M.Serial();
  if (!InData(M) || S == FStart || S == FEnd) return;
  if (!HasStart()) {
    FStart = FEnd = S;
  } else if (S < FStart) {
    FStart = S;
  } else {
    FEnd = S;
  }
}
