// Drives the real main window on a real book file written through the file manager.
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "AppSettings.h"
#include "BookSession.h"
#include "FileManager.h"
#include "Grid3.h"
#include "MainToolBar.h"
#include "AboutBox.h"
#include "HelpPages.h"
#include "MainWindow.h"
#include "QtPrompts.h"
#include "MoneyFormat.h"
#include "RecentFiles.h"
#include "ScriptedPrompts.h"
#include "TestBook.h"
#include "TestSupport.h"
#include "WelcomeScreen.h"

QString JoinCommandLine(const QStringList& arguments);

namespace {
QString M(double units) { return QString::fromStdString(FormatMoney(CurrencyFromDouble(units))); }
QString M(Currency c) { return QString::fromStdString(FormatMoney(c)); }

// The texts of one grid row as the grid asks for them.
QStringList Row(TMain& w, int row, int* kind = nullptr, bool* enabled = nullptr) {
  QStringList t(12);
  TColor colour = 0;
  int k = 0;
  bool e = true;
  w.RowTexts(row, t, colour, k, e);
  if (kind) *kind = k;
  if (enabled) *enabled = e;
  return t;
}

QString TotalOf(TMain& w, int view, int link) {
  const TColumns& c = w.GridInfo(view).ColInfo;
  for (int i = 0; i < c.Count(); ++i)
    if (c.Items(i).LinkIndex == link) return QString::fromStdString(c.Items(i).TotalText);
  return QStringLiteral("<no column>");
}

// Row of the transaction view showing transaction number no, -1 when none.
int RowOfTrans(TMain& w, int no) {
  for (int r = 0; r < w.ViewCount(0); ++r)
    if (Row(w, r)[0] == QString::number(no)) return r;
  return -1;
}
}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;
  QString book_;
  TScriptedPrompts prompts_;

  std::unique_ptr<TMain> OpenWindow() {
    const TOptionsEnvironment env = TestOptionsEnv();
    auto w = std::make_unique<TMain>(nullptr, &prompts_, &env);
    w->RestorePlacement = false;
    w->resize(1000, 600);
    w->show();
    return w;
  }

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    UseOwnSettings(dir_.path());
    book_ = dir_.filePath(QStringLiteral("Shop Book.qbk"));
    QVERIFY(WriteTestBook(book_.toStdString()));
    prompts_.DefaultAnswer = mbNo;
  }

  void init() {
    // Disabled transactions count nowhere and every balance shows, unless a test says otherwise.
    WriteAppInt(QStringLiteral("IncludeDisabledInCalc"), 0);
    WriteAppInt(QStringLiteral("BalanceEndDay"), 0);
    // Each test starts from the file as written.
    QFile::remove(book_);
    QVERIFY(WriteTestBook(book_.toStdString()));
    prompts_.ClearShown();
  }

  void withoutBookOnlyFileOpenAndHelpAct() {
    auto w = OpenWindow();
    QCOMPARE(w->windowTitle(), QStringLiteral("Quimbel Books"));
    using B = TMainToolBar;
    for (B::TButton b : {B::TransBtn, B::ActBtn, B::GrpBtn, B::ToolsBtn, B::GraphBtn, B::PrintBtn, B::OptionBtn})
      QVERIFY2(!w->ToolBar()->Button(b)->isEnabled(), qPrintable(w->ToolBar()->Button(b)->objectName()));
    QVERIFY(w->ToolBar()->Button(B::HelpBtn)->isEnabled());
    QVERIFY(!w->ActionClose->isEnabled());
    QVERIFY(!w->ActionSaveAs->isEnabled());
    QVERIFY(w->ActionNew->isEnabled());
    QVERIFY(w->ActionOpen->isEnabled());
    QVERIFY(w->ActionExit->isEnabled());
    QVERIFY(!w->TabControl()->isEnabled());
    QCOMPARE(w->ActionOpen->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    QCOMPARE(w->ActionExit->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
  }

  void openingShowsEveryViewWithItsTotals() {
    auto w = OpenWindow();
    QVERIFY(w->OpenBookFile(book_));
    QCOMPARE(w->windowTitle(), QStringLiteral("Quimbel Books - Shop Book"));
    TBookLists& L = w->Lists();
    QCOMPARE(L.Trans.Count(), TTestBookFigures::Transactions);

    // Transactions: every record visible, sorted by date, balances shown.
    QCOMPARE(w->CurrentView(), 0);
    QCOMPARE(w->Grid()->RowCount(), TTestBookFigures::Transactions);
    QCOMPARE(TotalOf(*w, 0, 0), QStringLiteral("12"));
    QCOMPARE(TotalOf(*w, 0, 9), M(L.Trans.IncomeTotal));
    QCOMPARE(TotalOf(*w, 0, 10), M(L.Trans.ExpenseTotal));
    QCOMPARE(TotalOf(*w, 0, 11), M(L.Trans.IncomeTotal - L.Trans.ExpenseTotal));
    int kind = -1;
    bool enabled = false;
    QStringList first = Row(*w, 0, &kind, &enabled);
    QCOMPARE(first[4], QStringLiteral("Opening Balance"));
    QCOMPARE(kind, 1);
    const int last = w->ViewCount(0) - 1;
    QStringList end = Row(*w, last);
    QCOMPARE(end[0], QStringLiteral("9"));
    // 1500 + 200 opening, + 2455.75 income, - 1342.80 counted expense (89.99 is disabled).
    QCOMPARE(end[11], M(2812.95));
    const int disabledRow = RowOfTrans(*w, 6);
    Row(*w, disabledRow, &kind, &enabled);
    QVERIFY(!enabled);
    QCOMPARE(Row(*w, RowOfTrans(*w, 10), &kind)[4], QStringLiteral("Transfer To"));
    QCOMPARE(kind, 2);
    QCOMPARE(Row(*w, w->ViewCount(0))[0], QStringLiteral("-1"));  // beyond the rows

    // Main accounts: the zero account is hidden by default.
    w->SelectView(1);
    QCOMPARE(w->Grid()->RowCount(), 3);
    QCOMPARE(L.MainActs.VisibleCount, 3);
    QCOMPARE(TotalOf(*w, 1, 2), M(2455.75));
    QCOMPARE(TotalOf(*w, 1, 3), M(1342.80));
    QStringList sales = Row(*w, 0);
    QCOMPARE(sales[1], QStringLiteral("Sales"));
    QCOMPARE(sales[2], M(2455.75));
    QCOMPARE(sales[4], QStringLiteral("100.00%"));
    QCOMPARE(Row(*w, 1)[4], QStringLiteral("96.81%"));  // rent 1300 of 1342.80

    w->SelectView(2);
    QCOMPARE(w->Grid()->RowCount(), L.SubActs.VisibleCount);
    QCOMPARE(L.SubActs.VisibleCount, 4);  // printer ink (only a disabled expense) and casual staff total 0
    QCOMPARE(TotalOf(*w, 2, 3), M(L.SubActs.IncomeTotal));
    QCOMPARE(Row(*w, 0)[0], QStringLiteral("Sales"));
    QCOMPARE(Row(*w, 0)[1], QStringLiteral("100-1"));

    w->SelectView(3);
    QCOMPARE(w->Grid()->RowCount(), 2);
    QCOMPARE(Row(*w, 0)[0], QStringLiteral("G0"));
    QCOMPARE(TotalOf(*w, 3, 2), M(2455.75));
    QCOMPARE(TotalOf(*w, 3, 4), M(2455.75 - 1342.80));

    w->SelectView(4);
    QCOMPARE(w->Grid()->RowCount(), L.Cats.VisibleCount);
    QVERIFY(L.Cats.VisibleCount > 0);
    QCOMPARE(TotalOf(*w, 4, 1), M(2455.75));
    QCOMPARE(TotalOf(*w, 4, 2), M(1342.80));

    // Command states with a book of two cash books and normal transactions.
    using B = TMainToolBar;
    for (B::TButton b : {B::TransBtn, B::ActBtn, B::GrpBtn, B::ToolsBtn, B::GraphBtn, B::PrintBtn, B::OptionBtn})
      QVERIFY2(w->ToolBar()->Button(b)->isEnabled(), qPrintable(w->ToolBar()->Button(b)->objectName()));
    QVERIFY(w->ActionTransfers->isEnabled());
    QVERIFY(w->ActionClose->isEnabled());
    QVERIFY(w->TabControl()->isEnabled());
  }

  void tabChangeGivesTheGridItsColumnSet() {
    auto w = OpenWindow();
    QVERIFY(w->OpenBookFile(book_));
    for (int v : {3, 1, 4, 0, 2}) {
      w->TabControl()->setCurrentIndex(v);
      QCOMPARE(w->Grid()->GridInfo(), &w->GridInfo(v));
      QCOMPARE(w->Grid()->RowCount(), w->ViewCount(v));
    }
    // Each worksheet keeps its own scroll position.
    w->resize(1000, 220);
    w->TabControl()->setCurrentIndex(0);
    QApplication::processEvents();
    QVERIFY(w->Grid()->ScrollBy(3));
    w->TabControl()->setCurrentIndex(2);
    QCOMPARE(w->Grid()->FirstRow(), 0);
    w->TabControl()->setCurrentIndex(0);
    QCOMPARE(w->Grid()->FirstRow(), 3);
  }

  void sortingAndReversingTheViews() {
    auto w = OpenWindow();
    QVERIFY(w->OpenBookFile(book_));
    // Descending date: rows reversed without re-sorting, and no balances.
    w->GridInfo(0).SortDirection = sdDescending;
    w->RefreshView();
    QCOMPARE(Row(*w, 0)[0], QStringLiteral("9"));
    QCOMPARE(Row(*w, 0)[11], QString());
    w->GridInfo(0).SortDirection = sdAscending;
    QCOMPARE(Row(*w, w->ViewCount(0) - 1)[11], M(2812.95));
    // Another sort column leaves the balance empty too.
    w->GridInfo(0).SortIndex = 2;  // reference
    w->SortCurrentView();
    for (int r = 0; r < w->ViewCount(0); ++r) QCOMPARE(Row(*w, r)[11], QString());

    // Main accounts by name, then reversed.
    w->SelectView(1);
    w->GridInfo(1).SortIndex = 1;
    w->SortCurrentView();
    QCOMPARE(Row(*w, 0)[1], QStringLiteral("Office Supplies"));
    QCOMPARE(Row(*w, 2)[1], QStringLiteral("Sales"));
    w->GridInfo(1).SortDirection = sdDescending;
    w->Grid()->OnColBtnClick(-1);
    QCOMPARE(Row(*w, 0)[1], QStringLiteral("Sales"));
    QCOMPARE(Row(*w, 2)[1], QStringLiteral("Office Supplies"));
  }

  void balanceEndDayShowsOnlyTheLastOfEachDay() {
    auto w = OpenWindow();
    QVERIFY(w->OpenBookFile(book_));
    BalanceEndDay = true;
    // Transactions 3 and 4 share a day; 3 comes first and shows no balance.
    const QStringList three = Row(*w, RowOfTrans(*w, 3));
    const QStringList four = Row(*w, RowOfTrans(*w, 4));
    BalanceEndDay = false;
    QCOMPARE(three[11], QString());
    QVERIFY(!four[11].isEmpty());
  }

  void zeroSwitchShowsAndHidesZeroAccounts() {
    auto w = OpenWindow();
    QVERIFY(w->OpenBookFile(book_));
    w->SelectView(1);
    QMenu* popup = w->PreparePopup(-1);
    QCOMPARE(popup, w->AccountsPopup);
    QCOMPARE(popup->actions()[0]->text(), QStringLiteral("&New/Edit Accounts"));
    QCOMPARE(popup->actions()[2]->text(), QStringLiteral("&Show Main Accounts that total $0.00"));
    popup->actions()[2]->trigger();
    QCOMPARE(w->Grid()->RowCount(), 4);
    QCOMPARE(w->Grid()->FirstRow(), 0);
    QCOMPARE(w->PreparePopup(0)->actions()[2]->text(), QStringLiteral("&Hide Main Accounts that total $0.00"));
    QCOMPARE(w->AccountsPopup->actions()[0]->text(), QStringLiteral("&New/Edit Account"));
    w->AccountsPopup->actions()[2]->trigger();
    QCOMPARE(w->Grid()->RowCount(), 3);

    w->SelectView(2);
    QCOMPARE(w->PreparePopup(-1)->actions()[2]->text(), QStringLiteral("&Show Sub Accounts that total $0.00"));
    w->AccountsPopup->actions()[2]->trigger();
    QCOMPARE(w->Grid()->RowCount(), 6);

    w->SelectView(3);
    QCOMPARE(w->PreparePopup(-1), w->GroupCatPopup);
    QCOMPARE(w->GroupCatPopup->actions()[0]->text(), QStringLiteral("&New/Edit Groups"));
    QCOMPARE(w->GroupCatPopup->actions()[1]->text(), QStringLiteral("&Show Groups that total &0.00"));
    w->SelectView(4);
    w->PreparePopup(1);
    QCOMPARE(w->GroupCatPopup->actions()[0]->text(), QStringLiteral("&New/Edit Category"));
    const int before = w->Grid()->RowCount();
    w->GroupCatPopup->actions()[1]->trigger();
    QCOMPARE(w->Grid()->RowCount(), w->Lists().Cats.Count());
    QVERIFY(w->Grid()->RowCount() > before);
    QCOMPARE(w->PreparePopup(-1)->actions()[1]->text(), QStringLiteral("&Hide Categories that total $0.00"));
  }

  void transactionPopupCaptionsFollowTheRow() {
    auto w = OpenWindow();
    QVERIFY(w->OpenBookFile(book_));
    struct Case {
      int trans;
      const char* edit;
      bool toggleShown;
      const char* toggle;
    };
    const Case cases[] = {{0, "&Edit Book", false, nullptr},
                          {2, "&Edit Transaction", true, "&Disable Transaction"},
                          {6, "&Edit Transaction", true, "&Reconcile Transaction"},
                          {10, "&Edit Transfer", false, nullptr}};
    for (const Case& c : cases) {
      QMenu* m = w->PreparePopup(RowOfTrans(*w, c.trans));
      QCOMPARE(m, w->TransPopup);
      QCOMPARE(m->actions()[0]->text(), QString::fromLatin1(c.edit));
      QCOMPARE(m->actions()[1]->isVisible(), c.toggleShown);
      if (c.toggle) QCOMPARE(m->actions()[1]->text(), QString::fromLatin1(c.toggle));
      QVERIFY(!m->actions().last()->isEnabled());  // no selection in force
    }
    QMenu* none = w->PreparePopup(-1);
    QVERIFY(!none->actions()[0]->isEnabled());
    QVERIFY(!none->actions()[1]->isEnabled());
  }

  void reconcilingFromThePopupUpdatesTotalsAndTheFile() {
    {
      auto w = OpenWindow();
      QVERIFY(w->OpenBookFile(book_));
      const int row = RowOfTrans(*w, 6);
      QMenu* m = w->PreparePopup(row);
      QCOMPARE(m->actions()[1]->text(), QStringLiteral("&Reconcile Transaction"));
      m->actions()[1]->trigger();
      bool enabled = false;
      Row(*w, row, nullptr, &enabled);
      QVERIFY(enabled);
      QCOMPARE(Row(*w, w->ViewCount(0) - 1)[11], M(2812.95 - 89.99));
      w->SelectView(1);
      QCOMPARE(TotalOf(*w, 1, 3), M(1342.80 + 89.99));
      w->SelectView(3);
      QCOMPARE(TotalOf(*w, 3, 3), M(1342.80 + 89.99));
      w->SelectView(4);
      QCOMPARE(TotalOf(*w, 4, 2), M(1342.80 + 89.99));
      QVERIFY(w->Session().Changed());

      // Disabling it again from the same row takes it back out.
      w->SelectView(0);
      m = w->PreparePopup(row);
      QCOMPARE(m->actions()[1]->text(), QStringLiteral("&Disable Transaction"));
      m->actions()[1]->trigger();
      w->SelectView(1);
      QCOMPARE(TotalOf(*w, 1, 3), M(1342.80));
      w->SelectView(0);
      w->PreparePopup(row)->actions()[1]->trigger();  // and enabled once more
    }
    // The window closed the book; the change reached the file.
    TBookLists L;
    TScriptedPrompts p;
    TFileManager fm(L, p);
    QVERIFY(fm.Open(book_.toStdString(), true));
    bool found = false;
    for (int i = 0; i < L.Trans.Count(); ++i)
      if (L.Trans.Items(i).TransNo == 6) {
        found = true;
        QVERIFY(L.Trans.Items(i).Enabled);
      }
    QVERIFY(found);
    fm.Close(true, false);
  }

  void withDisabledIncludedReconcilingChangesNoTotal() {
    WriteAppInt(QStringLiteral("IncludeDisabledInCalc"), 1);
    auto w = OpenWindow();
    QVERIFY(IncludeDisabledInCalc);
    QVERIFY(w->OpenBookFile(book_));
    w->SelectView(1);
    const QString before = TotalOf(*w, 1, 3);
    QCOMPARE(before, M(1342.80 + 89.99));
    w->SelectView(0);
    const int row = RowOfTrans(*w, 6);
    w->PreparePopup(row)->actions()[1]->trigger();
    bool enabled = false;
    Row(*w, row, nullptr, &enabled);
    QVERIFY(enabled);
    w->SelectView(1);
    QCOMPARE(TotalOf(*w, 1, 3), before);
  }

  void protectedWorksheetOpensLockedAndUnlocksWithThePassword() {
    {
      TBookLists L;
      TScriptedPrompts p;
      p.DefaultAnswer = mbNo;
      TFileManager fm(L, p);
      QVERIFY(fm.Open(book_.toStdString(), true));
      fm.Settings.Password = "open";
      fm.Settings.ProtectWorksheet = true;
      QVERIFY(fm.WriteSettings());
      QVERIFY(fm.Close(true, false));
    }
    auto w = OpenWindow();
    QVERIFY(w->OpenBookFile(book_));
    QVERIFY(w->Grid()->Locked());
    prompts_.PasswordAnswers = {false};
    QVERIFY(!w->Grid()->RequestUnlock());
    QVERIFY(w->Grid()->Locked());
    prompts_.PasswordAnswers = {true};
    QVERIFY(w->Grid()->RequestUnlock());
    QVERIFY(!w->Grid()->Locked());
  }

  void editingGateRefusedLeavesTheTransaction() {
    auto w = OpenWindow();
    QVERIFY(w->OpenBookFile(book_));
    // Protect editing with a password and refuse it.
    w->Session().FileManager().Settings.Password = "secret";
    w->Session().FileManager().Settings.ProtectEditing = true;
    prompts_.PasswordAnswers = {false};
    const int row = RowOfTrans(*w, 6);
    w->PreparePopup(row)->actions()[1]->trigger();
    bool enabled = true;
    Row(*w, row, nullptr, &enabled);
    QVERIFY(!enabled);
    QCOMPARE(prompts_.Shown.back().What, std::string("password"));
    w->Session().FileManager().Settings = TFileSettings();
  }

  void reportCommandsFollowVisibleIncomeAndExpense() {
    // A blank file: one book and its opening balance only.
    const QString blank = dir_.filePath(QStringLiteral("Blank.qbk"));
    {
      TBookLists L;
      TScriptedPrompts p;
      p.DefaultAnswer = mbNo;
      TFileManager fm(L, p);
      fm.InstallWriteThrough();
      QVERIFY(fm.NewFile(blank.toStdString()));
    }
    auto w = OpenWindow();
    QVERIFY(w->OpenBookFile(blank));
    using B = TMainToolBar;
    QVERIFY(w->ToolBar()->Button(B::TransBtn)->isEnabled());
    QVERIFY(!w->ToolBar()->Button(B::GraphBtn)->isEnabled());
    QVERIFY(!w->ToolBar()->Button(B::PrintBtn)->isEnabled());
    QVERIFY(!w->ActionTransfers->isEnabled());  // one cash book
    QCOMPARE(w->windowTitle(), QStringLiteral("Quimbel Books - Blank"));

    // New Transaction without main accounts warns and opens nothing.
    TMessageCatcher catcher;
    w->ToolBar()->Button(B::TransBtn)->click();
    QTRY_COMPARE(catcher.Texts.size(), 1);
    QCOMPARE(catcher.Texts[0], QStringLiteral("You must create at least one Main Account before you can enter any "
                                              "Transactions.  Click the 'Accounts' button to create a new Main Account"));

    // Opening the book with transactions enables them; the old book goes to the recent files.
    QVERIFY(w->OpenBookFile(book_));
    QVERIFY(w->ToolBar()->Button(B::GraphBtn)->isEnabled());
    QVERIFY(w->ToolBar()->Button(B::PrintBtn)->isEnabled());
    QCOMPARE(w->Recent->Paths().value(0), blank);
  }

  void chartSequenceHidesTheChartOnShow() {
    auto w = OpenWindow();
    QVERIFY(w->OpenBookFile(book_));
    TMessageCatcher catcher;
    // The chart windows are not there yet: the sequence tells so and restores the pop-up.
    w->ChartItems[1]->trigger();
    QTRY_COMPARE(catcher.Texts.size(), 1);
    QVERIFY(catcher.Texts[0].contains(QStringLiteral("not available yet")));
    for (QAction* a : w->ChartsPopup->actions()) QVERIFY(a->isVisible());

    // An empty selection: the cash flow chart refuses with its message.
    w->Lists().Trans.VisibleCount = 0;
    w->ChartItems[0]->trigger();
    QTRY_COMPARE(catcher.Texts.size(), 2);
    QCOMPARE(catcher.Texts[1], QStringLiteral("No Transactions selected to chart"));
  }

  void chartWindowsReplaceEachOtherThroughJumpTo() {
    auto w = OpenWindow();
    QVERIFY(w->OpenBookFile(book_));
    QList<int> codes;
    QList<QStringList> shown;
    w->ChartWindow = [&](int code) {
      codes << code;
      QStringList visible;
      for (QAction* a : w->ChartsPopup->actions())
        if (a->isVisible() && !a->isSeparator()) visible << a->text();
      shown << visible;
      return code == 10 ? 11 : 0;  // from the cash flow chart jump to the account totals chart
    };
    w->ChartItems[0]->trigger();
    QCOMPARE(codes, (QList<int>{10, 11}));
    QCOMPARE(shown[0], (QStringList{QStringLiteral("&Account Totals Chart"), QStringLiteral("&Book Totals Chart"),
                                   QStringLiteral("&Group Totals Chart"), QStringLiteral("&Quick Summary Chart")}));
    QCOMPARE(shown[1], (QStringList{QStringLiteral("&Cash Flow Chart"), QStringLiteral("&Book Totals Chart"),
                                   QStringLiteral("&Group Totals Chart"), QStringLiteral("&Quick Summary Chart")}));
    for (QAction* a : w->ChartsPopup->actions()) QVERIFY(a->isVisible());
  }

  void closeAndReopenFromRecentFiles() {
    auto w = OpenWindow();
    QVERIFY(w->OpenBookFile(book_));
    w->ActionClose->trigger();
    QCOMPARE(w->windowTitle(), QStringLiteral("Quimbel Books"));
    QVERIFY(!w->Session().FileOpen());
    QVERIFY(!w->ToolBar()->Button(TMainToolBar::TransBtn)->isEnabled());
    QCOMPARE(w->Recent->Paths().value(0), book_);
    // The recent entry opens the book again and leaves the list.
    QAction* entry = nullptr;
    for (QAction* a : w->FileMenu->actions())
      if (a->data().toString() == book_) entry = a;
    QVERIFY(entry);
    QVERIFY(entry->text().startsWith(QStringLiteral("&1  ")));
    entry->trigger();
    QVERIFY(w->Session().FileOpen());
    QVERIFY(!w->Recent->Paths().contains(book_));

    // Opening the open file again is refused by the file manager's check.
    prompts_.ClearShown();
    QVERIFY(!w->OpenBookFile(book_));
    QVERIFY(prompts_.Saw("File already open"));
  }

  void invalidFileIsReported() {
    const QString junk = dir_.filePath(QStringLiteral("junk.qbk"));
    QFile f(junk);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a book file at all");
    f.close();
    auto w = OpenWindow();
    TMessageCatcher catcher;
    QVERIFY(!w->OpenBookFile(junk));
    QTRY_COMPARE(catcher.Texts.size(), 1);
    QCOMPARE(catcher.Texts[0], QStringLiteral("Unable to open file: Not a vaild Quimbel Books file"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Quimbel Books"));
  }

  void welcomeScreenOpensTheLastFileAndStoresItsCheckBox() {
    WriteAppInt(QStringLiteral("ShowWelcome"), 1);
    WriteRecentFiles({book_});
    auto w = OpenWindow();
    bool sawLast = false;
    QString label;
    QTimer::singleShot(50, [&] {
      auto* ws = qobject_cast<TWelcomeScreen*>(QApplication::activeModalWidget());
      QVERIFY(ws);
      QCOMPARE(ws, w->WelcomeScreen());
      sawLast = ws->OpenLastBtn->isVisible();
      ws->CheckBox1->setChecked(false);
      ws->OpenLastBtn->click();
    });
    w->WelcomeScreenMessage();
    QVERIFY(sawLast);
    QVERIFY(w->Session().FileOpen());
    QCOMPARE(w->windowTitle(), QStringLiteral("Quimbel Books - Shop Book"));
    QCOMPARE(ReadAppInt(QStringLiteral("ShowWelcome")).value_or(-1), 0);
    QVERIFY(!w->Recent->Paths().contains(book_));
    // With the option off nothing is shown.
    w->ActionClose->trigger();
    w->WelcomeScreenMessage();
    QVERIFY(!w->Session().FileOpen());
  }

  void handOverEndsTheWelcomeScreenAndOpensTheFile() {
    WriteAppInt(QStringLiteral("ShowWelcome"), 1);
    auto w = OpenWindow();
    QTimer::singleShot(50, [&] {
      QVERIFY(w->WelcomeScreen() && w->WelcomeScreen()->isVisible());
      w->HandOver(book_);
    });
    w->WelcomeScreenMessage();  // returns once the hand-over ended the welcome screen
    QVERIFY(!w->WelcomeScreen());
    QVERIFY(w->Session().FileOpen());
    QCOMPARE(w->Session().FileName(), book_);
    WriteAppInt(QStringLiteral("ShowWelcome"), 0);
  }

  void qtPromptsAnswerWithThePressedButton() {
    TQtPrompts prompts;
    struct Case {
      QMessageBox::StandardButton press;
      TMsgButtons offered;
      TMsgButton expected;
    };
    const Case cases[] = {{QMessageBox::Retry, mbRetry | mbCancel, mbRetry},
                          {QMessageBox::Cancel, mbRetry | mbCancel, mbCancel},
                          {QMessageBox::Abort, mbAbort | mbIgnore, mbAbort},
                          {QMessageBox::Ignore, mbAbort | mbIgnore, mbIgnore},
                          {QMessageBox::No, mbYes | mbNo | mbCancel, mbNo},
                          {QMessageBox::Ok, mbOK | mbHelp, mbOK}};
    for (const Case& c : cases) {
      TMessageCatcher catcher(c.press);
      QCOMPARE(prompts.Ask(TMsgKind::Warning, "first line\rsecond line", c.offered), c.expected);
      QCOMPARE(catcher.Texts.value(0), QStringLiteral("first line\nsecond line"));
    }
  }

  void aboutBoxAndHelpPages() {
    TAboutBox about;
    auto* version = about.findChild<QLabel*>(QStringLiteral("VersionLabel"));
    QVERIFY(version);
    QCOMPARE(version->text(), QStringLiteral("Version ") + QStringLiteral(QB_VERSION));
    QVERIFY(QFileInfo::exists(HelpPage(26000)));
  }

  void commandLineIsJoinedIntoOneName() {
    QCOMPARE(JoinCommandLine({}), QString());
    QCOMPARE(JoinCommandLine({QStringLiteral("/tmp/a.qbk")}), QStringLiteral("/tmp/a.qbk"));
    QCOMPARE(JoinCommandLine({QStringLiteral("/tmp/My"), QStringLiteral("Shop"), QStringLiteral("Book.qbk")}),
             QStringLiteral("/tmp/My Shop Book.qbk"));
  }

  void colourModeFollowsTheDisplayDepth() {
    QCOMPARE(ColourModeOfDepth(32), cmHighColour);
    QCOMPARE(ColourModeOfDepth(16), cmHighColour);
    QCOMPARE(ColourModeOfDepth(8), cmPalette256);
    QCOMPARE(ColourModeOfDepth(4), cm16Colour);
  }

  void progressBarShowsAndHides() {
    auto w = OpenWindow();
    w->ShowProgress(40);
    QVERIFY(w->ProgressBar()->isVisible());
    QCOMPARE(w->ProgressBar()->value(), 40);
    w->ShowProgress(100);
    QVERIFY(!w->ProgressBar()->isVisible());
  }

  void toolBarLayoutFollowsScreenWidth() {
    TMainToolBar bar;
    bar.ApplyLayout(1024, true);
    QCOMPARE(bar.Button(TMainToolBar::ActBtn)->geometry(), QRect(161, 2, 94, 32));
    QCOMPARE(bar.TabsTop(), 70);
    bar.ApplyLayout(640, false);
    QCOMPARE(bar.Button(TMainToolBar::ActBtn)->geometry(), QRect(122, 2, 76, 40));
    QCOMPARE(bar.Button(TMainToolBar::ActBtn)->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QCOMPARE(bar.TabsTop(), 78);
  }

  void wheelScrollsTheWorksheet() {
    auto w = OpenWindow();
    QVERIFY(w->OpenBookFile(book_));
    w->resize(1000, 200);  // fewer rows on screen than the book has
    QApplication::processEvents();
    const int before = w->Grid()->FirstRow();
    QWheelEvent down(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -240), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(w.get(), &down);
    QCOMPARE(w->Grid()->FirstRow(), before + 2);
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
