#pragma once
// Temporary folders and whole-file reads for the export tests.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct TTempDir {
  std::filesystem::path Path;
  TTempDir() {
    std::string Pattern = (std::filesystem::temp_directory_path() / "qbexport-XXXXXX").string();
    Path = mkdtemp(Pattern.data());
  }
  ~TTempDir() { std::filesystem::remove_all(Path); }
  std::string File(const std::string& Name) const { return (Path / Name).string(); }
};

inline std::string ReadAll(const std::string& Name) {
  std::ifstream In(Name, std::ios::binary);
  std::ostringstream S;
  S << In.rdbuf();
  return S.str();
}

// Lines of a file that ends its lines with CR LF (the separator line comes out as "\r").
inline std::vector<std::string> CrLfLines(const std::string& Text) {
  std::vector<std::string> Lines;
  std::size_t Start = 0;
  for (std::size_t End; (End = Text.find("\r\n", Start)) != std::string::npos; Start = End + 2)
    Lines.push_back(Text.substr(Start, End - Start));
  if (Start < Text.size()) Lines.push_back(Text.substr(Start));  // an unterminated tail
  return Lines;
}
