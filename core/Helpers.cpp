#include "Helpers.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "FixedText.h"

namespace fs = std::filesystem;

namespace {
const TColor ChartColours[28] = {
    RGBColour(255, 0, 255), RGBColour(0, 0, 255),     RGBColour(0, 255, 255), RGBColour(0, 255, 0),
    RGBColour(255, 255, 0), RGBColour(255, 255, 255), RGBColour(255, 0, 0),   RGBColour(204, 0, 204),
    RGBColour(102, 0, 102), RGBColour(0, 0, 204),     RGBColour(0, 0, 102),   RGBColour(0, 204, 204),
    RGBColour(0, 102, 102), RGBColour(0, 204, 0),     RGBColour(0, 102, 0),   RGBColour(204, 204, 0),
    RGBColour(102, 102, 0), RGBColour(204, 204, 204), RGBColour(102, 102, 102), RGBColour(204, 0, 0),
    RGBColour(102, 0, 0),   RGBColour(153, 0, 153),   RGBColour(0, 0, 153),   RGBColour(0, 153, 153),
    RGBColour(0, 153, 0),   RGBColour(153, 153, 0),   RGBColour(153, 153, 153), RGBColour(153, 0, 0)};

// '*' and '?' wildcards, letters compared without regard to case.
bool WildMatch(std::string_view Pattern, std::string_view Name) {
  std::size_t P = 0, N = 0, Star = std::string_view::npos, Mark = 0;
  auto Same = [](char A, char B) { return SameTextNoCase(std::string_view(&A, 1), std::string_view(&B, 1)); };
  while (N < Name.size()) {
    if (P < Pattern.size() && (Pattern[P] == '?' || Same(Pattern[P], Name[N]))) {
      ++P;
      ++N;
    } else if (P < Pattern.size() && Pattern[P] == '*') {
      Star = P++;
      Mark = N;
    } else if (Star != std::string_view::npos) {
      P = Star + 1;
      N = ++Mark;
    } else {
      return false;
    }
  }
  while (P < Pattern.size() && Pattern[P] == '*') ++P;
  return P == Pattern.size();
}

std::size_t LastSeparator(std::string_view Path) {
  return Path.find_last_of("/\\");
}

// Entry of Dir whose name equals Name (exactly first, then without regard to case); empty when none.
std::string FindEntry(const fs::path& Dir, std::string_view Name) {
  std::error_code Ec;
  if (fs::exists(Dir / std::string(Name), Ec)) return std::string(Name);
  std::string Found;
  for (fs::directory_iterator It(Dir, Ec), End; !Ec && It != End; It.increment(Ec)) {
    std::string Entry = It->path().filename().string();
    if (SameTextNoCase(Entry, Name)) {
      Found = Entry;
      break;
    }
  }
  return Found;
}
}  // namespace

std::string BaseFileName(std::string_view Path) {
  std::size_t Sep = LastSeparator(Path);
  std::string_view Name = Sep == std::string_view::npos ? Path : Path.substr(Sep + 1);
  return std::string(Name.substr(0, Name.find('.')));
}

std::string FirstFileName(std::string_view Pattern) {
  std::size_t Sep = LastSeparator(Pattern);
  fs::path Dir = Sep == std::string_view::npos ? fs::path(".") : fs::path(std::string(Pattern.substr(0, Sep + 1)));
  std::string_view NamePattern = Sep == std::string_view::npos ? Pattern : Pattern.substr(Sep + 1);
  std::error_code Ec;
  std::vector<std::string> Matches;
  for (fs::directory_iterator It(Dir, Ec), End; !Ec && It != End; It.increment(Ec)) {
    std::string Entry = It->path().filename().string();
    if (WildMatch(NamePattern, Entry)) Matches.push_back(Entry);
  }
  if (Matches.empty()) return {};
  // Directory order is arbitrary: prefer the exact spelling, then the first by name.
  for (const std::string& M : Matches)
    if (M == NamePattern) return M;
  return *std::min_element(Matches.begin(), Matches.end());
}

std::string LongPathName(std::string_view Path) {
  // Root kept as given ("/" here, "C:\" where drive letters exist).
  std::size_t Start = 0;
  if (!Path.empty() && (Path[0] == '/' || Path[0] == '\\')) Start = 1;
  else if (Path.size() >= 3 && Path[1] == ':' && (Path[2] == '\\' || Path[2] == '/')) Start = 3;
  std::string Out(Path.substr(0, Start));
  fs::path Dir = Start ? fs::path(Out) : fs::path(".");
  std::size_t Pos = Start;
  while (Pos < Path.size()) {
    std::size_t End = Path.find_first_of("/\\", Pos);
    if (End == std::string_view::npos) End = Path.size();
    std::string_view Component = Path.substr(Pos, End - Pos);
    std::string Found = Component.empty() ? std::string() : FindEntry(Dir, Component);
    if (Found.empty()) {
      Out.append(Path.substr(Pos));  // the rest stays as given
      return Out;
    }
    Out += Found;
    Dir /= Found;
    if (End < Path.size()) Out += Path[End];
    Pos = End + 1;
  }
  return Out;
}

int SubNoFromText(std::string_view Text) {
  std::size_t Dash = Text.find('-');
  if (Dash == std::string_view::npos) return 0;
  return std::atoi(std::string(Text.substr(Dash + 1)).c_str());
}

std::string CommaField(std::string_view Text, int N) {
  if (N < 0) return {};
  std::size_t Pos = 0;
  for (int I = 0; I < N; ++I) {
    std::size_t Comma = Text.find(',', Pos);
    if (Comma == std::string_view::npos) return {};
    Pos = Comma + 1;
  }
  std::size_t End = Text.find(',', Pos);
  return std::string(Text.substr(Pos, End == std::string_view::npos ? std::string_view::npos : End - Pos));
}

int PaperIndex(int PaperCode) { return PaperCode >= 0 && PaperCode <= 26 ? PaperCode : 27; }

TColor ShiftColour(TColor Colour, int Amount, bool Lighter) {
  auto Shift = [&](int Byte) {
    int V = Lighter ? Byte + Amount : Byte - Amount;
    return std::clamp(V, 0, 255);
  };
  int R = Shift(Colour & 0xFF), G = Shift((Colour >> 8) & 0xFF), B = Shift((Colour >> 16) & 0xFF);
  return RGBColour(R, G, B) | 0x02000000u;
}

TColor ChartColour(int N) {
  if (N < 0) N = 0;
  while (N > 27) N -= 27;
  return ChartColours[N];
}

std::string StripAmpersand(std::string_view Text) {
  std::string Out(Text);
  std::size_t Amp = Out.find('&');
  if (Amp != std::string::npos) Out.erase(Amp, 1);
  return Out;
}

std::string DoubleAmpersands(std::string_view Text) {
  std::string Out;
  for (char C : Text) {
    Out += C;
    if (C == '&') Out += '&';
  }
  return Out;
}
