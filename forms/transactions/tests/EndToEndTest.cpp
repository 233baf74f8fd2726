// From an empty new book file: accounts, two books, twenty transactions (one of them split)
// entered through the forms; the file is closed as the program closes it and reopened, and every
// worksheet total must equal what this test adds up itself from the amounts it typed.
#include <QDateEdit>
#include <QTabBar>
#include <QTest>
#include <map>
#include <set>

#include "BooksForm.h"
#include "FormColours.h"
#include "Helpers.h"
#include "NumberBox.h"
#include "TestBook.h"
#include "TransactForm.h"

namespace {

struct TEntry {
  int Kind, Main, Sub, Group, Book;
  TDateTime Date;
  Currency Amount;
};

// What the worksheets must show, added up from the entries alone.
struct TExpected {
  std::map<int, Currency> Main, Cat;
  std::map<std::pair<int, int>, Currency> Sub;
  std::map<int, Currency> GroupIncome, GroupExpense, BookIncome, BookExpense;
  Currency Income = 0, Expense = 0, Balance = 0;
  void OpeningBalance(int Book, Currency Amount) {
    (Amount >= 0 ? BookIncome[Book] : BookExpense[Book]) += Amount >= 0 ? Amount : -Amount;
    (Amount >= 0 ? Income : Expense) += Amount >= 0 ? Amount : -Amount;
    Balance += Amount;
  }
  void Add(const TEntry& E, int CatOfMain) {
    Main[E.Main] += E.Amount;
    Sub[{E.Main, E.Sub}] += E.Amount;
    Cat[CatOfMain] += E.Amount;
    const bool In = E.Kind == tkIncome;
    (In ? GroupIncome : GroupExpense)[E.Group] += E.Amount;
    (In ? BookIncome : BookExpense)[E.Book] += E.Amount;
    (In ? Income : Expense) += E.Amount;
    Balance += In ? E.Amount : -E.Amount;
  }
};

void FillPart(TTransact& F, const TEntry& E) {
  QVERIFY(F.ChooseMain(E.Main));
  QVERIFY(F.ChooseSub(E.Sub));
  QVERIFY(F.ChooseGroup(E.Group));
  QVERIFY(F.ChooseBook(E.Book));
  F.DateEditBtn->setDate(QDateOf(E.Date));
  F.NbrBoxAmount->SetValue(E.Amount);
}

}  // namespace

class EndToEndTest : public QObject {
  Q_OBJECT
 private slots:
  void emptyFileToTotals();
};

void EndToEndTest::emptyFileToTotals() {
  TTestBook B;
  QCOMPARE(B.L->MainActs.Count(), 0);
  QCOMPARE(B.CountKind(tkOpenBal), 1);

  // Accounts and a second group.
  const std::map<int, int> CatOf{{100, 0}, {110, 1}, {200, 6}, {300, 7}};
  B.AddMain(100, "Sales", tkIncome, 0);
  B.AddSub(100, 1, "Shop");
  B.AddSub(100, 2, "Online");
  B.AddMain(110, "Interest", tkIncome, 1);
  B.AddSub(110, 1, "Bank");
  B.AddMain(200, "Rent", tkExpense, 6);
  B.AddSub(200, 1, "Landlord");
  B.AddMain(300, "Wages", tkExpense, 7);
  B.AddSub(300, 1, "Staff");
  B.AddSub(300, 2, "Casual");
  B.L->Groups.NewGroup("Project");

  // Two books through the books form: the first one edited, a second one added.
  const TDateTime Start = EncodeDate(2024, 1, 1);
  std::deque<TBookDetails> Script;
  TBookDetails First{"Bank", RGBColour(0, 0, 200), Start, Money(1000)};
  TBookDetails Second{"Tin", RGBColour(0, 128, 0), Start, Money(-50)};
  Script = {First, Second};
  B.Host->BookDialog = [&Script](QWidget*, bool, TBookDetails& D, int) {
    D = Script.front();
    Script.pop_front();
    return true;
  };
  {
    TBooksForm F(*B.Host);
    F.Prepare(0);
    F.EditClick();
    F.NewClick();
    QVERIFY(F.Finish());
  }
  TExpected X;
  X.OpeningBalance(0, Money(1000));
  X.OpeningBalance(1, Money(-50));

  // Twenty transactions: nineteen plain ones and a split in three parts across both books.
  std::vector<TEntry> Plain;
  const int Mains[] = {100, 200, 110, 300};
  for (int I = 0; I < 19; ++I) {
    const int Main = Mains[I % 4];
    const int Kind = Main < 200 ? tkIncome : tkExpense;
    const int Sub = (Main == 100 || Main == 300) ? 1 + I % 2 : 1;
    Plain.push_back({Kind, Main, Sub, I % 3 == 0 ? 1 : 0, I % 2, Start + 31 + I, Money(10.25 * (I + 1) + (I % 5) * 0.33)});
  }
  const std::vector<TEntry> Split{{tkExpense, 200, 1, 0, 0, Start + 40, Money(15)},
                                  {tkExpense, 300, 1, 1, 1, Start + 40, Money(25.50)},
                                  {tkExpense, 300, 2, 0, 0, Start + 40, Money(7.25)}};
  TTransact F(*B.Host);
  auto KindOf = [](const TEntry& E) { return E.Kind == tkIncome ? 0 : 1; };
  B.Kinds.push_back(KindOf(Plain[0]));
  QVERIFY(F.Begin(tmNew, -1));
  for (std::size_t I = 0; I < Plain.size(); ++I) {
    FillPart(F, Plain[I]);
    X.Add(Plain[I], CatOf.at(Plain[I].Main));
    B.Kinds.push_back(I + 1 < Plain.size() ? KindOf(Plain[I + 1]) : 1);
    B.Prompts.Answers.push_back(mbYes);
    F.NewClick();  // saves this one, starts the next
    QCOMPARE(F.Mode(), int(tmNew));
  }
  FillPart(F, Split[0]);
  F.SplitClick();
  F.AddSplitClick();
  for (int P = 0; P < 3; ++P) {
    F.TabControl->setCurrentIndex(P);
    FillPart(F, Split[P]);
    X.Add(Split[P], CatOf.at(Split[P].Main));
  }
  B.Prompts.Answers.push_back(mbYes);
  F.OKClick();
  QVERIFY(F.Finish());
  QCOMPARE(B.CountKind(tkIncome) + B.CountKind(tkExpense), 22);

  // Closed as the program closes a file, then opened again.
  B.Reopen(true);

  const TBookLists& L = *B.L;
  QCOMPARE(L.Books.Count(), 2);
  QCOMPARE(B.CountKind(tkIncome) + B.CountKind(tkExpense), 22);
  std::set<int> Numbers;
  for (const TTransRec* R : L.Trans.MasterList())
    if (R->IsNormal()) Numbers.insert(R->TransNo);
  QCOMPARE(Numbers.size(), std::size_t(20));

  for (const TMainActRec* M : L.MainActs.MasterList()) QCOMPARE(M->Total, X.Main[M->ActNo]);
  for (const TSubActRec* S : L.SubActs.MasterList()) QCOMPARE(S->Total, (X.Sub[{S->MainActNo, S->ActNo}]));
  for (const TGroupRec* G : L.Groups.MasterList()) {
    QCOMPARE(G->IncomeTotal, X.GroupIncome[G->GroupNo]);
    QCOMPARE(G->ExpenseTotal, X.GroupExpense[G->GroupNo]);
  }
  for (const TCatRec* C : L.Cats.MasterList()) QCOMPARE(C->Total, X.Cat[C->CatID]);
  Currency MainIncome = 0, MainExpense = 0;
  for (auto [No, T] : X.Main) (No < 200 ? MainIncome : MainExpense) += T;
  QCOMPARE(L.MainActs.IncomeTotal, MainIncome);
  QCOMPARE(L.MainActs.ExpenseTotal, MainExpense);
  QCOMPARE(L.Cats.IncomeTotal, MainIncome);
  QCOMPARE(L.Cats.ExpenseTotal, MainExpense);
  QCOMPARE(L.Trans.IncomeTotal, X.Income);
  QCOMPARE(L.Trans.ExpenseTotal, X.Expense);
  QCOMPARE(L.Trans.Items(L.Trans.Count() - 1).Balance, X.Balance);
  RecalcBookTotals(*B.L);
  for (const TBookRec* Bk : L.Books.MasterList()) {
    QCOMPARE(Bk->IncomeTotal, X.BookIncome[Bk->BookNo]);
    QCOMPARE(Bk->ExpenseTotal, X.BookExpense[Bk->BookNo]);
  }
}

QTEST_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
