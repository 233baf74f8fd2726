#include "ExportText.h"

#include <charconv>

#include "MoneyFormat.h"

void AppendCsvQuoted(std::string& Out, std::string_view Text) {
  Out += '"';
  for (std::size_t Quote; (Quote = Text.find('"')) != std::string_view::npos;) {
    Out.append(Text.substr(0, Quote + 1));
    Out += '"';
    Text.remove_prefix(Quote + 1);
  }
  Out.append(Text);
  Out += '"';
}

void AppendCsvPlain(std::string& Out, std::string_view Text) {
  if (Text.find_first_of(",\"\r\n") != std::string_view::npos)
    AppendCsvQuoted(Out, Text);
  else
    Out.append(Text);
}

void AppendHtmlText(std::string& Out, std::string_view Text) {
  std::size_t Start = 0;
  for (std::size_t I = 0; I < Text.size(); ++I) {
    const char* Ref;
    switch (Text[I]) {
      case '&': Ref = "&amp;"; break;
      case '<': Ref = "&lt;"; break;
      case '>': Ref = "&gt;"; break;
      case '"': Ref = "&quot;"; break;
      case '\'': Ref = "&#39;"; break;
      default: continue;
    }
    Out.append(Text.substr(Start, I - Start));
    Out += Ref;
    Start = I + 1;
  }
  Out.append(Text.substr(Start));
}

std::string ColourText(TColor Colour) {
  static const char Hex[] = "0123456789ABCDEF";
  std::string Text = "#000000";
  unsigned Parts[3] = {Colour & 0xFFu, (Colour >> 8) & 0xFFu, (Colour >> 16) & 0xFFu};
  for (int I = 0; I < 3; ++I) {
    Text[1 + 2 * I] = Hex[Parts[I] >> 4];
    Text[2 + 2 * I] = Hex[Parts[I] & 15];
  }
  return Text;
}

namespace {
void AppendNumber(std::string& Out, long long Value) {
  char Digits[24];
  auto Res = std::to_chars(Digits, Digits + sizeof Digits, Value);
  Out.append(Digits, Res.ptr);
}
}  // namespace

void AppendMoneyText(std::string& Out, Currency Amount) {
  // Work on the integer: amount / 10000 to cents, half away from zero.
  unsigned long long Abs = Amount < 0 ? 0ull - static_cast<unsigned long long>(Amount) : static_cast<unsigned long long>(Amount);
  unsigned long long Cents = (Abs + 50) / 100;
  if (Amount < 0 && Cents != 0) Out += '-';
  Out += '$';
  AppendNumber(Out, static_cast<long long>(Cents / 100));
  Out += Regional().DecimalSeparator;
  Out += static_cast<char>('0' + Cents % 100 / 10);
  Out += static_cast<char>('0' + Cents % 10);
}

void AppendDateText(std::string& Out, TDateTime Date) {
  int Y, M, D;
  DecodeDate(Date, Y, M, D);
  Out += static_cast<char>('0' + D / 10);
  Out += static_cast<char>('0' + D % 10);
  Out += '-';
  if (M >= 1 && M <= 12) Out += Regional().ShortMonthNames[M - 1];
  Out += '-';
  if (Y >= 0 && Y < 1000) Out.append(Y < 10 ? "000" : Y < 100 ? "00" : "0");
  AppendNumber(Out, Y);
}

std::string_view QuotedKindName(int Kind) {
  switch (Kind) {
    case 1: return "\"Income\"";
    case 2: return "\"Expense\"";
    case 3: return "\"Book Opening Balance\"";
    case 4: return "\"Transfer In\"";
    case 5: return "\"Transfer Out\"";
    default: return "\"\"";
  }
}
