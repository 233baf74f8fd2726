// Opening, creating and checking compound files. The reader trusts nothing in the file: every
// sector number, chain, size and tree link is checked before it is used, and every table it
// allocates is bounded by the file's length.

#include "CfbFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cfb::detail {

namespace {

std::string fmt(const char* what, std::uint64_t a)
{
    return std::string(what) + " " + std::to_string(a);
}

// Takes the exclusive lock that keeps a second opener out. flock locks belong to the open file
// description, so a second open in this same process conflicts too, and the kernel drops the
// lock of a process that dies.
Result lockExclusive(int fd)
{
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        return errno == EWOULDBLOCK ? Result::AccessDenied : resultFromErrno(errno, false);
    }
    return Result::Ok;
}

}  // namespace

FileImpl::~FileImpl()
{
    if (fd_ >= 0 && ownsFd_) ::close(fd_);  // closing drops the lock
}

Result FileImpl::open(const std::string& path, OpenMode mode, std::shared_ptr<FileImpl>& out)
{
    auto f = std::make_shared<FileImpl>();
    f->readOnly_ = mode == OpenMode::ReadOnly;
    f->fd_ = ::open(path.c_str(), (f->readOnly_ ? O_RDONLY : O_RDWR) | O_CLOEXEC);
    if (f->fd_ < 0) return resultFromErrno(errno, false);
    struct stat st {};
    if (::fstat(f->fd_, &st) != 0) return resultFromErrno(errno, false);
    if (!S_ISREG(st.st_mode)) return Result::AccessDenied;
    if (Result r = lockExclusive(f->fd_); r != Result::Ok) return r;
    if (Result r = f->parse(nullptr); r != Result::Ok) return r;
    out = std::move(f);
    return Result::Ok;
}

Result FileImpl::create(const std::string& path, std::shared_ptr<FileImpl>& out)
{
    auto f = std::make_shared<FileImpl>();
    // No O_TRUNC: the old file is emptied only once we hold its lock.
    f->fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (f->fd_ < 0) return resultFromErrno(errno, true);
    struct stat st {};
    if (::fstat(f->fd_, &st) != 0) return resultFromErrno(errno, true);
    if (!S_ISREG(st.st_mode)) return Result::AccessDenied;
    if (Result r = lockExclusive(f->fd_); r != Result::Ok) return r;
    if (::ftruncate(f->fd_, 0) != 0) return resultFromErrno(errno, true);
    if (Result r = f->initialiseNew(); r != Result::Ok) return r;
    out = std::move(f);
    return Result::Ok;
}

Result FileImpl::initialiseNew()
{
    major_ = 3;
    shift_ = 9;
    ss_ = 512;
    perSector_ = ss_ / 4;
    // Sector 0 holds the FAT, sector 1 the directory.
    fat_.assign(perSector_, kFreeSect);
    fat_[0] = kFatSect;
    fat_[1] = kEndOfChain;
    fatSectors_ = {0};
    freeCount_ = perSector_ - 2;
    freeHint_ = 2;
    dirStart_ = 1;
    dirChain_ = {1};
    dir_.assign(ss_ / kDirEntrySize, DirEntry{});
    dir_[0].name = u"Root Entry";
    dir_[0].type = kRoot;
    dir_[0].colour = kBlack;
    gen_.assign(dir_.size(), 0);
    chains_.assign(dir_.size(), {});
    fileSectors_ = 2;
    std::vector<std::uint8_t> buf(ss_);
    encodeSector(Kind::Fat, 0, buf.data());
    if (Result r = writeSector(0, buf.data()); r != Result::Ok) return r;
    encodeSector(Kind::Dir, 0, buf.data());
    if (Result r = writeSector(1, buf.data()); r != Result::Ok) return r;
    std::uint8_t h[512];
    encodeHeader(h);
    fileBytes_ = 3 * 512;
    return pwriteAll(0, h, sizeof h);
}

Result FileImpl::walkChain(std::uint32_t start, std::vector<std::uint8_t>& used, std::vector<std::uint32_t>& chain) const
{
    chain.clear();
    const std::uint64_t limit = std::min<std::uint64_t>(fileSectors_, fat_.size());
    std::uint32_t s = start;
    while (s != kEndOfChain) {
        if (s >= limit || used[s]) return Result::NotCompoundFile;  // out of range, cycle or shared
        used[s] = 1;
        chain.push_back(s);
        s = fat_[s];
        if (s > kMaxRegSect && s != kEndOfChain) return Result::NotCompoundFile;
    }
    return Result::Ok;
}

Result FileImpl::parse(ValidationReport* report)
{
    struct stat st {};
    if (::fstat(fd_, &st) != 0) return resultFromErrno(errno, false);
    const std::uint64_t fileSize = std::uint64_t(st.st_size);
    if (fileSize < 512) return Result::NotCompoundFile;
    std::uint8_t h[512];
    if (Result r = preadAll(0, h, sizeof h); r != Result::Ok) return r;
    if (!std::equal(kSignature.begin(), kSignature.end(), h)) return Result::NotCompoundFile;
    if (get16(h + 28) != 0xFFFE) return Result::NotCompoundFile;
    major_ = get16(h + 26);
    shift_ = get16(h + 30);
    if (!((major_ == 3 && shift_ == 9) || (major_ == 4 && shift_ == 12))) return Result::NotCompoundFile;
    if (get16(h + 32) != 6 || get32(h + 56) != kMiniCutoff) return Result::NotCompoundFile;
    ss_ = 1u << shift_;
    perSector_ = ss_ / 4;
    if (fileSize < ss_) return Result::NotCompoundFile;
    fileSectors_ = (fileSize - ss_ + ss_ - 1) / ss_;
    fileBytes_ = fileSize;
    if (fileSectors_ >= kMaxRegSect) return Result::NotCompoundFile;

    const std::uint32_t numFat = get32(h + 44);
    dirStart_ = get32(h + 48);
    miniFatStart_ = get32(h + 60);
    const std::uint32_t numMiniFat = get32(h + 64);
    difatStart_ = get32(h + 68);
    const std::uint32_t numDifat = get32(h + 72);
    // One FAT sector covers perSector_ sectors; far more FAT than the file could use is a lie
    // that would only make us allocate memory for nothing.
    if (numFat == 0 || numFat > fileSectors_ || numFat > fileSectors_ / 8 + 128) return Result::NotCompoundFile;

    std::vector<std::uint8_t> used(fileSectors_, 0);
    std::vector<std::uint8_t> buf(ss_);

    // The DIFAT: header entries, then the chain of DIFAT sectors.
    fatSectors_.clear();
    difatSectors_.clear();
    for (std::uint32_t i = 0; i < kHeaderDifatEntries && fatSectors_.size() < numFat; ++i)
        fatSectors_.push_back(get32(h + 76 + 4 * i));
    std::uint32_t next = difatStart_;
    while (fatSectors_.size() < numFat) {
        if (next >= fileSectors_ || used[next]) return Result::NotCompoundFile;
        used[next] = 1;
        difatSectors_.push_back(next);
        if (Result r = preadAll(sectorOffset(next), buf.data(), ss_); r != Result::Ok) return r;
        for (std::uint32_t k = 0; k + 1 < perSector_ && fatSectors_.size() < numFat; ++k)
            fatSectors_.push_back(get32(buf.data() + 4 * k));
        next = get32(buf.data() + 4 * (perSector_ - 1));
    }
    for (std::uint32_t s : fatSectors_) {
        if (s >= fileSectors_ || used[s]) return Result::NotCompoundFile;
        used[s] = 1;
    }

    // The FAT, read in runs of consecutive sectors.
    fat_.assign(std::size_t(numFat) * perSector_, kFreeSect);
    for (std::size_t i = 0; i < fatSectors_.size();) {
        std::size_t j = i + 1;
        while (j < fatSectors_.size() && fatSectors_[j] == fatSectors_[j - 1] + 1 && j - i < 2048) ++j;
        std::vector<std::uint8_t> run((j - i) * ss_);
        if (Result r = preadAll(sectorOffset(fatSectors_[i]), run.data(), run.size()); r != Result::Ok) return r;
        for (std::size_t k = 0; k < (j - i) * perSector_; ++k) fat_[i * perSector_ + k] = get32(run.data() + 4 * k);
        i = j;
    }

    // Directory.
    if (Result r = walkChain(dirStart_, used, dirChain_); r != Result::Ok) return r;
    if (dirChain_.empty()) return Result::NotCompoundFile;
    const std::uint32_t perDirSector = ss_ / kDirEntrySize;
    dir_.assign(dirChain_.size() * perDirSector, DirEntry{});
    for (std::size_t i = 0; i < dirChain_.size(); ++i) {
        if (Result r = preadAll(sectorOffset(dirChain_[i]), buf.data(), ss_); r != Result::Ok) return r;
        for (std::uint32_t k = 0; k < perDirSector; ++k)
            if (!dir_[i * perDirSector + k].decode(buf.data() + k * kDirEntrySize, major_)) return Result::NotCompoundFile;
    }
    if (dir_[0].type != kRoot) return Result::NotCompoundFile;
    gen_.assign(dir_.size(), 0);
    chains_.assign(dir_.size(), {});

    // Mini FAT and mini stream.
    if (miniFatStart_ == kEndOfChain) {
        miniFatChain_.clear();
    } else if (Result r = walkChain(miniFatStart_, used, miniFatChain_); r != Result::Ok) {
        return r;
    }
    miniFat_.assign(miniFatChain_.size() * perSector_, kFreeSect);
    for (std::size_t i = 0; i < miniFatChain_.size(); ++i) {
        if (Result r = preadAll(sectorOffset(miniFatChain_[i]), buf.data(), ss_); r != Result::Ok) return r;
        for (std::uint32_t k = 0; k < perSector_; ++k) miniFat_[i * perSector_ + k] = get32(buf.data() + 4 * k);
    }
    DirEntry& root = dir_[0];
    if (root.size > 0) {
        if (Result r = walkChain(root.start, used, chains_[0]); r != Result::Ok) return r;
        if (std::uint64_t(chains_[0].size()) * ss_ < root.size) return Result::NotCompoundFile;
    }
    const std::uint64_t miniLimit = std::min<std::uint64_t>(miniFat_.size(), root.size / kMiniSectorSize);
    std::vector<std::uint8_t> miniUsed(miniLimit, 0);

    // The tree: every entry reached once, through valid indexes only.
    std::vector<std::uint8_t> reached(dir_.size(), 0);
    std::vector<std::uint32_t> stack;
    if (root.child != kNoStream) stack.push_back(root.child);
    while (!stack.empty()) {
        const std::uint32_t x = stack.back();
        stack.pop_back();
        if (x == 0 || x >= dir_.size() || reached[x]) return Result::NotCompoundFile;
        reached[x] = 1;
        DirEntry& d = dir_[x];
        if (d.type != kStorage && d.type != kStream) return Result::NotCompoundFile;
        for (std::uint32_t link : {d.left, d.right, d.type == kStorage ? d.child : kNoStream})
            if (link != kNoStream) stack.push_back(link);
        if (d.type != kStream || d.size == 0) continue;
        std::vector<std::uint32_t>& chain = chains_[x];
        if (d.size < kMiniCutoff) {
            std::uint32_t m = d.start;
            while (m != kEndOfChain) {
                if (m >= miniLimit || miniUsed[m]) return Result::NotCompoundFile;
                miniUsed[m] = 1;
                chain.push_back(m);
                m = miniFat_[m];
                if (m > kMaxRegSect && m != kEndOfChain) return Result::NotCompoundFile;
            }
            if (std::uint64_t(chain.size()) * kMiniSectorSize < d.size) return Result::NotCompoundFile;
        } else {
            if (Result r = walkChain(d.start, used, chain); r != Result::Ok) return r;
            if (std::uint64_t(chain.size()) * ss_ < d.size) return Result::NotCompoundFile;
        }
    }

    // Table sectors another writer left unmarked must never be handed out for data.
    bool tablesUnmarked = false;
    for (std::uint32_t s : fatSectors_) tablesUnmarked |= fat_[s] != kFatSect;
    for (std::uint32_t s : difatSectors_) tablesUnmarked |= fat_[s] != kDifSect;
    if (tablesUnmarked && report) {
        for (std::uint32_t s : fatSectors_)
            if (fat_[s] != kFatSect) report->problems.push_back(fmt("FAT sector not marked in the FAT:", s));
        for (std::uint32_t s : difatSectors_)
            if (fat_[s] != kDifSect) report->problems.push_back(fmt("DIFAT sector not marked in the FAT:", s));
    }
    for (std::uint32_t s : fatSectors_) fat_[s] = kFatSect;
    for (std::uint32_t s : difatSectors_) fat_[s] = kDifSect;
    freeCount_ = std::count(fat_.begin(), fat_.end(), kFreeSect);
    freeHint_ = 0;
    miniFreeHint_ = 0;

    if (report) {
        report->fileSectors = fileSectors_;
        if (numDifat != difatSectors_.size()) report->problems.push_back(fmt("DIFAT sector count in the header differs:", numDifat));
        if (numMiniFat != miniFatChain_.size()) report->problems.push_back(fmt("mini FAT sector count in the header differs:", numMiniFat));
        if (major_ == 3 && get32(h + 40) != 0) report->problems.push_back("directory sector count must be 0 in version 3");
        for (std::uint64_t s = 0; s < fat_.size(); ++s) {
            const std::uint32_t v = fat_[s];
            if (v == kFreeSect) continue;
            if (s >= fileSectors_) {
                report->problems.push_back(fmt("FAT entry in use for a sector beyond the file:", s));
            } else if (!used[s]) {
                if (v == kFatSect || v == kDifSect) report->problems.push_back(fmt("table sector marked but not listed:", s));
                else ++report->leakedSectors;
            }
        }
        for (std::uint64_t m = 0; m < miniLimit; ++m)
            if (miniFat_[m] != kFreeSect && !miniUsed[m]) ++report->leakedMiniSectors;
        // In use beyond the mini stream: left by a change that was cut off before the mini stream
        // grew; nothing can refer to them, so they count as leaked.
        for (std::uint64_t m = miniLimit; m < miniFat_.size(); ++m)
            if (miniFat_[m] != kFreeSect) ++report->leakedMiniSectors;
        for (std::size_t e = 1; e < dir_.size(); ++e) {
            if (!reached[e] && dir_[e].type != kUnused) report->problems.push_back(fmt("directory entry not in any tree:", e));
            if (reached[e] && dir_[e].type == kStream && dir_[e].size >= kMiniCutoff && major_ == 3 && dir_[e].size > 0xFFFFFFFFull)
                report->problems.push_back(fmt("stream too large for version 3:", e));
        }
        checkTrees(reached, *report);
    }
    // No valid chain reaches a mini sector past the end of the mini stream, so those entries
    // are free whatever the table says; new mini sectors then always extend the stream at its end.
    for (std::uint64_t m = miniLimit; m < miniFat_.size(); ++m) miniFat_[m] = kFreeSect;
    return Result::Ok;
}

// Checks every storage's tree: strict name order (so names are unique), no red entry with a red
// child, and the same number of black entries on every path.
void FileImpl::checkTrees(const std::vector<std::uint8_t>& reached, ValidationReport& report) const
{
    std::vector<std::int64_t> blackHeight(dir_.size(), 0);
    for (std::size_t p = 0; p < dir_.size(); ++p) {
        if (!(p == 0 || (reached[p] && dir_[p].type == kStorage))) continue;
        const std::uint32_t top = dir_[p].child;
        if (top == kNoStream) continue;
        if (dir_[top].colour != kBlack) report.problems.push_back(fmt("red root of the tree of storage", p));
        // In-order walk for the order; post-order for the colours.
        std::vector<std::uint32_t> stack;
        const DirEntry* prev = nullptr;
        std::uint32_t x = top;
        while (x != kNoStream || !stack.empty()) {
            while (x != kNoStream) {
                stack.push_back(x);
                x = dir_[x].left;
            }
            x = stack.back();
            stack.pop_back();
            if (prev && compareNames(prev->name, dir_[x].name) >= 0)
                report.problems.push_back(fmt("children out of order or duplicate names in storage", p));
            prev = &dir_[x];
            x = dir_[x].right;
        }
        std::vector<std::pair<std::uint32_t, bool>> post{{top, false}};
        while (!post.empty()) {
            auto [n, done] = post.back();
            post.pop_back();
            const DirEntry& d = dir_[n];
            if (!done) {
                post.push_back({n, true});
                if (d.left != kNoStream) post.push_back({d.left, false});
                if (d.right != kNoStream) post.push_back({d.right, false});
                continue;
            }
            const std::int64_t lh = d.left == kNoStream ? 0 : blackHeight[d.left];
            const std::int64_t rh = d.right == kNoStream ? 0 : blackHeight[d.right];
            if (lh != rh) report.problems.push_back(fmt("unequal black heights below entry", n));
            if (d.colour == kRed)
                for (std::uint32_t c : {d.left, d.right})
                    if (c != kNoStream && dir_[c].colour == kRed) report.problems.push_back(fmt("red entry with a red child:", n));
            if (d.colour != kRed && d.colour != kBlack) report.problems.push_back(fmt("bad colour of entry", n));
            blackHeight[n] = std::max(lh, rh) + (d.colour == kBlack ? 1 : 0);
        }
    }
}

Result FileImpl::validate(ValidationReport* report) const
{
    ValidationReport local;
    ValidationReport& rep = report ? *report : local;
    rep = ValidationReport{};
    if (broken_) rep.problems.push_back("an earlier write failed; the file must be reopened");
    FileImpl disk;
    disk.fd_ = fd_;
    disk.ownsFd_ = false;
    disk.readOnly_ = true;
    const Result r = disk.parse(&rep);
    if (r != Result::Ok) {
        rep.problems.push_back(std::string("the file does not open: ") + resultName(r));
        return r;
    }
    // What is on the disk must be what the engine works with.
    if (disk.fat_ != fat_) rep.problems.push_back("FAT on disk differs from the FAT in memory");
    if (disk.miniFat_ != miniFat_) rep.problems.push_back("mini FAT on disk differs from memory");
    if (disk.dir_.size() != dir_.size()) {
        rep.problems.push_back("directory size on disk differs from memory");
    } else {
        std::uint8_t a[kDirEntrySize], b[kDirEntrySize];
        for (std::size_t e = 0; e < dir_.size(); ++e) {
            disk.dir_[e].encode(a);
            dir_[e].encode(b);
            if (std::memcmp(a, b, kDirEntrySize) != 0) rep.problems.push_back(fmt("directory entry on disk differs from memory:", e));
        }
    }
    for (std::size_t e = 0; e < dir_.size() && e < disk.chains_.size(); ++e)
        if (dir_[e].type == kStream && dir_[e].size > 0 && disk.chains_[e] != chains_[e])
            rep.problems.push_back(fmt("sector chain on disk differs from memory for entry", e));
    return rep.problems.empty() ? Result::Ok : Result::NotCompoundFile;
}

}  // namespace cfb::detail
