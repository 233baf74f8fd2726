#include "FixedText.h"

namespace {
bool IsContinuation(unsigned char C) { return (C & 0xC0) == 0x80; }

// Length of the sequence a lead byte announces, 1 for a stray byte.
std::size_t SequenceLength(std::string_view Text, std::size_t Pos) {
  unsigned char C = static_cast<unsigned char>(Text[Pos]);
  std::size_t Len = C < 0x80 ? 1 : (C >> 5) == 0x6 ? 2 : (C >> 4) == 0xE ? 3 : (C >> 3) == 0x1E ? 4 : 1;
  if (Pos + Len > Text.size()) return 1;
  for (std::size_t I = 1; I < Len; ++I)
    if (!IsContinuation(static_cast<unsigned char>(Text[Pos + I]))) return 1;
  return Len;
}

char32_t FoldCase(char32_t C) {
  if (C >= 'A' && C <= 'Z') return C + 32;
  if (C >= 0xC0 && C <= 0xDE && C != 0xD7) return C + 32;  // Latin-1 capitals
  if (C == 0x138 || C == 0x149 || C == 0x17F) return C;     // no capital partner
  if (C >= 0x100 && C <= 0x17F) {                           // Latin Extended-A pairs
    if ((C >= 0x139 && C <= 0x148) || (C >= 0x179 && C <= 0x17E)) return (C & 1) ? C + 1 : C;
    if (C == 0x178) return 0xFF;
    return (C & 1) ? C : C + 1;
  }
  return C;
}
}  // namespace

char32_t NextCodePoint(std::string_view Text, std::size_t& Pos) {
  std::size_t Len = SequenceLength(Text, Pos);
  unsigned char C = static_cast<unsigned char>(Text[Pos]);
  char32_t Ch;
  if (Len == 1) {
    Ch = C;
  } else {
    Ch = C & (0x7F >> Len);
    for (std::size_t I = 1; I < Len; ++I) Ch = (Ch << 6) | (static_cast<unsigned char>(Text[Pos + I]) & 0x3F);
  }
  Pos += Len;
  return Ch;
}

void AppendCodePoint(std::string& Out, char32_t Ch) {
  if (Ch < 0x80) {
    Out += static_cast<char>(Ch);
  } else if (Ch < 0x800) {
    Out += static_cast<char>(0xC0 | (Ch >> 6));
    Out += static_cast<char>(0x80 | (Ch & 0x3F));
  } else if (Ch < 0x10000) {
    Out += static_cast<char>(0xE0 | (Ch >> 12));
    Out += static_cast<char>(0x80 | ((Ch >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (Ch & 0x3F));
  } else {
    Out += static_cast<char>(0xF0 | (Ch >> 18));
    Out += static_cast<char>(0x80 | ((Ch >> 12) & 0x3F));
    Out += static_cast<char>(0x80 | ((Ch >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (Ch & 0x3F));
  }
}

std::size_t Utf8Length(std::string_view Text) {
  std::size_t N = 0;
  for (std::size_t Pos = 0; Pos < Text.size(); Pos += SequenceLength(Text, Pos)) ++N;
  return N;
}

std::string CutToChars(std::string_view Text, std::size_t N) {
  std::size_t Pos = 0;
  for (std::size_t Count = 0; Pos < Text.size() && Count < N; ++Count) Pos += SequenceLength(Text, Pos);
  return std::string(Text.substr(0, Pos));
}

std::string TrimText(std::string_view Text) {
  std::size_t First = 0, Last = Text.size();
  while (First < Last && static_cast<unsigned char>(Text[First]) <= ' ') ++First;
  while (Last > First && static_cast<unsigned char>(Text[Last - 1]) <= ' ') --Last;
  return std::string(Text.substr(First, Last - First));
}

int CompareTextNoCase(std::string_view A, std::string_view B) {
  std::size_t PA = 0, PB = 0;
  while (PA < A.size() && PB < B.size()) {
    char32_t CA = FoldCase(NextCodePoint(A, PA)), CB = FoldCase(NextCodePoint(B, PB));
    if (CA != CB) return CA < CB ? -1 : 1;
  }
  if (PA < A.size()) return 1;
  if (PB < B.size()) return -1;
  return 0;
}
