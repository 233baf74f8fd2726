#include "RegionalReader.h"

#include <clocale>
#include <langinfo.h>
#include <locale.h>

namespace {
bool Given(int V) { return V >= 0 && V != 127; }

// A literal run in a Windows date picture: letters the picture would read go in quotes.
void AppendLiteral(std::string& Out, char C) {
  if (C == 'd' || C == 'M' || C == 'y' || C == 'g' || C == '\'') {
    Out += '\'';
    Out += C;
    Out += '\'';
  } else {
    Out += C;
  }
}
}  // namespace

int PositiveCurrencyCode(bool SymbolFirst, bool Space) {
  if (SymbolFirst) return Space ? 2 : 0;
  return Space ? 3 : 1;
}

int NegativeCurrencyCode(bool SymbolFirst, bool Space, int SignPosition) {
  if (!Given(SignPosition) || SignPosition > 4) SignPosition = 1;
  // Rows: sign position 0 (brackets), 1 (before all), 2 (after all), 3 (just before the
  // symbol), 4 (just after the symbol).
  static const int SymbolFirstTight[5] = {0, 1, 3, 1, 2};     // ($1) -$1 $1- -$1 $-1
  static const int SymbolLastTight[5] = {4, 5, 7, 6, 7};      // (1$) -1$ 1$- 1-$ 1$-
  static const int SymbolFirstSpaced[5] = {14, 9, 11, 9, 12}; // ($ 1) -$ 1 $ 1- -$ 1 $ -1
  static const int SymbolLastSpaced[5] = {15, 8, 10, 13, 10}; // (1 $) -1 $ 1 $- 1- $ 1 $-
  if (SymbolFirst) return (Space ? SymbolFirstSpaced : SymbolFirstTight)[SignPosition];
  return (Space ? SymbolLastSpaced : SymbolLastTight)[SignPosition];
}

std::string ShortDateFromStrftime(const std::string& Picture) {
  std::string Out;
  bool AnyField = false;
  for (std::size_t I = 0; I < Picture.size(); ++I) {
    char C = Picture[I];
    if (C != '%' || I + 1 >= Picture.size()) {
      AppendLiteral(Out, C);
      continue;
    }
    char F = Picture[++I];
    bool NoPad = false;
    if ((F == '-' || F == '_' || F == '0' || F == '^' || F == '#') && I + 1 < Picture.size()) {
      NoPad = F == '-';
      F = Picture[++I];
    }
    if (F == 'E' || F == 'O') {  // alternative representations: use the plain field
      if (I + 1 >= Picture.size()) break;
      F = Picture[++I];
    }
    bool DateField = true;
    switch (F) {
      case 'd': Out += NoPad ? "d" : "dd"; break;
      case 'e': Out += "d"; break;
      case 'm': Out += NoPad ? "M" : "MM"; break;
      case 'y': Out += "yy"; break;
      case 'Y': Out += "yyyy"; break;
      case 'b':
      case 'h': Out += "MMM"; break;
      case 'B': Out += "MMMM"; break;
      case 'a': Out += "ddd"; break;
      case 'A': Out += "dddd"; break;
      case 'F': Out += "yyyy-MM-dd"; break;
      case 'D': Out += "MM/dd/yy"; break;
      case '%': AppendLiteral(Out, '%'); DateField = false; break;
      case 'n':
      case 't': Out += ' '; DateField = false; break;
      default: DateField = false; break;  // time fields and the like are dropped
    }
    AnyField = AnyField || DateField;
  }
  return AnyField ? Out : std::string();
}

TRegionalSettings MapLocaleConventions(const TLocaleConventions& C) {
  TRegionalSettings S;
  // The "C" locale (nothing configured) says nothing about money and has a two-digit year:
  // keep the program's defaults altogether.
  if (C.CurrencySymbol.empty() && !Given(C.PCsPrecedes)) return S;
  if (!C.CurrencySymbol.empty()) S.CurrencySymbol = C.CurrencySymbol;
  if (!C.MonDecimalPoint.empty()) S.DecimalSeparator = C.MonDecimalPoint;
  else if (!C.DecimalPoint.empty()) S.DecimalSeparator = C.DecimalPoint;
  // A locale with currency rules but no grouping separator groups nothing.
  if (Given(C.PCsPrecedes)) S.ThousandSeparator = C.MonThousandsSep;
  else if (!C.MonThousandsSep.empty()) S.ThousandSeparator = C.MonThousandsSep;
  if (S.ThousandSeparator == S.DecimalSeparator) S.ThousandSeparator.clear();
  if (Given(C.PCsPrecedes))
    S.PositiveCurrencyFormat = PositiveCurrencyCode(C.PCsPrecedes != 0, Given(C.PSepBySpace) && C.PSepBySpace != 0);
  if (Given(C.NCsPrecedes))
    S.NegativeCurrencyFormat =
        NegativeCurrencyCode(C.NCsPrecedes != 0, Given(C.NSepBySpace) && C.NSepBySpace != 0, C.NSignPosn);
  std::string Date = ShortDateFromStrftime(C.DateFormat);
  if (!Date.empty()) S.ShortDateFormat = Date;
  for (int I = 0; I < 12; ++I) {
    if (!C.ShortMonthNames[I].empty()) S.ShortMonthNames[I] = C.ShortMonthNames[I];
    if (!C.LongMonthNames[I].empty()) S.LongMonthNames[I] = C.LongMonthNames[I];
  }
  for (int I = 0; I < 7; ++I) {
    if (!C.ShortDayNames[I].empty()) S.ShortDayNames[I] = C.ShortDayNames[I];
    if (!C.LongDayNames[I].empty()) S.LongDayNames[I] = C.LongDayNames[I];
  }
  return S;
}

TRegionalSettings RegionalSettingsFor(const std::string& LocaleName) {
  locale_t Loc = newlocale(LC_ALL_MASK, LocaleName.c_str(), static_cast<locale_t>(0));
  if (Loc == static_cast<locale_t>(0)) {
    // One category set wrongly must not lose the others: take each that opens.
    Loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    for (int Mask : {LC_MONETARY_MASK, LC_NUMERIC_MASK, LC_TIME_MASK}) {
      locale_t Next = newlocale(Mask, LocaleName.c_str(), Loc);
      if (Next != static_cast<locale_t>(0)) Loc = Next;
    }
  }
  if (Loc == static_cast<locale_t>(0)) return TRegionalSettings{};
  TLocaleConventions C;
  locale_t Old = uselocale(Loc);
  const lconv* L = localeconv();  // the thread's locale while uselocale is in force
  C.CurrencySymbol = L->currency_symbol ? L->currency_symbol : "";
  C.MonDecimalPoint = L->mon_decimal_point ? L->mon_decimal_point : "";
  C.MonThousandsSep = L->mon_thousands_sep ? L->mon_thousands_sep : "";
  C.DecimalPoint = L->decimal_point ? L->decimal_point : "";
  C.PCsPrecedes = static_cast<unsigned char>(L->p_cs_precedes);
  C.PSepBySpace = static_cast<unsigned char>(L->p_sep_by_space);
  C.NCsPrecedes = static_cast<unsigned char>(L->n_cs_precedes);
  C.NSepBySpace = static_cast<unsigned char>(L->n_sep_by_space);
  C.NSignPosn = static_cast<unsigned char>(L->n_sign_posn);
  uselocale(Old);
  C.DateFormat = nl_langinfo_l(D_FMT, Loc);
  for (int I = 0; I < 12; ++I) {
    C.ShortMonthNames[I] = nl_langinfo_l(ABMON_1 + I, Loc);
    C.LongMonthNames[I] = nl_langinfo_l(MON_1 + I, Loc);
  }
  for (int I = 0; I < 7; ++I) {
    C.ShortDayNames[I] = nl_langinfo_l(ABDAY_1 + I, Loc);
    C.LongDayNames[I] = nl_langinfo_l(DAY_1 + I, Loc);
  }
  freelocale(Loc);
  return MapLocaleConventions(C);
}

TRegionalSettings ReadRegionalSettings() { return RegionalSettingsFor(""); }
