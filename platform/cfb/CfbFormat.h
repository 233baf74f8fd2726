#pragma once
// On-disk layout of compound files: constants, little-endian access, directory entries, names.

#include <array>
#include <cstdint>
#include <cstring>
#include <string>

namespace cfb::detail {

constexpr std::uint32_t kMaxRegSect = 0xFFFFFFFAu;
constexpr std::uint32_t kDifSect = 0xFFFFFFFCu;
constexpr std::uint32_t kFatSect = 0xFFFFFFFDu;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFEu;
constexpr std::uint32_t kFreeSect = 0xFFFFFFFFu;
constexpr std::uint32_t kNoStream = 0xFFFFFFFFu;

constexpr std::uint32_t kMiniSectorSize = 64;
constexpr std::uint32_t kMiniCutoff = 4096;
constexpr std::uint32_t kHeaderDifatEntries = 109;
constexpr std::uint32_t kDirEntrySize = 128;
constexpr std::size_t kMaxNameUnits = 31;

constexpr std::array<std::uint8_t, 8> kSignature = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

inline std::uint16_t get16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }
inline std::uint32_t get32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
inline std::uint64_t get64(const std::uint8_t* p) { return get32(p) | (std::uint64_t(get32(p + 4)) << 32); }
inline void put16(std::uint8_t* p, std::uint16_t v)
{
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}
inline void put32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) p[i] = std::uint8_t(v >> (8 * i));
}
inline void put64(std::uint8_t* p, std::uint64_t v)
{
    put32(p, std::uint32_t(v));
    put32(p + 4, std::uint32_t(v >> 32));
}

enum EntryType : std::uint8_t { kUnused = 0, kStorage = 1, kStream = 2, kRoot = 5 };
enum EntryColour : std::uint8_t { kRed = 0, kBlack = 1 };

struct DirEntry {
    std::u16string name;
    std::uint8_t type = kUnused;
    std::uint8_t colour = kBlack;
    std::uint32_t left = kNoStream;
    std::uint32_t right = kNoStream;
    std::uint32_t child = kNoStream;
    std::array<std::uint8_t, 16> clsid{};
    std::uint32_t stateBits = 0;
    std::uint64_t created = 0;
    std::uint64_t modified = 0;
    std::uint32_t start = kEndOfChain;
    std::uint64_t size = 0;

    // Decodes 128 bytes; false when the name field is malformed. `majorVersion` 3 ignores the
    // high half of the size.
    bool decode(const std::uint8_t* p, int majorVersion);
    void encode(std::uint8_t* p) const;
    void clear() { *this = DirEntry{}; }
};

// Name order of the format: shorter first, then code unit by code unit after upper-casing.
int compareNames(const std::u16string& a, const std::u16string& b);
bool sameName(const std::u16string& a, const std::u16string& b);
char16_t upperUnit(char16_t c);

// UTF-8 <-> UTF-16. fromUtf8 returns false on malformed input.
bool fromUtf8(const std::string& in, std::u16string& out);
std::string toUtf8(const std::u16string& in);
// A name we accept for a new element: 1..31 units, none of / \ : ! and no control characters.
bool isValidElementName(const std::u16string& name);

}  // namespace cfb::detail
