// The file manager's lifecycle: new files, write-through, compaction, backup, Save As, read-only.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ListOps.h"
#include "TestBook.h"

namespace fs = std::filesystem;

namespace {
std::string FileBytes(const std::string& Name) {
  std::ifstream In(Name, std::ios::binary);
  std::stringstream S;
  S << In.rdbuf();
  return S.str();
}

TTransRec DecodeSlot(const std::string& Stream, std::int64_t Pos) {
  TTransRec R;
  DecodeTrans(reinterpret_cast<const unsigned char*>(Stream.data() + Pos), R);
  return R;
}

class FileManagerTest : public ::testing::Test {
 protected:
  std::string Dir = MakeTempDir();
  std::string Book = Dir + "/Shop.qbk";
  void TearDown() override { fs::remove_all(Dir); }
};
}  // namespace

TEST_F(FileManagerTest, NewFileHasTheBlankBookAndItsBackup) {
  TTestManager T;
  ASSERT_TRUE(T.FM.NewFile(Book));
  EXPECT_FALSE(T.FM.FileOpen);
  EXPECT_EQ(T.Lists.Trans.Count(), 0);
  EXPECT_TRUE(fs::exists(Dir + "/Shop.~bk"));
  EXPECT_TRUE(T.Prompts.Shown.empty());  // the backup is written without asking

  ASSERT_EQ(T.FM.CheckFile(Book), 0);
  ASSERT_EQ(T.FM.CheckAndConvert(Book), 0);
  ASSERT_TRUE(T.FM.Open(Book, true));
  EXPECT_EQ(T.Lists.Groups.Count(), 1);
  EXPECT_EQ(T.Lists.Groups.Items(0).Name, "General");
  EXPECT_EQ(T.Lists.Cats.Count(), 11);
  ASSERT_EQ(T.Lists.Books.Count(), 1);
  EXPECT_EQ(T.Lists.Books.Items(0).Name, "Cashbook 1");
  EXPECT_EQ(T.Lists.Books.Items(0).Colour, 0xFF0000);
  ASSERT_EQ(T.Lists.Trans.Count(), 1);
  EXPECT_EQ(T.Lists.Trans.Items(0).Kind, tkOpenBal);
  EXPECT_EQ(T.FM.ReadComment(), "");
  EXPECT_EQ(T.FM.Settings, TFileSettings{});
  // Compacted on closing: no deleted slots, one slot per record.
  EXPECT_EQ(StreamOfLockedFile(Book, "Categories").size(), 11 * CatRecSize);
}

TEST_F(FileManagerTest, SampleBookRoundTrips) {
  TTestManager T;
  T.CreateSample(Book);
  ASSERT_TRUE(T.FM.Open(Book, true));
  ASSERT_EQ(T.Lists.Trans.Count(), 7);
  EXPECT_EQ(T.Lists.Groups.Items(1).Name, "Caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(T.Lists.SubActs.Items(0).Notes, "Na\xC3\xAFve notes");
  EXPECT_EQ(T.Lists.Books.Items(1).OpenBalNo, 1);
  EXPECT_EQ(T.Lists.Trans.Items(4).Enabled, false);
  EXPECT_EQ(T.Lists.Trans.Items(4).SplitLetter, 'B');
  EXPECT_EQ(T.Lists.Trans.Items(1).Amount, -2500000);
  EXPECT_EQ(T.Lists.Transfers.Count(), 1);
  ResolveLinks(T.Lists);  // every number refers to an existing record
  EXPECT_EQ(T.Lists.Books.Items(1).OpenBal, &T.Lists.Trans.Items(1));
  EXPECT_EQ(T.Lists.Cats.Count(), 12);
}

TEST_F(FileManagerTest, WriteThroughIsInTheFileAfterEveryChange) {
  TTestManager T;
  T.CreateSample(Book);
  ASSERT_TRUE(T.FM.Open(Book, true));
  std::size_t Before = StreamOfLockedFile(Book, "Transactions").size();

  // Add: appended at the end, counts follow.
  auto R = std::make_unique<TTransRec>();
  R->TransNo = 9;
  R->Date = 45010;
  R->Kind = tkIncome;
  R->MainActNo = 100;
  R->SubActNo = 1;
  R->Amount = 990000;
  R->Details = "Walk-in";
  TTransRec* Added = R.get();
  T.Lists.Trans.Add(std::move(R));
  std::string S = StreamOfLockedFile(Book, "Transactions");
  ASSERT_EQ(S.size(), Before + TransRecSize);
  EXPECT_EQ(Added->StreamPos, static_cast<std::int64_t>(Before));
  EXPECT_EQ(DecodeSlot(S, Added->StreamPos).Details, "Walk-in");
  EXPECT_EQ(CountsOfLockedFile(Book).Trans, 8);
  EXPECT_TRUE(T.FM.Modified[TFileManager::liTrans]);

  // Change: rewritten in place.
  Added->Amount = 5;
  T.Lists.Trans.NotifyChanged(T.Lists.Trans.IndexOf(Added));
  S = StreamOfLockedFile(Book, "Transactions");
  EXPECT_EQ(S.size(), Before + TransRecSize);
  EXPECT_EQ(DecodeSlot(S, Added->StreamPos).Amount, 5);

  // Delete: a deleted slot stays until closing; counts follow.
  std::int64_t Pos = T.Lists.Trans.Items(2).StreamPos;
  T.Lists.Trans.Delete(2);
  S = StreamOfLockedFile(Book, "Transactions");
  EXPECT_EQ(S.size(), Before + TransRecSize);
  EXPECT_EQ(DecodeSlot(S, Pos).TransNo, -1);
  EXPECT_EQ(CountsOfLockedFile(Book).Trans, 7);

  // Other lists too.
  auto G = std::make_unique<TGroupRec>();
  G->GroupNo = 5;
  G->Name = "Trips";
  T.Lists.Groups.Add(std::move(G));
  EXPECT_EQ(CountsOfLockedFile(Book).Groups, 3);
  T.Lists.Books.Items(0).Name = "Cheque account";
  T.Lists.Books.NotifyChanged(0);
  std::string B = StreamOfLockedFile(Book, "Books");
  TBookRec BR;
  DecodeBook(reinterpret_cast<const unsigned char*>(B.data()), BR);
  EXPECT_EQ(BR.Name, "Cheque account");

  // Closing compacts the touched streams.
  T.Prompts.Answers.push_back(mbNo);
  ASSERT_TRUE(T.FM.Close(true, true));
  EXPECT_TRUE(T.Prompts.Saw("The data in this file has changed.\rUpdate backup file?"));
  std::string Compact;
  ASSERT_TRUE(ReadRawStream(Book, "Transactions", Compact));
  EXPECT_EQ(Compact.size(), 7 * TransRecSize);
  for (std::size_t P = 0; P < Compact.size(); P += TransRecSize) EXPECT_NE(DecodeSlot(Compact, P).TransNo, -1);
  ASSERT_TRUE(T.FM.Open(Book, true));
  EXPECT_EQ(T.Lists.Trans.Count(), 7);
  EXPECT_EQ(T.Lists.Trans.Items(6).Amount, 5);
}

// When records move, the compacted book is written beside the old one and takes its name by
// rename. Neither file may be opened by anyone else at any step, and the program goes on in the
// new file (the backup is copied from it); the book keeps its permissions.
TEST_F(FileManagerTest, CompactingThroughANewFileKeepsTheBookLocked) {
  TTestManager T;
  T.CreateSample(Book);
  fs::permissions(Book, fs::perms::owner_read | fs::perms::owner_write);
  {  // an element of another writer, which must survive the compaction
    cfb::Storage Root;
    cfb::Stream Extra;
    ASSERT_EQ(cfb::Storage::openFile(Book, cfb::OpenMode::ReadWrite, Root), cfb::Result::Ok);
    ASSERT_EQ(Root.createStream("Extra", Extra), cfb::Result::Ok);
    ASSERT_EQ(Extra.write("kept", 4), cfb::Result::Ok);
  }
  ASSERT_TRUE(T.FM.Open(Book, true));
  T.Lists.Trans.Delete(1);
  T.Lists.Groups.Items(0).Name = "Everyday";
  T.Lists.Groups.NotifyChanged(0);
  std::string Temp = TFileManager::CompactTempName(Book);
  std::vector<std::string> Ops;
  T.FM.FailHook = [&](const char* Op) {
    Ops.push_back(Op);
    for (const std::string& Name : {Book, Temp}) {
      cfb::Storage Other;
      cfb::Result R = cfb::Storage::openFile(Name, cfb::OpenMode::ReadOnly, Other);
      EXPECT_TRUE(R == cfb::Result::AccessDenied || (R == cfb::Result::FileNotFound && Name == Temp))
          << Name << " could be opened during " << Op << ": " << cfb::resultName(R);
    }
    return cfb::Result::Ok;
  };
  T.Prompts.Answers.push_back(mbYes);  // backup
  ASSERT_TRUE(T.FM.Close(true, true));
  T.FM.FailHook = nullptr;
  EXPECT_NE(std::find(Ops.begin(), Ops.end(), "rename"), Ops.end());
  EXPECT_FALSE(fs::exists(Temp));
  EXPECT_EQ(fs::status(Book).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
  std::string Extra;
  ASSERT_TRUE(ReadRawStream(Book, "Extra", Extra));
  EXPECT_EQ(Extra, "kept");
  for (const std::string& Name : {Book, Dir + "/Shop.~bk"}) {
    std::string S;
    ASSERT_TRUE(ReadRawStream(Name, "Transactions", S));
    EXPECT_EQ(S.size(), 6 * TransRecSize) << Name;
    for (std::size_t P = 0; P < S.size(); P += TransRecSize) EXPECT_NE(DecodeSlot(S, P).TransNo, -1) << Name;
    TTestManager Check;
    ASSERT_TRUE(Check.FM.Open(Name, true)) << Name;
    EXPECT_EQ(Check.Lists.Trans.Count(), 6);
    EXPECT_EQ(Check.Lists.Groups.Items(0).Name, "Everyday");
    EXPECT_EQ(Check.FM.ReadComment(), T.FM.CommentText);
    EXPECT_EQ(Check.Lists.Books.Count(), 2);
  }
}

// No record moves (the last one deleted, one changed in place): the stream is only cut, nothing
// else of the file is written, and no second file is made.
TEST_F(FileManagerTest, CompactingInPlaceWhenNoRecordMoves) {
  TTestManager T;
  T.CreateSample(Book);
  ASSERT_TRUE(T.FM.Open(Book, true));
  T.Lists.Trans.Items(2).Details = "in place";
  T.Lists.Trans.NotifyChanged(2);
  T.Lists.Trans.Delete(T.Lists.Trans.Count() - 1);
  std::string Groups = StreamOfLockedFile(Book, "Groups");
  std::vector<std::string> Ops;
  T.FM.FailHook = [&](const char* Op) {
    Ops.push_back(Op);
    return cfb::Result::Ok;
  };
  T.Prompts.Answers.push_back(mbNo);
  ASSERT_TRUE(T.FM.Close(true, true));
  EXPECT_EQ(Ops, (std::vector<std::string>{"write", "setsize", "flush"}));
  std::string S;
  ASSERT_TRUE(ReadRawStream(Book, "Transactions", S));
  EXPECT_EQ(S.size(), 6 * TransRecSize);
  EXPECT_EQ(DecodeSlot(S, 2 * TransRecSize).Details, "in place");
  ASSERT_TRUE(ReadRawStream(Book, "Groups", S));
  EXPECT_EQ(S, Groups);
}

// A book opened through a symbolic link is compacted where it lies; the link stays.
TEST_F(FileManagerTest, CompactingABookBehindALink) {
  TTestManager T;
  T.CreateSample(Book);
  std::string Link = Dir + "/Link.qbk";
  fs::create_symlink(Book, Link);
  ASSERT_TRUE(T.FM.Open(Link, true));
  T.Lists.Trans.Delete(1);
  T.Prompts.Answers.push_back(mbNo);
  ASSERT_TRUE(T.FM.Close(true, true));
  EXPECT_TRUE(fs::is_symlink(Link));
  std::string S;
  ASSERT_TRUE(ReadRawStream(Book, "Transactions", S));
  EXPECT_EQ(S.size(), 6 * TransRecSize);
  EXPECT_FALSE(fs::exists(TFileManager::CompactTempName(Link)));
}

// A new file left by a program killed while compacting is removed when the book is opened.
TEST_F(FileManagerTest, OpeningRemovesALeftOverCompactionFile) {
  TTestManager T;
  T.CreateSample(Book);
  std::string Temp = TFileManager::CompactTempName(Book);
  fs::copy_file(Book, Temp);
  ASSERT_TRUE(T.FM.Open(Book, true));
  EXPECT_FALSE(fs::exists(Temp));
}

TEST_F(FileManagerTest, ClosingWithoutEditsWritesAndAsksNothing) {
  TTestManager T;
  T.CreateSample(Book);
  std::string Bytes = FileBytes(Book);
  T.Prompts.ClearShown();
  ASSERT_TRUE(T.FM.Open(Book, true));
  ASSERT_TRUE(T.FM.Close(true, true));
  EXPECT_TRUE(T.Prompts.Shown.empty());
  EXPECT_EQ(FileBytes(Book), Bytes);
}

TEST_F(FileManagerTest, BackupCopiesTheFileAndBackupsNeverAskForOne) {
  TTestManager T;
  T.CreateSample(Book);
  ASSERT_TRUE(T.FM.Open(Book, true));
  T.Lists.Trans.Items(0).Details = "changed";
  T.Lists.Trans.NotifyChanged(0);
  T.Prompts.Answers.push_back(mbYes);
  ASSERT_TRUE(T.FM.Close(true, true));
  std::string Backup = Dir + "/Shop.~bk";
  ASSERT_TRUE(fs::exists(Backup));

  // The backup is an ordinary book file; closing it after a change never asks about a backup.
  T.Prompts.ClearShown();
  ASSERT_EQ(T.FM.CheckFile(Backup), 0);
  ASSERT_TRUE(T.FM.Open(Backup, true));
  EXPECT_EQ(T.Lists.Trans.Count(), 7);
  EXPECT_EQ(T.Lists.Trans.Items(0).Details, "changed");
  T.Lists.Trans.Items(1).Details = "x";
  T.Lists.Trans.NotifyChanged(1);
  ASSERT_TRUE(T.FM.Close(true, true));
  EXPECT_TRUE(T.Prompts.Shown.empty());
}

TEST_F(FileManagerTest, SaveAsCopyContinuesInTheNewFile) {
  TTestManager T;
  T.CreateSample(Book);
  ASSERT_TRUE(T.FM.Open(Book, true));
  T.Lists.Trans.Delete(3);  // a deleted slot: positions must stay valid in the copy
  std::string Old = FileBytes(Book);
  std::string Copy = Dir + "/Copy.qbk";
  std::vector<int> Steps;
  T.FM.ShowProgress = [&](int P) { Steps.push_back(P); };
  EXPECT_EQ(T.FM.SaveAsCopy(Book), 0);  // itself: nothing to do
  ASSERT_EQ(T.FM.SaveAsCopy(Copy), 0);
  EXPECT_EQ(Steps, (std::vector<int>{10, 20, 30, 80, 100}));
  EXPECT_EQ(T.FM.FileName, Copy);
  EXPECT_FALSE(T.FM.ReadOnly);
  T.Lists.Trans.Items(0).Details = "only in the copy";
  T.Lists.Trans.NotifyChanged(0);
  EXPECT_EQ(FileBytes(Book), Old);
  T.Prompts.Answers.push_back(mbNo);
  ASSERT_TRUE(T.FM.Close(true, true));
  ASSERT_TRUE(T.FM.Open(Copy, true));
  EXPECT_EQ(T.Lists.Trans.Count(), 6);
  EXPECT_EQ(T.Lists.Trans.Items(0).Details, "only in the copy");
}

TEST_F(FileManagerTest, ReadOnlyMediumKeepsTheFileAndSavesFresh) {
  TTestManager T;
  T.CreateSample(Book);
  std::string Bytes = FileBytes(Book);
  T.FM.DriveKindProbe = [](const std::string& N) { return N.find("Shop") != std::string::npos ? dkCDROM : dkFixed; };
  T.Prompts.ClearShown();
  ASSERT_TRUE(T.FM.Open(Book, true));
  EXPECT_TRUE(T.FM.ReadOnly);
  ASSERT_EQ(T.Prompts.Shown.size(), 1u);
  EXPECT_EQ(T.Prompts.Shown[0].Text,
            "This file can will be opened in read only mode because it is\rbeing opened from CDROM.  Use the Save "
            "As command to save any\rchanges made to this file.");
  // The storage is released: another opener is not refused.
  {
    cfb::Storage Other;
    EXPECT_EQ(cfb::Storage::openFile(Book, cfb::OpenMode::ReadOnly, Other), cfb::Result::Ok);
  }
  T.Lists.Trans.Delete(2);
  T.Lists.Trans.Items(0).Details = "edited";
  T.Lists.Trans.NotifyChanged(0);
  EXPECT_TRUE(T.FM.WriteComment("kept in memory"));
  EXPECT_EQ(T.FM.ReadComment(), "kept in memory");
  EXPECT_EQ(FileBytes(Book), Bytes);
  EXPECT_TRUE(T.FM.Changed);

  T.Prompts.Answers = {mbCancel};
  EXPECT_EQ(T.FM.AskSaveReadOnly(), 2);
  EXPECT_TRUE(T.Prompts.Saw(
      "Current file is in read only mode and has changed. Do you want to save the changes to a new file?"));
  std::string Fresh = Dir + "/Fresh.qbk";
  ASSERT_TRUE(T.FM.SaveAsFresh(Fresh));
  EXPECT_FALSE(T.FM.ReadOnly);
  EXPECT_FALSE(T.FM.Changed);
  EXPECT_EQ(T.FM.FileName, Fresh);
  // Writable now: write-through goes to the new file.
  T.Lists.Trans.Items(1).Details = "after";
  T.Lists.Trans.NotifyChanged(1);
  ASSERT_TRUE(T.FM.Close(true, true));
  EXPECT_EQ(FileBytes(Book), Bytes);
  ASSERT_TRUE(T.FM.Open(Fresh, true));
  EXPECT_EQ(T.Lists.Trans.Count(), 6);
  EXPECT_EQ(T.Lists.Trans.Items(0).Details, "edited");
  EXPECT_EQ(T.Lists.Trans.Items(1).Details, "after");
  EXPECT_EQ(T.FM.ReadComment(), "kept in memory");
  EXPECT_EQ(T.Lists.Cats.Count(), 12);
}

// A book the user may read but not write opens in the read-only mode of a CD-ROM file, through
// the real drive probe. Root may write anything, so as root the check runs in a child that has
// become an ordinary user.
TEST_F(FileManagerTest, FileWithoutWritePermissionOpensReadOnly) {
  {
    TTestManager Maker;
    Maker.CreateSample(Book);
  }
  using P = fs::perms;
  fs::permissions(Dir, P::owner_all | P::group_read | P::group_exec | P::others_read | P::others_exec);
  fs::permissions(Book, P::owner_read | P::group_read | P::others_read);
  const std::string Bytes = FileBytes(Book);
  const std::int32_t Stored = CountsOfLockedFile(Book).Trans;
  ASSERT_GT(Stored, 0);
  pid_t Child = fork();
  ASSERT_GE(Child, 0);
  if (Child == 0) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(10);
    TBookLists Lists;
    TScriptedPrompts Prompts;
    TFileManager FM{Lists, Prompts};
    FM.SyncWrites = false;
    FM.InstallWriteThrough();
    if (!FM.Open(Book, true)) _exit(11);
    if (!FM.ReadOnly || FM.DriveKind != dkCDROM) _exit(12);
    if (Prompts.Shown.size() != 1 || Prompts.Shown[0].Text.find("being opened from CDROM") == std::string::npos)
      _exit(13);
    if (Lists.Trans.Count() != Stored) _exit(14);
    Lists.Trans.Items(0).Details = "edited";  // kept in memory only
    Lists.Trans.NotifyChanged(0);
    if (!FM.Changed) _exit(15);
    _exit(0);
  }
  int Status = 0;
  ASSERT_EQ(waitpid(Child, &Status, 0), Child);
  ASSERT_TRUE(WIFEXITED(Status));
  // Where root may not change its user (a user namespace without that user) there is nobody to
  // test as.
  if (WEXITSTATUS(Status) == 10) GTEST_SKIP() << "no ordinary user to become";
  EXPECT_EQ(WEXITSTATUS(Status), 0) << "11 not opened, 12 not read-only, 13 no message, 14 records missing, "
                                       "15 change not kept";
  EXPECT_EQ(FileBytes(Book), Bytes);
}

// Deleting many records at once writes each slot as deleted with the counts following one by one,
// so a program killed half-way leaves a file whose counts match its live slots.
TEST_F(FileManagerTest, DeletingManyAtOnceKeepsTheCountsInStep) {
  TTestManager T;
  T.CreateSample(Book);
  ASSERT_TRUE(T.FM.Open(Book, true));
  const int Before = T.Lists.Trans.Count();
  std::vector<std::int32_t> Counts;  // in the file, after each deleted record
  std::vector<std::int64_t> Slots;
  auto WriteThrough = T.Lists.Trans.OnChange;
  T.Lists.Trans.OnChange = [&](TChangeAction A, int Index, TTransRec& R) {
    WriteThrough(A, Index, R);
    Counts.push_back(CountsOfLockedFile(Book).Trans);
    Slots.push_back(R.StreamPos);
  };
  const int Gone = T.Lists.Trans.DeleteWhere([](const TTransRec& R) { return R.IsNormal(); });
  ASSERT_GE(Gone, 2);
  std::vector<std::int32_t> Expected;
  for (int K = 1; K <= Gone; ++K) Expected.push_back(Before - K);
  EXPECT_EQ(Counts, Expected);
  const std::string Stream = StreamOfLockedFile(Book, "Transactions");
  for (std::int64_t Pos : Slots) EXPECT_EQ(DecodeSlot(Stream, Pos).TransNo, DeletedNo);
  ASSERT_TRUE(T.FM.Close(true, false));
  ASSERT_TRUE(T.FM.Open(Book, true));
  EXPECT_EQ(T.Lists.Trans.Count(), Before - Gone);
  for (const TTransRec* R : T.Lists.Trans.MasterList()) EXPECT_FALSE(R->IsNormal());
}

// A batch of changes (renumbering, deleting a book with its transactions) checks the drive once
// and syncs once, and what it changed is in the file when it ends.
TEST_F(FileManagerTest, ABatchChecksTheDriveOnceAndSyncsOnce) {
  TTestManager T;
  T.CreateSample(Book);
  int Probes = 0, Flushes = 0;
  T.FM.DriveKindProbe = [&](const std::string&) {
    ++Probes;
    return dkNetwork;
  };
  T.FM.FailHook = [&](const char* Op) {
    if (std::string(Op) == "flush") ++Flushes;
    return cfb::Result::Ok;
  };
  T.FM.SyncWrites = true;
  ASSERT_TRUE(T.FM.Open(Book, true));
  const int Count = T.Lists.Trans.Count();
  auto ChangeAll = [&](const std::string& Text) {
    for (int I = 0; I < Count; ++I) {
      T.Lists.Trans.Items(I).Details = Text;
      T.Lists.Trans.NotifyChanged(I);
    }
  };
  Probes = Flushes = 0;
  ChangeAll("one by one");
  EXPECT_EQ(Probes, Count);
  EXPECT_EQ(Flushes, Count);

  Probes = Flushes = 0;
  {
    TChangeBatch Batch(T.Lists.Batch);
    {
      TChangeBatch Inner(T.Lists.Batch);  // part of the outer batch: its end ends nothing
      ChangeAll("as one");
    }
    EXPECT_EQ(Flushes, 0);
    EXPECT_FALSE(T.FM.CheckDrives);
  }
  EXPECT_EQ(Probes, 1);
  EXPECT_EQ(Flushes, 1);
  EXPECT_TRUE(T.FM.CheckDrives);
  EXPECT_TRUE(T.FM.SyncWrites);
  const std::string Stream = StreamOfLockedFile(Book, "Transactions");
  for (int I = 0; I < Count; ++I)
    EXPECT_EQ(DecodeSlot(Stream, T.Lists.Trans.Items(I).StreamPos).Details, "as one");
  EXPECT_FALSE(T.FM.ReadOnly);
}

// Counts reach the disk only after the slots they cover: a single delete syncs between its slot
// and the counts; deletes in a batch mark their slots as they go and the counts are written once
// at the end, between two syncs.
TEST_F(FileManagerTest, CountsReachTheDiskAfterTheirRecords) {
  TTestManager T;
  T.CreateSample(Book);
  std::vector<std::string> Ops;
  T.FM.FailHook = [&](const char* Op) {
    Ops.push_back(Op);
    return cfb::Result::Ok;
  };
  T.FM.SyncWrites = true;
  ASSERT_TRUE(T.FM.Open(Book, true));
  Ops.clear();
  T.Lists.Trans.Delete(T.Lists.Trans.Count() - 1);
  EXPECT_EQ(Ops, (std::vector<std::string>{"write", "flush", "write", "flush"}));
  const int Before = T.Lists.Trans.Count();
  std::vector<std::int32_t> Counts;
  auto WriteThrough = T.Lists.Trans.OnChange;
  T.Lists.Trans.OnChange = [&](TChangeAction A, int Index, TTransRec& R) {
    WriteThrough(A, Index, R);
    Counts.push_back(CountsOfLockedFile(Book).Trans);
  };
  int Gone = 0;
  {
    TChangeBatch Batch(T.Lists.Batch);
    Ops.clear();
    Gone = T.Lists.Trans.DeleteWhere([](const TTransRec& R) { return R.IsNormal(); });
    EXPECT_EQ(std::count(Ops.begin(), Ops.end(), "flush"), 0);
  }
  ASSERT_GE(Gone, 2);
  EXPECT_EQ(Counts, std::vector<std::int32_t>(Gone, Before));  // unchanged while the batch lasts
  EXPECT_EQ(CountsOfLockedFile(Book).Trans, Before - Gone);
  ASSERT_GE(Ops.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(Ops.end() - 3, Ops.end()), (std::vector<std::string>{"flush", "write", "flush"}));
  EXPECT_FALSE(T.FM.ReadOnly);
}

// A program killed in the middle of a batch that deletes: the counts were not lowered yet, so the
// book opens read-only with the damaged-file warning, and every record not deleted is there.
TEST_F(FileManagerTest, KilledInABatchOfDeletesLosesNoOtherRecord) {
  std::vector<std::string> Kept;
  int NormalBefore = 0;
  {
    TTestManager Maker;
    Maker.CreateSample(Book);
    ASSERT_TRUE(Maker.FM.Open(Book, true));
    for (const TTransRec* R : Maker.Lists.Trans.MasterList()) {
      if (R->IsNormal()) ++NormalBefore;
      else Kept.push_back(std::to_string(R->TransNo) + R->SplitLetter);
    }
    ASSERT_TRUE(Maker.FM.Close(true, false));
  }
  pid_t Child = fork();
  ASSERT_GE(Child, 0);
  if (Child == 0) {
    TTestManager T;
    if (!T.FM.Open(Book, true)) _exit(2);
    int Written = 0;
    auto WriteThrough = T.Lists.Trans.OnChange;
    T.Lists.Trans.OnChange = [&](TChangeAction A, int Index, TTransRec& R) {
      WriteThrough(A, Index, R);
      if (++Written == 2) _exit(0);  // killed after the second slot was marked
    };
    TChangeBatch Batch(T.Lists.Batch);
    T.Lists.Trans.DeleteWhere([](const TTransRec& R) { return R.IsNormal(); });
    _exit(3);
  }
  int Status = 0;
  ASSERT_EQ(waitpid(Child, &Status, 0), Child);
  ASSERT_TRUE(WIFEXITED(Status));
  ASSERT_EQ(WEXITSTATUS(Status), 0);

  TTestManager T;
  T.Prompts.ClearShown();
  ASSERT_TRUE(T.FM.Open(Book, true));
  EXPECT_TRUE(T.FM.Damaged);
  EXPECT_TRUE(T.FM.ReadOnly);
  EXPECT_TRUE(T.Prompts.Saw("Some records of this file could not be read; it may be damaged.  The file will be "
                            "opened in read only mode.  Use the Save As command to save the records that could be "
                            "read to a new file."));
  std::vector<std::string> Read;
  int Normal = 0;
  for (const TTransRec* R : T.Lists.Trans.MasterList()) {
    if (R->IsNormal()) ++Normal;
    else Read.push_back(std::to_string(R->TransNo) + R->SplitLetter);
  }
  EXPECT_EQ(Read, Kept);
  ASSERT_GE(NormalBefore, 3);
  EXPECT_EQ(Normal, NormalBefore - 2);  // those not deleted yet are there as well
}

// When the drive is gone before a batch, the user hears it once; the batch's changes stay in
// memory and the file is left as it was.
TEST_F(FileManagerTest, ABatchOnALostDriveStaysInMemory) {
  TTestManager T;
  T.CreateSample(Book);
  bool Lost = false;
  T.FM.DriveKindProbe = [&](const std::string&) { return Lost ? dkFixed : dkNetwork; };
  ASSERT_TRUE(T.FM.Open(Book, true));
  const std::string Bytes = FileBytes(Book);
  Lost = true;
  T.Prompts.ClearShown();
  T.Prompts.Answers = {mbCancel};
  {
    TChangeBatch Batch(T.Lists.Batch);
    for (int I = 0; I < T.Lists.Trans.Count(); ++I) {
      T.Lists.Trans.Items(I).Details = "in memory";
      T.Lists.Trans.NotifyChanged(I);
    }
  }
  EXPECT_EQ(T.Prompts.Texts(),
            (std::vector<std::string>{"Unable to write to file: Lost network connection!",
                                      "Unable to write to the file. The Autosave feature is now OFF.  Use the Save As "
                                      "command from the file menu to save this file or close current file and revert "
                                      "to backup file."}));
  EXPECT_TRUE(T.FM.ReadOnly);
  EXPECT_TRUE(T.FM.Changed);
  EXPECT_EQ(T.Lists.Trans.Items(0).Details, "in memory");
  EXPECT_EQ(FileBytes(Book), Bytes);
}

TEST_F(FileManagerTest, RefusedFiles) {
  TTestManager T;
  // Not a compound file, missing, without "Comments".
  { std::ofstream(Dir + "/text.qbk") << "hello"; }
  EXPECT_EQ(T.FM.CheckFile(Dir + "/text.qbk"), 2);
  EXPECT_EQ(T.FM.CheckFile(Dir + "/missing.qbk"), 2);
  EXPECT_FALSE(T.FM.Open(Dir + "/missing.qbk", true));
  T.CreateSample(Book);
  std::map<std::string, std::string> Streams;
  for (const char* N : {"Transactions", "MainActs", "SubActs", "Groups", "Categories", "Books", "QB2FileInfo",
                        "FileSettings"}) {
    std::string B;
    ASSERT_TRUE(ReadRawStream(Book, N, B));
    Streams[N] = B;
  }
  WriteRawFile(Dir + "/nocomment.qbk", Streams);
  EXPECT_FALSE(T.FM.Open(Dir + "/nocomment.qbk", true));
  EXPECT_FALSE(T.FM.FileOpen);
  EXPECT_EQ(T.Lists.Trans.Count(), 0);

  // The open file itself.
  ASSERT_TRUE(T.FM.Open(Book, true));
  T.Prompts.ClearShown();
  EXPECT_EQ(T.FM.CheckFile(Book), 3);
  EXPECT_EQ(T.Prompts.Texts(), std::vector<std::string>{"File already open"});
  ASSERT_TRUE(T.FM.Close(true, false));

  // Held open by another process.
  int Ready[2], Done[2];
  ASSERT_EQ(pipe(Ready), 0);
  ASSERT_EQ(pipe(Done), 0);
  pid_t Child = fork();
  if (Child == 0) {
    cfb::Storage Held;
    char C = cfb::Storage::openFile(Book, cfb::OpenMode::ReadWrite, Held) == cfb::Result::Ok ? 'y' : 'n';
    (void)!write(Ready[1], &C, 1);
    (void)!read(Done[0], &C, 1);
    _exit(0);
  }
  char C = 0;
  ASSERT_EQ(read(Ready[0], &C, 1), 1);
  ASSERT_EQ(C, 'y');
  T.Prompts.ClearShown();
  const std::string InUse = "Unable to access this file.  It may be in use by another application.";
  EXPECT_EQ(T.FM.CheckFile(Book), 3);
  EXPECT_EQ(T.FM.CheckAndConvert(Book), 3);
  EXPECT_EQ(T.Prompts.Texts(), (std::vector<std::string>{InUse, InUse}));
  (void)!write(Done[1], &C, 1);
  waitpid(Child, nullptr, 0);
  EXPECT_EQ(T.FM.CheckFile(Book), 0);
}

TEST_F(FileManagerTest, PasswordProtectedOpening) {
  TTestManager T;
  T.CreateSample(Book);
  ASSERT_TRUE(T.FM.Open(Book, true));
  T.FM.Settings.Password = "pw";
  T.FM.Settings.ProtectOpening = true;
  ASSERT_TRUE(T.FM.WriteSettings());
  ASSERT_TRUE(T.FM.Close(true, true));
  T.Prompts.ClearShown();
  T.Prompts.PasswordAnswers = {false, true};
  EXPECT_EQ(T.FM.CheckFile(Book), 1);
  EXPECT_EQ(T.FM.CheckFile(Book), 0);
  ASSERT_EQ(T.Prompts.Shown.size(), 2u);
  EXPECT_EQ(T.Prompts.Shown[0].What, "password");
  EXPECT_EQ(T.Prompts.Shown[0].Text, "pw");
}

// A stream shorter than its count: what could be read is kept, and the file is not written to.
TEST_F(FileManagerTest, ShortStreamOpensReadOnlyWithWhatWasRead) {
  TTestManager T;
  T.CreateSample(Book);
  std::map<std::string, std::string> Streams;
  for (const char* N : {"Transactions", "MainActs", "SubActs", "Groups", "Categories", "Books", "QB2FileInfo",
                        "FileSettings", "Comments"}) {
    std::string B;
    ASSERT_TRUE(ReadRawStream(Book, N, B));
    Streams[N] = B;
  }
  Streams["Transactions"].resize(5 * TransRecSize);  // 7 counted
  std::string Cut = Dir + "/cut.qbk";
  WriteRawFile(Cut, Streams);
  std::string Bytes = FileBytes(Cut);
  T.Prompts.ClearShown();
  ASSERT_TRUE(T.FM.Open(Cut, true));
  EXPECT_TRUE(T.FM.Damaged);
  EXPECT_TRUE(T.FM.ReadOnly);
  EXPECT_EQ(T.Lists.Trans.Count(), 5);
  ASSERT_EQ(T.Prompts.Shown.size(), 1u);
  EXPECT_EQ(T.Prompts.Shown[0].Kind, TMsgKind::Warning);
  T.Lists.Trans.Items(0).Details = "x";
  T.Lists.Trans.NotifyChanged(0);
  ASSERT_TRUE(T.FM.Close(true, true));
  EXPECT_EQ(FileBytes(Cut), Bytes);
}

TEST_F(FileManagerTest, NewFromExistingKeepsTheStructure) {
  TTestManager T;
  T.CreateSample(Book);
  std::string New = Dir + "/Next.qbk";
  ASSERT_TRUE(T.FM.NewFromExisting(New, Book));
  ASSERT_TRUE(T.FM.Open(New, true));
  EXPECT_EQ(T.Lists.MainActs.Count(), 2);
  EXPECT_EQ(T.Lists.SubActs.Count(), 2);
  EXPECT_EQ(T.Lists.Cats.Count(), 12);
  ASSERT_EQ(T.Lists.Books.Count(), 2);
  ASSERT_EQ(T.Lists.Trans.Count(), 2);
  for (int I = 0; I < 2; ++I) {
    EXPECT_EQ(T.Lists.Trans.Items(I).Kind, tkOpenBal);
    EXPECT_EQ(T.Lists.Trans.Items(I).Amount, 0);
    EXPECT_EQ(T.Lists.Books.Items(I).OpenBalNo, I);
    EXPECT_EQ(T.Lists.Trans.Items(I).BookNo, T.Lists.Books.Items(I).BookNo);
  }
  ResolveLinks(T.Lists);
  // Refused while a file is open.
  T.Prompts.ClearShown();
  EXPECT_FALSE(T.FM.NewFromExisting(Dir + "/Other.qbk", Book));
  EXPECT_TRUE(T.Prompts.Saw("Can't execute New From Exisitng while a file is open"));
  EXPECT_FALSE(fs::exists(Dir + "/Other.qbk"));
}

// A slot after the last counted record (an append whose count never got written) is overwritten by
// the next append; appending after it would make readers take it for the counted record.
TEST_F(FileManagerTest, AppendOverwritesALeftOverSlot) {
  TTestManager T;
  T.CreateSample(Book);
  std::map<std::string, std::string> Streams;
  for (const char* N : {"Transactions", "MainActs", "SubActs", "Groups", "Categories", "Books", "QB2FileInfo",
                        "FileSettings", "Comments"}) {
    std::string B;
    ASSERT_TRUE(ReadRawStream(Book, N, B));
    Streams[N] = B;
  }
  TTransRec Left;
  Left.TransNo = 666;
  Left.Kind = tkOpenBal;
  std::string Slot(TransRecSize, '\0');
  EncodeTrans(Left, reinterpret_cast<unsigned char*>(Slot.data()));
  Streams["Transactions"] += Slot;  // 8 slots, 7 counted
  std::string File = Dir + "/leftover.qbk";
  WriteRawFile(File, Streams);
  ASSERT_TRUE(T.FM.Open(File, true));
  ASSERT_EQ(T.Lists.Trans.Count(), 7);
  auto R = std::make_unique<TTransRec>();
  R->TransNo = 8;
  R->Kind = tkOpenBal;
  T.Lists.Trans.Add(std::move(R));
  EXPECT_EQ(T.Lists.Trans.Items(7).StreamPos, 7 * static_cast<std::int64_t>(TransRecSize));
  ASSERT_TRUE(T.FM.Close(true, false));
  ASSERT_TRUE(T.FM.Open(File, true));
  ASSERT_EQ(T.Lists.Trans.Count(), 8);
  EXPECT_EQ(T.Lists.Trans.Items(7).TransNo, 8);
}

TEST(DriveKind, FileSystems) {
  if (fs::exists("/dev/shm")) {
    EXPECT_EQ(DriveKindOf("/dev/shm"), dkRAMDisk);
  }
  EXPECT_EQ(DriveKindOf("/no/such/folder"), dkNoRoot);
  EXPECT_EQ(BookFileDriveKind("/no/such/folder/a.qbk"), dkNoRoot);
}
