// A child adds transactions through the lists (write-through) and reports each one after its
// add returned; it is killed at random moments. The file must always open, valid, with every
// reported one - also when the previous child left an appended record without its count.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
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
