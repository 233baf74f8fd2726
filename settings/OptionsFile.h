#pragma once
// The options file: a compound file whose root holds the storages "Default" and "User", each with
// the five column streams of the worksheets and the 268-byte "GridProperties" record.
#include "ColumnRecord.h"

#include <array>
#include <cstdint>
#include <string>

constexpr int OptionsSetCount = 2;  // 0 "Default", 1 "User"
constexpr int OptionsWorksheetCount = 5;
extern const char* const OptionsSetNames[OptionsSetCount];
// The five column streams in worksheet order, then "GridProperties".
extern const char* const OptionsStreamNames[OptionsWorksheetCount + 1];

// Font style bits of the grid record.
enum : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// The worksheet grid's part of a settings set: line colour and font.
struct TGridSettings {
  TColor LineColour = 0;
  std::string FontName;  // UTF-8
  std::int32_t FontSize = 8;
  std::uint8_t FontStyle = 0;
  bool operator==(const TGridSettings&) const = default;
};

constexpr std::size_t GridRecordSize = 268;
using TGridRecord = std::array<std::uint8_t, GridRecordSize>;
// The font name is stored in Windows-1252, cut to 255 characters.
TGridRecord EncodeGridRecord(const TGridSettings& grid);
TGridSettings DecodeGridRecord(const std::uint8_t* record);

using TColumnSetRefs = std::array<TColumns*, OptionsWorksheetCount>;

enum class TOptionsFileResult { Ok, FileFailed, SubFileFailed };
// Creates (replacing) the file with both storages and their six empty streams.
TOptionsFileResult CreateOptionsFile(const std::string& path);

// Writes the five collections (widths become default widths, see WriteColumns) and the grid
// record into the storage of the set, each stream from its start and cut to what was written.
bool WriteOptionsSet(const std::string& path, int set, const TColumnSetRefs& columns, const TGridSettings& grid,
                     TColourMode mode);

// Reads the set into the collections in worksheet order, as many records as each collection
// has columns, and the grid record. Stops at the first failure (missing file, storage or stream,
// short stream); what was read before it stays in the collections. ColumnsRead tells how many
// collections were read completely.
struct TOptionsReadResult {
  bool Ok = false;
  int ColumnsRead = 0;
  bool GridRead = false;
  TGridSettings Grid;
};
TOptionsReadResult ReadOptionsSet(const std::string& path, int set, const TColumnSetRefs& columns);
