#include "CfbFormat.h"

namespace cfb::detail {

bool DirEntry::decode(const std::uint8_t* p, int majorVersion)
{
    const std::uint16_t nameBytes = get16(p + 64);
    type = p[66];
    colour = p[67];
    left = get32(p + 68);
    right = get32(p + 72);
    child = get32(p + 76);
    std::memcpy(clsid.data(), p + 80, 16);
    stateBits = get32(p + 96);
    created = get64(p + 100);
    modified = get64(p + 108);
    start = get32(p + 116);
    size = majorVersion == 3 ? get32(p + 120) : get64(p + 120);
    name.clear();
    if (type == kUnused) return true;
    if (nameBytes > 64 || nameBytes % 2 != 0) return false;
    const std::size_t units = nameBytes / 2;
    for (std::size_t i = 0; i + 1 < units; ++i) {
        const char16_t c = char16_t(get16(p + 2 * i));
        if (c == 0) break;
        name.push_back(c);
    }
    return true;
}

void DirEntry::encode(std::uint8_t* p) const
{
    std::memset(p, 0, kDirEntrySize);
    for (std::size_t i = 0; i < name.size() && i < kMaxNameUnits; ++i) put16(p + 2 * i, name[i]);
    put16(p + 64, type == kUnused ? 0 : std::uint16_t((name.size() + 1) * 2));
    p[66] = type;
    p[67] = type == kUnused ? 0 : colour;
    put32(p + 68, left);
    put32(p + 72, right);
    put32(p + 76, child);
    if (type == kUnused) return;
    std::memcpy(p + 80, clsid.data(), 16);
    put32(p + 96, stateBits);
    put64(p + 100, created);
    put64(p + 108, modified);
    put32(p + 116, start);
    put64(p + 120, size);
}

char16_t upperUnit(char16_t c)
{
    if (c >= u'a' && c <= u'z') return char16_t(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return char16_t(c - 32);
    if (c == 0xFF) return 0x178;
    return c;
}

int compareNames(const std::u16string& a, const std::u16string& b)
{
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char16_t x = upperUnit(a[i]);
        const char16_t y = upperUnit(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

bool sameName(const std::u16string& a, const std::u16string& b) { return compareNames(a, b) == 0; }

bool fromUtf8(const std::string& in, std::u16string& out)
{
    out.clear();
    std::size_t i = 0;
    while (i < in.size()) {
        const unsigned char c = static_cast<unsigned char>(in[i]);
        std::uint32_t cp;
        int extra;
        if (c < 0x80) { cp = c; extra = 0; }
        else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; extra = 1; }
        else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; extra = 2; }
        else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; extra = 3; }
        else return false;
        if (extra > 0 && i + extra >= in.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char cc = static_cast<unsigned char>(in[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        i += extra + 1;
        if (cp >= 0x10000) {
            if (cp > 0x10FFFF) return false;
            cp -= 0x10000;
            out.push_back(char16_t(0xD800 + (cp >> 10)));
            out.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(char16_t(cp));
        }
    }
    return true;
}

std::string toUtf8(const std::u16string& in)
{
    std::string out;
    for (std::size_t i = 0; i < in.size(); ++i) {
        std::uint32_t cp = in[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < in.size() && in[i + 1] >= 0xDC00 && in[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (in[i + 1] - 0xDC00);
            ++i;
        }
        if (cp < 0x80) out.push_back(char(cp));
        else if (cp < 0x800) {
            out.push_back(char(0xC0 | (cp >> 6)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(char(0xE0 | (cp >> 12)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(char(0xF0 | (cp >> 18)));
            out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

bool isValidElementName(const std::u16string& name)
{
    if (name.empty() || name.size() > kMaxNameUnits) return false;
    for (char16_t c : name)
        if (c < 0x20 || c == u'/' || c == u'\\' || c == u':' || c == u'!') return false;
    return true;
}

}  // namespace cfb::detail
