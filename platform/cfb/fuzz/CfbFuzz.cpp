// Fuzz target: arbitrary bytes as a compound file. Opening must either refuse the file or give a
// file that can be walked, read, validated and changed without a crash, hang or huge allocation.

#include "CfbStorage.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

using namespace cfb;

namespace {

// The input goes through a file of this process, removed when the fuzzer exits.
struct ScratchFile {
    std::string path = "/tmp/qbcfb-fuzz-" + std::to_string(::getpid()) + ".bin";
    ~ScratchFile() { std::remove(path.c_str()); }
};

bool writeFile(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

// Reads every stream below `top`; with `change`, also writes into each one and adds a stream.
void walk(Storage top, bool change)
{
    std::vector<Storage> todo{top};
    std::vector<std::uint8_t> buf(1 << 16);
    for (std::size_t i = 0; i < todo.size() && i < 1000; ++i) {
        std::vector<ElementInfo> els;
        if (todo[i].elements(els) != Result::Ok) continue;
        for (const ElementInfo& e : els) {
            if (e.type == ElementType::Storage) {
                Storage sub;
                if (todo[i].openStorage(e.name, sub) == Result::Ok) todo.push_back(sub);
                continue;
            }
            Stream s;
            if (todo[i].openStream(e.name, s) != Result::Ok) continue;
            std::size_t got = 0;
            while (s.read(buf.data(), buf.size(), &got) == Result::Ok && got > 0) {
            }
            if (!change) continue;
            const std::uint64_t size = s.size();
            s.seek(std::int64_t(size / 2), SeekOrigin::Begin);
            s.write(buf.data(), 700);
            s.setSize(size / 3);
            s.setSize(size + 5000);
        }
        if (change) {
            Stream added;
            if (todo[i].createStream("Added", added) == Result::Ok) added.write(buf.data(), 5000);
            todo[i].renameElement("Added", "Renamed");
            todo[i].destroyElement("Renamed");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFile scratch;
    const std::string& path = scratch.path;
    if (!writeFile(path, data, size)) return 0;
    {
        Storage root;
        if (Storage::openFile(path, OpenMode::ReadOnly, root) != Result::Ok) return 0;
        walk(root, false);
        ValidationReport report;
        root.validate(&report);
    }
    {
        Storage root;
        if (Storage::openFile(path, OpenMode::ReadWrite, root) != Result::Ok) std::abort();  // it opened a moment ago
        walk(root, true);
        // What the engine wrote into an accepted file must still open.
        root.release();
        if (Storage::openFile(path, OpenMode::ReadOnly, root) != Result::Ok) std::abort();
    }
    return 0;
}
