// Storage failures through a storage layer that fails on demand: retry texts, giving up,
// autosave failure, failed saves and backups.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestBook.h"

namespace fs = std::filesystem;

namespace {
std::string FileBytes(const std::string& Name) {
  std::ifstream In(Name, std::ios::binary);
  std::stringstream S;
  S << In.rdbuf();
  return S.str();
}

// Fails the next N calls of one kind with a result.
struct TFaults {
  std::string Op;
  cfb::Result Result = cfb::Result::Ok;
  int Left = 0;
  cfb::Result operator()(const char* Called) {
    if (Left > 0 && Op == Called) {
      --Left;
      return Result;
    }
    return cfb::Result::Ok;
  }
};

class RetryTest : public ::testing::Test {
 protected:
  std::string Dir = MakeTempDir();
  std::string Book = Dir + "/Shop.qbk";
  TTestManager T;
  std::shared_ptr<TFaults> Faults = std::make_shared<TFaults>();
  void SetUp() override {
    T.CreateSample(Book);
    ASSERT_TRUE(T.FM.Open(Book, true));
    T.FM.FailHook = [F = Faults](const char* Op) { return (*F)(Op); };
    T.Prompts.ClearShown();
  }
  void TearDown() override { fs::remove_all(Dir); }
  void FailNext(const std::string& Op, cfb::Result R, int N = 1) { *Faults = {Op, R, N}; }
};
}  // namespace

TEST_F(RetryTest, EveryCauseHasItsTextAndRetryWritesTheChange) {
  struct TCase {
    cfb::Result Result;
    const char* Text;
  };
  const TCase Cases[] = {
      {cfb::Result::InsufficientMemory,
       "Unable to save changes: There is insufficient memory available to complete the operation"},
      {cfb::Result::WriteProtected, "Unable to save changes: Disk is write protected"},
      {cfb::Result::WriteFault, "Unable to save changes: There was a problem writing to the disk"},
      {cfb::Result::ReadFault, "A disk error occurred during a read operation"},
      {cfb::Result::MediumFull, "Unable to save changes: Disk is full!"},
      {cfb::Result::CannotSave, "Unable to save changes: Storage device error!"},
      {cfb::Result::AccessDenied, "Unable to save changes: Unkown error"},
      {cfb::Result::Other, "Unable to save changes: Unkown error"},
  };
  int N = 0;
  for (const TCase& C : Cases) {
    T.Prompts.ClearShown();
    FailNext("write", C.Result);
    T.Prompts.Answers = {mbRetry};
    TTransRec& R = T.Lists.Trans.Items(0);
    R.Details = "try " + std::to_string(++N);
    T.Lists.Trans.NotifyChanged(0);
    ASSERT_EQ(T.Prompts.Shown.size(), 1u);
    EXPECT_EQ(T.Prompts.Shown[0].Text, std::string(C.Text) + "\rDo you want to retry?");
    EXPECT_EQ(T.Prompts.Shown[0].Kind, TMsgKind::Confirmation);
    EXPECT_EQ(T.Prompts.Shown[0].Buttons, mbRetry | mbCancel);
    EXPECT_FALSE(T.FM.ReadOnly);
    std::string S = StreamOfLockedFile(Book, "Transactions");
    TTransRec Back;
    DecodeTrans(reinterpret_cast<const unsigned char*>(S.data() + R.StreamPos), Back);
    EXPECT_EQ(Back.Details, R.Details);  // written after the retry (which reopened the file)
  }
  // The retry text names what was being saved.
  EXPECT_EQ(TFileManager::RetryText(cfb::Result::MediumFull, "backup file"), "Unable to save backup file: Disk is full!");
}

TEST_F(RetryTest, GivingUpAWriteSwitchesToReadOnlyAndKeepsTheChange) {
  std::string Before = FileBytes(Book);
  FailNext("write", cfb::Result::MediumFull, 100);
  T.Prompts.Answers = {mbCancel};
  auto R = std::make_unique<TTransRec>();
  R->TransNo = 50;
  R->Date = 45020;
  R->Kind = tkOpenBal;
  R->Details = "not on disk";
  T.Lists.Trans.Add(std::move(R));
  ASSERT_EQ(T.Prompts.Shown.size(), 2u);
  EXPECT_EQ(T.Prompts.Shown[1].Text,
            "Unable to write to the file. The Autosave feature is now OFF.  Use the Save As command from the file menu "
            "to save this file or close current file and revert to backup file.");
  EXPECT_EQ(T.Prompts.Shown[1].Buttons, mbOK | mbHelp);
  EXPECT_TRUE(T.FM.ReadOnly);
  EXPECT_TRUE(T.FM.Changed);  // the change lives only in memory: closing must offer to save it
  EXPECT_EQ(T.Lists.Trans.Count(), 8);
  *Faults = {};
  T.Lists.Trans.Delete(0);  // later edits do not touch the file
  EXPECT_EQ(FileBytes(Book), Before);
  T.Prompts.Answers = {mbYes};
  EXPECT_EQ(T.FM.AskSaveReadOnly(), 1);
  std::string Saved = Dir + "/Saved.qbk";
  ASSERT_TRUE(T.FM.SaveAsFresh(Saved));
  ASSERT_TRUE(T.FM.Close(true, true));
  ASSERT_TRUE(T.FM.Open(Saved, true));
  EXPECT_EQ(T.Lists.Trans.Count(), 7);
  EXPECT_EQ(T.Lists.Trans.Items(6).Details, "not on disk");
}

TEST_F(RetryTest, FailedSaveOnClosingAbortKeepsTheFileOpen) {
  T.Lists.Trans.Delete(1);
  T.Prompts.ClearShown();
  FailNext("setsize", cfb::Result::WriteFault, 100);
  T.Prompts.Answers = {mbCancel, mbAbort};
  EXPECT_FALSE(T.FM.Close(true, true));
  EXPECT_EQ(T.Prompts.Shown.back().Text,
            "There has been a problem saving current file.  Click the 'Ignore' button\rto close anyway.  Click the "
            "'Abort' button to keep the file open - You may\rbe able to save the file in a different location by "
            "using the 'Save As'\rcommand from the 'File' menu.");
  EXPECT_TRUE(T.FM.FileOpen);
  EXPECT_TRUE(T.FM.Changed);
  EXPECT_TRUE(T.FM.Modified[TFileManager::liTrans]);
  EXPECT_EQ(T.Lists.Trans.Count(), 6);
  // Ignore closes without a backup question.
  T.Prompts.ClearShown();
  T.Prompts.Answers = {mbCancel, mbIgnore};
  EXPECT_TRUE(T.FM.Close(true, true));
  EXPECT_FALSE(T.FM.FileOpen);
  EXPECT_EQ(T.Prompts.Shown.size(), 2u);
  *Faults = {};
  ASSERT_TRUE(T.FM.Open(Book, true));  // the written-through data is all there
  EXPECT_EQ(T.Lists.Trans.Count(), 6);
}

TEST_F(RetryTest, FailedBackupLeavesNoBackupAndTheMainFile) {
  T.Lists.Trans.Items(0).Details = "x";
  T.Lists.Trans.NotifyChanged(0);
  T.Prompts.ClearShown();
  FailNext("copy", cfb::Result::MediumFull, 100);
  T.Prompts.Answers = {mbYes, mbCancel};
  ASSERT_TRUE(T.FM.Close(true, true));
  EXPECT_EQ(T.Prompts.Texts(),
            (std::vector<std::string>{
                "The data in this file has changed.\rUpdate backup file?",
                "Unable to save backup file: Disk is full!\rDo you want to retry?",
                "Unable to save backup file.  Data from your main file has NOT been lost.\rIt is recommended you make a "
                "copy of you main file as a temporary backup."}));
  EXPECT_FALSE(fs::exists(Dir + "/Shop.~bk"));
  *Faults = {};
  ASSERT_TRUE(T.FM.Open(Book, true));
  EXPECT_EQ(T.Lists.Trans.Items(0).Details, "x");
}

TEST_F(RetryTest, FileAndNewFileTexts) {
  FailNext("write", cfb::Result::WriteFault);
  T.Prompts.Answers = {mbRetry};
  EXPECT_TRUE(T.FM.WriteComment("hello"));
  EXPECT_EQ(T.Prompts.Texts(), std::vector<std::string>{
                                   "Unable to save file: There was a problem writing to the disk\rDo you want to retry?"});
  ASSERT_TRUE(T.FM.Close(true, true));
  T.Prompts.ClearShown();
  FailNext("create", cfb::Result::MediumFull);
  T.Prompts.Answers = {mbCancel};
  EXPECT_FALSE(T.FM.NewFile(Dir + "/New.qbk"));
  EXPECT_EQ(T.Prompts.Texts(), std::vector<std::string>{"Unable to save new file: Disk is full!\rDo you want to retry?"});
  EXPECT_FALSE(T.FM.FileOpen);
  // A failed Save As copy keeps the old file open and removes the partial copy.
  ASSERT_TRUE(T.FM.Open(Book, true));
  EXPECT_EQ(T.FM.ReadComment(), "hello");
  FailNext("copy", cfb::Result::WriteFault);
  T.Prompts.Answers = {mbCancel};
  EXPECT_EQ(T.FM.SaveAsCopy(Dir + "/Copy.qbk"), 1);
  EXPECT_FALSE(fs::exists(Dir + "/Copy.qbk"));
  EXPECT_EQ(T.FM.FileName, Book);
  T.Lists.Trans.Items(0).Details = "still writable";
  T.Lists.Trans.NotifyChanged(0);
  EXPECT_FALSE(T.FM.ReadOnly);
}
