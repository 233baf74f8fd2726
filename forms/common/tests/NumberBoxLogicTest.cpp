#include <gtest/gtest.h>

#include "MoneyFormat.h"
#include "NumPadLogic.h"
#include "NumberBoxLogic.h"

namespace {

// Regional settings for one test, the defaults back afterwards.
struct RegionalScope {
  explicit RegionalScope(const char* Decimal, const char* Thousand, int Negative = 1) {
    TRegionalSettings S;
    S.DecimalSeparator = Decimal;
    S.ThousandSeparator = Thousand;
    S.NegativeCurrencyFormat = Negative;
    InitMoneyFormat(S);
  }
  ~RegionalScope() { InitMoneyFormat(TRegionalSettings{}); }
};

// Types Keys one by one at the caret ('\b' backspace) into Start; returns the text.
QString Type(const QString& Keys, const TNumberKeyRules& Rules, const QString& Start = {}) {
  TBoxEdit E{Start, static_cast<int>(Start.size()), 0};
  for (QChar K : Keys) TypeKey(E, K, Rules);
  return E.Text;
}

TNumberKeyRules Rules(TBoxState State, bool AllowNegative = false, bool MinusLeads = true, QChar Sep = u'.') {
  TNumberKeyRules R;
  R.State = State;
  R.AllowNegative = AllowNegative;
  R.MinusLeads = MinusLeads;
  R.DecimalSep = Sep;
  R.MaxLength = DefaultMaxLength(State);
  return R;
}

}  // namespace

TEST(NumberBoxFilter, KeysTypedIntoABox) {
  struct Case {
    const char* Name;
    TNumberKeyRules Rules;
    QString Keys, Expected;
  } Cases[] = {
      {"second point dropped", Rules(bsCurrency), "12.5.6", "12.56"},
      {"letters dropped in a number box", Rules(bsNumber), "a1b2c", "12"},
      {"backspace works", Rules(bsNumber), "123\b\b4", "14"},
      {"no point in a number box", Rules(bsNumber), "1.5", "15"},
      {"minus ignored without AllowNegative", Rules(bsCurrency), "-1-2-", "12"},
      {"minus ignored in a number box without AllowNegative", Rules(bsNumber), "-7", "7"},
      {"trailing minus stays at the end", Rules(bsCurrency, true, false), "5-0", "50-"},
      {"trailing minus toggled off", Rules(bsCurrency, true, false), "5-0-", "50"},
      {"backspace before a trailing minus", Rules(bsCurrency, true, false), "12-\b", "1-"},
      {"leading minus", Rules(bsCurrency, true, true), "5-0", "-50"},
      {"leading minus typed first", Rules(bsCurrency, true, true), "-5", "-5"},
      {"leading minus toggled off", Rules(bsCurrency, true, true), "-5-", "5"},
      {"negative whole number", Rules(bsNumber, true, true), "4-2", "-42"},
      {"amount limit 12", Rules(bsCurrency), "1234567890123", "123456789012"},
      {"number limit 9", Rules(bsNumber), "1234567890", "123456789"},
      {"text box filters nothing", Rules(bsText), "Ab-1.x", "Ab-1.x"},
      // Regional separator ",": "." and "," both mean the decimal point, shown as ",".
      {"point typed, comma shown", Rules(bsCurrency, false, true, u','), "12.5", "12,5"},
      {"comma typed", Rules(bsCurrency, false, true, u','), "12,5", "12,5"},
      {"one separator, whichever key", Rules(bsCurrency, false, true, u','), "1.2,3.4", "1,234"},
      {"comma dropped where point is the separator", Rules(bsCurrency), "1,5", "15"},
  };
  for (const Case& C : Cases) EXPECT_EQ(Type(C.Keys, C.Rules), C.Expected) << C.Name;
}

TEST(NumberBoxFilter, EnterInsertsNothing) {
  TBoxEdit E{"12", 2, 0};
  EXPECT_EQ(TypeKey(E, u'\r', Rules(bsCurrency)), TKeyResult::Enter);
  EXPECT_EQ(TypeKey(E, u'\r', Rules(bsText)), TKeyResult::Enter);
  EXPECT_EQ(E.Text, "12");
}

TEST(NumberBoxFilter, TypingReplacesTheSelection) {
  // The whole text is selected on entering; its point does not stop a new one.
  TBoxEdit E{"12.5", 0, 4};
  EXPECT_EQ(TypeKey(E, u'.', Rules(bsCurrency)), TKeyResult::Changed);
  EXPECT_EQ(E.Text, ".");
  // A full box takes a key that replaces selected characters.
  TBoxEdit Full{"123456789", 8, 1};
  EXPECT_EQ(TypeKey(Full, u'0', Rules(bsNumber)), TKeyResult::Changed);
  EXPECT_EQ(Full.Text, "123456780");
  EXPECT_EQ(TypeKey(Full, u'1', Rules(bsNumber)), TKeyResult::Ignored);
}

TEST(NumberBoxFilter, PasteGoesThroughTheFilter) {
  TBoxEdit E;
  PasteText(E, "$1,234.50 x", Rules(bsCurrency));
  EXPECT_EQ(E.Text, "1234.50");
  TBoxEdit Comma;
  PasteText(Comma, "1.234,50", Rules(bsCurrency, false, true, u','));
  EXPECT_EQ(Comma.Text, "1234,50");
  TBoxEdit Long;
  PasteText(Long, "12345678901234567", Rules(bsNumber));
  EXPECT_EQ(Long.Text, "123456789");
}

TEST(NumberBoxEditingForm, BothMinusPositions) {
  struct Case {
    Currency Value;
    QString Leading, Trailing;
  } Cases[] = {
      {12345000, "1234.5", "1234.5"},
      {-125000, "-12.5", "12.5-"},
      {0, "0", "0"},
      {-50, "-0.005", "0.01-"},      // trailing form rounds to two decimals
      {-40, "-0.004", "0"},          // ... and a negative that rounds to nothing is plain 0
      {123456, "12.3456", "12.35"},
      {70000, "7", "7"},
  };
  for (const Case& C : Cases) {
    EXPECT_EQ(EditingForm(C.Value, true), C.Leading) << C.Value;
    EXPECT_EQ(EditingForm(C.Value, false), C.Trailing) << C.Value;
  }
  RegionalScope Comma(",", ".");
  EXPECT_EQ(EditingForm(-12345000, false), "1234,5-");
}

TEST(NumberBoxText, AmountsAndNumbers) {
  EXPECT_EQ(AmountFromText("$1,234.50"), 12345000);
  EXPECT_EQ(AmountFromText("($1,234.50)"), -12345000);
  EXPECT_EQ(AmountFromText("12.5-"), -125000);
  EXPECT_EQ(AmountFromText(""), 0);
  EXPECT_EQ(AmountFromText("0.00005"), 1);  // rounded to four decimals
  EXPECT_EQ(AmountFromText("1.2.3"), 0);    // not a number: 0, no exception
  {
    RegionalScope Comma(",", ".");
    EXPECT_EQ(AmountFromText("1.234,5"), 12345000);
    EXPECT_EQ(AmountFromText("12,5"), 125000);
  }
  EXPECT_EQ(IntFromText("42"), 42);
  EXPECT_EQ(IntFromText("-42"), -42);
  EXPECT_EQ(IntFromText("42-"), -42);
  EXPECT_EQ(IntFromText(""), 0);
  EXPECT_EQ(IntFromText("4a"), 0);
}

TEST(NumPadLogic, Limits) {
  struct Case {
    bool CurrencyPad;
    QString Keys, Expected;
  } Cases[] = {
      {true, "12.345", "12.34"},          // two decimals
      {true, "1.2.3", "1.23"},            // one point
      {true, "1234567890123", "123456789012"},
      {true, "12345678901.5", "12345678901."},  // the point counts toward the 12
      {false, "1234567890", "123456789"},
      {false, "1.5", "15"},               // no point on a whole-number pad
      {true, "123<<4", "14"},
      {true, "12C3", "3"},
      {true, "<", ""},
  };
  for (const Case& C : Cases) {
    QString Display;
    for (QChar K : C.Keys) NumPadKey(Display, K, C.CurrencyPad);
    EXPECT_EQ(Display, C.Expected) << C.Keys.toStdString();
  }
  EXPECT_EQ(NumPadAmount("12.5"), 125000);
  EXPECT_EQ(NumPadAmount("12."), 120000);
  EXPECT_EQ(NumPadAmount(".05"), 500);
  EXPECT_EQ(NumPadAmount("123456789012"), 123456789012LL * 10000);
}
