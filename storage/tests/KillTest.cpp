// A child adds transactions through the lists (write-through) and reports each one after its
// add returned; it is killed at random moments. The file must always open, valid, with every
// reported one - also when the previous child left an appended record without its count.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <set>

#include "TestBook.h"

TEST(KillTest, EveryReportedTransactionSurvivesSigkill) {
  std::string Dir = MakeTempDir(), Book = Dir + "/Kill.qbk";
  {
    TTestManager T;
    T.CreateSample(Book);
  }
  std::mt19937 Rng(12345);
  std::set<std::int32_t> Reported;
  for (int Round = 0; Round < 12; ++Round) {
    int Pipe[2];
    ASSERT_EQ(pipe(Pipe), 0);
    pid_t Child = fork();
    if (Child == 0) {
      close(Pipe[0]);
      TTestManager T;
      if (!T.FM.Open(Book, true)) _exit(3);
      T.Prompts.DefaultAnswer = mbCancel;
      std::int32_t No = 1000000 * (Round + 1);
      for (;;) {
        auto R = std::make_unique<TTransRec>();
        R->TransNo = No;
        R->Date = 45000 + No % 300;
        R->Kind = tkIncome;
        R->MainActNo = 100;
        R->SubActNo = 1;
        R->Amount = No;
        R->Details = "kill test " + std::to_string(No);
        T.Lists.Trans.Add(std::move(R));
        if (T.FM.ReadOnly) _exit(4);  // a write failed: nothing to report
        if (write(Pipe[1], &No, sizeof No) != sizeof No) _exit(5);
        ++No;
        if (No % 97 == 0) {  // now and then a change too
          T.Lists.Trans.Items(T.Lists.Trans.Count() - 1).Details = "changed";
          T.Lists.Trans.NotifyChanged(T.Lists.Trans.Count() - 1);
        }
      }
    }
    close(Pipe[1]);
    usleep(std::uniform_int_distribution<int>(2000, 60000)(Rng));
    kill(Child, SIGKILL);
    int Status = 0;
    waitpid(Child, &Status, 0);
    ASSERT_TRUE(WIFSIGNALED(Status)) << "child ended by itself: " << WEXITSTATUS(Status);
    std::int32_t No;
    while (read(Pipe[0], &No, sizeof No) == sizeof No) Reported.insert(No);
    close(Pipe[0]);

    {
      cfb::Storage V;
      cfb::ValidationReport Rep;
      ASSERT_EQ(cfb::Storage::openFile(Book, cfb::OpenMode::ReadOnly, V), cfb::Result::Ok);
      V.validate(&Rep);
      for (auto& P : Rep.problems) ADD_FAILURE() << "round " << Round << ": " << P;
    }
    TTestManager Check;
    ASSERT_EQ(Check.FM.CheckFile(Book), 0) << "round " << Round;
    ASSERT_TRUE(Check.FM.Open(Book, true)) << "round " << Round;
    EXPECT_FALSE(Check.FM.Damaged);
    std::set<std::int32_t> InFile;
    for (const TTransRec* R : Check.Lists.Trans.MasterList()) InFile.insert(R->TransNo);
    for (std::int32_t N : Reported)
      ASSERT_TRUE(InFile.count(N)) << "lost " << N << " in round " << Round << "; file has "
                                   << Check.Lists.Trans.Count() << " transactions, counted "
                                   << Check.FM.LoadedCounts.Trans << ", last " << *InFile.rbegin() << ", slots "
                                   << StreamOfLockedFile(Book, "Transactions").size() / TransRecSize << ", last slot holds "
                                   << *reinterpret_cast<const std::int32_t*>(StreamOfLockedFile(Book, "Transactions").data() + StreamOfLockedFile(Book, "Transactions").size() - TransRecSize);
    ASSERT_TRUE(Check.FM.Close(true, false));
  }
  EXPECT_GT(Reported.size(), 50u);
  std::filesystem::remove_all(Dir);
}

// A child deletes, changes and adds transactions (all written through), then closes the book,
// which compacts it through a new file and writes the backup; it is killed at random moments of
// that close. Every time the book must open, valid, with exactly the records of before the close
// (each once, with its latest content) - in the old layout or compacted, never a mixture.
TEST(KillTest, KilledWhileClosingAfterDeletesLeavesOneWholeBook) {
  std::string Dir = MakeTempDir(), Book = Dir + "/Close.qbk";
  // Transactions by number and split letter.
  using TKey = std::pair<std::int32_t, char>;
  std::map<TKey, std::string> Expected;
  {
    TTestManager T;
    T.CreateSample(Book);
    ASSERT_TRUE(T.FM.Open(Book, true));
    for (std::int32_t No = 100; No < 4100; ++No) {
      auto R = std::make_unique<TTransRec>();
      R->TransNo = No;
      R->Date = 45000 + No % 500;
      R->Kind = tkExpense;
      R->MainActNo = 200;
      R->SubActNo = 1;
      R->Amount = No;
      R->Details = "t" + std::to_string(No);
      T.Lists.Trans.Add(std::move(R));
    }
    T.Prompts.Answers.push_back(mbNo);
    ASSERT_TRUE(T.FM.Close(false, true));
    for (const TTransRec* R : T.Lists.Trans.MasterList()) Expected[{R->TransNo, R->SplitLetter}] = R->Details;
  }
  const char* Env = std::getenv("QB_KILL_ROUNDS");
  const int Rounds = Env ? std::atoi(Env) : 40;
  std::mt19937 Rng(4711);
  long CloseMicros = 30000;  // measured by the rounds the kill missed
  int OldLayout = 0, Compacted = 0, Finished = 0;
  for (int Round = 0; Round < Rounds; ++Round) {
    // What the child does, decided here so the parent knows it.
    std::vector<TKey> Keys;
    for (const auto& [Key, Details] : Expected)
      if (Key.first >= 100) Keys.push_back(Key);  // the sample's own records (opening balances) stay
    std::shuffle(Keys.begin(), Keys.end(), Rng);
    const TKey Doomed[2] = {Keys[0], Keys[1]}, Changed = Keys[2];
    Expected.erase(Doomed[0]);
    Expected.erase(Doomed[1]);
    Expected[Changed] = "changed in round " + std::to_string(Round);
    std::int32_t Added = 10000000 + Round;
    Expected[{Added, '0'}] = "added in round " + std::to_string(Round);
    long Delay = Round == 0 ? -1 : std::uniform_int_distribution<long>(0, CloseMicros)(Rng);

    int Pipe[2];
    ASSERT_EQ(pipe(Pipe), 0);
    pid_t Child = fork();
    if (Child == 0) {
      close(Pipe[0]);
      TTestManager T;
      T.Prompts.DefaultAnswer = mbCancel;
      T.FM.AutoBackup = true;
      if (!T.FM.Open(Book, true)) _exit(3);
      auto& L = T.Lists.Trans;
      for (int I = L.Count() - 1; I >= 0; --I)
        if (TKey{L.Items(I).TransNo, L.Items(I).SplitLetter} == Doomed[0] ||
            TKey{L.Items(I).TransNo, L.Items(I).SplitLetter} == Doomed[1])
          L.Delete(I);
      for (int I = 0; I < L.Count(); ++I)
        if (TKey{L.Items(I).TransNo, L.Items(I).SplitLetter} == Changed) {
          L.Items(I).Details = "changed in round " + std::to_string(Round);
          L.NotifyChanged(I);
        }
      auto R = std::make_unique<TTransRec>();
      R->TransNo = Added;
      R->Date = 45000;  // sorts before most: the master order moves too
      R->Kind = tkIncome;
      R->MainActNo = 100;
      R->SubActNo = 1;
      R->SplitLetter = '0';
      R->Details = "added in round " + std::to_string(Round);
      L.Add(std::move(R));
      L.SortMasterByDate();
      if (T.FM.ReadOnly) _exit(4);
      long Start = 0;
      if (write(Pipe[1], &Start, sizeof Start) != sizeof Start) _exit(5);  // closing now
      auto T0 = std::chrono::steady_clock::now();
      if (!T.FM.Close(true, true)) _exit(6);
      long Took = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - T0).count();
      if (write(Pipe[1], &Took, sizeof Took) != sizeof Took) _exit(5);
      _exit(0);
    }
    close(Pipe[1]);
    long Word = 0;
    ASSERT_EQ(read(Pipe[0], &Word, sizeof Word), static_cast<ssize_t>(sizeof Word)) << "child failed before closing";
    if (Delay >= 0) {
      usleep(static_cast<useconds_t>(Delay));
      kill(Child, SIGKILL);
    }
    int Status = 0;
    waitpid(Child, &Status, 0);
    if (read(Pipe[0], &Word, sizeof Word) == sizeof Word) {
      CloseMicros = std::max(1000L, Word);
      ++Finished;
    } else {
      ASSERT_TRUE(WIFSIGNALED(Status)) << "round " << Round << ": child ended with " << WEXITSTATUS(Status);
    }
    close(Pipe[0]);

    {
      cfb::Storage V;
      cfb::ValidationReport Rep;
      ASSERT_EQ(cfb::Storage::openFile(Book, cfb::OpenMode::ReadOnly, V), cfb::Result::Ok) << "round " << Round;
      V.validate(&Rep);
      for (auto& P : Rep.problems) ADD_FAILURE() << "round " << Round << ": " << P;
    }
    std::string Raw;
    ASSERT_TRUE(ReadRawStream(Book, "Transactions", Raw));
    (Raw.size() == Expected.size() * TransRecSize ? Compacted : OldLayout)++;
    TTestManager Check;
    ASSERT_EQ(Check.FM.CheckFile(Book), 0) << "round " << Round;
    ASSERT_TRUE(Check.FM.Open(Book, true)) << "round " << Round;
    EXPECT_FALSE(Check.FM.Damaged);
    EXPECT_FALSE(std::filesystem::exists(TFileManager::CompactTempName(Book)));
    std::map<TKey, std::string> InFile;
    for (const TTransRec* R : Check.Lists.Trans.MasterList())
      EXPECT_TRUE(InFile.emplace(TKey{R->TransNo, R->SplitLetter}, R->Details).second)
          << "round " << Round << ": twice " << R->TransNo << R->SplitLetter;
    ASSERT_EQ(InFile, Expected) << "round " << Round << " (killed after " << Delay << " us)";
    EXPECT_EQ(Check.Lists.Books.Count(), 2);
    ASSERT_TRUE(Check.FM.Close(true, false));
    // The backup, written last, is whole too (this round's or an earlier one).
    std::string Backup = TFileManager::BackupName(Book);
    ASSERT_EQ(Check.FM.CheckFile(Backup), 0) << "round " << Round;
    ASSERT_TRUE(Check.FM.Open(Backup, true)) << "round " << Round;
    EXPECT_FALSE(Check.FM.Damaged);
    EXPECT_GT(Check.Lists.Trans.Count(), 3000);
    ASSERT_TRUE(Check.FM.Close(true, false));
  }
  // The kills landed before and after the new file took the book's place.
  std::printf("close kill test: %d rounds, %d old layout, %d compacted (%d closes finished; close takes ~%ld us)\n",
              Rounds, OldLayout, Compacted, Finished, CloseMicros);
  EXPECT_GT(OldLayout, 0);
  EXPECT_GT(Compacted, Finished);
  std::filesystem::remove_all(Dir);
}
