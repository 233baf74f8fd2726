#include "Cp1252.h"

#include <array>
#include <cstdint>

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

char FromCodePoint(char32_t Cp) {
  if (Cp < 0x80 || (Cp >= 0xA0 && Cp <= 0xFF)) return static_cast<char>(Cp);
  for (int I = 0; I < 32; ++I)
    if (High[I] == Cp) return static_cast<char>(0x80 + I);
  return '?';
}
}  // namespace

void Cp1252ToUtf8(const char* Bytes, std::size_t Len, std::string& Out) {
  const auto& T = Forward();
  Out.reserve(Out.size() + Len);
  std::size_t I = 0;
  while (I < Len) {
    std::size_t Ascii = I;  // runs of plain ASCII are copied as they are
    while (Ascii < Len && static_cast<unsigned char>(Bytes[Ascii]) < 0x80) ++Ascii;
    Out.append(Bytes + I, Ascii - I);
    if (Ascii == Len) break;
    const TUtf8& U = T[static_cast<unsigned char>(Bytes[Ascii])];
    Out.append(U.Bytes, U.Len);
    I = Ascii + 1;
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
    Out[N++] = FromCodePoint(NextCodePoint(Text, Pos));
  }
  return N;
}

std::string Utf8ToCp1252(std::string_view Text) {
  std::string Out(Text.size(), '\0');
  Out.resize(Utf8ToCp1252(Text, Out.data(), Text.size()));
  return Out;
}
