#include <gtest/gtest.h>

#include <cmath>

#include "DBExceptions.h"
#include "MoneyFormat.h"
#include "TestSupport.h"

namespace {
// What a user sees for 1,234.50 under each code, written out by hand ('$' as symbol).
const char* const PositiveShown[4] = {"$1,234.50", "1,234.50$", "$ 1,234.50", "1,234.50 $"};
const char* const NegativeShown[16] = {"($1,234.50)",  "-$1,234.50",  "$-1,234.50",  "$1,234.50-",
                                       "(1,234.50$)",  "-1,234.50$",  "1,234.50-$",  "1,234.50$-",
                                       "-1,234.50 $",  "-$ 1,234.50", "1,234.50 $-", "$ 1,234.50-",
                                       "$ -1,234.50",  "1,234.50- $", "($ 1,234.50)", "(1,234.50 $)"};

std::string Picture(std::string Shown) { return Shown.replace(Shown.find("1,234.50"), 8, "#,##0.00"); }
}  // namespace

TEST(MoneyFormat, AllPositiveAndNegativeCodes) {
  for (int P = 0; P < 4; ++P) {
    for (int N = 0; N < 16; ++N) {
      TRegionalSettings S;
      S.PositiveCurrencyFormat = P;
      S.NegativeCurrencyFormat = N;
      TRegionalScope Scope(S);
      SCOPED_TRACE("positive " + std::to_string(P) + " negative " + std::to_string(N));
      EXPECT_EQ(MoneyFormat, Picture(PositiveShown[P]) + ";" + Picture(NegativeShown[N]));
      EXPECT_EQ(FormatMoney(12345000), PositiveShown[P]);
      EXPECT_EQ(FormatMoney(-12345000), NegativeShown[N]);
      bool Trailing = N == 3 || N == 6 || N == 7 || N == 10 || N == 11 || N == 13;
      EXPECT_EQ(MinusLeads(), !Trailing);
    }
  }
}

TEST(MoneyFormat, RoundsHalfAwayFromZeroOnTheInteger) {
  TRegionalSettings S;
  S.NegativeCurrencyFormat = 1;
  TRegionalScope Scope(S);
  struct {
    Currency Amount;
    const char* Text;
  } Cases[] = {
      {0, "$0.00"},          {50, "$0.01"},           {49, "$0.00"},         {10050, "$1.01"},
      {-50, "-$0.01"},       {-10050, "-$1.01"},      {-49, "$0.00"},  // rounds to zero: no minus
      {9999950, "$1,000.00"}, {12345678, "$1,234.57"}, {-12345000, "-$1,234.50"},
      {INT64_MAX, "$922,337,203,685,477.58"},           {INT64_MIN, "-$922,337,203,685,477.58"},
  };
  for (auto& C : Cases) EXPECT_EQ(FormatMoney(C.Amount), C.Text) << C.Amount;
  // Sums stay exact: a thousand times 0.10 is 100.00.
  Currency Sum = 0;
  for (int I = 0; I < 1000; ++I) Sum += Money(0.10);
  EXPECT_EQ(FormatMoney(Sum), "$100.00");
}

TEST(MoneyFormat, SymbolLosesTheDecimalSeparatorAndSeparatorsFollowTheSettings) {
  TRegionalSettings S;
  S.CurrencySymbol = "kr.";
  S.PositiveCurrencyFormat = 3;
  S.NegativeCurrencyFormat = 8;
  S.DecimalSeparator = ".";
  S.ThousandSeparator = " ";
  TRegionalScope Scope(S);
  EXPECT_EQ(Regional().CurrencySymbol, "kr");
  EXPECT_EQ(FormatMoney(-12345678900), "-1 234 567.89 kr");

  TRegionalSettings E;  // euro style with a multi-byte symbol
  E.CurrencySymbol = "\u20AC";
  E.PositiveCurrencyFormat = 3;
  E.NegativeCurrencyFormat = 8;
  E.DecimalSeparator = ",";
  E.ThousandSeparator = ".";
  TRegionalScope Euro(E);
  EXPECT_EQ(FormatMoney(12345000), "1.234,50 \u20AC");
}

TEST(ParseMoneyText, Cases) {
  TRegionalScope Scope;
  struct {
    const char* Text;
    double Value;
  } Cases[] = {{"($1,234.50)", -1234.5}, {"abc", 0}, {"12-", -12}, {"", 0},        {"$ 1,000", 1000},
               {"(5", 5},                {"-0.25", -0.25},        {".5", 0.5},    {"1.005", 1.005}};
  for (auto& C : Cases) EXPECT_DOUBLE_EQ(ParseMoneyText(C.Text), C.Value) << C.Text;
  EXPECT_THROW(ParseMoneyText("1.2.3"), EConvertError);
  EXPECT_TRUE(IsNonNumericChar(U','));
  EXPECT_FALSE(IsNonNumericChar(U'.'));
  EXPECT_FALSE(IsNonNumericChar(U'7'));
}

TEST(ParseMoneyText, CommaDecimalSeparator) {
  TRegionalSettings S;
  S.DecimalSeparator = ",";
  S.ThousandSeparator = ".";
  TRegionalScope Scope(S);
  EXPECT_DOUBLE_EQ(ParseMoneyText("1.234,56"), 1234.56);
  EXPECT_TRUE(IsNonNumericChar(U'.'));
  EXPECT_THROW(ParseMoneyText("1,2,3"), EConvertError);
}

TEST(Percent, PatternsAndRounding) {
  TRegionalScope Scope;
  EXPECT_EQ(FormatPercent(12345.678, ppCategory), "12,345.68%");
  EXPECT_EQ(FormatPercent(12345.678, ppAccount), "12345.68%");
  EXPECT_EQ(FormatPercent(12345.678, ppGroup), "12345.68%");
  EXPECT_EQ(FormatPercent(1.005, ppGroup), "1.01%");  // decimal half, not the binary value
  EXPECT_EQ(FormatPercent(-2.5, ppAccount), "-2.50%");
  EXPECT_EQ(PercentText(Money(1), Money(3), ppAccount), "33.33%");
  EXPECT_EQ(PercentText(Money(1), 0, ppAccount), "0.00%");
  EXPECT_EQ(PercentText(Money(1), Money(-3), ppAccount), "0.00%");
  EXPECT_DOUBLE_EQ(RoundToDecimals(2, 2.675), 2.68);
  EXPECT_DOUBLE_EQ(RoundToDecimals(0, 2.5), 3.0);
  EXPECT_DOUBLE_EQ(RoundToDecimals(0, -2.5), -3.0);
  EXPECT_DOUBLE_EQ(RoundToDecimals(3, 0.0004), 0.0);
  EXPECT_DOUBLE_EQ(RoundToDecimals(1, 99.96), 100.0);
}

TEST(FormatDate, ShortDatePictures) {
  struct {
    const char* Picture;
    const char* Text;
  } Cases[] = {{"M/d/yyyy", "3/5/2024"},    {"dd/MM/yyyy", "05/03/2024"}, {"yyyy-MM-dd", "2024-03-05"},
               {"d.M.yy", "5.3.24"},         {"ddd dd MMM yyyy", "Tue 05 Mar 2024"},
               {"dddd, MMMM d", "Tuesday, March 5"}, {"'Day' d", "Day 5"}};
  for (auto& C : Cases) {
    TRegionalSettings S;
    S.ShortDateFormat = C.Picture;
    TRegionalScope Scope(S);
    EXPECT_EQ(FormatDate(EncodeDate(2024, 3, 5)), C.Text) << C.Picture;
  }
}

TEST(FormatDate, SerialNumbers) {
  TRegionalSettings S;
  S.ShortDateFormat = "yyyy-MM-dd";
  TRegionalScope Scope(S);
  EXPECT_EQ(FormatDate(0), "1899-12-30");
  EXPECT_EQ(FormatDate(2), "1900-01-01");
  EXPECT_EQ(FormatDate(36526.75), "2000-01-01");  // time of day ignored
  EXPECT_EQ(FormatDate(-1), "1899-12-29");
  EXPECT_DOUBLE_EQ(EncodeDate(2000, 2, 29) + 1, EncodeDate(2000, 3, 1));
  int Y, M, D;
  DecodeDate(EncodeDate(1999, 12, 31), Y, M, D);
  EXPECT_EQ(Y * 10000 + M * 100 + D, 19991231);
}
