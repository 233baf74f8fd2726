#include "ExportInfo.h"

#include <cctype>

namespace {
std::string Trimmed(const std::string& Text) {
  std::size_t First = Text.find_first_not_of(" \t");
  if (First == std::string::npos) return {};
  std::size_t Last = Text.find_last_not_of(" \t");
  std::string Out = Text.substr(First, Last - First + 1);
  for (char& C : Out) C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
  return Out;
}
}  // namespace

bool ParseSectionList(const std::string& Text, unsigned& Choice) {
  static const struct {
    const char* Name;
    unsigned Bit;
  } Names[] = {{"transactions", esTransactions}, {"main", esMainAccounts}, {"sub", esSubAccounts},
               {"groups", esGroups},             {"categories", esCategories}};
  unsigned Bits = 0;
  std::size_t Start = 0;
  while (true) {
    std::size_t Comma = Text.find(',', Start);
    std::string Name = Trimmed(Text.substr(Start, Comma == std::string::npos ? std::string::npos : Comma - Start));
    bool Known = false;
    for (const auto& N : Names)
      if (Name == N.Name) {
        Bits |= N.Bit;
        Known = true;
      }
    if (!Known) return false;
    if (Comma == std::string::npos) break;
    Start = Comma + 1;
  }
  Choice = Bits;
  return true;
}
