// "Books" and its book dialog on a real book file.
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "BooksForm.h"
#include "FormColours.h"
#include "Helpers.h"
#include "NewEditBookForm.h"
#include "NumberBox.h"
#include "TestBook.h"
#include "TransactForm.h"

namespace {

// The book dialog answers from a list of details; an empty list cancels.
void ScriptBookDialog(TTestBook& B, std::deque<TBookDetails>& Script, std::vector<TBookDetails>* Offered = nullptr) {
  B.Host->BookDialog = [&Script, Offered](QWidget*, bool, TBookDetails& D, int) {
    if (Offered) Offered->push_back(D);
    if (Script.empty()) return false;
    D = Script.front();
    Script.pop_front();
    return true;
  };
}

TBookDetails Details(const std::string& Name, double Balance, TDateTime Date, TColor Colour = 0x123456) {
  TBookDetails D;
  D.Name = Name;
  D.Balance = Money(Balance);
  D.Date = Date;
  D.Colour = Colour;
  return D;
}

const TBookRec* BookNamed(const TBookLists& L, const std::string& Name) {
  for (const TBookRec* B : L.Books.MasterList())
    if (B->Name == Name) return B;
  return nullptr;
}

}  // namespace

class BooksFormTest : public QObject {
  Q_OBJECT
 private slots:
  void newBookWithNegativeOpeningBalance();
  void editRenamesAndMovesTheOpeningBalance();
  void deleteRefusalsAndConfirmations();
  void reorderIsWrittenOnClosing();
  void bookDialogFields();
  void deletingTheLastBook();
};

void BooksFormTest::newBookWithNegativeOpeningBalance() {
  TTestBook B;
  std::deque<TBookDetails> Script{Details("Cash Tin", -100, EncodeDate(2024, 2, 1)), Details(" cashbook 1 ", 5, 0)};
  std::vector<TBookDetails> Offered;
  ScriptBookDialog(B, Script, &Offered);
  TBooksForm F(*B.Host);
  F.Prepare(-1);
  QCOMPARE(F.SelectedRow(), 0);
  F.NewClick();
  QCOMPARE(Offered.at(0).Colour, RGBColour(128, 0, 128));  // one book existed: the second default colour
  QCOMPARE(Offered.at(0).Balance, Currency(0));
  F.NewClick();  // a duplicate name is refused
  QVERIFY(B.Prompts.Saw("Book name 'cashbook 1' is already in use."));
  QCOMPARE(B.L->Books.Count(), 2);
  QCOMPARE(F.BookListView->topLevelItemCount(), 2);
  QCOMPARE(F.BookListView->topLevelItem(1)->text(1), QString::fromStdString(FormatMoney(Money(-100))));
  QVERIFY(F.Finish());

  B.Reopen();
  const TBookRec* Tin = BookNamed(*B.L, "Cash Tin");
  QVERIFY(Tin);
  QCOMPARE(Tin->BookNo, 1);
  QCOMPARE(Tin->Colour, std::int32_t(0x123456));
  QVERIFY(Tin->OpenBal);
  QCOMPARE(Tin->OpenBal->Kind, std::uint8_t(tkOpenBal));
  QCOMPARE(Tin->OpenBal->Amount, Money(-100));
  QCOMPARE(Tin->OpenBal->Date, EncodeDate(2024, 2, 1));
  QCOMPARE(Tin->OpenBalNo, Tin->OpenBal->TransNo);
  // A negative opening balance counts as expense.
  QCOMPARE(B.L->Trans.ExpenseTotal, Money(100));
  QCOMPARE(B.L->Trans.Items(B.L->Trans.Count() - 1).Balance, Money(-100));
}

void BooksFormTest::editRenamesAndMovesTheOpeningBalance() {
  TTestBook B;
  B.StandardAccounts();
  B.AddRaw(tkIncome, 1, EncodeDate(2024, 3, 1), Money(10), 0, 100, 1);
  std::deque<TBookDetails> Script{Details("CASHBOOK 1", 50, EncodeDate(2024, 4, 1))};
  ScriptBookDialog(B, Script);
  TBooksForm F(*B.Host);
  F.Prepare(0);
  F.EditClick();
  QVERIFY(B.Prompts.Shown.empty());  // a change of letter case only is no duplicate
  const TBookRec& Bk = B.L->Books.Items(0);
  QCOMPARE(Bk.Name, std::string("CASHBOOK 1"));
  // The opening balance moved after the transaction it now post-dates; the transaction stays.
  QCOMPARE(B.L->Trans.Items(0).Kind, std::uint8_t(tkIncome));
  QCOMPARE(B.L->Trans.Items(1).Kind, std::uint8_t(tkOpenBal));
  QVERIFY(F.Finish());
  B.Reopen();
  QCOMPARE(B.L->Books.Items(0).Name, std::string("CASHBOOK 1"));
  QCOMPARE(B.L->Books.Items(0).OpenBal->Amount, Money(50));
  QCOMPARE(B.L->Books.Items(0).OpenBal->Date, EncodeDate(2024, 4, 1));
  QCOMPARE(B.CountKind(tkIncome), 1);
}

void BooksFormTest::deleteRefusalsAndConfirmations() {
  TTestBook B;
  B.StandardAccounts();
  std::deque<TBookDetails> Script{Details("Tin", 0, EncodeDate(2024, 1, 1)), Details("Safe", 0, EncodeDate(2024, 1, 1)),
                                  Details("Spare", 0, EncodeDate(2024, 1, 1))};
  ScriptBookDialog(B, Script);
  TBooksForm F(*B.Host);
  F.Prepare(-1);
  F.NewClick();
  F.NewClick();
  F.NewClick();
  // Tin: income through the transaction form; Safe: a transfer; Spare: nothing but its opening balance.
  B.Host->BookDialog = nullptr;
  const TDateTime D = EncodeDate(2024, 3, 1);
  {
    TTransact T(*B.Host);
    QVERIFY(T.Begin(tmNew, -1));
    T.ChooseMain(100);
    T.ChooseSub(1);
    T.ChooseBook(1);
    T.DateEditBtn->setDate(QDateOf(D));
    T.NbrBoxAmount->SetValue(Money(40));
    B.Prompts.Answers.push_back(mbYes);
    T.OKClick();
    T.Finish();
  }
  B.AddRaw(tkIncome, 50, D, Money(1), 0, 100, 1);
  B.AddRaw(tkTransferFrom, 60, D, Money(5), 0, 61, 0, 2);
  B.AddRaw(tkTransferTo, 61, D, Money(5), 2, 60, 0, 0);
  RecalcAll(*B.L);
  QCOMPARE(B.L->MainActs.FindByNo(100)->Total, Money(41));

  auto Select = [&](const char* Name) {
    for (int R = 0; R < int(F.Rows().size()); ++R)
      if (F.Rows()[R]->Name == Name) F.SelectRow(R);
  };
  // Spare: only its opening balance, so the first question alone.
  Select("Spare");
  B.Prompts.ClearShown();
  B.Prompts.Answers = {mbYes};
  F.DeleteClick();
  QCOMPARE(B.Prompts.Texts(), std::vector<std::string>{"Are you sure you want to delete book 'Spare'?"});
  QVERIFY(B.CtrlAsked.empty());
  QVERIFY(!BookNamed(*B.L, "Spare"));
  // Safe: used by a transfer.
  Select("Safe");
  B.Prompts.ClearShown();
  B.Prompts.Answers = {mbYes};
  F.DeleteClick();
  QCOMPARE(B.Prompts.Shown.back().Text,
           std::string("The Book 'Safe' is currently being used in a Transfer.  Before you can delete this book you "
                       "must delete all Transfers it is used in."));
  QVERIFY(BookNamed(*B.L, "Safe"));
  // Tin: in use; No at the warning, then no Ctrl+click, then both.
  Select("Tin");
  B.Prompts.ClearShown();
  B.Prompts.Answers = {mbYes, mbNo};
  F.DeleteClick();
  QCOMPARE(B.Prompts.Texts().at(1),
           std::string("The Book 'Tin' is currently in use by one or more Transactions.  Deleting this Book will also "
                       "delete these Transactions.\r\rAre you sure you want to delete this Book?"));
  B.Prompts.Answers = {mbYes, mbYes};
  B.CtrlAnswers = {false};
  F.DeleteClick();
  QVERIFY(BookNamed(*B.L, "Tin"));
  B.Prompts.Answers = {mbYes, mbYes};
  F.DeleteClick();
  QVERIFY(!BookNamed(*B.L, "Tin"));
  QCOMPARE(F.BookListView->topLevelItemCount(), 2);
  QVERIFY(F.Finish());
  RecalcAll(*B.L);
  QCOMPARE(B.L->MainActs.FindByNo(100)->Total, Money(1));

  B.Reopen();
  QCOMPARE(B.L->Books.Count(), 2);
  QCOMPARE(B.CountKind(tkIncome), 1);
  QCOMPARE(B.CountKind(tkOpenBal), 2);
  for (const TTransRec* R : B.L->Trans.MasterList()) QVERIFY(R->BookNo == 0 || R->BookNo == 2);
  QCOMPARE(B.L->MainActs.FindByNo(100)->Total, Money(1));

  // A split spanning two books blocks the deletion of either.
  B.AddRaw(tkExpense, 70, D, Money(3), 0, 200, 1, 0, 'A');
  B.AddRaw(tkExpense, 70, D, Money(4), 2, 200, 1, 0, 'B');
  TBooksForm G(*B.Host);
  G.Prepare(0);
  B.Prompts.Answers = {mbYes};
  G.DeleteClick();
  QCOMPARE(B.Prompts.Shown.back().Text,
           std::string("The Book 'Cashbook 1' is currently being used in one or more split Transactions which are "
                       "split between different Books.  You must remove or change all split Transactions that involve "
                       "other Books before you can delete this Book."));
  QVERIFY(B.Prompts.Shown.back().Kind == TMsgKind::Information);
  QCOMPARE(B.L->Books.Count(), 2);
}

void BooksFormTest::reorderIsWrittenOnClosing() {
  TTestBook B;
  std::deque<TBookDetails> Script{Details("Second", 0, EncodeDate(2024, 1, 1)), Details("Third", 0, EncodeDate(2024, 1, 1))};
  ScriptBookDialog(B, Script);
  TBooksForm F(*B.Host);
  F.Prepare(-1);
  F.NewClick();
  F.NewClick();
  F.SelectRow(2);
  F.UpClick();
  F.UpClick();
  F.UpClick();  // already at the top: nothing
  QCOMPARE(F.SelectedRow(), 0);
  QCOMPARE(F.BookListView->topLevelItem(0)->text(0), QString("Third"));
  QVERIFY(F.Finish());
  QCOMPARE(B.L->Books.Items(0).Name, std::string("Third"));
  QCOMPARE(B.L->Books.Items(0).Position, 0);
  B.Reopen(true);  // a normal close writes the reordered list
  QCOMPARE(B.L->Books.Items(0).Name, std::string("Third"));
  QCOMPARE(B.L->Books.Items(1).Name, std::string("Cashbook 1"));
  QCOMPARE(B.L->Books.Items(2).Name, std::string("Second"));
  QCOMPARE(B.L->Books.Items(0).BookNo, 2);  // numbers stay
}

void BooksFormTest::bookDialogFields() {
  TBookDetails In;
  In.Date = EncodeDate(2024, 5, 6) + 0.5;
  TNewEditBookForm F(true, In, 11, {});
  QCOMPARE(F.windowTitle(), QString("New Book"));
  QCOMPARE(F.Colour(), RGBColour(128, 0, 128));  // the eleventh book wraps round
  QVERIFY(!F.OKBtn->isEnabled());
  F.NameEdit->setText("   ");
  QVERIFY(!F.OKBtn->isEnabled());
  F.NameEdit->setText("  Petty cash ");
  QVERIFY(F.OKBtn->isEnabled());
  F.BalanceBox->setText("-12.5");
  TBookDetails Out = F.Details();
  QCOMPARE(Out.Name, std::string("Petty cash"));
  QCOMPARE(Out.Balance, Money(-12.5));
  QCOMPARE(Out.Date, EncodeDate(2024, 5, 6));
  TNewEditBookForm E(false, Details("Bank", 1, EncodeDate(2024, 1, 1), 0x00FF00), 3, {});
  QCOMPARE(E.windowTitle(), QString("Edit Book"));
  QCOMPARE(E.Colour(), TColor(0x00FF00));
}

void BooksFormTest::deletingTheLastBook() {
  TTestBook B;
  B.StandardAccounts();
  B.AddRaw(tkIncome, 1, EncodeDate(2024, 3, 1), Money(10), 0, 100, 1);
  TBooksForm F(*B.Host);
  F.Prepare(5);  // not a book: the first is selected
  QCOMPARE(F.SelectedRow(), 0);
  B.Prompts.Answers = {mbYes, mbYes};
  F.DeleteClick();
  QCOMPARE(B.L->Books.Count(), 0);
  QCOMPARE(B.L->Trans.Count(), 0);
  QCOMPARE(F.BookListView->topLevelItemCount(), 0);
  QVERIFY(!F.EditBtn->isEnabled() && !F.DeleteBtn->isEnabled() && !F.UpBtn->isEnabled() && !F.DownBtn->isEnabled());
  QVERIFY(F.Finish());
  B.Reopen();
  QCOMPARE(B.L->Books.Count(), 0);
  QCOMPARE(B.L->Trans.Count(), 0);
}

QTEST_MAIN(BooksFormTest)
#include "BooksFormTest.moc"
