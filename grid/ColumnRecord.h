#pragma once
// The 68-byte stored column record of the options file's column streams, and writing and
// reading a whole column set through a small stream interface (or a byte buffer).
#include "Columns.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

constexpr std::size_t ColumnRecordSize = 68;
constexpr std::size_t ColumnTitleMax = 30;
using TColumnRecord = std::array<std::uint8_t, ColumnRecordSize>;

// Where column records go to and come from; the options manager connects its file streams.
class TColumnStream {
 public:
  virtual ~TColumnStream() = default;
  // Each returns false when not all bytes could be moved.
  virtual bool Write(const std::uint8_t* data, std::size_t size) = 0;
  virtual bool Read(std::uint8_t* data, std::size_t size) = 0;
};

// A TColumnStream over a byte vector, reading from the front.
class TMemoryColumnStream : public TColumnStream {
 public:
  TMemoryColumnStream() = default;
  explicit TMemoryColumnStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  bool Write(const std::uint8_t* data, std::size_t size) override;
  bool Read(std::uint8_t* data, std::size_t size) override;
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t readPos_ = 0;
};

// One record. The text and background colour written are FontColHi/ColorHi in cmPalette256
// mode, else FontCol/Color. The title is stored in Windows-1252, cut to 30 characters.
TColumnRecord EncodeColumn(const TColProperty& col, TColourMode mode);
// Fills the stored fields from one record; Width and DefaultWidth both take the stored width,
// both text colours the stored text colour, both backgrounds the stored background.
void DecodeColumn(const std::uint8_t* record, TColProperty& col);

// WidthsToDefaults, then one record per column in collection order. False when the stream failed.
bool WriteColumns(TColumns& columns, TColumnStream& out, TColourMode mode);
std::vector<std::uint8_t> WriteColumns(TColumns& columns, TColourMode mode);
// One record for each column of the collection, in order. On a short stream the columns read
// so far keep their new values, the rest stay as they were, and the result is false.
bool ReadColumns(TColumns& columns, TColumnStream& in);
bool ReadColumns(TColumns& columns, std::span<const std::uint8_t> bytes);
