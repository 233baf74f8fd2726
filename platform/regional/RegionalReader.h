#pragma once
// Reads the regional settings once from the process locale (LC_MONETARY, LC_NUMERIC, LC_TIME of
// the environment) and maps them to the Windows currency format codes the money format uses.
#include <string>

#include "RegionalSettings.h"

// What the C library says about a locale, before mapping (kept apart so the mapping can be
// tested without installed locales). Sign and position values follow struct lconv; CHAR_MAX
// (127) means "not given".
struct TLocaleConventions {
  std::string CurrencySymbol;
  std::string MonDecimalPoint;
  std::string MonThousandsSep;
  std::string DecimalPoint;  // LC_NUMERIC, used when the monetary one is empty
  int PCsPrecedes = 127;
  int PSepBySpace = 127;
  int NCsPrecedes = 127;
  int NSepBySpace = 127;
  int NSignPosn = 127;
  std::string DateFormat;  // strftime picture of the short date (D_FMT)
  std::string ShortMonthNames[12], LongMonthNames[12], ShortDayNames[7], LongDayNames[7];
};

// The settings of the locale the environment selects; the defaults of TRegionalSettings where the
// locale gives nothing (the "C" locale).
TRegionalSettings ReadRegionalSettings();
// The same for a named locale ("de_DE.UTF-8"); the defaults when it is not installed.
TRegionalSettings RegionalSettingsFor(const std::string& LocaleName);

TRegionalSettings MapLocaleConventions(const TLocaleConventions& C);
int PositiveCurrencyCode(bool SymbolFirst, bool Space);
int NegativeCurrencyCode(bool SymbolFirst, bool Space, int SignPosition);
// "%d.%m.%Y" -> "dd.MM.yyyy"; empty when the picture holds no date.
std::string ShortDateFromStrftime(const std::string& Picture);
