// Interoperability with two independent implementations of the format: files we write are read
// back identically by python3-olefile and by gsf; files written by gsf open here with the same
// bytes. The tools are required: a missing tool fails the test with the package to install.

#include "CfbTestUtil.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

using namespace cfb;
using namespace cfbtest;

namespace {

const char* const kPython = "/usr/bin/python3";

bool haveOlefile() { return run(std::string(kPython) + " -c 'import olefile' 2>/dev/null") == 0; }
bool haveGsf() { return run("command -v gsf >/dev/null 2>&1") == 0; }

#define REQUIRE_TOOLS()                                                                                        \
    do {                                                                                                       \
        if (!haveOlefile()) FAIL() << "python3-olefile for /usr/bin/python3 is missing (apt-get install python3-olefile)"; \
        if (!haveGsf()) FAIL() << "gsf is missing (apt-get install libgsf-bin)";                              \
    } while (0)

// The content we write: stream path -> bytes; storages are implied by the paths.
std::map<std::string, std::vector<std::uint8_t>> sampleContent()
{
    std::map<std::string, std::vector<std::uint8_t>> c;
    c["Transactions"] = pattern(9 * 1024 * 1024 + 320, 1);  // more than 8 MB, needs DIFAT sectors
    c["Comments"] = pattern(20, 2);
    std::uint32_t seed = 10;
    for (std::size_t n : {0, 1, 63, 64, 65, 511, 512, 513, 4095, 4096, 4097})
        c["Size" + std::to_string(n)] = pattern(n, seed++);
    const char* names[] = {"Trans", "Accounts", "Categories", "Groups", "Books", "Grid"};
    for (const char* set : {"Default", "User"}) {
        for (const char* n : names) {
            c[std::string(set) + "/" + n] = pattern(68 * (seed % 5 + 1), seed);
            ++seed;
        }
    }
    c["User/Deep/Leaf"] = pattern(5000, 99);
    c["User/Deep/Tiny"] = pattern(3, 98);
    return c;
}

Storage storageFor(Storage& root, const std::string& path, std::string& leaf)
{
    Storage cur = root;
    std::string rest = path;
    for (std::size_t slash; (slash = rest.find('/')) != std::string::npos; rest = rest.substr(slash + 1)) {
        Storage next;
        const std::string part = rest.substr(0, slash);
        if (cur.openStorage(part, next) != Result::Ok) {
            EXPECT_EQ(cur.createStorage(part, next), Result::Ok);
        }
        cur = next;
    }
    leaf = rest;
    return cur;
}

void writeSample(const std::string& file, const std::map<std::string, std::vector<std::uint8_t>>& content)
{
    Storage root;
    ASSERT_EQ(Storage::createFile(file, root), Result::Ok);
    // Something to delete first, so the real streams reuse freed sectors and mini sectors.
    ASSERT_EQ(putStream(root, "Scratch", pattern(300000, 5)), Result::Ok);
    ASSERT_EQ(putStream(root, "ScratchMini", pattern(3000, 5)), Result::Ok);
    ASSERT_EQ(root.destroyElement("Scratch"), Result::Ok);
    ASSERT_EQ(root.destroyElement("ScratchMini"), Result::Ok);
    for (const auto& [path, bytes] : content) {
        std::string leaf;
        Storage s = storageFor(root, path, leaf);
        ASSERT_EQ(putStream(s, leaf, bytes), Result::Ok) << path;
    }
    ASSERT_EQ(problems(root), "");
}

}  // namespace

TEST(CfbInterop, OlefileReadsWhatWeWrite)
{
    REQUIRE_TOOLS();
    TempDir dir;
    const std::string file = dir.file("ours.qbk");
    const auto content = sampleContent();
    writeSample(file, content);
    std::filesystem::create_directory(dir.file("out"));
    std::string listing;
    ASSERT_EQ(run(std::string(kPython) + " " CFB_TEST_SCRIPTS "/olefile_dump.py " + file + " " + dir.file("out") + " 2>&1", &listing), 0) << listing;
    std::istringstream lines(listing);
    std::string line;
    std::size_t streams = 0;
    std::vector<std::string> storages;
    while (std::getline(lines, line)) {
        std::istringstream f(line);
        std::string kind, path, size, copy;
        std::getline(f, kind, '\t');
        std::getline(f, path, '\t');
        if (kind == "storage") {
            storages.push_back(path);
            continue;
        }
        std::getline(f, size, '\t');
        std::getline(f, copy, '\t');
        ASSERT_TRUE(content.count(path)) << "unexpected stream " << path;
        EXPECT_EQ(readWholeFile(copy), content.at(path)) << path;
        ++streams;
    }
    EXPECT_EQ(streams, content.size());
    std::sort(storages.begin(), storages.end());
    EXPECT_EQ(storages, (std::vector<std::string>{"Default", "User", "User/Deep"}));
}

TEST(CfbInterop, GsfReadsWhatWeWrite)
{
    REQUIRE_TOOLS();
    TempDir dir;
    const std::string file = dir.file("ours.qbk");
    const auto content = sampleContent();
    writeSample(file, content);
    std::string listing;
    ASSERT_EQ(run("gsf list " + file + " 2>&1", &listing), 0) << listing;
    for (const char* name : {"Transactions", "Comments", "Default", "User", "Size4097"})
        EXPECT_NE(listing.find(name), std::string::npos) << name << " not listed:\n" << listing;
    for (const auto& [path, bytes] : content) {
        const std::string copy = dir.file("cat.bin");
        ASSERT_EQ(run("gsf cat " + file + " '" + path + "' > " + copy + " 2>/dev/null"), 0) << path;
        EXPECT_EQ(readWholeFile(copy), bytes) << path;
    }
}

TEST(CfbInterop, WeReadWhatGsfWrites)
{
    REQUIRE_TOOLS();
    TempDir dir;
    std::map<std::string, std::vector<std::uint8_t>> files;
    std::uint32_t seed = 1;
    for (std::size_t n : {0, 1, 64, 4095, 4096, 4097, 100000, 9 * 1024 * 1024})
        files["f" + std::to_string(n)] = pattern(n, seed++);
    std::string cmd = "cd " + dir.path() + " && gsf createole theirs.qbk";
    for (const auto& [name, bytes] : files) {
        writeWholeFile(dir.file(name), bytes);
        cmd += " " + name;
    }
    std::string out;
    ASSERT_EQ(run(cmd + " 2>&1", &out), 0) << out;
    Storage root;
    ASSERT_EQ(Storage::openFile(dir.file("theirs.qbk"), OpenMode::ReadWrite, root), Result::Ok);
    std::vector<ElementInfo> els;
    ASSERT_EQ(root.elements(els), Result::Ok);
    EXPECT_EQ(els.size(), files.size());
    for (const auto& [name, bytes] : files) EXPECT_EQ(getStream(root, name), bytes) << name;
    // And we can go on writing into their file.
    ASSERT_EQ(putStream(root, "Added", pattern(5000, 77)), Result::Ok);
    Stream s;
    ASSERT_EQ(root.openStream("f4097", s), Result::Ok);
    ASSERT_EQ(s.setSize(100), Result::Ok);
    EXPECT_EQ(getStream(root, "f4097"), std::vector<std::uint8_t>(files["f4097"].begin(), files["f4097"].begin() + 100));
    ValidationReport report;
    EXPECT_EQ(root.validate(&report), Result::Ok) << problems(root);
    root.release();
    std::string copy;
    ASSERT_EQ(run("gsf cat " + dir.file("theirs.qbk") + " Added", &copy), 0);
    EXPECT_EQ(std::vector<std::uint8_t>(copy.begin(), copy.end()), pattern(5000, 77));
}
