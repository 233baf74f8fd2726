#pragma once
// What the month selector shows and which range a choice of months gives, apart from its window.
#include "Types.h"

// A month as a year and a month index 0 (January) to 11 (December).
struct TYearMonth {
  int Year = 0;
  int Month = 0;
  int Serial() const { return Year * 12 + Month; }
  bool operator==(const TYearMonth&) const = default;
};

TYearMonth MonthOfDate(TDateTime Date);
TDateTime FirstDayOf(TYearMonth M);
TDateTime LastDayOf(TYearMonth M);  // Gregorian lengths, 29 February in leap years

class TMonthRange {
 public:
  static constexpr int Rows = 2;
  static constexpr int Cols = 6;

  // First and last months holding transactions (First not after Last).
  TMonthRange(TYearMonth First, TYearMonth Last);

  int ShownYear() const { return FYear; }
  bool HalfShift() const { return FHalf; }  // on: July..December of Y, then January..June of Y + 1
  TYearMonth Cell(int Row, int Col) const;

  bool InData(TYearMonth M) const;
  bool HasStart() const { return FStart >= 0; }
  bool Chosen(TYearMonth M) const;
  TYearMonth Start() const { return FromSerial(FStart); }
  TYearMonth End() const { return FromSerial(FEnd); }

  // The arrows move the view by half a year; each is enabled while the cell it would move past
  // (top-left for up, first of the bottom row for down) holds data.
  bool UpEnabled() const { return InData(Cell(0, 0)); }
  bool DownEnabled() const { return InData(Cell(1, 0)); }
  void Up();
  void Down();

  // A click on a month with data: the first sets start and end; later ones move the start earlier
  // or set the end (so a click inside the range shortens it from the end). Clicks on months
  // without data or on the start or end month change nothing.
  void Click(TYearMonth M);
  void Reset();  // the opening view, nothing chosen

  // First day of the start month and last day of the end month.
  TDateTime FromDate() const { return FirstDayOf(Start()); }
  TDateTime ToDate() const { return LastDayOf(End()); }

 private:
  static TYearMonth FromSerial(int Serial) { return {Serial / 12, Serial % 12}; }

  int FFirst, FLast;  // month serials of the data
  int FYear = 0;
  bool FHalf = false;
  int FInitialYear = 0;
  bool FInitialHalf = false;
  int FStart = -1, FEnd = -1;
};
