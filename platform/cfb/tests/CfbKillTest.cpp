// A writer killed at random moments: a child appends 320-byte records to a stream (and rewrites a
// counts record after each, as the file manager does) and reports each completed append; the
// parent kills it with SIGKILL. Every time the file must open, pass the self-check and hold every
// reported record.

#include "CfbTestUtil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace cfb;
using namespace cfbtest;

namespace {

constexpr std::size_t kRecord = 320;

// Each record differs from every other one in every 4-byte word.
std::vector<std::uint8_t> record(std::uint32_t k)
{
    std::vector<std::uint8_t> r(kRecord);
    for (std::size_t w = 0; w < kRecord / 4; ++w) {
        const std::uint32_t v = (k + 1) * 2654435761u ^ std::uint32_t(w) * 0x9E3779B9u;
        std::memcpy(r.data() + 4 * w, &v, 4);
    }
    return r;
}

[[noreturn]] void appendForever(const std::string& path, int report)
{
    Storage root;
    Stream trans, counts;
    if (Storage::openFile(path, OpenMode::ReadWrite, root) != Result::Ok || root.openStream("Transactions", trans) != Result::Ok ||
        root.openStream("QB2FileInfo", counts) != Result::Ok)
        ::_exit(3);
    std::uint32_t k = std::uint32_t(trans.size() / kRecord);
    for (;;) {
        const auto rec = record(k);
        if (trans.seek(0, SeekOrigin::End) != Result::Ok || trans.write(rec.data(), rec.size()) != Result::Ok) ::_exit(4);
        ++k;
        std::uint8_t c[4] = {std::uint8_t(k), std::uint8_t(k >> 8), std::uint8_t(k >> 16), std::uint8_t(k >> 24)};
        if (counts.seek(0, SeekOrigin::Begin) != Result::Ok || counts.write(c, 4) != Result::Ok) ::_exit(5);
        if (::write(report, &k, sizeof k) != sizeof k) ::_exit(6);
    }
}

void createBook(const std::string& path)
{
    Storage root;
    ASSERT_EQ(Storage::createFile(path, root), Result::Ok);
    Stream s;
    ASSERT_EQ(root.createStream("Transactions", s), Result::Ok);
    ASSERT_EQ(putStream(root, "QB2FileInfo", std::vector<std::uint8_t>(4, 0)), Result::Ok);
    ASSERT_EQ(putStream(root, "Comments", std::vector<std::uint8_t>(1, 0)), Result::Ok);
}

}  // namespace

TEST(CfbKill, EveryReportedAppendSurvivesSigkill)
{
    TempDir dir;
    const std::string path = dir.file("kill.qbk");
    const unsigned seed = unsigned(std::chrono::steady_clock::now().time_since_epoch().count());
    std::mt19937 rng(seed);
    SCOPED_TRACE("random seed " + std::to_string(seed));
    const auto started = std::chrono::steady_clock::now();
    int kills = 0;
    std::uint64_t maxSize = 0;
    for (int round = 0; round < 250; ++round) {
        if (round % 50 == 0) createBook(path);  // a fresh file now and then: crosses the mini cutoff again
        int pipeFds[2];
        ASSERT_EQ(::pipe(pipeFds), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(pipeFds[0]);
            appendForever(path, pipeFds[1]);
        }
        ::close(pipeFds[1]);
        ::usleep(std::uniform_int_distribution<unsigned>(0, 12000)(rng));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself, exit code " << WEXITSTATUS(status);
        ++kills;
        std::uint32_t reported = 0, k;
        while (::read(pipeFds[0], &k, sizeof k) == sizeof k) reported = k;
        ::close(pipeFds[0]);

        Storage root;
        const Result opened = Storage::openFile(path, OpenMode::ReadOnly, root);
        if (opened != Result::Ok || !problems(root).empty()) {
            const std::string keep = std::filesystem::temp_directory_path() / "qbcfb-kill-failure.qbk";
            std::filesystem::copy_file(path, keep, std::filesystem::copy_options::overwrite_existing);
            FAIL() << "round " << round << ": " << resultName(opened) << "\n" << (opened == Result::Ok ? problems(root) : "")
                   << "the file is kept as " << keep;
        }
        const auto counts = getStream(root, "QB2FileInfo");
        ASSERT_EQ(counts.size(), 4u);
        const std::uint32_t count = counts[0] | (counts[1] << 8) | (counts[2] << 16) | (std::uint32_t(counts[3]) << 24);
        const auto trans = getStream(root, "Transactions");
        maxSize = std::max<std::uint64_t>(maxSize, trans.size());
        ASSERT_EQ(trans.size() % kRecord, 0u) << "round " << round;
        const std::uint32_t records = std::uint32_t(trans.size() / kRecord);
        ASSERT_GE(count, reported) << "round " << round;
        ASSERT_GE(records, count) << "round " << round;
        for (std::uint32_t i = 0; i < records; ++i)
            ASSERT_EQ(std::memcmp(trans.data() + i * kRecord, record(i).data(), kRecord), 0) << "record " << i << " round " << round;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_GE(kills, 200);
    EXPECT_LT(seconds, 60.0);
    std::printf("%d kills in %.1f s, largest stream %llu bytes\n", kills, seconds, static_cast<unsigned long long>(maxSize));
}
