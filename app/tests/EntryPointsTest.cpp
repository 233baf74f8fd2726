// Every connected entry point opens its real window from the main window on a real book file.
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "BookSession.h"
#include "BooksForm.h"
#include "Choice.h"
#include "Grid3.h"
#include "MainBars.h"
#include "MainForms.h"
#include "MainToolBar.h"
#include "MainWindow.h"
#include "MoneyFormat.h"
#include "ModalScript.h"
#include "NumberBox.h"
#include "ScriptedPrompts.h"
#include "TestBook.h"
#include "TestSupport.h"
#include "TransactForm.h"

namespace {
// Row of the current view whose first column reads text, -1 when none.
int RowWithText(TMain& w, int link, const QString& text) {
  for (int r = 0; r < w.ViewCount(w.CurrentView()); ++r) {
    QStringList t(12);
    TColor c = 0;
    int k = 0;
    bool e = true;
    w.RowTexts(r, t, c, k, e);
    if (t[link] == text) return r;
  }
  return -1;
}
}  // namespace

class EntryPointsTest : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;
  QString book_;
  TScriptedPrompts prompts_;

  std::unique_ptr<TMain> OpenBook() {
    const TOptionsEnvironment env = TestOptionsEnv();
    auto w = std::make_unique<TMain>(nullptr, &prompts_, &env);
    w->RestorePlacement = false;
    w->resize(1000, 600);
    w->show();
    if (!w->OpenBookFile(book_)) return nullptr;
    return w;
  }

  // Runs command while script drives the windows it opens; the script must have been used up.
  static void Run(TModalScript& script, const std::function<void()>& command) {
    command();
    QTRY_VERIFY_WITH_TIMEOUT(script.Done(), 5000);
    QVERIFY2(script.Unexpected.isEmpty(), qPrintable(script.Unexpected.join(QStringLiteral(" | "))));
  }

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    UseOwnSettings(dir_.path());
    book_ = dir_.filePath(QStringLiteral("Shop Book.qbk"));
  }
  void init() {
    QFile::remove(book_);
    QVERIFY(WriteTestBook(book_.toStdString()));
    prompts_.ClearShown();
    prompts_.Answers.clear();
  }

  // "&New Transaction": the kind choice, then the form; a transaction entered there shows in the
  // worksheet at once and is in the file after closing.
  void newTransactionThroughTheForm() {
    auto w = OpenBook();
    QVERIFY(w);
    const int rowsBefore = w->ViewCount(TMain::vTransactions);
    TModalScript script;
    script.Window("TChoice", [](QWidget* d) {
      static_cast<TChoice*>(d)->IncomeBtn()->click();
      QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
    });
    script.Window("TTransact", [](QWidget* d) {
      auto* f = static_cast<TTransact*>(d);
      QCOMPARE(f->Mode(), int(tmNew));
      QVERIFY(f->ChooseMain(100));
      QVERIFY(f->ChooseSub(2));
      QVERIFY(f->ChooseBook(0));
      f->DateEditBtn->setDate(QDate(2026, 3, 20));
      f->NbrBoxAmount->SetValue(CurrencyFromDouble(77.25));
      f->OKClick();
    });
    prompts_.DefaultAnswer = mbYes;  // "save the changes?" if the form asks
    Run(script, [&] { w->ToolBar()->Button(TMainToolBar::TransBtn)->click(); });
    prompts_.DefaultAnswer = mbCancel;
    QCOMPARE(w->ViewCount(TMain::vTransactions), rowsBefore + 1);
    const int row = RowWithText(*w, 0, QStringLiteral("12"));
    QVERIFY(row >= 0);
    QStringList t(12);
    TColor c = 0;
    int k = 0;
    bool e = true;
    w->RowTexts(row, t, c, k, e);
    QVERIFY2(t.join(QLatin1Char('|')).contains(QStringLiteral("77.25")), qPrintable(t.join(QLatin1Char('|'))));
    if (const QByteArray shots = qgetenv("QB_SCREENSHOTS"); !shots.isEmpty())
      w->grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/wire_main_after_new_transaction.png"));

    // Closed and opened again: the transaction was written through.
    w->ActionClose->trigger();
    QVERIFY(w->OpenBookFile(book_));
    QVERIFY(RowWithText(*w, 0, QStringLiteral("12")) >= 0);
  }

  // A double-click on an income row opens the form at that transaction; on an opening balance the
  // books form at its book; the book bar's "Books" button the books form without a book.
  void rowDoubleClicksOpenTheirForms() {
    auto w = OpenBook();
    QVERIFY(w);
    const int income = RowWithText(*w, 0, QStringLiteral("2"));
    const int openBal = RowWithText(*w, 0, QStringLiteral("0"));
    QVERIFY(income >= 0 && openBal >= 0);
    TModalScript script;
    int mode = -1;
    script.Window("TTransact", [&](QWidget* d) {
      mode = static_cast<TTransact*>(d)->Mode();
      static_cast<QDialog*>(d)->reject();
    });
    Run(script, [&] { w->OpenRow(income); });
    QCOMPARE(mode, int(tmEditViewRow));

    TModalScript books;
    books.Window("TBooksForm", [](QWidget* d) { static_cast<QDialog*>(d)->reject(); });
    Run(books, [&] { w->OpenRow(openBal); });

    TModalScript bar;
    bar.Window("TBooksForm", [](QWidget* d) { static_cast<QDialog*>(d)->reject(); });
    Run(bar, [&] { w->Bars().BooksClicked(); });
  }

  // A transaction deleted in the form above the first row shown: the worksheet loses the row and
  // moves up by one, so the rows shown before stay in view.
  void deletingInTheFormKeepsTheShownRows() {
    auto w = OpenBook();
    QVERIFY(w);
    w->resize(1000, 330);
    QApplication::processEvents();
    QVERIFY(w->Grid()->VisibleRows() < 10);
    w->Grid()->ScrollToTop();
    QVERIFY(w->Grid()->ScrollBy(3));
    const int top = w->Grid()->FirstRow();
    QCOMPARE(top, 3);
    const TTransRec* firstShown = w->Lists().Trans.ViewItems(w->ViewRow(top));
    const int rows = w->ViewCount(TMain::vTransactions);
    const int row2 = RowWithText(*w, 0, QStringLiteral("2"));
    QVERIFY(row2 >= 0 && row2 < top);
    MainForms(w.get()).Host().CtrlConfirm = [](QWidget*) { return true; };
    prompts_.Answers = {mbYes};
    TModalScript script;
    script.Window("TTransact", [](QWidget* d) {
      auto* f = static_cast<TTransact*>(d);
      f->DeleteClick();
      QMetaObject::invokeMethod(f, "reject", Qt::QueuedConnection);
    });
    Run(script, [&] { w->OpenRow(row2); });
    QCOMPARE(w->ViewCount(TMain::vTransactions), rows - 1);
    QCOMPARE(w->Grid()->RowCount(), rows - 1);
    QCOMPARE(RowWithText(*w, 0, QStringLiteral("2")), -1);
    QCOMPARE(w->Grid()->FirstRow(), top - 1);
    QCOMPARE(w->Lists().Trans.ViewItems(w->ViewRow(w->Grid()->FirstRow())), firstShown);
  }

  // The account, group and category editors and the account search open from their commands.
  void classificationEditorsOpen_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("className");
    QTest::newRow("accounts button") << 0 << QStringLiteral("TMainActForm");
    QTest::newRow("main account row") << 1 << QStringLiteral("TMainActForm");
    QTest::newRow("groups button") << 2 << QStringLiteral("TGroup");
    QTest::newRow("category row") << 3 << QStringLiteral("TCatForm");
    QTest::newRow("find an account") << 4 << QStringLiteral("TActSearchForm");
  }
  void classificationEditorsOpen() {
    QFETCH(int, which);
    QFETCH(QString, className);
    auto w = OpenBook();
    QVERIFY(w);
    QString seenClass;
    TModalScript script;
    script.Then([&](QWidget* d) {
      seenClass = QString::fromLatin1(typeid(*d).name());
      if (auto* dlg = qobject_cast<QDialog*>(d)) dlg->reject();
      return true;
    });
    Run(script, [&] {
      switch (which) {
        case 0: w->ToolBar()->Button(TMainToolBar::ActBtn)->click(); break;
        case 1: w->SelectView(TMain::vMainAccounts); w->OpenRow(0); break;
        case 2: w->ToolBar()->Button(TMainToolBar::GrpBtn)->click(); break;
        case 3: w->SelectView(TMain::vCategories); w->OpenRow(0); break;
        case 4: w->SelectView(TMain::vMainAccounts); w->AccountsPopup->actions().at(1)->trigger(); break;
      }
    });
    QVERIFY2(seenClass.contains(className), qPrintable(seenClass));
  }

  // A group added in the editor shows in the group worksheet when it closes.
  void groupAddedInTheEditorShows() {
    auto w = OpenBook();
    QVERIFY(w);
    w->Lists().Groups.ShowZero = true;  // the new group totals 0
    w->SelectView(TMain::vGroups);
    const int before = w->ViewCount(TMain::vGroups);
    TModalScript script;
    script.Window("QDialog", [](QWidget* d) {
      auto* newBtn = d->findChild<QPushButton*>();
      for (QPushButton* b : d->findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("&New")) newBtn = b;
      QMetaObject::invokeMethod(newBtn, "click", Qt::QueuedConnection);
    });
    script.Then([](QWidget* d) {  // the name box
      auto* edit = d->findChild<QLineEdit*>();
      if (!edit) return false;
      QPushButton* ok = nullptr;
      for (QPushButton* b : d->findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("&OK")) ok = b;
      // A name in use is refused through the book's prompts and the box stays open.
      edit->setText(QStringLiteral("Household"));
      ok->click();
      edit->setText(QStringLiteral("Garden Project"));
      QMetaObject::invokeMethod(ok, "click", Qt::QueuedConnection);
      return true;
    });
    script.Then([](QWidget* d) {  // back in the editor
      if (!d->findChild<QPushButton*>()) return false;
      static_cast<QDialog*>(d)->reject();
      return true;
    });
    Run(script, [&] { w->ToolBar()->Button(TMainToolBar::GrpBtn)->click(); });
    QVERIFY(prompts_.Saw("Group name 'Household' is already in use."));
    QCOMPARE(w->ViewCount(TMain::vGroups), before + 1);
    QVERIFY(RowWithText(*w, 1, QStringLiteral("Garden Project")) >= 0);
  }
};

QTEST_MAIN(EntryPointsTest)
#include "EntryPointsTest.moc"
