#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "FixedText.h"
#include "Helpers.h"
#include "IntList.h"

TEST(FixedText, CutCountsCharactersNotBytes) {
  EXPECT_EQ(CutToChars("Caf\u00E9 au lait", 4), "Caf\u00E9");
  EXPECT_EQ(CutToChars("\u20AC\u20AC\u20AC", 2), "\u20AC\u20AC");
  EXPECT_EQ(CutToChars("abc", 10), "abc");
  EXPECT_EQ(CutToChars("abc", 0), "");
  EXPECT_EQ(Utf8Length("Gr\u00FC\u00DFe"), 5u);
  // A stray byte counts as one character and is never split from what follows.
  EXPECT_EQ(CutToChars("a\xE2z", 2), "a\xE2");
  EXPECT_EQ(CutToChars("a\xE2\x82", 2), "a\xE2");  // truncated sequence: bytes one by one
}

TEST(FixedText, TrimAndCaseInsensitiveCompare) {
  EXPECT_EQ(TrimText("  Shop \t"), "Shop");
  EXPECT_EQ(TrimText("   "), "");
  EXPECT_TRUE(SameTextNoCase("shop", "SHOP"));
  EXPECT_TRUE(SameTextNoCase("\u00C9t\u00E9", "\u00E9T\u00C9"));
  EXPECT_TRUE(SameTextNoCase("\u0141\u00F3d\u017A", "\u0142\u00D3D\u0179"));
  EXPECT_FALSE(SameTextNoCase("shop", "shops"));
  EXPECT_LT(CompareTextNoCase("apple", "Banana"), 0);
}

TEST(Helpers, TextHelpers) {
  EXPECT_EQ(BaseFileName("C:\\Books\\My.Shop.qbk"), "My");
  EXPECT_EQ(BaseFileName("/home/u/Books/Shop.2001.qbk"), "Shop");
  EXPECT_EQ(BaseFileName("Plain"), "Plain");
  EXPECT_EQ(SubNoFromText("1200-15"), 15);
  EXPECT_EQ(SubNoFromText("300-4"), 4);
  EXPECT_EQ(SubNoFromText("300"), 0);
  EXPECT_EQ(CommaField("a,b,c", 1), "b");
  EXPECT_EQ(CommaField("a,b", 5), "");
  EXPECT_EQ(CommaField("a,b", 0), "a");
  EXPECT_EQ(CommaField("a,,c", 1), "");
  EXPECT_EQ(CommaField("a,b,c", 2), "c");
  EXPECT_EQ(StripAmpersand("&File && more"), "File && more");
  EXPECT_EQ(DoubleAmpersands("Smith & Sons &"), "Smith && Sons &&");
}

TEST(Helpers, PaperAndColours) {
  EXPECT_EQ(PaperIndex(9), 9);
  EXPECT_EQ(PaperIndex(0), 0);
  EXPECT_EQ(PaperIndex(26), 26);
  EXPECT_EQ(PaperIndex(256), 27);
  EXPECT_EQ(PaperIndex(300), 27);
  EXPECT_EQ(PaperIndex(-1), 27);
  EXPECT_EQ(ShiftColour(RGBColour(255, 255, 255), 30, true), 0x02FFFFFFu);
  EXPECT_EQ(ShiftColour(RGBColour(0, 0, 0), 30, false), 0x02000000u);
  EXPECT_EQ(ShiftColour(RGBColour(10, 100, 250), 20, true), 0x02000000u | RGBColour(30, 120, 255));
  EXPECT_EQ(ShiftColour(RGBColour(10, 100, 250), 20, false), 0x02000000u | RGBColour(0, 80, 230));
  EXPECT_EQ(ChartColour(0), RGBColour(255, 0, 255));
  EXPECT_EQ(ChartColour(27), RGBColour(153, 0, 0));
  EXPECT_EQ(ChartColour(28), ChartColour(1));
  EXPECT_EQ(ChartColour(55), ChartColour(1));
  EXPECT_EQ(ChartColour(17), RGBColour(204, 204, 204));
}

TEST(Helpers, FileNamesInTheFileSystemsSpelling) {
  namespace fs = std::filesystem;
  fs::path Dir = fs::temp_directory_path() / ("qbcore_names_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  fs::remove_all(Dir);
  fs::create_directories(Dir / "Books");
  std::ofstream(Dir / "Books" / "Shop.QBK") << "x";
  std::ofstream(Dir / "Books" / "notes.txt") << "x";
  std::string Base = Dir.string();

  EXPECT_EQ(FirstFileName(Base + "/books/*.qbk"), "");  // directory spelled wrongly: not found
  EXPECT_EQ(FirstFileName(Base + "/Books/*.qbk"), "Shop.QBK");
  EXPECT_EQ(FirstFileName(Base + "/Books/shop.qbk"), "Shop.QBK");
  EXPECT_EQ(FirstFileName(Base + "/Books/*.doc"), "");
  EXPECT_EQ(LongPathName(Base + "/books/shop.qbk"), Base + "/Books/Shop.QBK");
  EXPECT_EQ(LongPathName(Base + "/BOOKS/missing/shop.qbk"), Base + "/Books/missing/shop.qbk");
  fs::remove_all(Dir);
}

TEST(IntList, Operations) {
  TIntList L;
  EXPECT_EQ(L.Add(10), 0);
  EXPECT_EQ(L.Add(30), 1);
  L.Insert(1, 20);
  L.Insert(3, 40);
  L.Put(0, 5);
  ASSERT_EQ(L.Count(), 4);
  EXPECT_EQ(L.Get(0), 5);
  EXPECT_EQ(L.Get(1), 20);
  EXPECT_EQ(L.Get(3), 40);
  EXPECT_THROW(L.Get(4), std::out_of_range);
  EXPECT_THROW(L.Insert(6, 1), std::out_of_range);
  L.Clear();
  EXPECT_EQ(L.Count(), 0);
}
