#include <gtest/gtest.h>

#include "MoneyFormat.h"
#include "RegionalReader.h"

namespace {
struct TScope {
  ~TScope() { InitMoneyFormat(TRegionalSettings{}); }
};

TLocaleConventions Conventions(const char* Symbol, const char* Dec, const char* Thou, int PFirst, int PSpace,
                               int NFirst, int NSpace, int NSign, const char* DateFmt) {
  TLocaleConventions C;
  C.CurrencySymbol = Symbol;
  C.MonDecimalPoint = Dec;
  C.MonThousandsSep = Thou;
  C.DecimalPoint = Dec;
  C.PCsPrecedes = PFirst;
  C.PSepBySpace = PSpace;
  C.NCsPrecedes = NFirst;
  C.NSepBySpace = NSpace;
  C.NSignPosn = NSign;
  C.DateFormat = DateFmt;
  return C;
}
}  // namespace

// Each lconv placement of symbol, space and sign ends in the Windows code that shows the same.
TEST(RegionalReader, NegativePlacementsShowAsTheLocaleDoes) {
  TScope Scope;
  struct {
    bool First, Space;
    int Sign;
    const char* Shown;
  } Cases[] = {
      {true, false, 0, "($1,234.50)"},  {true, false, 1, "-$1,234.50"},  {true, false, 2, "$1,234.50-"},
      {true, false, 3, "-$1,234.50"},   {true, false, 4, "$-1,234.50"},  {false, false, 0, "(1,234.50$)"},
      {false, false, 1, "-1,234.50$"},  {false, false, 2, "1,234.50$-"}, {false, false, 3, "1,234.50-$"},
      {false, false, 4, "1,234.50$-"},  {true, true, 0, "($ 1,234.50)"}, {true, true, 1, "-$ 1,234.50"},
      {true, true, 2, "$ 1,234.50-"},   {true, true, 3, "-$ 1,234.50"},  {true, true, 4, "$ -1,234.50"},
      {false, true, 0, "(1,234.50 $)"}, {false, true, 1, "-1,234.50 $"}, {false, true, 2, "1,234.50 $-"},
      {false, true, 3, "1,234.50- $"},  {false, true, 4, "1,234.50 $-"}, {true, false, 127, "-$1,234.50"},
  };
  for (auto& C : Cases) {
    TRegionalSettings S;
    S.NegativeCurrencyFormat = NegativeCurrencyCode(C.First, C.Space, C.Sign);
    InitMoneyFormat(S);
    EXPECT_EQ(FormatMoney(-12345000), C.Shown) << C.First << C.Space << C.Sign;
  }
  EXPECT_EQ(PositiveCurrencyCode(true, false), 0);
  EXPECT_EQ(PositiveCurrencyCode(false, false), 1);
  EXPECT_EQ(PositiveCurrencyCode(true, true), 2);
  EXPECT_EQ(PositiveCurrencyCode(false, true), 3);
}

TEST(RegionalReader, TypicalLocales) {
  TScope Scope;
  struct {
    TLocaleConventions C;
    const char* Positive;
    const char* Negative;
    const char* Date;
  } Cases[] = {
      {Conventions("$", ".", ",", 1, 0, 1, 0, 1, "%m/%d/%Y"), "$1,234.50", "-$1,234.50", "03/05/2024"},
      {Conventions("\u20AC", ",", ".", 0, 1, 0, 1, 1, "%d.%m.%Y"), "1.234,50 \u20AC", "-1.234,50 \u20AC",
       "05.03.2024"},
      {Conventions("CHF", ".", "'", 1, 1, 1, 1, 4, "%d.%m.%Y"), "CHF 1'234.50", "CHF -1'234.50", "05.03.2024"},
      {Conventions("\u00A3", ".", ",", 1, 0, 1, 0, 1, "%d/%m/%y"), "\u00A31,234.50", "-\u00A31,234.50", "05/03/24"},
      // A symbol holding the decimal separator loses it; no grouping separator groups nothing.
      {Conventions("kr.", ",", "", 0, 1, 0, 1, 1, "%Y-%m-%d"), "1234,50 kr.", "-1234,50 kr.", "2024-03-05"},
      {Conventions("kr.", ".", "", 0, 1, 0, 1, 1, "%e %b %Y"), "1234.50 kr", "-1234.50 kr", "5 Mar 2024"},
  };
  for (auto& C : Cases) {
    InitMoneyFormat(MapLocaleConventions(C.C));
    EXPECT_EQ(FormatMoney(12345000), C.Positive);
    EXPECT_EQ(FormatMoney(-12345000), C.Negative);
    EXPECT_EQ(FormatDate(EncodeDate(2024, 3, 5)), C.Date);
  }
}

TEST(RegionalReader, StrftimePictures) {
  struct {
    const char* In;
    const char* Out;
  } Cases[] = {{"%m/%d/%Y", "MM/dd/yyyy"}, {"%F", "yyyy-MM-dd"},     {"%-d/%-m/%Y", "d/M/yyyy"},
               {"%A %d %B %Y", "dddd dd MMMM yyyy"}, {"day %d", "'d'a'y' dd"}, {"%H:%M", ""},
               {"%Ey", "yy"}};
  for (auto& C : Cases) EXPECT_EQ(ShortDateFromStrftime(C.In), C.Out) << C.In;
  TScope Scope;
  TRegionalSettings S;
  S.ShortDateFormat = ShortDateFromStrftime("day %d");
  InitMoneyFormat(S);
  EXPECT_EQ(FormatDate(EncodeDate(2024, 3, 5)), "day 05");
}

TEST(RegionalReader, UnconfiguredOrMissingLocalesKeepTheDefaults) {
  TRegionalSettings Defaults;
  for (const char* Name : {"C", "POSIX", "xx_NOWHERE.UTF-8"}) {
    TRegionalSettings S = RegionalSettingsFor(Name);
    EXPECT_EQ(S.CurrencySymbol, Defaults.CurrencySymbol) << Name;
    EXPECT_EQ(S.DecimalSeparator, Defaults.DecimalSeparator) << Name;
    EXPECT_EQ(S.ShortDateFormat, Defaults.ShortDateFormat) << Name;
    EXPECT_EQ(S.NegativeCurrencyFormat, Defaults.NegativeCurrencyFormat) << Name;
  }
  // Reading the environment's locale always gives usable settings.
  TRegionalSettings Env = ReadRegionalSettings();
  EXPECT_FALSE(Env.DecimalSeparator.empty());
  EXPECT_GE(Env.NegativeCurrencyFormat, 0);
  EXPECT_LE(Env.NegativeCurrencyFormat, 15);
}
