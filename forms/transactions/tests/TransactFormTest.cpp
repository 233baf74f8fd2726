// The transaction form driven as a user drives it, on a real book file that is reopened to see
// what reached it.
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include "FormColours.h"
#include "NumberBox.h"
#include "TestBook.h"
#include "TransactForm.h"

namespace {

void Fill(TTransact& F, int Main, int Sub, TDateTime Date, double Amount, int Book = 0) {
  QVERIFY(F.ChooseMain(Main));
  QVERIFY(F.ChooseSub(Sub));
  F.DateEditBtn->setDate(QDateOf(Date));
  F.ChooseBook(Book);
  F.NbrBoxAmount->SetValue(Money(Amount));
}

// Enters one plain transaction through the form and closes it with OK.
void Enter(TTestBook& B, int Kind, int Main, int Sub, TDateTime Date, double Amount, int Book = 0) {
  TTransact F(*B.Host);
  B.Kinds.push_back(Kind == tkIncome ? 0 : 1);
  QVERIFY(F.Begin(tmNew, -1));
  Fill(F, Main, Sub, Date, Amount, Book);
  B.Prompts.Answers.push_back(mbYes);
  F.OKClick();
  QCOMPARE(F.result(), int(QDialog::Accepted));
  QVERIFY(F.Finish());
}

const TTransRec* Find(const TBookLists& L, int TransNo, char Letter = '0') {
  for (const TTransRec* R : L.Trans.MasterList())
    if (R->IsNormal() && R->TransNo == TransNo && R->SplitLetter == Letter) return R;
  return nullptr;
}

std::string Letters(const TBookLists& L, int TransNo) {
  std::string S;
  for (int I : PartsOf(L.Trans, TransNo)) S += L.Trans.Items(I).SplitLetter;
  return S;
}

TDateTime Day(int D) { return EncodeDate(2024, 3, D); }

}  // namespace

class TransactFormTest : public QObject {
  Q_OBJECT
 private slots:
  void plainAndTenPartSplitSavedAndReloaded();
  void deletingPartsReletters();
  void validationMessagesInOrder();
  void backFromEmptyNewTransaction();
  void noOnBackReturnsToRememberedTransaction();
  void cancelAtSaveChangesKeepsEdits();
  void navigationSkipsTransfersOpeningBalancesAndParts();
  void deleteNeedsBothConfirmations();
  void newSubAccountAndGroupFromTheForm();
  void onlyOneKindOfAccounts();
  void selectionMessageViewRowsAndUnlock();
  void emptyBookSaysThereAreNoTransactions();
  void eachPartCheckedAgainstItsOwnBook();
};

void TransactFormTest::plainAndTenPartSplitSavedAndReloaded() {
  TTestBook B;
  B.StandardAccounts();
  Enter(B, tkIncome, 100, 1, Day(5), 123.45);
  QVERIFY(B.Prompts.Saw("Save new Transaction?"));

  TTransact F(*B.Host);
  B.Kinds.push_back(1);
  QVERIFY(F.Begin(tmNew, -1));
  QCOMPARE(F.TransKindPanel->text(), QString("Expense Transaction"));
  Fill(F, 200, 1, Day(6), 1);
  F.SplitClick();
  QCOMPARE(F.TabControl->count(), 2);
  QCOMPARE(F.TransKindPanel->text(), QString("Split Expense Transaction"));
  for (int I = 2; I < 10; ++I) {
    QVERIFY(F.AddSplitBtn->isEnabled());
    F.AddSplitClick();
  }
  QCOMPARE(F.TabControl->count(), 10);
  QCOMPARE(F.TabControl->tabText(9), QString("J"));
  QVERIFY(!F.AddSplitBtn->isEnabled());
  // Parts B..J: each its own account and amount (part I costs I+1).
  for (int I = 1; I < 10; ++I) {
    F.TabControl->setCurrentIndex(I);
    QVERIFY(F.ChooseMain(I % 2 ? 300 : 200));
    QVERIFY(F.ChooseSub(1));
    F.NbrBoxAmount->SetValue(Money(I + 1));
  }
  QCOMPARE(F.TotalAmountLabel->text(), QString::fromStdString(FormatMoney(Money(55))));
  B.Prompts.Answers.push_back(mbYes);
  F.OKClick();
  QVERIFY(F.Finish());
  const int No = 2;
  QCOMPARE(Letters(*B.L, No), std::string("ABCDEFGHIJ"));
  // Totals kept while the form worked.
  QCOMPARE(B.L->MainActs.FindByNo(200)->Total, Money(1 + 3 + 5 + 7 + 9));
  QCOMPARE(B.L->MainActs.FindByNo(300)->Total, Money(2 + 4 + 6 + 8 + 10));

  B.Reopen();
  QCOMPARE(B.CountKind(tkIncome), 1);
  QCOMPARE(B.CountKind(tkExpense), 10);
  const TTransRec* Plain = Find(*B.L, 1);
  QVERIFY(Plain);
  QCOMPARE(Plain->Amount, Money(123.45));
  QCOMPARE(Plain->Date, Day(5));
  QCOMPARE(Plain->MainActNo, 100);
  QCOMPARE(Plain->SubActNo, 1);
  QCOMPARE(Letters(*B.L, No), std::string("ABCDEFGHIJ"));
  for (int I = 0; I < 10; ++I) {
    const TTransRec* P = Find(*B.L, No, char('A' + I));
    QVERIFY(P);
    QCOMPARE(P->Amount, Money(I + 1));
    QCOMPARE(P->Date, Day(6));
    QCOMPARE(P->Kind, std::uint8_t(tkExpense));
  }
  QCOMPARE(B.L->MainActs.FindByNo(300)->Total, Money(30));

  // Reloaded into the form: ten tabs, the total of all parts.
  TTransact G(*B.Host);
  QVERIFY(G.Begin(tmEditMaster, B.L->Trans.IndexOf(Find(*B.L, No, 'C'))));
  QCOMPARE(G.TabControl->count(), 10);
  QCOMPARE(G.TabControl->currentIndex(), 2);
  QCOMPARE(G.TransNoPanel->text(), QString("2C"));
  QVERIFY(G.Locked());
  QCOMPARE(G.TotalAmountLabel->text(), QString::fromStdString(FormatMoney(Money(55))));
}

void TransactFormTest::deletingPartsReletters() {
  TTestBook B;
  B.StandardAccounts();
  // Transaction 1 in two parts, transaction 2 in three.
  for (int Parts : {2, 3}) {
    TTransact F(*B.Host);
    B.Kinds.push_back(0);
    QVERIFY(F.Begin(tmNew, -1));
    Fill(F, 100, 1, Day(Parts), 10);
    F.SplitClick();
    for (int I = 2; I < Parts; ++I) F.AddSplitClick();
    for (int I = 1; I < Parts; ++I) {
      F.TabControl->setCurrentIndex(I);
      QVERIFY(F.ChooseMain(100));
      QVERIFY(F.ChooseSub(2));
      F.NbrBoxAmount->SetValue(Money(10 * (I + 1)));
    }
    B.Prompts.Answers.push_back(mbYes);
    F.OKClick();
    QVERIFY(F.Finish());
  }
  QCOMPARE(Letters(*B.L, 1), std::string("AB"));
  QCOMPARE(Letters(*B.L, 2), std::string("ABC"));

  TTransact F(*B.Host);
  QVERIFY(F.Begin(tmEditMaster, B.L->Trans.IndexOf(Find(*B.L, 1, 'A'))));
  F.EditClick();
  QVERIFY(!F.Locked());
  // Part A of the two goes: B is left, plain, with letter '0'.
  F.TabControl->setCurrentIndex(0);
  B.Prompts.Answers.push_back(mbYes);
  F.DeleteSplitClick();
  QVERIFY(B.Prompts.Saw("Delete Split A."));
  QCOMPARE(F.TabControl->count(), 0);
  QVERIFY(F.SplitBtn->isEnabled());
  QVERIFY(!F.TotalAmountPanel->isVisibleTo(&F));
  QCOMPARE(F.TransKindPanel->text(), QString("Income Transaction"));
  QCOMPARE(F.NbrBoxAmount->Value(), Money(20));
  B.Prompts.Answers.push_back(mbYes);
  QCOMPARE(F.SaveStep(), mbYes);
  QVERIFY(B.Prompts.Saw("Save changes to current Transaction?"));

  // Part B of the three goes: A and C become A and B.
  F.ForwardClick();
  QCOMPARE(F.TransNoPanel->text(), QString("2A"));
  F.EditClick();
  F.TabControl->setCurrentIndex(1);
  B.Prompts.Answers.push_back(mbYes);
  F.DeleteSplitClick();
  QCOMPARE(F.TabControl->count(), 2);
  QCOMPARE(F.TabControl->tabText(1), QString("B"));
  B.Prompts.Answers.push_back(mbYes);
  F.OKClick();
  QVERIFY(F.Finish());

  B.Reopen();
  QCOMPARE(Letters(*B.L, 1), std::string("0"));
  QCOMPARE(Find(*B.L, 1)->Amount, Money(20));
  QCOMPARE(Find(*B.L, 1)->SubActNo, 2);
  QCOMPARE(Letters(*B.L, 2), std::string("AB"));
  QCOMPARE(Find(*B.L, 2, 'A')->Amount, Money(10));
  QCOMPARE(Find(*B.L, 2, 'B')->Amount, Money(30));
  QCOMPARE(B.L->MainActs.FindByNo(100)->Total, Money(60));
}

void TransactFormTest::validationMessagesInOrder() {
  TTestBook B;
  B.StandardAccounts();
  const std::string DateMsg =
      "The date you have entered is less than the Opening Balance date for the Book you have selected.  If you want "
      "this Transaction to be in this book you must enter a date greater than or equal to '" +
      FormatDate(EncodeDate(2024, 1, 1)) + "'";
  TTransact F(*B.Host);
  B.Kinds.push_back(0);
  QVERIFY(F.Begin(tmNew, -1));
  F.BookCombo->setCurrentIndex(-1);
  F.NbrBoxAmount->SetValue(0);
  F.DateEditBtn->setDate(QDateOf(EncodeDate(2023, 12, 31)));
  // Each step mends the previous failure and meets the next one.
  struct TStep {
    std::function<void()> Mend;
    std::string Message;
  } Steps[] = {
      {[] {}, "Main Account not valid!"},
      {[&] { F.ChooseMain(100); }, "Sub Account not valid!"},
      {[&] { F.ChooseSub(1); }, "You must select a Book for this Transaction"},
      {[&] { F.ChooseBook(0); }, DateMsg},
      {[] {}, "Amount not valid!"},  // the picker was set to the opening balance date
  };
  for (const TStep& S : Steps) {
    S.Mend();
    B.Prompts.ClearShown();
    B.Prompts.Answers.push_back(mbYes);
    QCOMPARE(F.SaveStep(), mbCancel);
    QCOMPARE(B.Prompts.Shown.size(), std::size_t(2));
    QCOMPARE(B.Prompts.Shown[1].Text, S.Message);
    QVERIFY(B.Prompts.Shown[1].Kind == TMsgKind::Warning);
  }
  QCOMPARE(F.DateEditBtn->date(), QDateOf(EncodeDate(2024, 1, 1)));
  // Negative amounts fail like 0; the opening balance date itself passes.
  F.NbrBoxAmount->SetValue(Money(-5));
  B.Prompts.Answers.push_back(mbYes);
  QCOMPARE(F.SaveStep(), mbCancel);
  QCOMPARE(B.Prompts.Shown.back().Text, std::string("Amount not valid!"));
  F.NbrBoxAmount->SetValue(Money(5));
  B.Prompts.Answers.push_back(mbYes);
  QCOMPARE(F.SaveStep(), mbYes);
  QCOMPARE(B.CountKind(tkIncome), 1);
  QCOMPARE(F.Mode(), int(tmEditMaster));
}

void TransactFormTest::backFromEmptyNewTransaction() {
  TTestBook B;
  B.StandardAccounts();
  Enter(B, tkIncome, 100, 1, Day(1), 1);
  {
    // The only transaction: Back shows it.
    TTransact F(*B.Host);
    QVERIFY(F.Begin(tmNew, -1));
    B.Prompts.ClearShown();
    F.BackClick();
    QVERIFY(B.Prompts.Shown.empty());  // nothing typed, nothing asked
    QCOMPARE(F.TransNoPanel->text(), QString("1"));
    QCOMPARE(F.Mode(), int(tmEditMaster));
  }
  Enter(B, tkIncome, 100, 1, Day(2), 2);
  Enter(B, tkExpense, 200, 1, Day(3), 3);
  TTransact F(*B.Host);
  QVERIFY(F.Begin(tmNew, -1));
  F.BackClick();
  QCOMPARE(F.TransNoPanel->text(), QString("2"));
  QCOMPARE(F.Kind(), int(tkIncome));
  QVERIFY(F.ForwardBtn->isEnabled());
  F.ForwardClick();
  QCOMPARE(F.TransNoPanel->text(), QString("3"));
  QCOMPARE(F.TransKindPanel->text(), QString("Expense Transaction"));
  QVERIFY(!F.ForwardBtn->isEnabled());
}

void TransactFormTest::noOnBackReturnsToRememberedTransaction() {
  TTestBook B;
  B.StandardAccounts();
  for (int D = 1; D <= 3; ++D) Enter(B, tkIncome, 100, 1, Day(D), D);
  TTransact F(*B.Host);
  QVERIFY(F.Begin(tmEditMaster, B.L->Trans.IndexOf(Find(*B.L, 1))));
  QCOMPARE(F.TransNoPanel->text(), QString("1"));
  F.NewClick();
  QCOMPARE(F.Mode(), int(tmNew));
  QCOMPARE(F.TransNoPanel->text(), QString("4"));
  F.NbrBoxAmount->SetValue(Money(99));
  B.Prompts.ClearShown();
  B.Prompts.Answers.push_back(mbNo);
  F.BackClick();
  QCOMPARE(B.Prompts.Texts().at(0), std::string("Save new Transaction?"));
  QCOMPARE(F.TransNoPanel->text(), QString("1"));
  QCOMPARE(B.CountKind(tkIncome), 3);
  F.reject();
  QVERIFY(!F.Finish());
}

void TransactFormTest::cancelAtSaveChangesKeepsEdits() {
  TTestBook B;
  B.StandardAccounts();
  Enter(B, tkIncome, 100, 1, Day(1), 1);
  Enter(B, tkIncome, 100, 1, Day(2), 2);
  TTransact F(*B.Host);
  QVERIFY(F.Begin(tmEditMaster, B.L->Trans.IndexOf(Find(*B.L, 2))));
  F.EditClick();
  F.NbrBoxAmount->SetValue(Money(7));
  B.Prompts.Answers.push_back(mbCancel);
  F.BackClick();
  QCOMPARE(F.TransNoPanel->text(), QString("2"));
  QCOMPARE(F.NbrBoxAmount->Value(), Money(7));
  QVERIFY(F.Modified());
  QCOMPARE(Find(*B.L, 2)->Amount, Money(2));
  // Yes saves it in place; the file has it after reopening.
  B.Prompts.Answers.push_back(mbYes);
  F.BackClick();
  QCOMPARE(F.TransNoPanel->text(), QString("1"));
  QVERIFY(F.Finish());
  B.Reopen();
  QCOMPARE(Find(*B.L, 2)->Amount, Money(7));
  QCOMPARE(B.CountKind(tkIncome), 2);
  QCOMPARE(B.L->MainActs.FindByNo(100)->Total, Money(8));
}

void TransactFormTest::navigationSkipsTransfersOpeningBalancesAndParts() {
  TTestBook B;
  B.StandardAccounts();
  // A second book with its opening balance on day 2, a transfer pair on day 3, a split on day 4.
  auto* Bk = new TBookRec;
  Bk->BookNo = 1;
  Bk->Name = "Tin";
  B.L->Books.Add(Bk);
  TTransRec& OB = B.AddRaw(tkOpenBal, 10, Day(2), Money(50), 1);
  Bk->OpenBalNo = 10;
  Bk->OpenBal = &OB;
  B.AddRaw(tkIncome, 1, Day(1), Money(1), 0, 100, 1);
  B.AddRaw(tkTransferFrom, 11, Day(3), Money(5), 0, 12, 0, 1);
  B.AddRaw(tkTransferTo, 12, Day(3), Money(5), 1, 11, 0, 0);
  B.AddRaw(tkIncome, 13, Day(4), Money(2), 0, 100, 1, 0, 'A');
  B.AddRaw(tkIncome, 13, Day(4), Money(3), 0, 100, 2, 0, 'B');
  B.AddRaw(tkIncome, 13, Day(4), Money(4), 0, 100, 1, 0, 'C');
  B.AddRaw(tkExpense, 14, Day(5), Money(6), 0, 200, 1);
  RecalcAll(*B.L);

  TTransact F(*B.Host);
  QVERIFY(F.Begin(tmEditMaster, B.L->Trans.IndexOf(Find(*B.L, 1))));
  QVERIFY(!F.BackBtn->isEnabled());
  QStringList Seen{F.TransNoPanel->text()};
  while (F.ForwardBtn->isEnabled()) {
    F.ForwardClick();
    Seen << F.TransNoPanel->text();
  }
  QCOMPARE(Seen, (QStringList{"1", "13A", "14"}));
  F.BackClick();
  QCOMPARE(F.TransNoPanel->text(), QString("13C"));  // the part it lands on is shown
  QCOMPARE(F.TabControl->count(), 3);
  F.BackClick();
  QCOMPARE(F.TransNoPanel->text(), QString("1"));
  F.BackClick();  // nothing earlier: stays
  QCOMPARE(F.TransNoPanel->text(), QString("1"));
}

void TransactFormTest::deleteNeedsBothConfirmations() {
  TTestBook B;
  B.StandardAccounts();
  Enter(B, tkIncome, 100, 1, Day(1), 10);
  Enter(B, tkIncome, 100, 2, Day(2), 20);
  Enter(B, tkExpense, 200, 1, Day(3), 5);
  // The transaction worksheet is showing with its first three rows (opening balance, 1, 2)
  // scrolled off the top.
  std::vector<int> RowsDeleted;
  B.Host->ShowingWorksheet = [] { return int(wsTransactions); };
  B.Host->TransTopRow = [] { return 3; };
  B.Host->TransRowsDeleted = [&](int Deleted, int Above) { RowsDeleted = {Deleted, Above}; };
  TTransact F(*B.Host);
  QVERIFY(F.Begin(tmEditMaster, B.L->Trans.IndexOf(Find(*B.L, 2))));
  // No at the question; Yes but no Ctrl+click; the password refused.
  B.Prompts.Answers.push_back(mbNo);
  F.DeleteClick();
  B.Prompts.Answers.push_back(mbYes);
  B.CtrlAnswers.push_back(false);
  F.DeleteClick();
  B.PasswordOk = false;
  F.DeleteClick();
  B.PasswordOk = true;
  QCOMPARE(B.CountKind(tkIncome), 2);
  QCOMPARE(B.CtrlAsked.size(), std::size_t(1));
  QVERIFY(B.Prompts.Saw("Delete this Transaction."));

  B.Prompts.Answers.push_back(mbYes);
  F.DeleteClick();
  QCOMPARE(B.CountKind(tkIncome), 1);
  QCOMPARE(F.TransNoPanel->text(), QString("1"));  // the nearest earlier one
  QVERIFY(F.Locked());
  QCOMPARE(B.L->MainActs.FindByNo(100)->Total, Money(10));
  QCOMPARE(B.L->SubActs.FindByNo(100, 2)->Total, Money(0));
  // The first one goes too: the later one is shown.
  B.Prompts.Answers.push_back(mbYes);
  F.DeleteClick();
  QCOMPARE(F.TransNoPanel->text(), QString("3"));
  F.reject();
  QVERIFY(F.Finish());
  QCOMPARE(RowsDeleted, (std::vector<int>{2, 2}));
  QCOMPARE(B.L->MainActs.FindByNo(100)->Total, Money(0));
  QCOMPARE(B.L->MainActs.FindByNo(200)->Total, Money(5));
  QCOMPARE(B.L->Trans.IncomeTotal, Money(0));
  QCOMPARE(B.L->Trans.ExpenseTotal, Money(5));

  B.Reopen();
  QCOMPARE(B.CountKind(tkIncome), 0);
  QCOMPARE(B.CountKind(tkExpense), 1);
  QCOMPARE(B.L->MainActs.FindByNo(200)->Total, Money(5));

  // Deleting the last one leaves an empty, locked form.
  TTransact G(*B.Host);
  QVERIFY(G.Begin(tmEditMaster, B.L->Trans.IndexOf(Find(*B.L, 3))));
  B.Prompts.Answers.push_back(mbYes);
  G.DeleteClick();
  QCOMPARE(G.CurrentPosition(), -1);
  QVERIFY(!G.DeleteBtn->isEnabled());
  QVERIFY(!G.BackBtn->isEnabled() && !G.ForwardBtn->isEnabled());
  QCOMPARE(B.CountKind(tkExpense), 0);
}

void TransactFormTest::newSubAccountAndGroupFromTheForm() {
  TTestBook B;
  B.StandardAccounts();
  TTransact F(*B.Host);
  QVERIFY(F.Begin(tmNew, -1));
  QVERIFY(F.ChooseMain(100));
  B.Names = {"  ", "shop", "Market"};
  F.NewSubClick();
  QVERIFY(B.Prompts.Saw("'' is not a valid Account Name."));
  QVERIFY(B.Prompts.Saw("The Sub Account name 'shop' is already in use."));
  const TSubActRec* Sub = B.L->SubActs.FindByNo(100, 3);
  QVERIFY(Sub);
  QCOMPARE(Sub->Name, std::string("Market"));
  QVERIFY(Sub->InSelection);
  QCOMPARE(F.ComboSubNum->currentText(), QString("100-3"));

  AccountSelActive = true;
  B.Names = {"Fair"};
  F.NewGrpClick();
  AccountSelActive = false;
  const TGroupRec* G = B.L->Groups.FindPtr(1);
  QVERIFY(G);
  QVERIFY(!G->InSelection);
  QCOMPARE(F.ComboGrpName->currentText(), QString("Fair"));
  QCOMPARE(F.ComboGrpName->itemText(0), QString("General <default>"));
  B.Reopen();
  QVERIFY(B.L->SubActs.FindByNo(100, 3));
  QCOMPARE(B.L->Groups.FindPtr(1)->Name, std::string("Fair"));
}

void TransactFormTest::onlyOneKindOfAccounts() {
  TTestBook B;
  B.AddMain(200, "Rent", tkExpense, 6);
  B.AddSub(200, 1, "Landlord");
  TTransact F(*B.Host);
  B.Kinds.push_back(-1);  // never asked
  QVERIFY(F.Begin(tmNew, -1));
  QCOMPARE(F.Kind(), int(tkExpense));
  QVERIFY(B.Prompts.Saw("This Transaction can only be an Expense Transaction because no Income Accounts exist.  "
                        "To create some Income Accounts, click the 'Accounts' button on the main form."));
  // With both kinds, a cancelled choice opens nothing.
  B.AddMain(100, "Sales", tkIncome, 0);
  TTransact G(*B.Host);
  B.Kinds = {-1};
  QVERIFY(!G.Begin(tmNew, -1));
}

void TransactFormTest::selectionMessageViewRowsAndUnlock() {
  TTestBook B;
  B.StandardAccounts();
  Enter(B, tkIncome, 100, 1, Day(1), 1);
  GroupSelActive = true;
  B.Prompts.ClearShown();
  Enter(B, tkExpense, 200, 1, Day(2), 2);
  GroupSelActive = false;
  QVERIFY(B.Prompts.Saw("New Record(s) you have entered might not be visible because there is a Selection on."));
  RecalcAll(*B.L);

  // Opened at a worksheet row: the row's record, locked; Unlock needs the Editing password.
  const TTransRec* Second = Find(*B.L, 2);
  QVERIFY(Second->ViewIndex >= 0);
  TTransact F(*B.Host);
  QVERIFY(F.Begin(tmEditViewRow, Second->ViewIndex));
  QCOMPARE(F.TransNoPanel->text(), QString("2"));
  QCOMPARE(F.windowTitle(), QString("Transactions"));
  QVERIFY(F.Locked());
  QVERIFY(!F.DetailArea->isEnabled() && !F.SplitBtn->isEnabled());
  B.PasswordOk = false;
  F.EditClick();
  QVERIFY(F.Locked());
  B.PasswordOk = true;
  F.EditClick();
  QVERIFY(!F.Locked());
  QVERIFY(F.DetailArea->isEnabled() && F.SplitBtn->isEnabled() && !F.EditBtn->isEnabled());
  // The Adding password guards New.
  B.PasswordOk = false;
  F.NewClick();
  QCOMPARE(F.Mode(), int(tmEditViewRow));
  F.reject();
  QVERIFY(!F.Finish());
}

void TransactFormTest::emptyBookSaysThereAreNoTransactions() {
  TTestBook B;
  B.StandardAccounts();
  TTransact F(*B.Host);
  QVERIFY(F.Begin(tmEditMaster, 0));
  QVERIFY(F.Locked());
  QVERIFY(!F.DeleteBtn->isEnabled() && !F.FindBtn->isEnabled() && !F.BackBtn->isEnabled());
  F.show();
  QTRY_VERIFY(B.Prompts.Saw("There are no Transactions.  Click the 'New' button to create some."));
  F.NewClick();
  QCOMPARE(F.Mode(), int(tmNew));
  QVERIFY(!F.Locked());
  QCOMPARE(F.DateEditBtn->date(), QDate::currentDate());  // no transactions yet: today
  F.reject();
}

void TransactFormTest::eachPartCheckedAgainstItsOwnBook() {
  TTestBook B;
  B.StandardAccounts();
  auto* Tin = new TBookRec;
  Tin->BookNo = 1;
  Tin->Name = "Tin";
  B.L->Books.Add(Tin);
  Tin->OpenBal = &B.AddRaw(tkOpenBal, 40, Day(10), 0, 1);
  Tin->OpenBalNo = 40;
  const int No = B.L->Trans.NextTransNo();
  TTransact F(*B.Host);
  QVERIFY(F.Begin(tmNew, -1));
  Fill(F, 100, 1, Day(5), 1, 1);  // part A: Tin, before Tin's opening balance
  F.SplitClick();
  Fill(F, 100, 2, Day(5), 2, 0);  // part B on show: the first book, a valid date
  B.Prompts.ClearShown();
  B.Prompts.Answers.push_back(mbYes);
  QCOMPARE(F.SaveStep(), mbCancel);
  QVERIFY(B.Prompts.Shown.back().Text.find("less than the Opening Balance date") != std::string::npos);
  QCOMPARE(F.TabControl->currentIndex(), 0);
  QCOMPARE(F.DateEditBtn->date(), QDateOf(Day(10)));
  B.Prompts.Answers.push_back(mbYes);
  QCOMPARE(F.SaveStep(), mbYes);
  QVERIFY(Find(*B.L, No, 'A') && Find(*B.L, No, 'B'));
  QCOMPARE(Find(*B.L, No, 'A')->Date, Day(10));
  QCOMPARE(Find(*B.L, No, 'A')->BookNo, std::int16_t(1));
  QCOMPARE(Find(*B.L, No, 'B')->Date, Day(5));
}

QTEST_MAIN(TransactFormTest)
#include "TransactFormTest.moc"
