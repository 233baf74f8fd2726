// Compound-file engine speed: appending records, rewriting a record in place in streams of
// 32 MB and 320 MB, and reading a 320 MB stream compared with `cat` on the same file.
// Files go to $QB_BENCH_DIR (default: the system temp folder); about 700 MB are needed.

#include "CfbStorage.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

using namespace cfb;

namespace {

constexpr std::size_t kRecord = 320;

std::string benchDir()
{
    const char* d = std::getenv("QB_BENCH_DIR");
    return d && *d ? d : std::filesystem::temp_directory_path().string();
}

std::string benchFile(const std::string& name) { return benchDir() + "/qbcfb-bench-" + name + ".qbk"; }

// A book-like file whose "Transactions" stream holds `records` records, built once per size.
// The files built for the run, removed when the program ends.
struct BuiltFiles {
    std::map<std::size_t, std::string> paths;
    ~BuiltFiles()
    {
        for (const auto& kv : paths) std::filesystem::remove(kv.second);
    }
};

const std::string& bookWith(std::size_t records)
{
    static BuiltFiles built;
    auto it = built.paths.find(records);
    if (it != built.paths.end()) return it->second;
    const std::string path = benchFile(std::to_string(records));
    Storage root;
    if (Storage::createFile(path, root) != Result::Ok) std::abort();
    Stream s;
    if (root.createStream("Transactions", s) != Result::Ok) std::abort();
    std::vector<std::uint8_t> chunk(kRecord * 4096);
    for (std::size_t i = 0; i < chunk.size(); ++i) chunk[i] = std::uint8_t(i * 7);
    for (std::size_t done = 0; done < records; done += 4096) {
        const std::size_t n = std::min<std::size_t>(4096, records - done);
        if (s.write(chunk.data(), n * kRecord) != Result::Ok) std::abort();
    }
    return built.paths[records] = path;
}

void BM_Append1MRecords(benchmark::State& state)
{
    const std::string path = benchFile("append");
    std::vector<std::uint8_t> rec(kRecord, 0x5A);
    for (auto _ : state) {
        Storage root;
        if (Storage::createFile(path, root) != Result::Ok) std::abort();
        Stream s;
        root.createStream("Transactions", s);
        for (std::uint32_t i = 0; i < 1000000; ++i) {
            rec[0] = std::uint8_t(i);
            if (s.seek(0, SeekOrigin::End) != Result::Ok || s.write(rec.data(), rec.size()) != Result::Ok) std::abort();
        }
        benchmark::DoNotOptimize(s.size());
    }
    state.counters["records_per_s"] = benchmark::Counter(1000000.0 * double(state.iterations()), benchmark::Counter::kIsRate);
    std::filesystem::remove(path);
}
BENCHMARK(BM_Append1MRecords)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// The median of single in-place rewrites at random record positions.
void BM_RewriteRandomRecord(benchmark::State& state)
{
    const std::size_t records = std::size_t(state.range(0)) * 1024 * 1024 / kRecord;
    const std::string& path = bookWith(records);
    Storage root;
    if (Storage::openFile(path, OpenMode::ReadWrite, root) != Result::Ok) std::abort();
    Stream s;
    root.openStream("Transactions", s);
    std::mt19937_64 rng(42);
    std::uniform_int_distribution<std::size_t> pick(0, records - 1);
    std::vector<std::uint8_t> rec(kRecord, 0xA5);
    std::vector<double> micros;
    micros.reserve(1 << 20);
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        if (s.seek(std::int64_t(pick(rng) * kRecord), SeekOrigin::Begin) != Result::Ok || s.write(rec.data(), rec.size()) != Result::Ok)
            std::abort();
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[micros.size() * 99 / 100];
}
BENCHMARK(BM_RewriteRandomRecord)->Arg(32)->Arg(320)->Unit(benchmark::kMicrosecond)->UseRealTime();

double catSeconds(const std::string& path)
{
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        if (std::system(("cat '" + path + "' > /dev/null").c_str()) != 0) std::abort();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    return best;
}

// Reads the 320 MB stream from start to end in 1 MB calls; `cat` on the whole file (warm page
// cache) is timed in the same run and the ratio reported (must stay at or above 0.5).
void BM_ReadStream320MB(benchmark::State& state)
{
    const std::size_t records = std::size_t(320) * 1024 * 1024 / kRecord;
    const std::string& path = bookWith(records);
    const double catTime = catSeconds(path);  // also warms the page cache
    const auto fileBytes = double(std::filesystem::file_size(path));
    std::vector<std::uint8_t> buf(1 << 20);
    double ourTime = 0;
    std::uint64_t total = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        Storage root;
        if (Storage::openFile(path, OpenMode::ReadOnly, root) != Result::Ok) std::abort();
        Stream s;
        root.openStream("Transactions", s);
        std::size_t got = 0;
        while (s.read(buf.data(), buf.size(), &got) == Result::Ok && got > 0) total += got;
        ourTime += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    state.SetBytesProcessed(std::int64_t(total));
    const double ourRate = double(total) / ourTime;
    const double catRate = fileBytes / catTime;
    state.counters["ours_MBps"] = ourRate / 1e6;
    state.counters["cat_MBps"] = catRate / 1e6;
    state.counters["ratio_vs_cat"] = ourRate / catRate;
}
BENCHMARK(BM_ReadStream320MB)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace
