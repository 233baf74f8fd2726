#include "OptionsFile.h"

#include "CfbStorage.h"
#include "DefaultColumnSets.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>

namespace {

TEST(GridRecord, LayoutAndRoundTrip) {
  TGridSettings g{0x00C0FFEEu, "Liberation Sans", 9, fsBold | fsStrikeOut};
  const TGridRecord r = EncodeGridRecord(g);
  EXPECT_EQ(r[0], 0xEE);
  EXPECT_EQ(r[3], 0x00);
  EXPECT_EQ(r[4], 15);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&r[5]), 15), "Liberation Sans");
  EXPECT_EQ(r[260], 9);
  EXPECT_EQ(r[264], fsBold | fsStrikeOut);
  EXPECT_EQ(DecodeGridRecord(r.data()), g);

  // Text outside ASCII goes through Windows-1252; a name longer than the field is cut to 255.
  g.FontName = "Caf\u00e9 " + std::string(300, 'x');
  const TGridRecord longName = EncodeGridRecord(g);
  EXPECT_EQ(longName[4], 255);
  EXPECT_EQ(longName[8], 0xE9);
  const TGridSettings back = DecodeGridRecord(longName.data());
  EXPECT_EQ(back.FontName.substr(0, 6), "Caf\u00e9 ");
  EXPECT_EQ(back.FontName.size(), 255u + 1u);  // "é" is two bytes in UTF-8
}

// The file as independent tools see it: python3-olefile lists the two storages and their six
// streams with sizes of whole records.
TEST(OptionsFile, ReadByOlefile) {
  TTempSettings temp;
  const std::string file = temp.Path("Options.Dat");
  ASSERT_EQ(CreateOptionsFile(file), TOptionsFileResult::Ok);
  std::array<TColumns, 5> cols;
  TColumnSetRefs refs{};
  for (int i = 0; i < 5; ++i) {
    LoadDefaultColumns(i, cols[i]);
    refs[i] = &cols[i];
  }
  const TGridSettings grid{0x00A0A0A0u, "Arial", 8, 0};
  ASSERT_TRUE(WriteOptionsSet(file, 0, refs, grid, cmHighColour));
  ASSERT_TRUE(WriteOptionsSet(file, 1, refs, grid, cmHighColour));

  const std::string script =
      "import olefile,sys\n"
      "ole=olefile.OleFileIO(sys.argv[1], raise_defects=olefile.DEFECT_INCORRECT)\n"
      "for e in ole.listdir(streams=True, storages=True):\n"
      "  p='/'.join(e)\n"
      "  if ole.get_type(e)==olefile.STGTY_STREAM:\n"
      "    d=ole.openstream(e).read()\n"
      "    print(p, len(d), d[0] if d else -1)\n"
      "  else:\n"
      "    print(p, 'storage')\n";
  const std::string scriptFile = temp.Path("list.py");
  FILE* f = std::fopen(scriptFile.c_str(), "w");
  ASSERT_TRUE(f);
  std::fputs(script.c_str(), f);
  std::fclose(f);
  FILE* p = popen(("/usr/bin/python3 " + scriptFile + " '" + file + "' 2>&1").c_str(), "r");
  ASSERT_TRUE(p);
  std::string out;
  char buf[256];
  while (std::fgets(buf, sizeof buf, p)) out += buf;
  ASSERT_EQ(pclose(p), 0) << out;

  std::ostringstream expected;
  const int counts[5] = {12, 5, 6, 7, 4};
  const char* firstTitleLength[5] = {"3", "9", "17", "12", "8"};  // "No.", "Acct. No.", ...
  for (const char* set : {"Default", "User"}) {
    expected << set << " storage\n";
    for (int i = 0; i < 5; ++i)
      expected << set << "/" << OptionsStreamNames[i] << " " << counts[i] * 68 << " " << firstTitleLength[i] << "\n";
    expected << set << "/GridProperties 268 160\n";
  }
  // olefile lists entries in its own order; compare as sorted lines.
  auto sorted = [](const std::string& text) {
    std::multimap<std::string, int> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.emplace(line, 0);
    std::string all;
    for (auto& [line, _] : lines) all += line + "\n";
    return all;
  };
  EXPECT_EQ(sorted(out), sorted(expected.str()));
}

TEST(OptionsFile, WritingASetCutsWhatWasLongerBefore) {
  TTempSettings temp;
  const std::string file = temp.Path("Options.Dat");
  ASSERT_EQ(CreateOptionsFile(file), TOptionsFileResult::Ok);
  std::array<TColumns, 5> cols;
  TColumnSetRefs refs{};
  for (int i = 0; i < 5; ++i) {
    LoadDefaultColumns(i, cols[i]);
    refs[i] = &cols[i];
  }
  cols[0].Add();  // an earlier program version with one column more
  ASSERT_TRUE(WriteOptionsSet(file, 1, refs, {}, cmHighColour));
  LoadDefaultColumns(0, cols[0]);
  ASSERT_TRUE(WriteOptionsSet(file, 1, refs, {}, cmHighColour));
  cfb::Storage root, user;
  ASSERT_EQ(cfb::Storage::openFile(file, cfb::OpenMode::ReadOnly, root), cfb::Result::Ok);
  ASSERT_EQ(root.openStorage("User", user), cfb::Result::Ok);
  cfb::Stream s;
  ASSERT_EQ(user.openStream("TransactColumns", s), cfb::Result::Ok);
  EXPECT_EQ(s.size(), 12u * 68u);
  EXPECT_FALSE(WriteOptionsSet(file, 2, refs, {}, cmHighColour));  // no third set
}

}  // namespace
