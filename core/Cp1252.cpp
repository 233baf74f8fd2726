#include "Cp1252.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "FixedText.h"

namespace {
// Code points of 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr char16_t High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// UTF-8 form of each byte, precomputed: up to 3 bytes and a length.
struct TUtf8 {
  char Bytes[3];
  std::uint8_t Len;
};
const std::array<TUtf8, 256>& Forward() {
  static const std::array<TUtf8, 256> Table = [] {
    std::array<TUtf8, 256> T{};
    for (int B = 0; B < 256; ++B) {
      char32_t Cp = (B >= 0x80 && B < 0xA0) ? High[B - 0x80] : static_cast<char32_t>(B);
      std::string S;
      AppendCodePoint(S, Cp);
      T[B].Len = static_cast<std::uint8_t>(S.size());
      for (std::size_t I = 0; I < S.size(); ++I) T[B].Bytes[I] = S[I];
    }
    return T;
  }();
  return Table;
}

// End of the run of ASCII bytes starting at From, tested eight at a time.
std::size_t AsciiRun(const char* Bytes, std::size_t From, std::size_t Len) {
  std::size_t I = From;
  for (; I + 8 <= Len; I += 8) {
    std::uint64_t Word;
    std::memcpy(&Word, Bytes + I, 8);
    if (Word & 0x8080808080808080ULL) break;
  }
  while (I < Len && static_cast<unsigned char>(Bytes[I]) < 0x80) ++I;
  return I;
}

char FromCodePoint(char32_t Cp) {
  if (Cp < 0x80 || (Cp >= 0xA0 && Cp <= 0xFF)) return static_cast<char>(Cp);
  for (int I = 0; I < 32; ++I)
    if (High[I] == Cp) return static_cast<char>(0x80 + I);
  return '?';
}

// The byte of the UTF-8 character at Pos, moving Pos past it. A byte that does not start a
// well-formed sequence (cut short, overlong, a surrogate, beyond U+10FFFF) is taken alone as '?'.
char NextByte(std::string_view Text, std::size_t& Pos) {
  unsigned char Lead = static_cast<unsigned char>(Text[Pos]);
  std::size_t Len = (Lead & 0xE0) == 0xC0 ? 2 : (Lead & 0xF0) == 0xE0 ? 3 : (Lead & 0xF8) == 0xF0 ? 4 : 0;
  ++Pos;
  if (Len == 0 || Pos - 1 + Len > Text.size()) return '?';
  char32_t Cp = Lead & (0x7F >> Len);
  for (std::size_t I = 0; I + 1 < Len; ++I) {
    unsigned char C = static_cast<unsigned char>(Text[Pos + I]);
    if ((C & 0xC0) != 0x80) return '?';
    Cp = (Cp << 6) | (C & 0x3F);
  }
  static constexpr char32_t Shortest[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (Cp < Shortest[Len] || (Cp >= 0xD800 && Cp <= 0xDFFF) || Cp > 0x10FFFF) return '?';
  Pos += Len - 1;
  return FromCodePoint(Cp);
}
}  // namespace

void Cp1252ToUtf8(const char* Bytes, std::size_t Len, std::string& Out) {
  std::size_t I = AsciiRun(Bytes, 0, Len);
  if (I == Len) {  // the common case: nothing to translate
    Out.append(Bytes, Len);
    return;
  }
  const auto& T = Forward();
  Out.reserve(Out.size() + Len + 2 * (Len - I));
  Out.append(Bytes, I);
  while (I < Len) {
    const TUtf8& U = T[static_cast<unsigned char>(Bytes[I])];
    Out.append(U.Bytes, U.Len);
    std::size_t Ascii = AsciiRun(Bytes, I + 1, Len);  // runs of plain ASCII are copied as they are
    Out.append(Bytes + I + 1, Ascii - I - 1);
    I = Ascii;
  }
}

std::string Cp1252ToUtf8(std::string_view Bytes) {
  std::string Out;
  Cp1252ToUtf8(Bytes.data(), Bytes.size(), Out);
  return Out;
}

std::size_t Utf8ToCp1252(std::string_view Text, char* Out, std::size_t MaxChars) {
  std::size_t N = 0, Pos = 0;
  while (Pos < Text.size() && N < MaxChars) {
    unsigned char C = static_cast<unsigned char>(Text[Pos]);
    if (C < 0x80) {  // the common case: plain ASCII
      Out[N++] = static_cast<char>(C);
      ++Pos;
      continue;
    }
    Out[N++] = NextByte(Text, Pos);
  }
  return N;
}

std::string Utf8ToCp1252(std::string_view Text) {
  std::string Out(Text.size(), '\0');
  Out.resize(Utf8ToCp1252(Text, Out.data(), Text.size()));
  return Out;
}
