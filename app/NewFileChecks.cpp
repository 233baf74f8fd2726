#include "NewFileChecks.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {
std::string Trimmed(const std::string& s) {
  const char* ws = " \t\r\n\f\v";
  const auto first = s.find_first_not_of(ws);
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(ws) - first + 1);
}
}  // namespace

TNewFromExCheck CheckNewFromExisting(const std::string& ExistingFile, const std::string& TypedName, std::string& NewPath) {
  NewPath.clear();
  std::error_code ec;
  if (ExistingFile.empty() || !fs::is_regular_file(fs::path(ExistingFile), ec)) return nfNoExisting;
  const std::string Name = Trimmed(TypedName);
  if (Name.empty()) return nfNameNotValid;
  // The box refuses these characters as they are typed; a pasted or programmatic name is checked
  // again so that the new file cannot land outside the existing file's folder.
  for (unsigned char c : Name)
    if (NewFileNameCharRefused(c) || c < 0x20) return nfNameNotValid;
  NewPath = (fs::path(ExistingFile).parent_path() / fs::path(Name + ".qbk")).string();
  if (fs::exists(fs::path(NewPath), ec)) return nfNameInUse;
  return nfOk;
}

std::string NewFromExMessage(TNewFromExCheck Check) {
  switch (Check) {
    case nfOk: return {};
    case nfNoExisting:
      return "Unable to find the Existing file you have chosen.  Use the 'Browse...' button to help you locate a file.";
    case nfNameNotValid: return "The New filename you have chosen is not valid.  Please enter a new filename.";
    case nfNameInUse: return "The New filename you have chosen is already in use.  Please enter a different new filename.";
  }
  return {};
}

bool NewFileNameCharRefused(char32_t C) {
  switch (C) {
    case U'"': case U'*': case U'.': case U'/': case U':': case U'<': case U'>': case U'?': case U'\\': case U'|':
      return true;
    default: return false;
  }
}
