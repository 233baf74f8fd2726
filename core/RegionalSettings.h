#pragma once
// The regional settings the program formats money and dates with: a plain value, read once at
// start-up (platform/regional reads it from the process locale) and injected here with
// InitMoneyFormat. Codes follow the Windows currency format codes.
#include <array>
#include <string>

struct TRegionalSettings {
  std::string CurrencySymbol = "$";
  int PositiveCurrencyFormat = 0;  // 0..3: $1, 1$, $ 1, 1 $
  int NegativeCurrencyFormat = 0;  // 0..15, see MoneyFormat.cpp
  std::string DecimalSeparator = ".";
  std::string ThousandSeparator = ",";
  // Windows picture: d dd ddd dddd, M MM MMM MMMM, yy yyyy; anything else is literal,
  // text in single quotes is literal too.
  std::string ShortDateFormat = "M/d/yyyy";
  std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::array<std::string, 12> LongMonthNames{"January", "February", "March",     "April",
                                             "May",     "June",     "July",      "August",
                                             "September", "October", "November", "December"};
  std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::array<std::string, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};
};
