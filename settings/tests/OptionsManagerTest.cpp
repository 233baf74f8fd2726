#include "OptionsManager.h"

#include "ColourPalette.h"
#include "CfbStorage.h"
#include "DefaultColumnSets.h"
#include "Registry.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

// The main window's side: five column sets loaded with the built-ins, the grid and the window.
struct Worksheets {
  Worksheets() {
    for (int i = 0; i < 5; ++i) LoadDefaultColumns(i, cols[i]);
  }
  std::array<TColumns*, 5> Refs() {
    std::array<TColumns*, 5> r{};
    for (int i = 0; i < 5; ++i) r[i] = &cols[i];
    return r;
  }
  TColumns cols[5];
  TFakeGrid grid;
  TFakeWindow window;
};

class OptionsManagerTest : public ::testing::Test {
 protected:
  std::unique_ptr<TOptionsManager> Make(Worksheets& w, TColourMode mode = cmHighColour) {
    TOptionsEnvironment env;
    env.InstDir = temp.Path("inst");
    env.UserDataDir = temp.UserDir();
    env.ScreenWidth = [this] { return screenWidth; };
    env.RegisterFileType = [] {};
    env.FontAvailable = [this] { return fontAvailable; };
    env.ShowFontWarning = [this] {
      ++fontWarnings;
      return tickDontShow;
    };
    env.ShowWelcome = [] { return 3; };
    env.Messenger = &messages;
    auto m = std::make_unique<TOptionsManager>(env);
    m->Columns = w.Refs();
    m->Grid = &w.grid;
    m->MainForm = &w.window;
    m->ColourMode = mode;
    return m;
  }
  std::optional<std::int32_t> Stored(const char* name) {
    std::unique_ptr<TRegistry> reg;
    OpenAppKey(reg);
    return reg->ReadInteger(name);
  }

  TTempSettings temp;
  TRecordingMessenger messages;
  int screenWidth = 1024;
  bool fontAvailable = true;
  bool tickDontShow = false;
  int fontWarnings = 0;
};

void ExpectBuiltIn(const TColumns& cols, int set) {
  TColumns builtIn;
  LoadDefaultColumns(set, builtIn);
  ASSERT_EQ(cols.Count(), builtIn.Count());
  for (int i = 0; i < cols.Count(); ++i) {
    TColProperty expected = builtIn.Items(i);
    // Reading gives the stored colours to both the colours in force and the kept ones.
    expected.ColorHi = expected.Color;
    expected.FontColHi = expected.FontCol;
    EXPECT_EQ(cols.Items(i), expected) << "set " << set << " column " << i;
  }
}

TEST_F(OptionsManagerTest, FirstStartCreatesTheFileWithBothSetsAsTheBuiltIns) {
  Worksheets w;
  w.cols[0].Items(0).Width = 99;  // what the worksheets show does not matter for a new file
  auto m = Make(w);
  EXPECT_EQ(m->OptionsFileName, temp.UserDir() + "/Options.Dat");
  ASSERT_FALSE(std::filesystem::exists(m->OptionsFileName));
  m->StartUp();
  EXPECT_TRUE(messages.Messages.empty());
  EXPECT_FALSE(m->OptionsError);
  EXPECT_TRUE(std::filesystem::exists(m->OptionsFileName));
  EXPECT_EQ(Stored("Options"), 0);
  EXPECT_EQ(m->CurrentSet, 0);
  for (int set = 0; set < 2; ++set) {
    Worksheets fresh;
    for (auto& c : fresh.cols)
      for (int i = 0; i < c.Count(); ++i) c.Items(i) = TColProperty{};
    auto r = ReadOptionsSet(m->OptionsFileName, set, fresh.Refs());
    ASSERT_TRUE(r.Ok) << "set " << set;
    for (int i = 0; i < 5; ++i) ExpectBuiltIn(fresh.cols[i], i);
    EXPECT_EQ(r.Grid, w.grid.Settings);
  }
  for (int i = 0; i < 5; ++i) ExpectBuiltIn(w.cols[i], i);  // loaded back from the file
}

TEST_F(OptionsManagerTest, ChangedUserSetSurvivesARestartAndDefaultStaysBuiltIn) {
  {
    Worksheets w;
    auto m = Make(w);
    m->StartUp();
    m->SelectSet(1);
    w.cols[0].Items(2).Title = "Ref.";
    w.cols[0].Items(2).Width = 77;
    w.cols[3].Items(4).Visible = false;
    w.cols[0].MoveVisible(0, 3);
    w.grid.Settings = TGridSettings{0x00112233u, "DejaVu Sans", 11, fsBold | fsItalic};
    m->SaveSet(1);
    m->StoreCurrentSet();
    EXPECT_FALSE(m->OptionsError);
  }
  Worksheets w;
  auto m = Make(w);
  m->StartUp();
  EXPECT_EQ(m->CurrentSet, 1);
  EXPECT_EQ(w.cols[0].Items(3).Title, "No.");  // moved to the fourth place
  EXPECT_EQ(w.cols[0].Items(1).Title, "Ref.");
  EXPECT_EQ(w.cols[0].Items(1).Width, 77);
  EXPECT_EQ(w.cols[0].Items(1).DefaultWidth, 77);
  EXPECT_FALSE(w.cols[3].Items(4).Visible);
  EXPECT_EQ(w.grid.Settings, (TGridSettings{0x00112233u, "DejaVu Sans", 11, fsBold | fsItalic}));
  m->SelectSet(0);
  for (int i = 0; i < 5; ++i) ExpectBuiltIn(w.cols[i], i);
  EXPECT_EQ(w.grid.Settings.FontName, "Arial");
  EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(OptionsManagerTest, EveryOptionReadsTrueOnAnEmptyStoreAndIsWritten) {
  Worksheets w;
  auto m = Make(w);
  for (int i = 0; i < OptionCount; ++i) {
    EXPECT_FALSE(Stored(OptionValueNames[i]).has_value());
    EXPECT_TRUE(m->GetOption(i)) << OptionValueNames[i];
    EXPECT_EQ(Stored(OptionValueNames[i]), 1) << OptionValueNames[i];
  }
  m->SetOption(optAutoBak, false);
  EXPECT_FALSE(m->GetOption(optAutoBak));
  EXPECT_EQ(Stored("AutoBak"), 0);
  EXPECT_TRUE(m->GetOption(optBalanceEndDay));
  EXPECT_FALSE(m->GetOption(OptionCount));  // no such option, nothing written
  EXPECT_FALSE(m->GetOption(-1));
}

TEST_F(OptionsManagerTest, WindowPlacementFirstUseMaximizedAndMinimized) {
  Worksheets w;
  auto m = Make(w);
  m->RestoreWindow();  // first use: the designed bounds are written
  EXPECT_EQ(Stored("WindowState"), 0);
  EXPECT_EQ(Stored("WindowX"), 10);
  EXPECT_EQ(Stored("WindowHeight"), 480);
  EXPECT_FALSE(w.window.Maximized);

  w.window.Bounds = {50, 60, 900, 700};
  m->StoreWindow();
  w.window.State = TWindowShowState::Maximized;
  w.window.Bounds = {0, 0, 1920, 1080};  // what Qt may report while maximized
  m->StoreWindow();
  EXPECT_EQ(Stored("WindowState"), 2);
  EXPECT_EQ(Stored("WindowX"), 50);
  EXPECT_EQ(Stored("WindowWidth"), 900);

  w.window.State = TWindowShowState::Minimized;
  m->StoreWindow();
  EXPECT_EQ(Stored("WindowState"), 2);

  Worksheets next;
  auto again = Make(next);
  again->RestoreWindow();
  EXPECT_EQ(next.window.Bounds, (TWindowBounds{50, 60, 900, 700}));
  EXPECT_TRUE(next.window.Maximized);
}

TEST_F(OptionsManagerTest, ScreenSizeSwitchesOptionsFiles) {
  Worksheets w;
  screenWidth = 800;
  auto m = Make(w);
  m->StartUp();
  w.cols[1].Items(0).Width = 61;  // not stored: a reload would undo it
  EXPECT_FALSE(m->CheckScreenSize());
  EXPECT_EQ(w.cols[1].Items(0).Width, 61);

  screenWidth = 640;
  EXPECT_TRUE(m->CheckScreenSize());
  EXPECT_EQ(m->OptionsFileName, temp.UserDir() + "/Options640.Dat");
  EXPECT_TRUE(std::filesystem::exists(m->OptionsFileName));
  EXPECT_EQ(w.cols[1].Items(0).Width, 50);
  EXPECT_FALSE(m->CheckScreenSize());
  EXPECT_TRUE(messages.Messages.empty());

  Worksheets small;
  auto m640 = Make(small);
  EXPECT_EQ(m640->OptionsFileName, temp.UserDir() + "/Options640.Dat");
}

TEST_F(OptionsManagerTest, ColoursFollowTheDisplayMode) {
  {
    Worksheets w;
    auto m = Make(w);
    m->StartUp();
  }
  Worksheets w16;
  auto m16 = Make(w16, cm16Colour);
  m16->StartUp();
  struct Case {
    int sheet, column;
    TColor background, text;
  } cases[] = {
      {0, 0, clWindow, clWindowText},  // "No.", link 0
      {0, 9, clWindow, clGreen},       // "Income", link 9
      {0, 10, clWindow, clRed},
      {0, 11, clWindow, clBlue},
      {1, 4, clWindow, clBlue},   // "% of Total", link 4
      {3, 4, clWindow, clBlue},   // "Difference", link 4
      {3, 5, clWindow, clGreen},  // "% of Total Income", link 5
      {3, 6, clWindow, clRed},
      {4, 0, clWindow, clWindowText},
      {4, 3, clWindow, clBlue},
  };
  for (const Case& c : cases) {
    const TColProperty& col = w16.cols[c.sheet].Items(c.column);
    EXPECT_EQ(col.Color, c.background) << c.sheet << "/" << c.column;
    EXPECT_EQ(col.FontCol, c.text) << c.sheet << "/" << c.column;
  }
  EXPECT_EQ(w16.cols[0].Items(9).ColorHi, PaletteRGB(185, 255, 192));  // the stored colour is kept

  Worksheets w256;
  auto m256 = Make(w256, cmPalette256);
  m256->StartUp();
  const TColProperty& income = w256.cols[0].Items(9);
  EXPECT_EQ(income.Color, PaletteColour(38));
  EXPECT_EQ(income.FontCol, PaletteColour(39));
  EXPECT_EQ(income.ColorHi, PaletteRGB(185, 255, 192));  // the stored colour is kept
  EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(OptionsManagerTest, DamagedFileGivesTheReadingMessageAndStandardColoursOnAPalette) {
  Worksheets w;
  auto m = Make(w, cmPalette256);
  std::filesystem::create_directories(temp.UserDir());
  std::ofstream(m->OptionsFileName) << "not a compound file";
  m->StartUp();  // the file exists, so it is not made anew
  EXPECT_TRUE(m->OptionsError);
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_EQ(messages.Messages[0].first, TMsgKind::Error);
  EXPECT_EQ(messages.Messages[0].second, MsgOptionsReadError);
  EXPECT_EQ(w.cols[0].Items(9).Color, clWindow);
  EXPECT_EQ(w.cols[0].Items(9).FontCol, clGreen);

  messages.Messages.clear();
  m->SaveSet(1);
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_EQ(messages.Messages[0].second, MsgOptionsWriteError);
}

TEST_F(OptionsManagerTest, ShortStreamKeepsWhatWasReadBeforeIt) {
  Worksheets w;
  auto m = Make(w);
  m->StartUp();
  m->SelectSet(1);
  w.cols[0].Items(0).Title = "Number";
  w.cols[4].Items(0).Title = "Cat";
  m->SaveSet(1);
  m->StoreCurrentSet();
  {
    cfb::Storage root, user;
    ASSERT_EQ(cfb::Storage::openFile(m->OptionsFileName, cfb::OpenMode::ReadWrite, root), cfb::Result::Ok);
    ASSERT_EQ(root.openStorage("User", user), cfb::Result::Ok);
    cfb::Stream s;
    ASSERT_EQ(user.openStream("GroupColumns", s), cfb::Result::Ok);
    ASSERT_EQ(s.setSize(68 * 3), cfb::Result::Ok);
  }
  Worksheets fresh;
  auto again = Make(fresh);
  again->StartUp();
  EXPECT_TRUE(again->OptionsError);
  EXPECT_EQ(fresh.cols[0].Items(0).Title, "Number");
  EXPECT_EQ(fresh.cols[4].Items(0).Title, "Category");  // never reached
  EXPECT_EQ(fresh.grid.Sets, 0);
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_EQ(messages.Messages[0].second, MsgOptionsReadError);
}

TEST_F(OptionsManagerTest, UnwritableFolderGivesTheCreateAndWriteMessages) {
  Worksheets w;
  TOptionsEnvironment env;
  env.InstDir = temp.Path("inst");
  env.UserDataDir = "/proc/no-such-folder";
  env.RegisterFileType = [] {};
  env.Messenger = &messages;
  TOptionsManager m(env);
  m.Columns = w.Refs();
  m.StartUp();
  ASSERT_GE(messages.Messages.size(), 3u);
  EXPECT_EQ(messages.Messages[0].second, MsgCreateFileFailed);
  EXPECT_EQ(messages.Messages[1].second, MsgOptionsWriteError);
  EXPECT_EQ(messages.Messages.back().second, MsgOptionsReadError);
  EXPECT_TRUE(m.OptionsError);
}

TEST_F(OptionsManagerTest, MissingInstallationFolderIsReported) {
  setenv("QB_DATA_DIR", "/nonexistent", 1);
  TOptionsEnvironment env;
  env.UserDataDir = temp.UserDir();
  env.RegisterFileType = [] {};
  env.Messenger = &messages;
  TOptionsManager m(env);
  unsetenv("QB_DATA_DIR");
  // Built from the source tree, the data folder is found there; only without it the message shows.
  if (m.InstDir.empty()) {
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].second, MsgNoInstDir);
  } else {
    EXPECT_TRUE(std::filesystem::exists(m.InstDir + "/quimbelbooks.desktop")) << m.InstDir;
    EXPECT_TRUE(messages.Messages.empty());
  }
  EXPECT_EQ(m.WizardFolder(), m.InstDir + "/Wizard Files");
  EXPECT_TRUE(std::filesystem::is_directory(m.ExampleFolder()));
  EXPECT_EQ(m.ExampleFolder(), temp.UserDir() + "/Books/Example Files");
}

TEST_F(OptionsManagerTest, FontWarningAndWelcomeFollowTheirOptions) {
  Worksheets w;
  auto m = Make(w);
  m->CheckFont();  // the font is there
  EXPECT_EQ(fontWarnings, 0);

  fontAvailable = false;
  m->CheckFont();
  EXPECT_EQ(fontWarnings, 1);
  EXPECT_TRUE(m->GetOption(optFontWarn));
  tickDontShow = true;
  m->CheckFont();
  EXPECT_EQ(fontWarnings, 2);
  EXPECT_FALSE(m->GetOption(optFontWarn));
  m->CheckFont();
  EXPECT_EQ(fontWarnings, 2);

  EXPECT_EQ(m->WelcomeWanted(), 3);
  m->SetOption(optShowWelcome, false);
  EXPECT_EQ(m->WelcomeWanted(), -1);
}

}  // namespace
