// One export end to end: filter indexes, the option dialog's answer, messages, and failures that
// must leave no file behind.
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include "ExportFixture.h"
#include "ExportRunner.h"
#include "TestFiles.h"

namespace {

// Answers the option dialog from a script and records what the export showed.
struct TFakeUI : TExportUI {
  bool Accept = true;
  unsigned Answer = esAll;
  int Dialogs = 0;
  TExportKind DialogKind = ekText;
  bool NoteShown = false;
  std::vector<std::pair<TMsgKind, std::string>> Messages;

  bool ChooseSections(TExportKind Kind, bool ShowSelectionNote, unsigned& Choice) override {
    ++Dialogs;
    DialogKind = Kind;
    NoteShown = ShowSelectionNote;
    if (Accept) Choice = Answer;
    return Accept;
  }
  void ShowMessage(TMsgKind Kind, const std::string& Text) override { Messages.emplace_back(Kind, Text); }
};

TEST(ExportRunner, FilterIndexesOtherThanTextAndHtmlDoNothing) {
  TExportBook B;
  TTempDir Dir;
  for (int Index : {-1, 0, 1, 4}) {
    TFakeUI UI;
    EXPECT_FALSE(RunExport(Index, Dir.File("x"), B.Info(), UI));
    EXPECT_EQ(UI.Dialogs, 0);
    EXPECT_TRUE(UI.Messages.empty());
  }
  EXPECT_TRUE(std::filesystem::is_empty(Dir.Path));
  EXPECT_STREQ(ExportFilterText, "|Text file (*.TXT)|*.txt|HTML file (*.HTM)|*.htm");
}

TEST(ExportRunner, DialogAnswerDecidesWhatIsWritten) {
  TExportBook B;
  TTempDir Dir;
  {
    TFakeUI UI;
    UI.Accept = false;
    EXPECT_FALSE(RunExport(ekHtml, Dir.File("a.htm"), B.Info(true), UI));
    EXPECT_EQ(UI.DialogKind, ekHtml);
    EXPECT_TRUE(UI.NoteShown);
    EXPECT_TRUE(UI.Messages.empty());
    EXPECT_FALSE(std::filesystem::exists(Dir.File("a.htm")));
  }
  {
    TFakeUI UI;
    UI.Answer = esGroups;
    EXPECT_TRUE(RunExport(ekText, Dir.File("b.txt"), B.Info(false), UI));
    EXPECT_FALSE(UI.NoteShown);
    ASSERT_EQ(UI.Messages.size(), 1u);
    EXPECT_EQ(UI.Messages[0].first, TMsgKind::Information);
    EXPECT_EQ(UI.Messages[0].second, "Text file exported.");
    EXPECT_EQ(ReadAll(Dir.File("b.txt")).rfind("Group Number,", 0), 0u);
  }
  {
    TFakeUI UI;
    EXPECT_TRUE(RunExport(ekHtml, Dir.File("c.htm"), B.Info(), UI));
    EXPECT_EQ(UI.Messages.at(0).second, "HTML file exported.");
  }
}

TEST(ExportRunner, OverwritesAnExistingFile) {
  TExportBook B;
  TTempDir Dir;
  std::string Name = Dir.File("old.txt");
  std::ofstream(Name) << std::string(100000, 'x');
  ASSERT_TRUE(WriteExport(ekText, B.Info(), esCategories, Name).Written);
  EXPECT_EQ(ReadAll(Name), "Category Name,Kind,Total\r\n\"General Income\",\"Income\",$250.50\r\n"
                           "\"Wages\",\"Expense\",$80.00\r\n");
}

TEST(ExportRunner, UnwritablePathFailsWithItsMessageAndLeavesNoFile) {
  TExportBook B;
  TTempDir Dir;
  struct {
    TExportKind Kind;
    std::string Name;
    const char* Message;
  } Cases[] = {
      {ekText, Dir.File("missing/out.txt"), "An error was encountered while saving the text file."},
      {ekHtml, Dir.File("missing/out.htm"), "An error was encountered while saving the file."},
      {ekText, Dir.Path.string(), "An error was encountered while saving the text file."},  // a folder
  };
  for (const auto& C : Cases) {
    TFakeUI UI;
    EXPECT_FALSE(RunExport(C.Kind, C.Name, B.Info(), UI));
    ASSERT_EQ(UI.Messages.size(), 1u);
    EXPECT_EQ(UI.Messages[0].first, TMsgKind::Error);
    EXPECT_EQ(UI.Messages[0].second, C.Message);
  }
  EXPECT_TRUE(std::filesystem::is_empty(Dir.Path));
}

TEST(ExportRunner, FullDiskReportsDiskFull) {
  TExportBook B;
  // /dev/full refuses every write with "no space left"; it is not a regular file, so it is not removed.
  for (TExportKind Kind : {ekText, ekHtml}) {
    TExportResult R = WriteExport(Kind, B.Info(), esAll, "/dev/full");
    EXPECT_FALSE(R.Written);
    EXPECT_EQ(R.Kind, TMsgKind::Error);
    EXPECT_EQ(R.Message, "Unable to save the text file: Disk is full");
  }
  EXPECT_TRUE(std::filesystem::exists("/dev/full"));
}

TEST(ExportRunner, FileThatStopsGrowingHalfWayIsRemoved) {
  // A file size limit makes the writes fail part way through, as a full disk would.
  TExportBook B;
  TTempDir Dir;
  std::string Name = Dir.File("big.htm");
  std::ofstream(Name) << "an older export";
  auto OldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit Old{};
  getrlimit(RLIMIT_FSIZE, &Old);
  rlimit Small = Old;
  Small.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Small), 0);
  TExportResult R = WriteExport(ekHtml, B.Info(), esAll, Name);
  setrlimit(RLIMIT_FSIZE, &Old);
  std::signal(SIGXFSZ, OldHandler);
  EXPECT_FALSE(R.Written);
  EXPECT_EQ(R.Message, "Unable to save the text file: Disk is full");
  EXPECT_FALSE(std::filesystem::exists(Name));
}

TEST(ExportRunner, SectionListOfTheCommandLine) {
  struct {
    const char* Text;
    bool Ok;
    unsigned Choice;
  } Cases[] = {
      {"transactions,main,sub,groups,categories", true, esAll},
      {"Groups", true, esGroups},
      {" categories , main ", true, esCategories | esMainAccounts},
      {"main,main", true, esMainAccounts},
      {"", false, 0},
      {"main,", false, 0},
      {"accounts", false, 0},
  };
  for (const auto& C : Cases) {
    unsigned Choice = 99;
    EXPECT_EQ(ParseSectionList(C.Text, Choice), C.Ok) << C.Text;
    EXPECT_EQ(Choice, C.Ok ? C.Choice : 99u) << C.Text;
  }
}

}  // namespace
