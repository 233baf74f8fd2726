// Writes that fail half-way (file size limit reached: EFBIG, as a full disk would give ENOSPC)
// and reading version 4 files (4096-byte sectors).

#include "CfbTestUtil.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <cstring>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace cfb;
using namespace cfbtest;

// In a child process with a file size limit: the write that hits the limit reports medium full,
// later writes are refused until the file is reopened, and the file still opens with everything
// written before.
TEST(CfbFailure, AWriteBeyondTheSizeLimitFailsCleanly)
{
    TempDir dir;
    const std::string path = dir.file("full.qbk");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        Storage root;
        if (Storage::createFile(path, root) != Result::Ok) ::_exit(10);
        if (putStream(root, "Kept", pattern(20000, 1)) != Result::Ok) ::_exit(11);
        rlimit lim{};
        ::getrlimit(RLIMIT_FSIZE, &lim);
        const rlim_t old = lim.rlim_cur;
        lim.rlim_cur = 64 * 1024;
        if (::setrlimit(RLIMIT_FSIZE, &lim) != 0) ::_exit(12);
        Stream s;
        if (root.createStream("TooBig", s) != Result::Ok) ::_exit(13);
        const auto big = pattern(200000, 2);
        if (s.write(big.data(), big.size()) != Result::MediumFull) ::_exit(14);
        if (s.write(big.data(), 10) != Result::CannotSave) ::_exit(15);
        lim.rlim_cur = old;
        ::setrlimit(RLIMIT_FSIZE, &lim);
        root.release();
        s.release();
        Storage again;
        if (Storage::openFile(path, OpenMode::ReadWrite, again) != Result::Ok) ::_exit(16);
        if (getStream(again, "Kept") != pattern(20000, 1)) ::_exit(17);
        if (!problems(again).empty()) ::_exit(18);
        if (putStream(again, "TooBig", big) != Result::Ok) ::_exit(19);
        if (getStream(again, "TooBig") != big) ::_exit(20);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "step that failed: see the exit codes in the test";
}

namespace {

void put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v)
{
    b[at] = std::uint8_t(v);
    b[at + 1] = std::uint8_t(v >> 8);
}
void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}
void putEntry(std::vector<std::uint8_t>& b, std::size_t at, const std::u16string& name, std::uint8_t type, std::uint32_t child,
              std::uint32_t right, std::uint32_t start, std::uint64_t size)
{
    for (std::size_t i = 0; i < name.size(); ++i) put16(b, at + 2 * i, name[i]);
    put16(b, at + 64, std::uint16_t((name.size() + 1) * 2));
    b[at + 66] = type;
    b[at + 67] = 1;
    put32(b, at + 68, 0xFFFFFFFF);
    put32(b, at + 72, right);
    put32(b, at + 76, child);
    put32(b, at + 116, start);
    put32(b, at + 120, std::uint32_t(size));
    put32(b, at + 124, std::uint32_t(size >> 32));
}

}  // namespace

// A hand-made version 4 file: FAT in sector 0, directory in 1, "Big" (9000 bytes) in 2..4, the
// mini FAT in 5 and the mini stream in 6 holding "Tiny" (100 bytes).
TEST(CfbFailure, ReadsAndExtendsAVersion4File)
{
    const std::size_t ss = 4096;
    std::vector<std::uint8_t> b(ss * 8, 0);
    const std::uint8_t sig[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::memcpy(b.data(), sig, 8);
    put16(b, 24, 0x3E);
    put16(b, 26, 4);
    put16(b, 28, 0xFFFE);
    put16(b, 30, 12);
    put16(b, 32, 6);
    put32(b, 40, 1);  // directory sectors
    put32(b, 44, 1);  // FAT sectors
    put32(b, 48, 1);  // directory start
    put32(b, 56, 4096);
    put32(b, 60, 5);  // mini FAT start
    put32(b, 64, 1);
    put32(b, 68, 0xFFFFFFFE);
    put32(b, 76, 0);
    for (std::size_t i = 1; i < 109; ++i) put32(b, 76 + 4 * i, 0xFFFFFFFF);
    const std::size_t fat = ss;
    for (std::size_t i = 0; i < ss / 4; ++i) put32(b, fat + 4 * i, 0xFFFFFFFF);
    put32(b, fat + 0, 0xFFFFFFFD);
    put32(b, fat + 4, 0xFFFFFFFE);
    put32(b, fat + 8, 3);
    put32(b, fat + 12, 4);
    put32(b, fat + 16, 0xFFFFFFFE);
    put32(b, fat + 20, 0xFFFFFFFE);
    put32(b, fat + 24, 0xFFFFFFFE);
    const std::size_t dirAt = 2 * ss;
    putEntry(b, dirAt, u"Root Entry", 5, 1, 0xFFFFFFFF, 6, 128);
    putEntry(b, dirAt + 128, u"Big", 2, 0xFFFFFFFF, 2, 2, 9000);
    putEntry(b, dirAt + 256, u"Tiny", 2, 0xFFFFFFFF, 0xFFFFFFFF, 0, 100);
    b[dirAt + 256 + 67] = 0;  // red, below the black "Big"
    for (std::size_t e = 3; e < ss / 128; ++e) {
        put32(b, dirAt + e * 128 + 68, 0xFFFFFFFF);
        put32(b, dirAt + e * 128 + 72, 0xFFFFFFFF);
        put32(b, dirAt + e * 128 + 76, 0xFFFFFFFF);
    }
    const auto big = pattern(9000, 1), tiny = pattern(100, 2);
    std::memcpy(b.data() + 3 * ss, big.data(), big.size());
    const std::size_t miniFat = 6 * ss;
    for (std::size_t i = 0; i < ss / 4; ++i) put32(b, miniFat + 4 * i, 0xFFFFFFFF);
    put32(b, miniFat + 0, 1);
    put32(b, miniFat + 4, 0xFFFFFFFE);
    std::memcpy(b.data() + 7 * ss, tiny.data(), tiny.size());

    TempDir dir;
    const std::string path = dir.file("v4.qbk");
    writeWholeFile(path, b);
    {
        Storage root;
        ASSERT_EQ(Storage::openFile(path, OpenMode::ReadWrite, root), Result::Ok);
        EXPECT_EQ(getStream(root, "Big"), big);
        EXPECT_EQ(getStream(root, "Tiny"), tiny);
        EXPECT_EQ(problems(root), "");
        ASSERT_EQ(putStream(root, "Added", pattern(30000, 3)), Result::Ok);
        ASSERT_EQ(putStream(root, "AddedMini", pattern(300, 4)), Result::Ok);
        EXPECT_EQ(problems(root), "");
    }
    Storage root;
    ASSERT_EQ(Storage::openFile(path, OpenMode::ReadOnly, root), Result::Ok);
    EXPECT_EQ(getStream(root, "Big"), big);
    EXPECT_EQ(getStream(root, "Tiny"), tiny);
    EXPECT_EQ(getStream(root, "Added"), pattern(30000, 3));
    EXPECT_EQ(getStream(root, "AddedMini"), pattern(300, 4));
    // Version 4 as we left it also reads elsewhere.
    root.release();
    std::filesystem::create_directory(dir.file("out"));
    std::string out;
    ASSERT_EQ(run(std::string("/usr/bin/python3 ") + CFB_TEST_SCRIPTS "/olefile_dump.py " + path + " " + dir.file("out") + " 2>&1", &out), 0) << out;
    EXPECT_NE(out.find("stream\tAdded\t30000\t"), std::string::npos) << out;
    EXPECT_NE(out.find("stream\tAddedMini\t300\t"), std::string::npos) << out;
}
