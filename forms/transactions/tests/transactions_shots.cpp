// Grabs the transaction form (income, expense, split, locked) and the books form to PNG files
// for a look: formstransactions_shots <folder>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTabBar>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "BooksForm.h"
#include "FormColours.h"
#include "NumberBox.h"
#include "TestBook.h"
#include "TransactForm.h"

static void Save(QWidget& W, const QString& Folder, const QString& Name) {
  W.show();
  QApplication::processEvents();
  W.grab().save(QDir(Folder).filePath(Name));
  W.hide();
}

int main(int argc, char** argv) {
  QApplication App(argc, argv);
  QString Folder = argc > 1 ? argv[1] : ".";
  InitMoneyFormat(TRegionalSettings{});
  TTestBook B;
  B.StandardAccounts();
  B.L->Groups.NewGroup("Market days");
  auto* Tin = new TBookRec;
  Tin->BookNo = 1;
  Tin->Name = "Cash Tin";
  Tin->Colour = static_cast<std::int32_t>(DefaultBookColour(1));
  B.L->Books.Add(Tin);
  TTransRec& OB = B.AddRaw(tkOpenBal, 50, EncodeDate(2024, 1, 1), Money(-75.5), 1);
  Tin->OpenBal = &OB;
  Tin->OpenBalNo = 50;
  B.L->Books.Items(0).Colour = static_cast<std::int32_t>(RGBColour(0, 0, 160));
  B.L->Books.Items(0).OpenBal->Amount = Money(1250);
  B.L->Books.Items(0).Name = "Business Account";
  B.AddRaw(tkIncome, 1, EncodeDate(2024, 3, 4), Money(1234.5), 0, 100, 1, 1).Reference = "INV-0042";
  B.AddRaw(tkExpense, 2, EncodeDate(2024, 3, 5), Money(950), 0, 200, 1).Details = "March rent";
  B.AddRaw(tkExpense, 3, EncodeDate(2024, 3, 6), Money(120), 0, 200, 1, 0, 'A');
  B.AddRaw(tkExpense, 3, EncodeDate(2024, 3, 6), Money(80.25), 1, 300, 1, 1, 'B');
  B.AddRaw(tkExpense, 3, EncodeDate(2024, 3, 6), Money(45), 0, 300, 1, 0, 'C');
  RecalcAll(*B.L);

  auto Index = [&](int No, char Letter) {
    for (int I = 0; I < B.L->Trans.Count(); ++I)
      if (B.L->Trans.Items(I).TransNo == No && B.L->Trans.Items(I).SplitLetter == Letter) return I;
    return -1;
  };
  {
    TTransact F(*B.Host);
    F.Begin(tmEditMaster, Index(1, '0'));
    Save(F, Folder, "transaction_income.png");
  }
  {
    TTransact F(*B.Host);
    F.Begin(tmEditMaster, Index(2, '0'));
    F.EditClick();
    Save(F, Folder, "transaction_expense_unlocked.png");
  }
  {
    TTransact F(*B.Host);
    F.Begin(tmEditMaster, Index(3, 'B'));
    F.EditClick();
    F.show();
    F.activateWindow();
    F.BookCombo->setFocus();
    Save(F, Folder, "transaction_split.png");
  }
  {
    B.Kinds = {0};
    TTransact F(*B.Host);
    F.Begin(tmNew, -1);
    F.ChooseMain(100);
    Save(F, Folder, "transaction_new_income.png");
  }
  {
    TBooksForm F(*B.Host);
    F.Prepare(1);
    Save(F, Folder, "books_form.png");
  }
  return 0;
}
