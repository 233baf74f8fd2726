#include "ColumnRecord.h"

#include "Cp1252.h"

#include <algorithm>
#include <cstring>

namespace {

void PutInt32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = std::uint8_t(v >> (8 * i));
}

std::uint32_t GetUInt32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

std::int32_t GetInt32(const std::uint8_t* p) { return static_cast<std::int32_t>(GetUInt32(p)); }

}  // namespace

bool TMemoryColumnStream::Write(const std::uint8_t* data, std::size_t size) {
  bytes_.insert(bytes_.end(), data, data + size);
  return true;
}

bool TMemoryColumnStream::Read(std::uint8_t* data, std::size_t size) {
  if (bytes_.size() - readPos_ < size) return false;
  std::memcpy(data, bytes_.data() + readPos_, size);
  readPos_ += size;
  return true;
}

TColumnRecord EncodeColumn(const TColProperty& col, TColourMode mode) {
  TColumnRecord r{};
  std::string title = Utf8ToCp1252(col.Title);
  if (title.size() > ColumnTitleMax) title.resize(ColumnTitleMax);
  r[0] = std::uint8_t(title.size());
  std::memcpy(&r[1], title.data(), title.size());
  r[31] = col.Visible ? 1 : 0;
  r[32] = col.ShowTotal ? 1 : 0;
  r[33] = col.AllowSort ? 1 : 0;
  PutInt32(&r[36], std::uint32_t(col.MinWidth));
  PutInt32(&r[40], std::uint32_t(col.MaxWidth));
  PutInt32(&r[44], std::uint32_t(col.DefaultWidth));
  PutInt32(&r[48], std::uint32_t(col.SortIndex));
  PutInt32(&r[52], std::uint32_t(col.LinkIndex));
  PutInt32(&r[56], mode == cmPalette256 ? col.FontColHi : col.FontCol);
  PutInt32(&r[60], mode == cmPalette256 ? col.ColorHi : col.Color);
  r[64] = col.ColorIndex;
  r[65] = col.FontColIndex;
  r[66] = col.Alignment;
  return r;
}

void DecodeColumn(const std::uint8_t* r, TColProperty& col) {
  // A length byte beyond the field is not trusted.
  std::size_t len = std::min<std::size_t>(r[0], ColumnTitleMax);
  col.Title = Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(r + 1), len));
  col.Visible = r[31] != 0;
  col.ShowTotal = r[32] != 0;
  col.AllowSort = r[33] != 0;
  col.MinWidth = GetInt32(r + 36);
  col.MaxWidth = GetInt32(r + 40);
  col.DefaultWidth = col.Width = GetInt32(r + 44);
  col.SortIndex = GetInt32(r + 48);
  col.LinkIndex = GetInt32(r + 52);
  col.FontCol = col.FontColHi = GetUInt32(r + 56);
  col.Color = col.ColorHi = GetUInt32(r + 60);
  col.ColorIndex = r[64];
  col.FontColIndex = r[65];
  col.Alignment = r[66];
}

bool WriteColumns(TColumns& columns, TColumnStream& out, TColourMode mode) {
  columns.WidthsToDefaults();
  for (int i = 0; i < columns.Count(); ++i) {
    TColumnRecord r = EncodeColumn(columns.Items(i), mode);
    if (!out.Write(r.data(), r.size())) return false;
  }
  return true;
}

std::vector<std::uint8_t> WriteColumns(TColumns& columns, TColourMode mode) {
  TMemoryColumnStream s;
  WriteColumns(columns, s, mode);
  return s.Bytes();
}

bool ReadColumns(TColumns& columns, TColumnStream& in) {
  for (int i = 0; i < columns.Count(); ++i) {
    TColumnRecord r;
    if (!in.Read(r.data(), r.size())) return false;
    DecodeColumn(r.data(), columns.Items(i));
  }
  return true;
}

bool ReadColumns(TColumns& columns, std::span<const std::uint8_t> bytes) {
  TMemoryColumnStream s(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  return ReadColumns(columns, s);
}
