#pragma once
// The open compound file behind the Storage and Stream handles: the tables in memory, the
// allocation of sectors and the ordered write-through of every change.

#include "CfbFormat.h"
#include "CfbStorage.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace cfb::detail {

class FileImpl {
public:
    FileImpl() = default;
    ~FileImpl();
    FileImpl(const FileImpl&) = delete;
    FileImpl& operator=(const FileImpl&) = delete;

    static Result create(const std::string& path, std::shared_ptr<FileImpl>& out);
    static Result open(const std::string& path, OpenMode mode, std::shared_ptr<FileImpl>& out);

    bool readOnly() const { return readOnly_; }
    Result validate(ValidationReport* report) const;
    Result flush();

    // Directory. Entry 0 is the root storage.
    bool alive(std::uint32_t e, std::uint32_t generation) const
    {
        return e < dir_.size() && gen_[e] == generation && dir_[e].type != kUnused;
    }
    std::uint32_t generation(std::uint32_t e) const { return gen_[e]; }
    const DirEntry& entry(std::uint32_t e) const { return dir_[e]; }
    Result findChild(std::uint32_t storage, const std::u16string& name, std::uint32_t& out) const;
    Result children(std::uint32_t storage, std::vector<std::uint32_t>& out) const;
    // Creates a stream or storage under `storage`, replacing an element of that name.
    Result createElement(std::uint32_t storage, const std::u16string& name, std::uint8_t type, std::uint32_t& out);
    Result destroyElement(std::uint32_t storage, const std::u16string& name);
    Result renameElement(std::uint32_t storage, const std::u16string& oldName, const std::u16string& newName);
    // True when `inner` is `outer` or lies below it.
    bool isWithin(std::uint32_t inner, std::uint32_t outer) const;

    // Stream data.
    Result readAt(std::uint32_t e, std::uint64_t pos, void* buffer, std::size_t count, std::size_t& got);
    Result writeAt(std::uint32_t e, std::uint64_t pos, const void* buffer, std::size_t count);
    Result setSize(std::uint32_t e, std::uint64_t newSize);

private:
    enum class Kind : std::uint8_t { Fat, Difat, MiniFat, Dir };
    struct Fresh {
        Kind kind;
        std::uint32_t index;
    };

    // Opening and checking (CfbParse.cpp).
    Result parse(ValidationReport* report);
    Result walkChain(std::uint32_t start, std::vector<std::uint8_t>& used, std::vector<std::uint32_t>& chain) const;
    void checkTrees(const std::vector<std::uint8_t>& reached, ValidationReport& report) const;
    Result initialiseNew();

    // Raw I/O.
    Result preadAll(std::uint64_t offset, void* buffer, std::size_t count) const;
    Result pwriteAll(std::uint64_t offset, const void* buffer, std::size_t count);
    std::uint64_t sectorOffset(std::uint32_t s) const { return (std::uint64_t(s) + 1) << shift_; }
    Result writeSector(std::uint32_t s, const std::uint8_t* data);
    Result writeData(std::uint64_t offset, const std::uint8_t* data, std::size_t count);

    // Encoding of table sectors and the header.
    void encodeHeader(std::uint8_t* h) const;
    void encodeSector(Kind kind, std::uint32_t index, std::uint8_t* out) const;
    // The same with the pending links of the table left at their earlier values.
    void encodeEarly(Kind kind, std::uint32_t index, std::uint8_t* out) const;
    std::uint32_t difatNext(std::uint32_t j) const;

    // Allocation (CfbFile.cpp).
    Result reserve(std::uint64_t sectors);
    Result growFat(std::uint32_t count);
    std::uint32_t allocSector(std::uint32_t preferred);
    void freeSector(std::uint32_t s);
    // Table changes come in two phases: setFat/setMiniFat (entries of new sectors, chain ends) are
    // written before linkFat/linkMiniFat (next links and frees). See commit().
    void setFat(std::uint32_t s, std::uint32_t value);
    void linkFat(std::uint32_t s, std::uint32_t value);
    void linkMiniFat(std::uint32_t m, std::uint32_t value);
    std::uint32_t allocMini(std::uint32_t preferred);
    void freeMini(std::uint32_t m);
    void setMiniFat(std::uint32_t m, std::uint32_t value);
    void addMiniFatSector();
    void growMiniStream(std::uint64_t bytes);
    std::uint32_t allocDirEntry();
    void markEntry(std::uint32_t e);
    void markFresh(std::uint32_t sector, Kind kind, std::uint32_t index);
    // Writes every pending table change in the safe order (see CfbStorage.h).
    Result commit();
    Result fail(Result r);
    Result checkWritable() const;

    // Stream helpers.
    bool isMini(std::uint32_t e) const { return e != 0 && dir_[e].size < kMiniCutoff; }
    template <typename Fn>
    Result forExtents(const std::vector<std::uint32_t>& chain, bool mini, std::uint64_t pos, std::size_t count, Fn&& fn) const;
    Result writeRegular(std::uint32_t e, std::uint64_t pos, const std::uint8_t* data, std::size_t count);
    Result writeMini(std::uint32_t e, std::uint64_t pos, const std::uint8_t* data, std::size_t count);
    Result moveToRegular(std::uint32_t e, std::uint64_t pos, const std::uint8_t* data, std::size_t count);
    Result moveToMini(std::uint32_t e, std::uint64_t newSize);
    void freeChainOf(std::uint32_t e);
    void rebuildTree(std::uint32_t storage, std::vector<std::uint32_t> members);

    int fd_ = -1;
    bool ownsFd_ = true;
    bool readOnly_ = false;
    bool broken_ = false;

    int major_ = 3;
    std::uint32_t shift_ = 9;
    std::uint32_t ss_ = 512;
    std::uint32_t perSector_ = 128;  // 32-bit entries per sector
    std::uint64_t fileSectors_ = 0;  // sectors present in (or allocated for) the file
    std::uint64_t fileBytes_ = 0;    // the file's length as far as we know it

    std::uint32_t dirStart_ = kEndOfChain;
    std::uint32_t miniFatStart_ = kEndOfChain;
    std::uint32_t difatStart_ = kEndOfChain;

    std::vector<std::uint32_t> fat_;
    std::vector<std::uint32_t> fatSectors_;
    std::vector<std::uint32_t> difatSectors_;
    std::vector<std::uint32_t> miniFat_;
    std::vector<std::uint32_t> miniFatChain_;
    std::vector<std::uint32_t> dirChain_;
    std::vector<DirEntry> dir_;
    std::vector<std::uint32_t> gen_;
    // Sector chain of each stream entry (mini sectors for small streams) and of the root.
    std::vector<std::vector<std::uint32_t>> chains_;

    std::uint64_t freeCount_ = 0;
    std::uint32_t freeHint_ = 0;
    std::uint32_t miniFreeHint_ = 0;

    // Pending writes.
    bool headerDirty_ = false;
    std::vector<std::uint32_t> dirtyFat_;
    std::vector<std::uint32_t> dirtyMiniFat_;
    std::vector<std::uint32_t> dirtyDifat_;
    std::vector<std::uint32_t> dirtyDir_;
    std::unordered_map<std::uint32_t, Fresh> fresh_;
    // Entries changed by a link in this change, with the value they had before it.
    std::unordered_map<std::uint32_t, std::uint32_t> lateFat_;
    std::unordered_map<std::uint32_t, std::uint32_t> lateMini_;
};

}  // namespace cfb::detail
