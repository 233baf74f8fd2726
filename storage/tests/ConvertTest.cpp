// Conversion of version-1 files: on a copy that replaces the original only when every step worked.
#include <gtest/gtest.h>

#include <cstring>
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

template <class TRec, class TEnc>
std::string Encode(const TRec& R, std::size_t Size, TEnc Enc) {
  std::string S(Size, '\0');
  Enc(R, reinterpret_cast<unsigned char*>(S.data()));
  return S;
}

// A version-1 book: no "Books", counts in "FileInfo" ending in the opening balance.
void WriteVersion1(const std::string& File, bool CustomCategories) {
  std::string Cats;
  std::int16_t Id = 0;
  auto Cat = [&](const char* Name, int Kind, bool Default) {
    TCatRec C;
    C.CatID = Id++;
    C.Name = Name;
    C.Kind = static_cast<std::uint8_t>(Kind);
    C.IsDefault = Default;
    Cats += Encode(C, CatRecSize, EncodeCat);
  };
  for (const char* N : {"General Income", "Other Income"}) Cat(N, 1, true);
  for (const char* N : {"Equipment", "Overheads", "Stock", "Wages", "Tax", "Other"}) Cat(N, 2, true);
  if (CustomCategories) {
    Cat("Consulting", 1, false);
    Cat("Travel", 2, false);
  }
  std::string Trans;
  auto Tr = [&](std::int32_t No, TDateTime Date, Currency Amount) {
    TTransRec T;
    T.TransNo = No;
    T.Date = Date;
    T.Kind = tkExpense;
    T.MainActNo = 200;
    T.SubActNo = 1;
    T.Amount = Amount;
    T.Details = "v1";
    Trans += Encode(T, TransRecSize, EncodeTrans);
  };
  Tr(1, 40100, 1000);
  Tr(2, 40050, 2000);  // the earliest
  Tr(3, 40200, 3000);
  Trans += std::string(TransRecSize, '\x77');  // a left-over slot after the counted ones
  TMainActRec M;
  M.ActNo = 200;
  M.Name = "Rent";
  M.Kind = 2;
  M.CatID = 3;
  TSubActRec S;
  S.ActNo = 1;
  S.MainActNo = 200;
  S.Name = "Landlord";
  S.Kind = 2;
  TGroupRec G;
  G.Name = "General";
  std::int32_t Counts[5] = {3, 1, 1, 1, Id};
  Currency OpenBal = -2500000;
  std::string Info(V1FileInfoSize, '\0');
  std::memcpy(Info.data(), Counts, sizeof Counts);
  std::memcpy(Info.data() + 20, &OpenBal, sizeof OpenBal);
  WriteRawFile(File, {{"Transactions", Trans},
                      {"MainActs", Encode(M, MainActRecSize, EncodeMainAct)},
                      {"SubActs", Encode(S, SubActRecSize, EncodeSubAct)},
                      {"Groups", Encode(G, GroupRecSize, EncodeGroup)},
                      {"Categories", Cats},
                      {"FileInfo", Info},
                      {"FileSettings", std::string(SettingsRecSize, '\0')},
                      {"Comments", std::string("old\0", 4)}});
}

class ConvertTest : public ::testing::Test {
 protected:
  std::string Dir = MakeTempDir();
  std::string Book = Dir + "/Old.qbk";
  TTestManager T;
  void TearDown() override { fs::remove_all(Dir); }
  bool OnlyTheBook() const {
    return std::distance(fs::directory_iterator(Dir), fs::directory_iterator()) == 1;
  }
};
}  // namespace

TEST_F(ConvertTest, CustomCategoriesAreClassifiedAndTheFileOpens) {
  WriteVersion1(Book, true);
  T.Prompts.WizardBookName = "Business Cheque";
  T.Prompts.WizardClasses = {3, 6};
  ASSERT_EQ(T.FM.CheckFile(Book), 0);
  ASSERT_EQ(T.FM.CheckAndConvert(Book), 0);
  EXPECT_EQ(T.Prompts.Texts(), (std::vector<std::string>{"File Convert Wizard", "Conversion Done"}));
  EXPECT_EQ(T.Prompts.Shown[1].What, "plain");
  ASSERT_EQ(T.Prompts.WizardSaw.size(), 2u);
  EXPECT_EQ(T.Prompts.WizardSaw[0].Name, "Consulting");
  EXPECT_EQ(T.Prompts.WizardSaw[1].ReportClass, 0);
  EXPECT_TRUE(OnlyTheBook());
  std::string Info;
  EXPECT_FALSE(ReadRawStream(Book, "FileInfo", Info));
  ASSERT_TRUE(ReadRawStream(Book, "QB2FileInfo", Info));
  EXPECT_EQ(Info.size(), 28u);

  ASSERT_EQ(T.FM.CheckAndConvert(Book), 0);  // now a version-2 file
  ASSERT_TRUE(T.FM.Open(Book, true));
  ASSERT_EQ(T.Lists.Books.Count(), 1);
  EXPECT_EQ(T.Lists.Books.Items(0).Name, "Business Cheque");
  EXPECT_EQ(T.Lists.Books.Items(0).Colour, 0xFF0000);
  ASSERT_EQ(T.Lists.Trans.Count(), 4);
  const TTransRec& OB = T.Lists.Trans.Items(3);
  EXPECT_EQ(OB.Kind, tkOpenBal);
  EXPECT_EQ(OB.TransNo, 0);
  EXPECT_EQ(OB.Amount, -2500000);
  EXPECT_EQ(OB.Date, 40050);
  EXPECT_TRUE(OB.Enabled);
  ASSERT_EQ(T.Lists.Cats.Count(), 13);
  auto Cat = [&](int I) -> const TCatRec& { return T.Lists.Cats.Items(I); };
  EXPECT_EQ(Cat(2).Name, "Assets Purchased");
  EXPECT_EQ(Cat(2).ReportClass, 5);
  EXPECT_EQ(Cat(4).Name, "Stock Purchased");
  EXPECT_EQ(Cat(6).Name, "Company Tax");
  EXPECT_EQ(Cat(6).ReportClass, 4);
  EXPECT_EQ(Cat(7).Name, "Other Expenses");
  EXPECT_EQ(Cat(8).ReportClass, 3);  // Consulting, from the wizard
  EXPECT_EQ(Cat(9).ReportClass, 6);  // Travel
  EXPECT_EQ(Cat(10).Name, "Assets Sold");
  EXPECT_EQ(Cat(10).CatID, 10);
  EXPECT_EQ(Cat(12).Name, "Funds Repayment");
  EXPECT_TRUE(Cat(12).IsDefault);
  EXPECT_EQ(T.FM.ReadComment(), "old");
  ResolveLinks(T.Lists);
  EXPECT_EQ(T.Lists.Books.Items(0).OpenBal, &OB);
  EXPECT_EQ(T.Lists.Cats.NextCatID(), 13);
  EXPECT_EQ(T.Lists.Cats.Items(0).ReportClass, 1);
}

TEST_F(ConvertTest, OnlyDefaultCategoriesAndAnEmptyBookName) {
  WriteVersion1(Book, false);
  T.Prompts.WizardBookName = "  ";
  ASSERT_EQ(T.FM.CheckAndConvert(Book), 0);
  EXPECT_TRUE(T.Prompts.WizardSaw.empty());
  ASSERT_TRUE(T.FM.Open(Book, true));
  EXPECT_EQ(T.Lists.Books.Items(0).Name, "Cashbook 1");
  EXPECT_EQ(T.Lists.Cats.Count(), 11);
}

TEST_F(ConvertTest, CancelledLeavesTheFileUntouched) {
  WriteVersion1(Book, true);
  std::string Before = FileBytes(Book);
  T.Prompts.WizardFinish = false;
  EXPECT_EQ(T.FM.CheckAndConvert(Book), 5);
  EXPECT_EQ(FileBytes(Book), Before);
  EXPECT_EQ(T.Lists.Cats.Count(), 0);
  EXPECT_TRUE(OnlyTheBook());
}

// Every storage call of the conversion fails in turn (given up): the original stays as it was.
TEST_F(ConvertTest, FailingAtEachStepLeavesTheOriginal) {
  WriteVersion1(Book, true);
  std::string Before = FileBytes(Book);
  int Failed = 0;
  for (int K = 1;; ++K) {
    int Calls = 0;
    bool Hit = false;
    T.FM.FailHook = [&](const char*) {
      if (++Calls == K) {
        Hit = true;
        return cfb::Result::WriteFault;
      }
      return cfb::Result::Ok;
    };
    T.Prompts.Answers.clear();
    T.Prompts.DefaultAnswer = mbCancel;
    int R = T.FM.CheckAndConvert(Book);
    if (!Hit) {
      EXPECT_EQ(R, 0);
      break;
    }
    ++Failed;
    EXPECT_TRUE(R == 2 || R == 4 || R == 5) << K << " gave " << R;
    EXPECT_EQ(FileBytes(Book), Before) << "call " << K;
    EXPECT_TRUE(OnlyTheBook()) << "call " << K;
    EXPECT_EQ(T.Lists.Cats.Count(), 0);
    EXPECT_EQ(T.Lists.Trans.Count(), 0);
    if (K > 200) FAIL() << "conversion never finished";
  }
  EXPECT_GT(Failed, 8);
  T.FM.FailHook = nullptr;
  ASSERT_TRUE(T.FM.Open(Book, true));
  EXPECT_EQ(T.Lists.Trans.Count(), 4);
}
