#pragma once
// The one money display format of the program, dates, typed money and percent texts.
#include <string>
#include <string_view>

#include "RegionalSettings.h"
#include "Types.h"

// Builds MoneyFormat and the process currency symbol from the regional settings; called once at
// start-up (and by tests with their own settings). Until it is called the defaults of
// TRegionalSettings are in force.
void InitMoneyFormat(const TRegionalSettings& Settings);

// The settings in force (currency symbol already stripped of the decimal separator).
const TRegionalSettings& Regional();

// The format string, e.g. "$#,##0.00;-$#,##0.00": positive section ';' negative section.
extern std::string MoneyFormat;

// Amount / 10000 rounded half away from zero to 2 decimals, in MoneyFormat. Works on the integer,
// so 0.005 and 1.005 round alike. A value that rounds to zero uses the positive section.
std::string FormatMoney(Currency Amount);

// The date in the short date format.
std::string FormatDate(TDateTime Date);

// Value of a money text typed by the user: negative when it holds "-" or both "(" and ")";
// every non-numeric character is dropped; empty counts as 0. Raises EConvertError when what is
// left is not a number (two decimal separators).
double ParseMoneyText(std::string_view Text);

// True unless Ch is a digit or the decimal separator.
bool IsNonNumericChar(char32_t Ch);

// False when the negative currency format puts the minus after the number (3, 6, 7, 10, 11, 13).
bool MinusLeads();

// Value rounded to Decimals places through its decimal text (half away from zero).
double RoundToDecimals(int Decimals, double Value);

// Nearest Currency of a floating-point amount (in units, not scaled).
Currency CurrencyFromDouble(double Value);

// The three percent patterns of the list columns; '%' is a literal character.
enum TPercentPattern { ppCategory, ppAccount, ppGroup };  // "#,##0.00%", "#0.00%", "0.00%"
std::string FormatPercent(double Percent, TPercentPattern Pattern);
// Part / Whole * 100 in the pattern; the zero text when Whole is not positive.
std::string PercentText(Currency Part, Currency Whole, TPercentPattern Pattern);

// Value formatted with Decimals places, optionally grouped by thousands, using the regional
// separators; rounds half away from zero on the value's 15 significant decimal digits.
std::string FormatFloatFixed(double Value, int Decimals, bool Thousands);

// Calendar helpers on TDateTime (whole days).
TDateTime EncodeDate(int Year, int Month, int Day);
void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day);
TDateTime Today();
