// Sector allocation, ordered write-through and stream data of an open compound file.

#include "CfbFile.h"

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <sys/uio.h>
#include <unistd.h>

namespace cfb::detail {

// ---- Raw I/O --------------------------------------------------------------------------------

Result FileImpl::preadAll(std::uint64_t offset, void* buffer, std::size_t count) const
{
    auto* p = static_cast<std::uint8_t*>(buffer);
    while (count > 0) {
        const ssize_t n = ::pread(fd_, p, count, off_t(offset));
        if (n < 0) {
            if (errno == EINTR) continue;
            return resultFromErrno(errno, false);
        }
        if (n == 0) {  // a last sector cut short by the file's end reads as zeros
            std::memset(p, 0, count);
            return Result::Ok;
        }
        p += n;
        offset += std::uint64_t(n);
        count -= std::size_t(n);
    }
    return Result::Ok;
}

Result FileImpl::pwriteAll(std::uint64_t offset, const void* buffer, std::size_t count)
{
    const auto* p = static_cast<const std::uint8_t*>(buffer);
    while (count > 0) {
        const ssize_t n = ::pwrite(fd_, p, count, off_t(offset));
        if (n < 0) {
            if (errno == EINTR) continue;
            return resultFromErrno(errno, true);
        }
        if (n == 0) return Result::MediumFull;
        p += n;
        offset += std::uint64_t(n);
        count -= std::size_t(n);
    }
    return Result::Ok;
}

Result FileImpl::writeSector(std::uint32_t s, const std::uint8_t* data)
{
    const Result r = pwriteAll(sectorOffset(s), data, ss_);
    if (r == Result::Ok) fileBytes_ = std::max(fileBytes_, sectorOffset(s) + ss_);
    return r;
}

// Writes stream bytes. A write that ends inside a sector past the file's current end also writes
// the rest of that sector (zeros, in the same call), so the file stays a whole number of sectors.
Result FileImpl::writeData(std::uint64_t off, const std::uint8_t* data, std::size_t len)
{
    const std::uint64_t end = off + len;
    const std::uint64_t sectorEnd = ((end + ss_ - 1) >> shift_) << shift_;
    if (end <= fileBytes_ || sectorEnd == end) {
        const Result r = pwriteAll(off, data, len);
        if (r == Result::Ok) fileBytes_ = std::max(fileBytes_, end);
        return r;
    }
    static const std::uint8_t pad[4096] = {};
    const std::size_t padLen = std::size_t(sectorEnd - end);
    iovec v[2] = {{const_cast<std::uint8_t*>(data), len}, {const_cast<std::uint8_t*>(pad), padLen}};
    ssize_t n;
    while ((n = ::pwritev(fd_, v, 2, off_t(off))) < 0 && errno == EINTR) {
    }
    if (n < 0) return resultFromErrno(errno, true);
    Result r = Result::Ok;
    if (std::size_t(n) < len) {
        r = pwriteAll(off + std::uint64_t(n), data + n, len - std::size_t(n));
        if (r == Result::Ok) r = pwriteAll(end, pad, padLen);
    } else if (std::size_t(n) < len + padLen) {
        r = pwriteAll(off + std::uint64_t(n), pad, len + padLen - std::size_t(n));
    }
    if (r == Result::Ok) fileBytes_ = std::max(fileBytes_, sectorEnd);
    return r;
}

Result FileImpl::flush()
{
    if (readOnly_) return Result::Ok;
    while (::fdatasync(fd_) != 0) {
        if (errno == EINTR) continue;
        return resultFromErrno(errno, true);
    }
    return Result::Ok;
}

// ---- Encoding -------------------------------------------------------------------------------

void FileImpl::encodeHeader(std::uint8_t* h) const
{
    std::memset(h, 0, 512);
    std::copy(kSignature.begin(), kSignature.end(), h);
    put16(h + 24, 0x003E);
    put16(h + 26, std::uint16_t(major_));
    put16(h + 28, 0xFFFE);
    put16(h + 30, std::uint16_t(shift_));
    put16(h + 32, 6);
    put32(h + 40, major_ == 3 ? 0 : std::uint32_t(dirChain_.size()));
    put32(h + 44, std::uint32_t(fatSectors_.size()));
    put32(h + 48, dirStart_);
    put32(h + 56, kMiniCutoff);
    put32(h + 60, miniFatChain_.empty() ? kEndOfChain : miniFatChain_.front());
    put32(h + 64, std::uint32_t(miniFatChain_.size()));
    put32(h + 68, difatSectors_.empty() ? kEndOfChain : difatSectors_.front());
    put32(h + 72, std::uint32_t(difatSectors_.size()));
    for (std::uint32_t i = 0; i < kHeaderDifatEntries; ++i)
        put32(h + 76 + 4 * i, i < fatSectors_.size() ? fatSectors_[i] : kFreeSect);
}

std::uint32_t FileImpl::difatNext(std::uint32_t j) const
{
    return j + 1 < difatSectors_.size() ? difatSectors_[j + 1] : kEndOfChain;
}

void FileImpl::encodeSector(Kind kind, std::uint32_t index, std::uint8_t* out) const
{
    auto fillTable = [&](const std::vector<std::uint32_t>& table) {
        for (std::uint32_t k = 0; k < perSector_; ++k) {
            const std::size_t i = std::size_t(index) * perSector_ + k;
            put32(out + 4 * k, i < table.size() ? table[i] : kFreeSect);
        }
    };
    switch (kind) {
    case Kind::Fat: fillTable(fat_); break;
    case Kind::MiniFat: fillTable(miniFat_); break;
    case Kind::Difat:
        for (std::uint32_t k = 0; k + 1 < perSector_; ++k) {
            const std::size_t i = kHeaderDifatEntries + std::size_t(index) * (perSector_ - 1) + k;
            put32(out + 4 * k, i < fatSectors_.size() ? fatSectors_[i] : kFreeSect);
        }
        put32(out + 4 * (perSector_ - 1), difatNext(index));
        break;
    case Kind::Dir: {
        const std::uint32_t per = ss_ / kDirEntrySize;
        for (std::uint32_t k = 0; k < per; ++k) dir_[std::size_t(index) * per + k].encode(out + k * kDirEntrySize);
        break;
    }
    }
}

void FileImpl::encodeEarly(Kind kind, std::uint32_t index, std::uint8_t* out) const
{
    encodeSector(kind, index, out);
    const auto* late = kind == Kind::Fat ? &lateFat_ : kind == Kind::MiniFat ? &lateMini_ : nullptr;
    if (!late) return;
    for (const auto& [entry, before] : *late)
        if (entry / perSector_ == index) put32(out + 4 * (entry % perSector_), before);
}

// ---- Allocation -----------------------------------------------------------------------------

void FileImpl::markFresh(std::uint32_t sector, Kind kind, std::uint32_t index) { fresh_[sector] = Fresh{kind, index}; }

void FileImpl::setFat(std::uint32_t s, std::uint32_t value)
{
    fat_[s] = value;
    lateFat_.erase(s);
    dirtyFat_.push_back(s / perSector_);
}

void FileImpl::linkFat(std::uint32_t s, std::uint32_t value)
{
    lateFat_.emplace(s, fat_[s]);  // keeps the first earlier value
    fat_[s] = value;
    dirtyFat_.push_back(s / perSector_);
}

void FileImpl::setMiniFat(std::uint32_t m, std::uint32_t value)
{
    miniFat_[m] = value;
    lateMini_.erase(m);
    dirtyMiniFat_.push_back(m / perSector_);
}

void FileImpl::linkMiniFat(std::uint32_t m, std::uint32_t value)
{
    lateMini_.emplace(m, miniFat_[m]);
    miniFat_[m] = value;
    dirtyMiniFat_.push_back(m / perSector_);
}

void FileImpl::markEntry(std::uint32_t e) { dirtyDir_.push_back(e); }

// Adds `count` FAT sectors (and DIFAT sectors when the DIFAT is full) side by side at the start
// of the range the first new FAT sector covers: nothing refers to that range yet, so the new
// sectors are written first and the header that lists them last. Large files grow their FAT
// several sectors at a time, which keeps long runs of data sectors contiguous. Runs only with no
// other change pending.
Result FileImpl::growFat(std::uint32_t count)
{
    const std::uint64_t base = std::uint64_t(fatSectors_.size()) * perSector_;
    if (base + 2 * count + 2 >= kMaxRegSect) return Result::MediumFull;
    std::uint64_t next = base;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t index = std::uint32_t(fatSectors_.size());
        fat_.resize(std::size_t(index + 1) * perSector_, kFreeSect);
        freeCount_ += perSector_;
        const std::uint32_t s = std::uint32_t(next++);
        fat_[s] = kFatSect;
        --freeCount_;
        fatSectors_.push_back(s);
        markFresh(s, Kind::Fat, index);
        if (fatSectors_.size() <= kHeaderDifatEntries) continue;
        const std::uint64_t slot = fatSectors_.size() - 1 - kHeaderDifatEntries;
        const std::uint32_t j = std::uint32_t(slot / (perSector_ - 1));
        if (j >= difatSectors_.size()) {
            const std::uint32_t d = std::uint32_t(next++);
            fat_[d] = kDifSect;
            --freeCount_;
            difatSectors_.push_back(d);
            markFresh(d, Kind::Difat, j);
            if (j > 0 && !fresh_.count(difatSectors_[j - 1])) dirtyDifat_.push_back(j - 1);  // its next link
        } else if (!fresh_.count(difatSectors_[j])) {
            dirtyDifat_.push_back(j);
        }
    }
    fileSectors_ = std::max<std::uint64_t>(fileSectors_, next);
    headerDirty_ = true;
    return commit();
}

Result FileImpl::reserve(std::uint64_t sectors)
{
    while (freeCount_ < sectors) {
        const std::uint64_t missing = (sectors - freeCount_ + perSector_ - 1) / perSector_;
        const std::uint64_t batch = std::clamp<std::uint64_t>(fatSectors_.size() / 4, 1, 32);
        if (Result r = growFat(std::uint32_t(std::max(missing, batch))); r != Result::Ok) return r;
    }
    return Result::Ok;
}

std::uint32_t FileImpl::allocSector(std::uint32_t preferred)
{
    std::uint32_t s;
    if (preferred < fat_.size() && fat_[preferred] == kFreeSect) {
        s = preferred;
    } else {
        while (freeHint_ < fat_.size() && fat_[freeHint_] != kFreeSect) ++freeHint_;
        s = freeHint_;  // reserve() made sure there is one
        if (s >= fat_.size()) {
            broken_ = true;
            throw std::logic_error("sector allocation without reserve");
        }
    }
    setFat(s, kEndOfChain);
    --freeCount_;
    if (s >= fileSectors_) fileSectors_ = std::uint64_t(s) + 1;
    return s;
}

void FileImpl::freeSector(std::uint32_t s)
{
    linkFat(s, kFreeSect);
    ++freeCount_;
    freeHint_ = std::min(freeHint_, s);
}

void FileImpl::addMiniFatSector()
{
    const std::uint32_t s = allocSector(miniFatChain_.empty() ? kFreeSect : miniFatChain_.back() + 1);
    if (!miniFatChain_.empty()) linkFat(miniFatChain_.back(), s);
    markFresh(s, Kind::MiniFat, std::uint32_t(miniFatChain_.size()));
    miniFatChain_.push_back(s);
    miniFat_.resize(miniFat_.size() + perSector_, kFreeSect);
    headerDirty_ = true;
}

void FileImpl::growMiniStream(std::uint64_t bytes)
{
    DirEntry& root = dir_[0];
    if (root.size >= bytes) return;
    std::vector<std::uint32_t>& chain = chains_[0];
    while (std::uint64_t(chain.size()) * ss_ < bytes) {
        const std::uint32_t s = allocSector(chain.empty() ? kFreeSect : chain.back() + 1);
        if (chain.empty()) root.start = s;
        else linkFat(chain.back(), s);
        chain.push_back(s);
    }
    root.size = bytes;
    markEntry(0);
}

std::uint32_t FileImpl::allocMini(std::uint32_t preferred)
{
    std::uint32_t m;
    if (preferred < miniFat_.size() && miniFat_[preferred] == kFreeSect) {
        m = preferred;
    } else {
        while (miniFreeHint_ < miniFat_.size() && miniFat_[miniFreeHint_] != kFreeSect) ++miniFreeHint_;
        if (miniFreeHint_ >= miniFat_.size()) addMiniFatSector();
        m = miniFreeHint_;
    }
    setMiniFat(m, kEndOfChain);
    growMiniStream((std::uint64_t(m) + 1) * kMiniSectorSize);
    return m;
}

void FileImpl::freeMini(std::uint32_t m)
{
    linkMiniFat(m, kFreeSect);
    miniFreeHint_ = std::min(miniFreeHint_, m);
}

std::uint32_t FileImpl::allocDirEntry()
{
    for (std::uint32_t e = 1; e < dir_.size(); ++e)
        if (dir_[e].type == kUnused) return e;
    const std::uint32_t s = allocSector(dirChain_.back() + 1);
    linkFat(dirChain_.back(), s);
    markFresh(s, Kind::Dir, std::uint32_t(dirChain_.size()));
    dirChain_.push_back(s);
    const std::uint32_t first = std::uint32_t(dir_.size());
    dir_.resize(dir_.size() + ss_ / kDirEntrySize);
    gen_.resize(dir_.size(), 0);
    chains_.resize(dir_.size());
    if (major_ == 4) headerDirty_ = true;
    return first;
}

// ---- Ordered write-through --------------------------------------------------------------------

Result FileImpl::fail(Result r)
{
    // Memory now runs ahead of the disk; refuse further writes until the file is reopened.
    broken_ = true;
    return r;
}

Result FileImpl::checkWritable() const
{
    if (readOnly_) return Result::AccessDenied;
    if (broken_) return Result::CannotSave;
    return Result::Ok;
}

// Writes the pending changes so that the file on disk is consistent after every single write:
//  1. new table sectors (FAT, DIFAT, mini FAT, directory), whole: nothing refers to them yet;
//  2. FAT sectors with the entries of new sectors and cut chain ends, links still as before;
//  3. FAT sectors with the links (chain extensions, frees): every chain on disk stays whole,
//     a chain at most runs on into sectors its entry does not need yet;
//  4. DIFAT sectors, then the header that counts them and the mini FAT;
//  5. the root entry: the mini stream covers the mini sectors about to be linked;
//  6./7. mini FAT sectors, in the same two steps as the FAT;
//  8. directory entries, in the order they were marked (a new entry before the links to it).
// Stream data was written before any of this; sectors are freed only in a later commit than the
// one that made their entry stop referring to them.
Result FileImpl::commit()
{
    auto uniqueSorted = [](std::vector<std::uint32_t>& v) {
        std::sort(v.begin(), v.end());
        v.erase(std::unique(v.begin(), v.end()), v.end());
    };
    uniqueSorted(dirtyFat_);
    uniqueSorted(dirtyMiniFat_);
    uniqueSorted(dirtyDifat_);
    std::vector<std::uint8_t> buf(ss_);
    Result r = Result::Ok;
    auto lateSectors = [&](const std::unordered_map<std::uint32_t, std::uint32_t>& late) {
        std::vector<std::uint32_t> v;
        for (const auto& kv : late) v.push_back(kv.first / perSector_);
        uniqueSorted(v);
        return v;
    };

    std::vector<std::uint32_t> freshSectors;
    for (const auto& f : fresh_) freshSectors.push_back(f.first);
    std::sort(freshSectors.begin(), freshSectors.end());
    for (std::uint32_t s : freshSectors) {
        encodeEarly(fresh_[s].kind, fresh_[s].index, buf.data());
        if ((r = writeSector(s, buf.data())) != Result::Ok) return fail(r);
    }
    auto writeTable = [&](Kind kind, const std::vector<std::uint32_t>& sectors, const std::vector<std::uint32_t>& dirty,
                          const std::unordered_map<std::uint32_t, std::uint32_t>& late) {
        for (std::uint32_t i : dirty) {  // step one: everything but the links
            if (fresh_.count(sectors[i])) continue;
            encodeEarly(kind, i, buf.data());
            if (Result rr = writeSector(sectors[i], buf.data()); rr != Result::Ok) return rr;
        }
        for (std::uint32_t i : lateSectors(late)) {  // step two: the links
            encodeSector(kind, i, buf.data());
            if (Result rr = writeSector(sectors[i], buf.data()); rr != Result::Ok) return rr;
        }
        return Result::Ok;
    };
    if ((r = writeTable(Kind::Fat, fatSectors_, dirtyFat_, lateFat_)) != Result::Ok) return fail(r);
    for (std::uint32_t j : dirtyDifat_) {
        if (fresh_.count(difatSectors_[j])) continue;
        encodeSector(Kind::Difat, j, buf.data());
        if ((r = writeSector(difatSectors_[j], buf.data())) != Result::Ok) return fail(r);
    }
    if (headerDirty_) {
        std::uint8_t h[512];
        encodeHeader(h);
        if ((r = pwriteAll(0, h, sizeof h)) != Result::Ok) return fail(r);
    }
    const std::uint32_t perDir = ss_ / kDirEntrySize;
    auto writeEntry = [&](std::uint32_t e) {
        const std::uint32_t s = dirChain_[e / perDir];
        if (fresh_.count(s)) return Result::Ok;
        std::uint8_t raw[kDirEntrySize];
        dir_[e].encode(raw);
        return pwriteAll(sectorOffset(s) + std::uint64_t(e % perDir) * kDirEntrySize, raw, kDirEntrySize);
    };
    if (std::find(dirtyDir_.begin(), dirtyDir_.end(), 0u) != dirtyDir_.end())
        if ((r = writeEntry(0)) != Result::Ok) return fail(r);
    if ((r = writeTable(Kind::MiniFat, miniFatChain_, dirtyMiniFat_, lateMini_)) != Result::Ok) return fail(r);
    std::vector<std::uint32_t> done;
    for (std::uint32_t e : dirtyDir_) {
        if (e == 0 || std::find(done.begin(), done.end(), e) != done.end()) continue;
        done.push_back(e);
        if ((r = writeEntry(e)) != Result::Ok) return fail(r);
    }
    headerDirty_ = false;
    dirtyFat_.clear();
    dirtyMiniFat_.clear();
    dirtyDifat_.clear();
    dirtyDir_.clear();
    fresh_.clear();
    lateFat_.clear();
    lateMini_.clear();
    return Result::Ok;
}

// ---- Stream data ----------------------------------------------------------------------------

// Calls fn(fileOffset, bufferOffset, length) for each run of the byte range [pos, pos+count)
// that is contiguous in the file, so long runs of consecutive sectors move in one call.
template <typename Fn>
Result FileImpl::forExtents(const std::vector<std::uint32_t>& chain, bool mini, std::uint64_t pos, std::size_t count, Fn&& fn) const
{
    const std::uint32_t unit = mini ? kMiniSectorSize : ss_;
    const std::vector<std::uint32_t>& rootChain = chains_[0];
    auto unitOffset = [&](std::uint64_t idx, std::uint64_t& off) {
        if (idx >= chain.size()) return false;
        if (!mini) {
            off = sectorOffset(chain[idx]);
            return true;
        }
        const std::uint64_t inMini = std::uint64_t(chain[idx]) * kMiniSectorSize;
        const std::uint64_t r = inMini >> shift_;
        if (r >= rootChain.size()) return false;
        off = sectorOffset(rootChain[r]) + (inMini & (ss_ - 1));
        return true;
    };
    std::uint64_t done = 0;
    while (done < count) {
        const std::uint64_t p = pos + done;
        std::uint64_t idx = p / unit;
        const std::uint64_t within = p % unit;
        std::uint64_t start;
        if (!unitOffset(idx, start)) return Result::ReadFault;
        start += within;
        std::uint64_t len = std::min<std::uint64_t>(unit - within, count - done);
        while (done + len < count) {
            std::uint64_t next;
            if (!unitOffset(idx + 1, next) || next != start + len) break;
            ++idx;
            len += std::min<std::uint64_t>(unit, count - done - len);
        }
        if (Result r = fn(start, done, std::size_t(len)); r != Result::Ok) return r;
        done += len;
    }
    return Result::Ok;
}

Result FileImpl::readAt(std::uint32_t e, std::uint64_t pos, void* buffer, std::size_t count, std::size_t& got)
{
    got = 0;
    const std::uint64_t size = dir_[e].size;
    if (pos >= size || count == 0) return Result::Ok;
    count = std::size_t(std::min<std::uint64_t>(count, size - pos));
    auto* out = static_cast<std::uint8_t*>(buffer);
    const Result r = forExtents(chains_[e], isMini(e), pos, count, [&](std::uint64_t off, std::uint64_t at, std::size_t len) {
        return preadAll(off, out + at, len);
    });
    if (r == Result::Ok) got = count;
    return r;
}

Result FileImpl::writeAt(std::uint32_t e, std::uint64_t pos, const void* buffer, std::size_t count)
{
    if (Result r = checkWritable(); r != Result::Ok) return r;
    if (count == 0) return Result::Ok;
    const std::uint64_t limit = major_ == 3 ? 0xFFFFFFFFull : (std::uint64_t(1) << 40);
    if (pos + count > limit) return Result::MediumFull;
    // A gap after the end is filled with zeros first.
    static const std::uint8_t zeros[65536] = {};
    while (dir_[e].size < pos) {
        const std::uint64_t at = dir_[e].size;
        const std::size_t n = std::size_t(std::min<std::uint64_t>(sizeof zeros, pos - at));
        if (Result r = writeAt(e, at, zeros, n); r != Result::Ok) return r;
    }
    const auto* data = static_cast<const std::uint8_t*>(buffer);
    // The size after the write decides where the stream lives, not the end of this write.
    const std::uint64_t finalSize = std::max<std::uint64_t>(dir_[e].size, pos + count);
    if (e != 0 && finalSize < kMiniCutoff) return writeMini(e, pos, data, count);
    if (isMini(e)) return moveToRegular(e, pos, data, count);
    return writeRegular(e, pos, data, count);
}

Result FileImpl::writeRegular(std::uint32_t e, std::uint64_t pos, const std::uint8_t* data, std::size_t count)
{
    const std::uint64_t newEnd = pos + count;
    std::vector<std::uint32_t>& chain = chains_[e];
    const std::uint64_t need = (newEnd + ss_ - 1) >> shift_;
    if (need > chain.size())
        if (Result r = reserve(need - chain.size()); r != Result::Ok) return r;
    DirEntry& d = dir_[e];
    while (chain.size() < need) {
        const std::uint32_t s = allocSector(chain.empty() ? kFreeSect : chain.back() + 1);
        if (chain.empty()) {
            d.start = s;
            markEntry(e);
        } else {
            linkFat(chain.back(), s);
        }
        chain.push_back(s);
    }
    // Data first: nothing on disk refers to new sectors until the tables below are written.
    Result r = forExtents(chain, false, pos, count, [&](std::uint64_t off, std::uint64_t at, std::size_t len) {
        return writeData(off, data + at, len);
    });
    if (r != Result::Ok) return fail(r);
    if (newEnd > d.size) {
        d.size = newEnd;
        markEntry(e);
    }
    if ((r = commit()) != Result::Ok) return r;
    return Result::Ok;
}

Result FileImpl::writeMini(std::uint32_t e, std::uint64_t pos, const std::uint8_t* data, std::size_t count)
{
    const std::uint64_t newEnd = pos + count;
    std::vector<std::uint32_t>& chain = chains_[e];
    const std::uint64_t need = (newEnd + kMiniSectorSize - 1) / kMiniSectorSize;
    if (need > chain.size())
        if (Result r = reserve(need - chain.size() + 2); r != Result::Ok) return r;
    DirEntry& d = dir_[e];
    while (chain.size() < need) {
        const std::uint32_t m = allocMini(chain.empty() ? kFreeSect : chain.back() + 1);
        if (chain.empty()) {
            d.start = m;
            markEntry(e);
        } else {
            linkMiniFat(chain.back(), m);
        }
        chain.push_back(m);
    }
    Result r = forExtents(chain, true, pos, count, [&](std::uint64_t off, std::uint64_t at, std::size_t len) {
        return writeData(off, data + at, len);
    });
    if (r != Result::Ok) return fail(r);
    if (newEnd > d.size) {
        d.size = newEnd;
        markEntry(e);
    }
    return commit();
}

Result FileImpl::moveToRegular(std::uint32_t e, std::uint64_t pos, const std::uint8_t* data, std::size_t count)
{
    DirEntry& d = dir_[e];
    const std::uint64_t newEnd = std::max<std::uint64_t>(d.size, pos + count);
    std::vector<std::uint8_t> content(newEnd, 0);
    std::size_t got = 0;
    if (Result r = readAt(e, 0, content.data(), std::size_t(d.size), got); r != Result::Ok) return r;
    std::memcpy(content.data() + pos, data, count);
    std::vector<std::uint32_t> oldChain = std::move(chains_[e]);
    const std::uint64_t oldSize = d.size;
    chains_[e].clear();
    // Write the whole content as a new regular chain; the entry switches to it in one write.
    d.size = 0;
    Result r = writeRegular(e, 0, content.data(), content.size());
    if (r != Result::Ok) {
        d.size = oldSize;
        chains_[e] = std::move(oldChain);
        return r;
    }
    for (std::uint32_t m : oldChain) freeMini(m);
    return commit();
}

Result FileImpl::moveToMini(std::uint32_t e, std::uint64_t newSize)
{
    DirEntry& d = dir_[e];
    std::vector<std::uint8_t> content(newSize);
    std::size_t got = 0;
    if (Result r = readAt(e, 0, content.data(), content.size(), got); r != Result::Ok) return r;
    std::vector<std::uint32_t> oldChain = std::move(chains_[e]);
    const std::uint64_t oldSize = d.size;
    const std::uint32_t oldStart = d.start;
    chains_[e].clear();
    d.size = 0;
    d.start = kEndOfChain;
    Result r;
    if (newSize > 0) {
        r = writeMini(e, 0, content.data(), content.size());
    } else {
        markEntry(e);
        r = commit();
    }
    if (r != Result::Ok) {
        d.size = oldSize;
        d.start = oldStart;
        chains_[e] = std::move(oldChain);
        return r;
    }
    // Only now that the entry points at the mini chain are the old sectors free for reuse.
    for (std::uint32_t s : oldChain) freeSector(s);
    return commit();
}

void FileImpl::freeChainOf(std::uint32_t e)
{
    const bool mini = isMini(e);
    for (std::uint32_t s : chains_[e]) {
        if (mini) freeMini(s);
        else freeSector(s);
    }
    chains_[e].clear();
}

Result FileImpl::setSize(std::uint32_t e, std::uint64_t newSize)
{
    if (Result r = checkWritable(); r != Result::Ok) return r;
    DirEntry& d = dir_[e];
    if (newSize == d.size) return Result::Ok;
    if (newSize > d.size) {
        static const std::uint8_t zero = 0;
        return writeAt(e, newSize - 1, &zero, 1);  // the gap before it is zero-filled
    }
    if (!isMini(e) && newSize < kMiniCutoff) return moveToMini(e, newSize);
    const bool mini = isMini(e);
    const std::uint32_t unit = mini ? kMiniSectorSize : ss_;
    const std::size_t keep = std::size_t((newSize + unit - 1) / unit);
    // The entry shrinks first; the sectors past the new end are freed after that.
    d.size = newSize;
    if (keep == 0) d.start = kEndOfChain;
    markEntry(e);
    if (Result r = commit(); r != Result::Ok) return r;
    std::vector<std::uint32_t>& chain = chains_[e];
    if (keep >= chain.size()) return Result::Ok;
    if (keep > 0) {
        if (mini) setMiniFat(chain[keep - 1], kEndOfChain);
        else setFat(chain[keep - 1], kEndOfChain);
    }
    for (std::size_t i = keep; i < chain.size(); ++i) {
        if (mini) freeMini(chain[i]);
        else freeSector(chain[i]);
    }
    chain.resize(keep);
    return commit();
}

}  // namespace cfb::detail
