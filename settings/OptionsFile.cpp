#include "OptionsFile.h"

#include "CfbStorage.h"
#include "Win1252.h"

#include <algorithm>
#include <cstring>

const char* const OptionsSetNames[OptionsSetCount] = {"Default", "User"};
const char* const OptionsStreamNames[OptionsWorksheetCount + 1] = {
    "TransactColumns", "MainActColumns", "SubActColumns", "GroupColumns", "CatColumns", "GridProperties"};

namespace {

void PutInt32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = std::uint8_t(v >> (8 * i));
}

std::uint32_t GetUInt32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

// Column records go straight to and from a compound-file stream.
class TCfbColumnStream : public TColumnStream {
 public:
  explicit TCfbColumnStream(cfb::Stream& s) : s_(s) {}
  bool Write(const std::uint8_t* data, std::size_t size) override { return s_.write(data, size) == cfb::Result::Ok; }
  bool Read(std::uint8_t* data, std::size_t size) override {
    std::size_t got = 0;
    return s_.read(data, size, &got) == cfb::Result::Ok && got == size;
  }

 private:
  cfb::Stream& s_;
};

bool OpenSet(const std::string& path, int set, cfb::OpenMode mode, cfb::Storage& root, cfb::Storage& storage) {
  if (set < 0 || set >= OptionsSetCount) return false;
  return cfb::Storage::openFile(path, mode, root) == cfb::Result::Ok &&
         root.openStorage(OptionsSetNames[set], storage) == cfb::Result::Ok;
}

}  // namespace

TGridRecord EncodeGridRecord(const TGridSettings& grid) {
  TGridRecord r{};
  PutInt32(&r[0], grid.LineColour);
  std::string name = Utf8ToWin1252(grid.FontName);
  if (name.size() > 255) name.resize(255);
  r[4] = std::uint8_t(name.size());
  std::memcpy(&r[5], name.data(), name.size());
  PutInt32(&r[260], std::uint32_t(grid.FontSize));
  r[264] = grid.FontStyle & 0x0F;
  return r;
}

TGridSettings DecodeGridRecord(const std::uint8_t* r) {
  TGridSettings g;
  g.LineColour = GetUInt32(r);
  g.FontName = Win1252ToUtf8(std::string_view(reinterpret_cast<const char*>(r + 5), r[4]));
  g.FontSize = std::int32_t(GetUInt32(r + 260));
  g.FontStyle = r[264] & 0x0F;
  return g;
}

TOptionsFileResult CreateOptionsFile(const std::string& path) {
  cfb::Storage root;
  if (cfb::Storage::createFile(path, root) != cfb::Result::Ok) return TOptionsFileResult::FileFailed;
  for (const char* setName : OptionsSetNames) {
    cfb::Storage set;
    if (root.createStorage(setName, set) != cfb::Result::Ok) return TOptionsFileResult::SubFileFailed;
    for (const char* streamName : OptionsStreamNames) {
      cfb::Stream s;
      if (set.createStream(streamName, s) != cfb::Result::Ok) return TOptionsFileResult::SubFileFailed;
    }
  }
  if (root.flush() != cfb::Result::Ok) return TOptionsFileResult::FileFailed;
  return TOptionsFileResult::Ok;
}

bool WriteOptionsSet(const std::string& path, int set, const TColumnSetRefs& columns, const TGridSettings& grid,
                     TColourMode mode) {
  cfb::Storage root, storage;
  if (!OpenSet(path, set, cfb::OpenMode::ReadWrite, root, storage)) return false;
  for (int i = 0; i <= OptionsWorksheetCount; ++i) {
    cfb::Stream s;
    // A stream missing from an older or damaged file is made anew.
    if (storage.openStream(OptionsStreamNames[i], s) != cfb::Result::Ok &&
        storage.createStream(OptionsStreamNames[i], s) != cfb::Result::Ok)
      return false;
    if (i < OptionsWorksheetCount) {
      if (!columns[i]) return false;
      TCfbColumnStream out(s);
      if (!WriteColumns(*columns[i], out, mode)) return false;
    } else {
      const TGridRecord r = EncodeGridRecord(grid);
      if (s.write(r.data(), r.size()) != cfb::Result::Ok) return false;
    }
    // Nothing of a longer earlier content may stay behind the records.
    if (s.setSize(s.position()) != cfb::Result::Ok) return false;
  }
  return root.flush() == cfb::Result::Ok;
}

TOptionsReadResult ReadOptionsSet(const std::string& path, int set, const TColumnSetRefs& columns) {
  TOptionsReadResult result;
  cfb::Storage root, storage;
  // Read-only: the settings can be loaded from a file the user cannot write.
  if (!OpenSet(path, set, cfb::OpenMode::ReadOnly, root, storage)) return result;
  for (int i = 0; i < OptionsWorksheetCount; ++i) {
    cfb::Stream s;
    if (!columns[i] || storage.openStream(OptionsStreamNames[i], s) != cfb::Result::Ok) return result;
    TCfbColumnStream in(s);
    if (!ReadColumns(*columns[i], in)) return result;
    ++result.ColumnsRead;
  }
  cfb::Stream s;
  if (storage.openStream(OptionsStreamNames[OptionsWorksheetCount], s) != cfb::Result::Ok) return result;
  TGridRecord r{};
  std::size_t got = 0;
  if (s.read(r.data(), r.size(), &got) != cfb::Result::Ok || got != r.size()) return result;
  result.Grid = DecodeGridRecord(r.data());
  result.GridRead = true;
  result.Ok = true;
  return result;
}
