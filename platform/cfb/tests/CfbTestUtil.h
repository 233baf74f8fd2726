#pragma once
// Helpers shared by the compound-file tests: temp folders, byte patterns, external tools.

#include "CfbStorage.h"

#include <cstdint>
#include <string>
#include <vector>

namespace cfbtest {

// A fresh folder under the system temp folder, removed with everything in it on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Deterministic bytes that differ per seed and position.
std::vector<std::uint8_t> pattern(std::size_t size, std::uint32_t seed);

std::vector<std::uint8_t> readWholeFile(const std::string& path);
void writeWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Runs a shell command; returns its exit status and puts its standard output in `out`.
int run(const std::string& command, std::string* out = nullptr);

// "" when the validation passed, otherwise the problems, one a line.
std::string problems(const cfb::Storage& root);

// Writes a whole stream (creating it) / reads one back.
cfb::Result putStream(cfb::Storage& storage, const std::string& name, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> getStream(cfb::Storage& storage, const std::string& name);

}  // namespace cfbtest
