#include "CfbTestUtil.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/wait.h>

namespace cfbtest {

TempDir::TempDir()
{
    std::string tmpl = (std::filesystem::temp_directory_path() / "qbcfb-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::vector<std::uint8_t> pattern(std::size_t size, std::uint32_t seed)
{
    std::vector<std::uint8_t> v(size);
    std::uint32_t x = seed * 2654435761u + 12345u;
    for (std::size_t i = 0; i < size; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        v[i] = std::uint8_t(x);
    }
    return v;
}

std::vector<std::uint8_t> readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

int run(const std::string& command, std::string* out)
{
    FILE* p = ::popen(command.c_str(), "r");
    if (!p) return -1;
    std::string text;
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) text.append(buf, n);
    const int status = ::pclose(p);
    if (out) *out = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string problems(const cfb::Storage& root)
{
    cfb::ValidationReport report;
    const cfb::Result r = root.validate(&report);
    std::string text;
    for (const std::string& p : report.problems) text += p + "\n";
    if (r != cfb::Result::Ok && text.empty()) text = cfb::resultName(r);
    return text;
}

cfb::Result putStream(cfb::Storage& storage, const std::string& name, const std::vector<std::uint8_t>& bytes)
{
    cfb::Stream s;
    if (cfb::Result r = storage.createStream(name, s); r != cfb::Result::Ok) return r;
    return s.write(bytes.data(), bytes.size());
}

std::vector<std::uint8_t> getStream(cfb::Storage& storage, const std::string& name)
{
    cfb::Stream s;
    if (storage.openStream(name, s) != cfb::Result::Ok) return {};
    std::vector<std::uint8_t> v(s.size());
    std::size_t got = 0;
    if (s.read(v.data(), v.size(), &got) != cfb::Result::Ok || got != v.size()) return {};
    return v;
}

}  // namespace cfbtest
