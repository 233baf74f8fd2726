#include "ColourPalette.h"
#include "ColumnRecord.h"
#include "DefaultColumnSets.h"

#include <gtest/gtest.h>

#include <cstring>

#include <string>

TEST(ColumnRecord, LayoutOfOneRecord) {
  TColProperty c;
  c.Title = "Income";
  c.Visible = true;
  c.ShowTotal = true;
  c.AllowSort = false;
  c.MinWidth = 20;
  c.MaxWidth = 160;
  c.DefaultWidth = 80;
  c.Width = 95;  // the current width is not part of the record
  c.SortIndex = -1;
  c.LinkIndex = 9;
  c.FontCol = 0x00008000;
  c.Color = 0x02C0FFB9;
  c.ColorIndex = 38;
  c.FontColIndex = 39;
  c.Alignment = caRight;
  const TColumnRecord r = EncodeColumn(c, cmHighColour);

  TColumnRecord want{};
  want[0] = 6;
  std::memcpy(&want[1], "Income", 6);
  want[31] = 1; want[32] = 1; want[33] = 0;
  want[36] = 20; want[40] = 160; want[44] = 80;
  want[48] = 0xFF; want[49] = 0xFF; want[50] = 0xFF; want[51] = 0xFF;
  want[52] = 9;
  want[56] = 0x00; want[57] = 0x80; want[58] = 0x00; want[59] = 0x00;
  want[60] = 0xB9; want[61] = 0xFF; want[62] = 0xC0; want[63] = 0x02;
  want[64] = 38; want[65] = 39; want[66] = 1;
  EXPECT_EQ(r, want);
}

TEST(ColumnRecord, EveryDefaultSetSurvivesARoundTrip) {
  for (int set = 0; set < ColumnSetCount; ++set) {
    TColumns written, read;
    LoadDefaultColumns(set, written);
    written.Items(0).TotalText = "kept";
    const auto bytes = WriteColumns(written, cmHighColour);
    ASSERT_EQ(bytes.size(), std::size_t(DefaultColumnCount(set)) * ColumnRecordSize);

    for (int i = 0; i < DefaultColumnCount(set); ++i) read.Add().TotalText = "left alone";
    ASSERT_TRUE(ReadColumns(read, bytes));
    for (int i = 0; i < read.Count(); ++i) {
      TColProperty want = written.Items(i);
      // Reading gives both colour pairs the stored colour and leaves TotalText.
      want.ColorHi = want.Color;
      want.FontColHi = want.FontCol;
      want.TotalText = "left alone";
      EXPECT_EQ(read.Items(i), want) << "set " << set << " column " << i;
    }
  }
}

TEST(ColumnRecord, TitleIsCutTo30CharactersInWindows1252) {
  TColumns cols;
  cols.Add().Title = std::string(30, 'x') + "YZ\xC3\xA9";  // 33 characters, ends in e-acute
  cols.Add().Title = "Caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD";  // "Café € 中"
  const auto bytes = WriteColumns(cols, cmHighColour);
  EXPECT_EQ(bytes[0], 30);
  EXPECT_EQ(bytes[68], 8);
  EXPECT_EQ(bytes[68 + 4], 0xE9);  // é
  EXPECT_EQ(bytes[68 + 6], 0x80);  // euro sign
  EXPECT_EQ(bytes[68 + 8], '?');   // not in the code page

  TColumns back;
  back.Add();
  back.Add();
  ASSERT_TRUE(ReadColumns(back, bytes));
  EXPECT_EQ(back.Items(0).Title, std::string(30, 'x'));
  EXPECT_EQ(back.Items(1).Title, "Caf\xC3\xA9 \xE2\x82\xAC ?");
}

TEST(ColumnRecord, WritingStoresTheCurrentWidthAndReadingMakesItCurrent) {
  TColumns cols;
  LoadDefaultColumns(0, cols);
  cols.Items(4).Width = 120;  // dragged
  const auto bytes = WriteColumns(cols, cmHighColour);
  EXPECT_EQ(cols.Items(4).DefaultWidth, 120);

  TColumns read;
  LoadDefaultColumns(0, read);
  read.Items(4).Width = 250;  // dragged after the write and never written
  ASSERT_TRUE(ReadColumns(read, bytes));
  EXPECT_EQ(read.Items(4).Width, 120);
  EXPECT_EQ(read.Items(4).DefaultWidth, 120);
}

TEST(ColumnRecord, ColoursWrittenDependOnTheColourMode) {
  TColProperty c;
  c.Color = 0x01000014;    // a palette entry in force on a 256-colour display
  c.FontCol = 0x01000015;
  c.ColorHi = 0x02BDFFFF;  // the colours read from the file
  c.FontColHi = 0x02800000;
  struct Case { TColourMode mode; TColor text, back; };
  for (const Case& k : {Case{cmHighColour, c.FontCol, c.Color}, Case{cmPalette256, c.FontColHi, c.ColorHi},
                        Case{cm16Colour, c.FontCol, c.Color}}) {
    TColumns cols;
    cols.Add() = c;
    const auto bytes = WriteColumns(cols, k.mode);
    TColumns back;
    back.Add();
    ASSERT_TRUE(ReadColumns(back, bytes));
    EXPECT_EQ(back.Items(0).FontCol, k.text) << int(k.mode);
    EXPECT_EQ(back.Items(0).FontColHi, k.text);
    EXPECT_EQ(back.Items(0).Color, k.back);
    EXPECT_EQ(back.Items(0).ColorHi, k.back);
  }
}

TEST(ColumnRecord, ShortStreamKeepsWhatWasReadAndFails) {
  TColumns src;
  LoadDefaultColumns(1, src);
  auto bytes = WriteColumns(src, cmHighColour);
  bytes.resize(ColumnRecordSize * 2 + 10);  // two whole records and a piece

  TColumns cols;
  for (int i = 0; i < 5; ++i) cols.Add().Title = "old";
  EXPECT_FALSE(ReadColumns(cols, bytes));
  EXPECT_EQ(cols.Items(0).Title, "Acct. No.");
  EXPECT_EQ(cols.Items(1).Title, "Account Name");
  EXPECT_EQ(cols.Items(2).Title, "old");
}

TEST(ColumnRecord, OversizedLengthByteAndJunkBytesAreHarmless) {
  TColumnRecord r{};
  r[0] = 200;  // more than the field holds
  for (int i = 1; i <= 30; ++i) r[i] = 'a';
  r[31] = 7;   // any non-zero byte counts as true
  r[34] = r[35] = r[67] = 0xEE;  // unused bytes are ignored
  TColProperty c;
  DecodeColumn(r.data(), c);
  EXPECT_EQ(c.Title, std::string(30, 'a'));
  EXPECT_TRUE(c.Visible);
  EXPECT_FALSE(c.ShowTotal);
}

TEST(ColumnRecord, PaletteDisplayKeepsTheStoredColoursInTheRecord) {
  TColumns read;
  LoadDefaultColumns(1, read);
  const auto stored = WriteColumns(read, cmHighColour);
  ASSERT_TRUE(ReadColumns(read, stored));
  UsePaletteColours(read);
  EXPECT_EQ(read.Items(2).Color, PaletteIndexColour(54));
  EXPECT_EQ(read.Items(2).FontCol, PaletteIndexColour(55));
  // The palette entries behind the default indexes carry the default colours.
  EXPECT_EQ(PaletteColour(54), read.Items(2).ColorHi);
  EXPECT_EQ(PaletteColour(233), 0x02BBBBBBu);
  // Written again in palette mode, the record holds the colours read, not the palette entries.
  EXPECT_EQ(WriteColumns(read, cmPalette256), stored);
}
