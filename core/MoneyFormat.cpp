#include "MoneyFormat.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "DBExceptions.h"
#include "FixedText.h"

std::string MoneyFormat;

namespace {
// The number part of every section; '\1' stands for the currency symbol, '\2' for the number.
const char* const PositiveSections[4] = {"\1\2", "\2\1", "\1 \2", "\2 \1"};
const char* const NegativeSections[16] = {
    "(\1\2)", "-\1\2", "\1-\2", "\1\2-", "(\2\1)", "-\2\1", "\2-\1", "\2\1-",
    "-\2 \1", "-\1 \2", "\2 \1-", "\1 \2-", "\1 -\2", "\2- \1", "(\1 \2)", "(\2 \1)"};
const char* const NumberPicture = "#,##0.00";

struct TSection {
  std::string Prefix, Suffix;
};

struct TState {
  TRegionalSettings Settings;
  TSection Positive, Negative;
  char32_t DecimalChar = '.';
};

TState& State() {
  static TState S;
  return S;
}

std::string Expand(const char* Picture, const std::string& Symbol, const std::string& Number) {
  std::string Out;
  for (const char* P = Picture; *P; ++P) {
    if (*P == '\1') Out += Symbol;
    else if (*P == '\2') Out += Number;
    else Out += *P;
  }
  return Out;
}

TSection Split(const char* Picture, const std::string& Symbol) {
  TSection S;
  const char* P = Picture;
  for (; *P && *P != '\2'; ++P) {
    if (*P == '\1') S.Prefix += Symbol; else S.Prefix += *P;
  }
  if (*P) ++P;
  for (; *P; ++P) {
    if (*P == '\1') S.Suffix += Symbol; else S.Suffix += *P;
  }
  return S;
}

// Digits of an unsigned integer grouped by thousands.
std::string GroupDigits(std::uint64_t Value, bool Thousands, const std::string& Sep) {
  std::string Digits = std::to_string(Value);
  if (!Thousands || Sep.empty() || Digits.size() <= 3) return Digits;
  std::string Out;
  std::size_t Lead = Digits.size() % 3;
  if (Lead == 0) Lead = 3;
  Out.append(Digits, 0, Lead);
  for (std::size_t I = Lead; I < Digits.size(); I += 3) {
    Out += Sep;
    Out.append(Digits, I, 3);
  }
  return Out;
}

// Fixed-point text of a double rounded half away from zero on its 15 significant digits.
std::string FixedText(double Value, int Decimals, bool Thousands, const std::string& DecSep,
                      const std::string& ThouSep) {
  if (std::isnan(Value)) return "NAN";
  if (std::isinf(Value)) return Value < 0 ? "-INF" : "INF";
  if (Decimals < 0) Decimals = 0;
  bool Negative = Value < 0;
  char Buf[40];
  std::snprintf(Buf, sizeof Buf, "%.14e", std::fabs(Value));
  // Buf: d.dddddddddddddde+XX
  std::string Digits;
  Digits += Buf[0];
  Digits.append(Buf + 2, 14);
  int Exponent = std::atoi(Buf + 17);
  int IntDigits = Exponent + 1;  // digits before the point (may be <= 0)
  int Keep = IntDigits + Decimals;
  std::string Kept;  // all digits of the rounded value, Decimals of them after the point
  if (Keep < 0) {
    Kept = "0";
  } else {
    if (static_cast<int>(Digits.size()) < Keep + 1) Digits.append(Keep + 1 - Digits.size(), '0');
    Kept = Digits.substr(0, Keep);
    if (Digits[Keep] >= '5') {
      int I = Keep - 1;
      for (; I >= 0; --I) {
        if (Kept[I] == '9') {
          Kept[I] = '0';
        } else {
          ++Kept[I];
          break;
        }
      }
      if (I < 0) Kept.insert(Kept.begin(), '1');
    }
  }
  // Pad so that there is at least one integer digit.
  if (static_cast<int>(Kept.size()) < Decimals + 1) Kept.insert(0, Decimals + 1 - Kept.size(), '0');
  std::string IntPart = Kept.substr(0, Kept.size() - Decimals);
  std::string FracPart = Kept.substr(Kept.size() - Decimals);
  std::size_t NonZero = IntPart.find_first_not_of('0');
  IntPart = NonZero == std::string::npos ? "0" : IntPart.substr(NonZero);
  bool IsZero = IntPart == "0" && FracPart.find_first_not_of('0') == std::string::npos;
  std::string Out;
  if (Negative && !IsZero) Out += '-';
  if (Thousands && !ThouSep.empty() && IntPart.size() > 3) {
    std::size_t Lead = IntPart.size() % 3;
    if (Lead == 0) Lead = 3;
    Out.append(IntPart, 0, Lead);
    for (std::size_t I = Lead; I < IntPart.size(); I += 3) {
      Out += ThouSep;
      Out.append(IntPart, I, 3);
    }
  } else {
    Out += IntPart;
  }
  if (Decimals > 0) Out += DecSep + FracPart;
  return Out;
}

// Days since 1 January 1970 of a civil date, and back (proleptic Gregorian calendar).
long long DaysFromCivil(long long Y, unsigned M, unsigned D) {
  Y -= M <= 2;
  const long long Era = (Y >= 0 ? Y : Y - 399) / 400;
  const unsigned Yoe = static_cast<unsigned>(Y - Era * 400);
  const unsigned Doy = (153 * (M + (M > 2 ? -3 : 9)) + 2) / 5 + D - 1;
  const unsigned Doe = Yoe * 365 + Yoe / 4 - Yoe / 100 + Doy;
  return Era * 146097 + static_cast<long long>(Doe) - 719468;
}

void CivilFromDays(long long Z, int& Year, int& Month, int& Day) {
  Z += 719468;
  const long long Era = (Z >= 0 ? Z : Z - 146096) / 146097;
  const unsigned Doe = static_cast<unsigned>(Z - Era * 146097);
  const unsigned Yoe = (Doe - Doe / 1460 + Doe / 36524 - Doe / 146096) / 365;
  const long long Y = static_cast<long long>(Yoe) + Era * 400;
  const unsigned Doy = Doe - (365 * Yoe + Yoe / 4 - Yoe / 100);
  const unsigned Mp = (5 * Doy + 2) / 153;
  Day = static_cast<int>(Doy - (153 * Mp + 2) / 5 + 1);
  Month = static_cast<int>(Mp < 10 ? Mp + 3 : Mp - 9);
  Year = static_cast<int>(Y + (Month <= 2));
}

constexpr long long UnixEpochSerial = 25569;  // 1 January 1970 as a TDateTime

std::string TwoDigits(int V) {
  char Buf[8];
  std::snprintf(Buf, sizeof Buf, "%02d", V);
  return Buf;
}
}  // namespace

void InitMoneyFormat(const TRegionalSettings& Settings) {
  TState& S = State();
  S.Settings = Settings;
  std::size_t Pos = 0;
  S.DecimalChar = Settings.DecimalSeparator.empty() ? U'.' : NextCodePoint(Settings.DecimalSeparator, Pos);
  // A symbol may not contain the decimal separator ("kr." with "." becomes "kr").
  std::string Symbol;
  for (std::size_t P = 0; P < Settings.CurrencySymbol.size();) {
    char32_t Ch = NextCodePoint(Settings.CurrencySymbol, P);
    if (Ch != S.DecimalChar) AppendCodePoint(Symbol, Ch);
  }
  S.Settings.CurrencySymbol = Symbol;
  int PosCode = Settings.PositiveCurrencyFormat;
  int NegCode = Settings.NegativeCurrencyFormat;
  if (PosCode < 0 || PosCode > 3) PosCode = 0;
  if (NegCode < 0 || NegCode > 15) NegCode = 0;
  S.Settings.PositiveCurrencyFormat = PosCode;
  S.Settings.NegativeCurrencyFormat = NegCode;
  S.Positive = Split(PositiveSections[PosCode], Symbol);
  S.Negative = Split(NegativeSections[NegCode], Symbol);
  MoneyFormat = Expand(PositiveSections[PosCode], Symbol, NumberPicture) + ";" +
                Expand(NegativeSections[NegCode], Symbol, NumberPicture);
}

const TRegionalSettings& Regional() {
  if (MoneyFormat.empty()) InitMoneyFormat(TRegionalSettings{});
  return State().Settings;
}

std::string FormatMoney(Currency Amount) {
  const TRegionalSettings& R = Regional();
  const TState& S = State();
  bool Negative = Amount < 0;
  std::uint64_t Mag = Negative ? 0 - static_cast<std::uint64_t>(Amount) : static_cast<std::uint64_t>(Amount);
  std::uint64_t Cents = Mag / 100 + (Mag % 100 >= 50 ? 1 : 0);  // half away from zero
  if (Cents == 0) Negative = false;
  std::string Number = GroupDigits(Cents / 100, true, R.ThousandSeparator) + R.DecimalSeparator +
                       TwoDigits(static_cast<int>(Cents % 100));
  const TSection& Sec = Negative ? S.Negative : S.Positive;
  return Sec.Prefix + Number + Sec.Suffix;
}

TDateTime EncodeDate(int Year, int Month, int Day) {
  return static_cast<TDateTime>(DaysFromCivil(Year, Month, Day) + UnixEpochSerial);
}

void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day) {
  CivilFromDays(static_cast<long long>(std::floor(Date)) - UnixEpochSerial, Year, Month, Day);
}

TDateTime Today() {
  std::time_t Now = std::time(nullptr);
  std::tm Local = *std::localtime(&Now);
  return EncodeDate(Local.tm_year + 1900, Local.tm_mon + 1, Local.tm_mday);
}

std::string FormatDate(TDateTime Date) {
  const TRegionalSettings& R = Regional();
  int Y, M, D;
  DecodeDate(Date, Y, M, D);
  long long Serial = static_cast<long long>(std::floor(Date));
  int WeekDay = static_cast<int>(((Serial + 6) % 7 + 7) % 7);  // 0 Sunday; day 0 was a Saturday
  const std::string& F = R.ShortDateFormat;
  std::string Out;
  for (std::size_t I = 0; I < F.size();) {
    char C = F[I];
    if (C == '\'') {
      std::size_t End = F.find('\'', I + 1);
      if (End == std::string::npos) End = F.size();
      Out.append(F, I + 1, End - I - 1);
      I = End + 1;
      continue;
    }
    char Lower = static_cast<char>(C | 0x20);
    if (Lower != 'd' && Lower != 'm' && Lower != 'y') {
      Out += C;
      ++I;
      continue;
    }
    std::size_t Run = 1;
    while (I + Run < F.size() && (F[I + Run] | 0x20) == Lower) ++Run;
    I += Run;
    if (Lower == 'd') {
      if (Run == 1) Out += std::to_string(D);
      else if (Run == 2) Out += TwoDigits(D);
      else if (Run == 3) Out += R.ShortDayNames[WeekDay];
      else Out += R.LongDayNames[WeekDay];
    } else if (Lower == 'm') {
      if (Run == 1) Out += std::to_string(M);
      else if (Run == 2) Out += TwoDigits(M);
      else if (Run == 3) Out += R.ShortMonthNames[M - 1];
      else Out += R.LongMonthNames[M - 1];
    } else {
      if (Run <= 2) Out += TwoDigits(((Y % 100) + 100) % 100);
      else Out += std::to_string(Y);
    }
  }
  return Out;
}

bool IsNonNumericChar(char32_t Ch) {
  Regional();
  return !((Ch >= '0' && Ch <= '9') || Ch == State().DecimalChar);
}

double ParseMoneyText(std::string_view Text) {
  Regional();
  bool Negative = Text.find('-') != std::string_view::npos ||
                  (Text.find('(') != std::string_view::npos && Text.find(')') != std::string_view::npos);
  std::string Remainder;  // digits, with '.' for the decimal separator
  for (std::size_t Pos = 0; Pos < Text.size();) {
    char32_t Ch = NextCodePoint(Text, Pos);
    if (IsNonNumericChar(Ch)) continue;
    Remainder += (Ch >= '0' && Ch <= '9') ? static_cast<char>(Ch) : '.';
  }
  if (Remainder.empty()) return 0.0;
  double Value = 0;
  auto [End, Err] = std::from_chars(Remainder.data(), Remainder.data() + Remainder.size(), Value);
  if (Err != std::errc() || End != Remainder.data() + Remainder.size())
    throw EConvertError("'" + Remainder + "' is not a valid floating point value");
  return Negative ? -Value : Value;
}

bool MinusLeads() {
  switch (Regional().NegativeCurrencyFormat) {
    case 3: case 6: case 7: case 10: case 11: case 13: return false;
    default: return true;
  }
}

double RoundToDecimals(int Decimals, double Value) {
  std::string Text = FixedText(Value, Decimals, false, ".", "");
  double Result = 0;
  std::from_chars(Text.data(), Text.data() + Text.size(), Result);
  return Result;
}

Currency CurrencyFromDouble(double Value) { return static_cast<Currency>(std::llround(Value * CurrencyScale)); }

std::string FormatFloatFixed(double Value, int Decimals, bool Thousands) {
  const TRegionalSettings& R = Regional();
  return FixedText(Value, Decimals, Thousands, R.DecimalSeparator, R.ThousandSeparator);
}

std::string FormatPercent(double Percent, TPercentPattern Pattern) {
  return FormatFloatFixed(Percent, 2, Pattern == ppCategory) + "%";
}

std::string PercentText(Currency Part, Currency Whole, TPercentPattern Pattern) {
  if (Whole <= 0) return FormatPercent(0, Pattern);
  return FormatPercent(static_cast<double>(Part) / static_cast<double>(Whole) * 100.0, Pattern);
}
