// Editor rules without windows: number proposals, name checks, in-use checks, renumbering,
// deleting, search matching and row sorting.
#include <gtest/gtest.h>

#include "AccountRules.h"
#include "AccountsTestSupport.h"
#include "SelectionItem.h"

namespace {

struct TStepCase {
  std::vector<int> Taken;
  const char* Text;
  bool Up;
  const char* Expected;
};

TEST(AccountsMainNumberTest, StepsThroughFreeMultiplesOfHundred) {
  const TStepCase Cases[] = {
      {{}, "", true, "100"},                  // empty box
      {{}, "", false, "100"},
      {{100, 200}, "250", true, "300"},       // rounded down to 200, next free above
      {{100, 200}, "250", false, "300"},      // 200 taken: Down steps up too
      {{100}, "300", false, "200"},           // free 300: nearest free below
      {{100, 200}, "300", false, "300"},      // none free below: kept
      {{100, 300}, "450", false, "200"},      // 400 free, nearest free below it is 200
      {{500}, "450", true, "600"},            // skips taken 500
      {{100}, "0", false, "200"},             // 0 counts as taken
      {{100}, "abc", true, "200"},
  };
  for (const TStepCase& C : Cases) {
    TSmallBook B;
    for (int No : C.Taken) B.AddMain(No, "A" + std::to_string(No), 1, 0);
    EXPECT_EQ(StepMainNumber(B.L.MainActs, C.Text, C.Up), C.Expected) << C.Text << (C.Up ? " up" : " down");
  }
}

TEST(AccountsMainNumberTest, ProposalsAndZeroReplacement) {
  TSmallBook B;
  EXPECT_EQ(B.L.MainActs.NextActNo(), 100);
  B.AddMain(100, "Sales", 1, 0);
  EXPECT_EQ(B.L.MainActs.NextActNo(), 200);
  EXPECT_EQ(ZeroReplacement(B.L.MainActs), 101);
  B.AddMain(101, "More", 1, 0);
  EXPECT_EQ(ZeroReplacement(B.L.MainActs), 201);
  EXPECT_FALSE(MainNumberFree(B.L.MainActs, 0));
}

TEST(AccountsMainAccountCheckTest, RefusalsInOrderWithTheirTexts) {
  TSmallBook B;
  TMainActRec& Sales = B.AddMain(100, "Sales", 1, 0);
  B.AddMain(200, "Rent", 2, 6);
  struct {
    const char* Number;
    const char* Name;
    bool Cat;
    int OwnNo;
    const TMainActRec* Own;
    const char* Message;
    int Field;
  } Cases[] = {
      {"200", "", false, -1, nullptr, "The Account number you have entered already in use.", 0},
      {"100", "Sales", true, 100, &Sales, "", -1},  // keeping its own number and name
      {"200", "Sales", true, 100, &Sales, "The Account number you have entered already in use.", 0},
      {"300", "   ", true, -1, nullptr, "'' is not a valid Account Name.", 1},
      {"300", " rENT ", true, -1, nullptr, "The name 'rENT' is already being used.", 1},
      {"300", "Wages", false, -1, nullptr, "You Must Select an Accounting Category", 2},
      {"", "Wages", true, -1, nullptr, "", -1},  // empty number counts as 1, which is free
  };
  for (const auto& C : Cases) {
    TMainActCheck R = CheckMainAccount(B.L.MainActs, C.Number, C.Name, C.Cat, C.OwnNo, C.Own);
    EXPECT_EQ(R.Message, C.Message) << C.Number << "/" << C.Name;
    EXPECT_EQ(R.Field, C.Field) << C.Number << "/" << C.Name;
  }
  EXPECT_EQ(CheckMainAccount(B.L.MainActs, "", "Wages", true, -1, nullptr).Number, 1);
}

TEST(AccountsSubAccountTest, NumbersFromOneAndNamesPerMainAccount) {
  TSmallBook B;
  B.AddMain(100, "Sales", 1, 0);
  B.AddMain(200, "Rent", 2, 6);
  B.AddSub(100, 1, "Shop");
  B.AddSub(100, 2, "Web");
  B.AddSub(100, 4, "Mail");
  B.AddSub(200, 3, "Office");
  EXPECT_EQ(B.L.SubActs.NextSubNo(100), 3);
  EXPECT_EQ(B.L.SubActs.NextSubNo(200), 1);
  EXPECT_EQ(SubNameError(B.L.SubActs, 100, ""), "'' is not a valid Account Name.");
  EXPECT_EQ(SubNameError(B.L.SubActs, 100, "WEB"), "The Sub Account name 'WEB' is already in use.");
  EXPECT_EQ(SubNameError(B.L.SubActs, 200, "Web"), "");
}

TEST(AccountsInUseTest, TransferHalvesDoNotNameAccountsButDoHoldGroups) {
  TSmallBook B;
  B.AddMain(100, "Sales", 1, 0);
  B.AddTrans(1, tkIncome, 100, 2, 0);
  B.AddTrans(7, tkTransferFrom, 300, 0, 5);  // partner TransNo 300, other book 5
  EXPECT_TRUE(TransUseMain(B.L.Trans, 100));
  EXPECT_FALSE(TransUseMain(B.L.Trans, 300));
  EXPECT_TRUE(TransUseSub(B.L.Trans, 100, 2));
  EXPECT_FALSE(TransUseSub(B.L.Trans, 100, 1));
  EXPECT_TRUE(TransUseGroup(B.L.Trans, 5));
  EXPECT_FALSE(TransUseGroup(B.L.Trans, 4));
  B.AddMain(200, "Rent", 2, 6);
  B.AddMain(210, "Power", 2, 6);
  EXPECT_EQ(CategoryUser(B.L.MainActs, 6)->Name, "Rent");
  EXPECT_EQ(CategoryUser(B.L.MainActs, 9), nullptr);
}

TEST(AccountsRenumberTest, CarriesTheNumberIntoSubAccountsAndTransactionsOnly) {
  TSmallBook B;
  B.AddMain(100, "Sales", 1, 0);
  B.AddMain(200, "Rent", 2, 6);
  B.AddSub(100, 1, "Shop");
  B.AddSub(200, 1, "Office");
  B.AddTrans(1, tkIncome, 100, 1, 0);
  B.AddTrans(2, tkExpense, 200, 1, 0);
  B.AddTrans(100, tkTransferTo, 100, 0, 1);  // a transfer half whose partner is TransNo 100
  TChangeLog Log(B.L);
  EXPECT_EQ(RenumberMainAccount(B.L, 0, 700), 2);
  EXPECT_EQ(B.L.MainActs.Items(0).ActNo, 700);
  EXPECT_EQ(B.L.SubActs.Items(0).MainActNo, 700);
  EXPECT_EQ(B.L.SubActs.Items(1).MainActNo, 200);
  EXPECT_EQ(B.L.Trans.Items(0).MainActNo, 700);
  EXPECT_EQ(B.L.Trans.Items(2).MainActNo, 100);
  EXPECT_EQ(Log.Entries, (std::vector<std::string>{"batch {", "main~ 700", "sub~ 700-1", "trans~ 1", "}"}));
}

TEST(AccountsDeleteMainTest, TakesItsSubAccountsWithIt) {
  TSmallBook B;
  B.AddMain(100, "Sales", 1, 0);
  B.AddMain(200, "Rent", 2, 6);
  B.AddSub(100, 1, "Shop");
  B.AddSub(200, 1, "Office");
  B.AddSub(100, 2, "Web");
  TChangeLog Log(B.L);
  DeleteMainAccount(B.L, 0);
  ASSERT_EQ(B.L.MainActs.Count(), 1);
  ASSERT_EQ(B.L.SubActs.Count(), 1);
  EXPECT_EQ(B.L.SubActs.Items(0).Name, "Office");
  EXPECT_EQ(Log.Entries, (std::vector<std::string>{"sub- 100-2", "sub- 100-1", "main- 100"}));
}

TEST(AccountsSearchTest, NamePrefixIgnoringCaseAndNumberPrefix) {
  EXPECT_TRUE(SearchNameMatches("Cash sales", "ca"));
  EXPECT_TRUE(SearchNameMatches("CAR", "ca"));
  EXPECT_FALSE(SearchNameMatches("Acar", "ca"));
  EXPECT_FALSE(SearchNameMatches("Ca", "Cash"));
  EXPECT_TRUE(SearchNameMatches("Anything", ""));
  for (int No : {100, 110, 1000}) EXPECT_TRUE(SearchNumberMatches(No, "1")) << No;
  EXPECT_FALSE(SearchNumberMatches(210, "1"));
  EXPECT_FALSE(SearchNumberMatches(10, "100"));
}

TEST(AccountsSelectionItemTest, NumberTextsAndSortOrders) {
  EXPECT_EQ((TSelectionItem{nullptr, true, "x", 7, -71}.NumberText()), "G7");
  EXPECT_EQ((TSelectionItem{nullptr, true, "x", 300, 4}.NumberText()), "300-4");
  EXPECT_EQ((TSelectionItem{nullptr, true, "x", 300, 0}.NumberText()), "300");
  std::vector<TSelectionItem> Rows{{nullptr, true, "beta", 200, 2}, {nullptr, true, "Alpha", 300, 1},
                                   {nullptr, true, "gamma", 200, 1}, {nullptr, true, "ALPHB", 100, 9}};
  auto Names = [&] {
    std::string S;
    for (auto& R : Rows) S += R.Name + ",";
    return S;
  };
  SortSelectionItems(Rows, TSortColumn::Name, true);
  EXPECT_EQ(Names(), "Alpha,ALPHB,beta,gamma,");
  SortSelectionItems(Rows, TSortColumn::Number, true);  // main number, then sub number
  EXPECT_EQ(Names(), "ALPHB,gamma,beta,Alpha,");
  SortSelectionItems(Rows, TSortColumn::Number, false);
  EXPECT_EQ(Names(), "Alpha,beta,gamma,ALPHB,");
}

TEST(AccountsCategoryRulesTest, NamesClassesAndDescriptions) {
  TSmallBook B;
  EXPECT_EQ(CategoryNameError(B.L.Cats, "wages", ""), "The name 'wages' is already being used");
  EXPECT_EQ(CategoryNameError(B.L.Cats, "WAGES", "Wages"), "");  // its own name in another case
  EXPECT_EQ(CategoryNameError(B.L.Cats, "Rent", ""), "");
  EXPECT_EQ(ReportClassesFor(1), (std::vector<int>{1, 3, 5, 6}));
  EXPECT_EQ(ReportClassesFor(2), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(CategoryDescription("Other Income"), "For other income such as intrest from bank accounts.");
  EXPECT_EQ(CategoryDescription("Rent"), "");
}

}  // namespace
