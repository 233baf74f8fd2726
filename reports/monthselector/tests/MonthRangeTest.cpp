#include <gtest/gtest.h>

#include "MoneyFormat.h"
#include "MonthRange.h"

namespace {
// Months in the tests are written 1..12 as on a calendar.
TYearMonth YM(int Year, int Month) { return {Year, Month - 1}; }

struct View {
  int Year;
  bool Half;
};
View ViewOf(const TMonthRange& R) { return {R.ShownYear(), R.HalfShift()}; }
}  // namespace

TEST(MonthRange, OpeningView) {
  struct Case {
    const char* Name;
    TYearMonth First, Last;
    int Year;
    bool Half;
  } Cases[] = {
      {"one year, first half", YM(2001, 3), YM(2001, 5), 2001, false},
      {"over a year, last month in the first half", YM(1999, 11), YM(2001, 2), 2000, true},
      {"one year, last month in the second half", YM(2001, 1), YM(2001, 10), 2001, true},
      {"over a year, last month in the second half", YM(1999, 11), YM(2001, 10), 2001, false},
      {"December into January", YM(2000, 12), YM(2001, 1), 2000, true},
  };
  for (const Case& C : Cases) {
    TMonthRange R(C.First, C.Last);
    EXPECT_EQ(R.ShownYear(), C.Year) << C.Name;
    EXPECT_EQ(R.HalfShift(), C.Half) << C.Name;
    EXPECT_FALSE(R.HasStart()) << C.Name;
  }
}

TEST(MonthRange, OneSpringOnly) {
  TMonthRange R(YM(2001, 3), YM(2001, 5));
  EXPECT_EQ(R.Cell(0, 0), YM(2001, 1));
  EXPECT_EQ(R.Cell(1, 5), YM(2001, 12));
  EXPECT_FALSE(R.UpEnabled());
  EXPECT_FALSE(R.DownEnabled());
  R.Click(YM(2001, 2));  // no data: ignored
  EXPECT_FALSE(R.HasStart());
  R.Click(YM(2001, 4));
  EXPECT_TRUE(R.HasStart());
  R.Up();  // disabled: the view stays
  EXPECT_EQ(R.ShownYear(), 2001);
}

TEST(MonthRange, ArrowsMoveByHalfYears) {
  TMonthRange R(YM(2001, 1), YM(2001, 10));
  EXPECT_EQ(R.Cell(0, 0), YM(2001, 7));
  EXPECT_EQ(R.Cell(1, 0), YM(2002, 1));
  EXPECT_TRUE(R.UpEnabled());
  EXPECT_FALSE(R.DownEnabled());
  R.Up();
  EXPECT_EQ(ViewOf(R).Year, 2001);
  EXPECT_FALSE(ViewOf(R).Half);
  EXPECT_EQ(R.Cell(0, 0), YM(2001, 1));
  EXPECT_TRUE(R.DownEnabled());
  R.Down();
  EXPECT_TRUE(R.HalfShift());

  TMonthRange Long(YM(1999, 11), YM(2001, 2));  // Jul 2000 .. Jun 2001
  Long.Up();                                     // Jan .. Dec 2000
  EXPECT_EQ(Long.Cell(0, 0), YM(2000, 1));
  Long.Up();  // Jul 1999 .. Jun 2000
  EXPECT_EQ(ViewOf(Long).Year, 1999);
  EXPECT_TRUE(Long.HalfShift());
  EXPECT_FALSE(Long.UpEnabled());  // July 1999 holds nothing
  Long.Reset();
  EXPECT_EQ(Long.Cell(0, 0), YM(2000, 7));
}

TEST(MonthRange, ClicksBuildTheRange) {
  TMonthRange R(YM(2001, 1), YM(2001, 12));
  R.Click(YM(2001, 4));
  EXPECT_EQ(R.Start(), YM(2001, 4));
  EXPECT_EQ(R.End(), YM(2001, 4));
  R.Click(YM(2001, 2));  // before the start: new start
  EXPECT_EQ(R.Start(), YM(2001, 2));
  EXPECT_EQ(R.End(), YM(2001, 4));
  R.Click(YM(2001, 3));  // inside: shortens from the end
  EXPECT_EQ(R.Start(), YM(2001, 2));
  EXPECT_EQ(R.End(), YM(2001, 3));
  EXPECT_TRUE(R.Chosen(YM(2001, 3)));
  EXPECT_FALSE(R.Chosen(YM(2001, 4)));
  R.Click(YM(2001, 2));  // the start itself: nothing
  R.Click(YM(2001, 3));  // the end itself: nothing
  EXPECT_EQ(R.Start(), YM(2001, 2));
  EXPECT_EQ(R.End(), YM(2001, 3));
  R.Click(YM(2001, 9));
  EXPECT_EQ(R.End(), YM(2001, 9));
  R.Reset();
  EXPECT_FALSE(R.HasStart());
}

TEST(MonthRange, DatesOfTheRange) {
  struct Case {
    TYearMonth End;
    int Y, M, D;
  } Cases[] = {
      {YM(2000, 2), 2000, 2, 29}, {YM(2001, 2), 2001, 2, 28}, {YM(1900, 2), 1900, 2, 28},
      {YM(2001, 12), 2001, 12, 31}, {YM(2001, 4), 2001, 4, 30},
  };
  for (const Case& C : Cases) {
    TMonthRange R(YM(1900, 1), YM(2001, 12));
    R.Click(C.End);
    EXPECT_EQ(R.ToDate(), EncodeDate(C.Y, C.M, C.D)) << C.Y << "-" << C.M;
    EXPECT_EQ(R.FromDate(), EncodeDate(C.Y, C.M, 1));
  }
  TMonthRange R(YM(2000, 1), YM(2000, 6));
  R.Click(YM(2000, 2));
  R.Click(YM(2000, 1));
  EXPECT_EQ(R.FromDate(), EncodeDate(2000, 1, 1));
  EXPECT_EQ(R.ToDate(), EncodeDate(2000, 2, 29));
  EXPECT_EQ(MonthOfDate(EncodeDate(2000, 2, 29)), YM(2000, 2));
}
