// Stream data on the format's boundaries: mini sectors, sectors, the mini cutoff, the first DIFAT
// sector; growing and shrinking across them; gaps; reuse of freed sectors.

#include "CfbTestUtil.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace cfb;
using namespace cfbtest;

namespace {

struct SizeCase {
    std::size_t size;
    const char* why;
};

// 109 FAT sectors cover 109 * 128 sectors of 512 bytes (about 6.8 MB); a stream past that needs
// the first DIFAT sector.
constexpr std::size_t kFirstDifat = 109u * 128u * 512u;

const SizeCase kSizes[] = {
    {0, "empty"},
    {1, "one byte"},
    {63, "mini sector - 1"},
    {64, "one mini sector"},
    {65, "mini sector + 1"},
    {511, "sector - 1"},
    {512, "one sector"},
    {513, "sector + 1"},
    {4095, "largest mini stream"},
    {4096, "smallest regular stream"},
    {4097, "cutoff + 1"},
    {kFirstDifat + 4096, "needs the first DIFAT sector"},
};

class SizeTable : public ::testing::TestWithParam<SizeCase> {};

}  // namespace

// Written in one call, in 320-byte appends, and grown from a smaller size: always the same bytes,
// a valid file, and the same after reopening.
TEST_P(SizeTable, WriteValidateReopen)
{
    const SizeCase c = GetParam();
    TempDir dir;
    const std::string path = dir.file("s.qbk");
    const auto bytes = pattern(c.size, std::uint32_t(c.size));
    {
        Storage root;
        ASSERT_EQ(Storage::createFile(path, root), Result::Ok);
        ASSERT_EQ(putStream(root, "One", bytes), Result::Ok);
        Stream s;
        ASSERT_EQ(root.createStream("Appended", s), Result::Ok);
        for (std::size_t at = 0; at < bytes.size(); at += 320)
            ASSERT_EQ(s.write(bytes.data() + at, std::min<std::size_t>(320, bytes.size() - at)), Result::Ok) << at;
        EXPECT_EQ(s.size(), c.size);
        EXPECT_EQ(problems(root), "") << c.why;
    }
    Storage root;
    ASSERT_EQ(Storage::openFile(path, OpenMode::ReadWrite, root), Result::Ok) << c.why;
    EXPECT_EQ(getStream(root, "One"), bytes) << c.why;
    EXPECT_EQ(getStream(root, "Appended"), bytes) << c.why;
    // Records rewritten in place at the start, the middle and the end keep the size and the rest.
    {
        Stream s;
        ASSERT_EQ(root.openStream("Appended", s), Result::Ok);
        auto expect = bytes;
        const auto rec = pattern(std::min<std::size_t>(100, c.size), 4242);
        for (std::size_t at : {std::size_t(0), (c.size - rec.size()) / 2, c.size - rec.size()}) {
            if (rec.empty()) break;
            ASSERT_EQ(s.seek(std::int64_t(at), SeekOrigin::Begin), Result::Ok);
            ASSERT_EQ(s.write(rec.data(), rec.size()), Result::Ok);
            std::copy(rec.begin(), rec.end(), expect.begin() + std::ptrdiff_t(at));
        }
        EXPECT_EQ(s.size(), c.size);
        EXPECT_EQ(getStream(root, "Appended"), expect) << c.why;
        EXPECT_EQ(problems(root), "") << c.why;
    }
    // Shrinking to each boundary below and back keeps the prefix and the file valid.
    Stream s;
    ASSERT_EQ(root.openStream("One", s), Result::Ok);
    for (std::size_t smaller : {std::size_t(4097), std::size_t(4096), std::size_t(4095), std::size_t(513), std::size_t(64), std::size_t(0)}) {
        if (smaller >= c.size) continue;
        ASSERT_EQ(s.setSize(smaller), Result::Ok);
        EXPECT_EQ(getStream(root, "One"), std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + std::ptrdiff_t(smaller)))
            << c.why << " shrunk to " << smaller;
        EXPECT_EQ(problems(root), "") << c.why << " shrunk to " << smaller;
    }
    ValidationReport report;
    ASSERT_EQ(root.validate(&report), Result::Ok);
    EXPECT_EQ(report.leakedSectors, 0u);
    EXPECT_EQ(report.leakedMiniSectors, 0u);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, SizeTable, ::testing::ValuesIn(kSizes),
                         [](const auto& info) { return "bytes_" + std::to_string(info.param.size); });

TEST(CfbStream, GrowsAcrossTheCutoffBothWaysWithOtherStreamsAround)
{
    TempDir dir;
    Storage root;
    ASSERT_EQ(Storage::createFile(dir.file("g.qbk"), root), Result::Ok);
    const auto a = pattern(9000, 7);
    ASSERT_EQ(putStream(root, "Before", pattern(100, 1)), Result::Ok);
    Stream s;
    ASSERT_EQ(root.createStream("Moving", s), Result::Ok);
    ASSERT_EQ(putStream(root, "After", pattern(5000, 2)), Result::Ok);
    ASSERT_EQ(s.write(a.data(), 4000), Result::Ok);  // mini
    ASSERT_EQ(s.write(a.data() + 4000, 5000), Result::Ok);  // moves to sectors
    EXPECT_EQ(getStream(root, "Moving"), a);
    ASSERT_EQ(s.setSize(1000), Result::Ok);  // back to the mini stream
    EXPECT_EQ(getStream(root, "Moving"), std::vector<std::uint8_t>(a.begin(), a.begin() + 1000));
    ASSERT_EQ(s.setSize(6000), Result::Ok);  // grows with zeros
    auto expect = std::vector<std::uint8_t>(a.begin(), a.begin() + 1000);
    expect.resize(6000, 0);
    EXPECT_EQ(getStream(root, "Moving"), expect);
    EXPECT_EQ(getStream(root, "Before"), pattern(100, 1));
    EXPECT_EQ(getStream(root, "After"), pattern(5000, 2));
    ValidationReport report;
    EXPECT_EQ(problems(root), "");
    ASSERT_EQ(root.validate(&report), Result::Ok);
    EXPECT_EQ(report.leakedSectors, 0u);
    EXPECT_EQ(report.leakedMiniSectors, 0u);
}

TEST(CfbStream, SeekPastTheEndLeavesAZeroGapAndRewriteInPlaceKeepsTheSize)
{
    TempDir dir;
    Storage root;
    ASSERT_EQ(Storage::createFile(dir.file("z.qbk"), root), Result::Ok);
    Stream s;
    ASSERT_EQ(root.createStream("S", s), Result::Ok);
    const auto rec = pattern(320, 3);
    ASSERT_EQ(s.seek(10000, SeekOrigin::Begin), Result::Ok);
    ASSERT_EQ(s.write(rec.data(), rec.size()), Result::Ok);
    auto expect = std::vector<std::uint8_t>(10000, 0);
    expect.insert(expect.end(), rec.begin(), rec.end());
    EXPECT_EQ(getStream(root, "S"), expect);
    // Rewrite a record in the middle.
    std::uint64_t pos = 0;
    ASSERT_EQ(s.seek(-320 * 3, SeekOrigin::End, &pos), Result::Ok);
    EXPECT_EQ(pos, 10320u - 960u);
    ASSERT_EQ(s.write(rec.data(), rec.size()), Result::Ok);
    std::copy(rec.begin(), rec.end(), expect.begin() + std::ptrdiff_t(pos));
    EXPECT_EQ(s.size(), 10320u);
    EXPECT_EQ(getStream(root, "S"), expect);
    EXPECT_EQ(s.seek(-1, SeekOrigin::Begin), Result::InvalidArgument);
    // Reading at the end gives nothing and no error.
    std::uint8_t b[8];
    std::size_t got = 99;
    ASSERT_EQ(s.seek(0, SeekOrigin::End), Result::Ok);
    EXPECT_EQ(s.read(b, sizeof b, &got), Result::Ok);
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(problems(root), "");
}

TEST(CfbStream, FreedSectorsAreReused)
{
    TempDir dir;
    const std::string path = dir.file("r.qbk");
    Storage root;
    ASSERT_EQ(Storage::createFile(path, root), Result::Ok);
    ASSERT_EQ(putStream(root, "A", pattern(200000, 1)), Result::Ok);
    ASSERT_EQ(putStream(root, "Small", pattern(3000, 1)), Result::Ok);
    const auto fullSize = std::filesystem::file_size(path);
    for (int round = 0; round < 5; ++round) {
        ASSERT_EQ(root.destroyElement("A"), Result::Ok);
        ASSERT_EQ(root.destroyElement("Small"), Result::Ok);
        ASSERT_EQ(putStream(root, "A", pattern(200000, round)), Result::Ok);
        ASSERT_EQ(putStream(root, "Small", pattern(3000, round)), Result::Ok);
        Stream s;
        ASSERT_EQ(root.openStream("A", s), Result::Ok);
        ASSERT_EQ(s.setSize(100000), Result::Ok);
        ASSERT_EQ(s.setSize(200000), Result::Ok);
    }
    EXPECT_EQ(std::filesystem::file_size(path), fullSize);
    EXPECT_EQ(problems(root), "");
}
