// The date range, selection buttons and book bar inside the real main window, on a real book file.
#include <QDateEdit>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QSignalSpy>
#include <QtTest>

#include "BookBar.h"
#include "DateRangePanel.h"
#include "EntryPoints.h"
#include "Grid3.h"
#include "MainBars.h"
#include "MainWindow.h"
#include "ModalScript.h"
#include "MonthSelector.h"
#include "MoneyFormat.h"
#include "ScriptedPrompts.h"
#include "SelectionButton.h"
#include "SelectionPanels.h"
#include "TestBook.h"
#include "TestSupport.h"
#include "ToggleSwitch.h"

namespace {
const TDateTime D0 = EncodeDate(2026, 3, 1);  // the test book's first day; its last is D0 + 10

// What a user sees of the data: the rows and the totals the views are built from.
struct TFigures {
  int rows = 0;
  int gridRows = 0;
  TDateTime from = 0, to = 0;
  Currency income = 0, expense = 0, groupExpense = 0;
  bool operator==(const TFigures&) const = default;
};

TFigures Figures(TMain& w) {
  TBookLists& L = w.Lists();
  return {L.Trans.VisibleCount, w.Grid()->RowCount(), L.Trans.DateFrom, L.Trans.DateTo,
          L.MainActs.IncomeTotal, L.MainActs.ExpenseTotal, L.Groups.ExpenseTotal};
}

int RowsOfBook(TMain& w, int bookNo) {
  int n = 0;
  for (const TTransRec* t : w.Lists().Trans.MasterList()) n += t->BookNo == bookNo;
  return n;
}

TSelectionPanels& Panels(TMain& w) { return *w.Bars().Panels(); }
TDateRangePanel& DatePanel(TMain& w) { return *w.Bars().Panels()->DateRange; }

void ClickBook(TMain& w, int index, bool ctrl = false) {
  TQBBookBar* bar = w.Bars().BookBar();
  QTest::mouseClick(bar, Qt::LeftButton, ctrl ? Qt::ControlModifier : Qt::NoModifier, bar->ButtonRect(index).center());
}
}  // namespace

class MainBarsTest : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;
  QString book_;
  TScriptedPrompts prompts_;

  std::unique_ptr<TMain> OpenBook() {
    auto w = std::make_unique<TMain>(nullptr, &prompts_);
    w->RestorePlacement = false;
    w->resize(1000, 600);
    w->show();
    if (!w->OpenBookFile(book_)) return nullptr;
    return w;
  }

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    UseOwnSettings(dir_.path());
    book_ = dir_.filePath(QStringLiteral("Bars Book.qbk"));
    QVERIFY(WriteTestBook(book_.toStdString()));
    prompts_.DefaultAnswer = mbNo;
  }

  void controlsFollowTheBook() {
    auto w = std::make_unique<TMain>(nullptr, &prompts_);
    w->RestorePlacement = false;
    w->show();
    // No book: nothing to narrow.
    QVERIFY(!DatePanel(*w).DateRangeBtn->isEnabled());
    QVERIFY(!Panels(*w).FindSelBtn->isEnabled());
    QVERIFY(!Panels(*w).ResetSelBtn->isEnabled());
    QVERIFY(!w->Bars().BookBar()->isEnabled());
    QVERIFY(w->OpenBookFile(book_));
    QVERIFY(DatePanel(*w).DateRangeBtn->isEnabled());
    QVERIFY(DatePanel(*w).DatePeriodBtn->isEnabled());
    QVERIFY(Panels(*w).ActSelBtn->isEnabled());
    QVERIFY(!Panels(*w).ResetSelBtn->isEnabled());
    QVERIFY(w->Bars().BookBar()->isEnabled());
    QCOMPARE(w->Bars().BookBar()->Model().Count(), 2);
    QCOMPARE(w->Bars().BookBar()->Model().Buttons[1].Name, std::string("Cash Tin"));
    // Closing empties the bar.
    w->CloseCommand();
    QCOMPARE(w->Bars().BookBar()->Model().Count(), 0);
    QVERIFY(!DatePanel(*w).DateRangeBtn->isEnabled());
  }

  void dateSwitchDownAndUpWithoutADateChangesNothing() {
    auto w = OpenBook();
    QVERIFY(w);
    TDateRangePanel& d = DatePanel(*w);
    const TFigures before = Figures(*w);
    QCOMPARE(before.rows, TTestBookFigures::Transactions);
    QVERIFY(d.LoDateAllLabel->isVisible() && d.HiDateAllLabel->isVisible());
    QVERIFY(!d.LoDateBtn->isEnabled());

    QTest::mouseClick(d.DateRangeBtn, Qt::LeftButton);
    QVERIFY(d.SwitchDown());
    QVERIFY(d.LoDateBtn->isEnabled() && d.DateFromLabel->isEnabled());
    QVERIFY(!d.LoDateAllLabel->isVisible() && !d.HiDateAllLabel->isVisible());
    QCOMPARE(d.LoDateBtn->date(), QDate(2026, 3, 1));
    QCOMPARE(d.HiDateBtn->date(), QDate(2026, 3, 11));
    QVERIFY(!DateRangeActive);
    QVERIFY(!d.ActiveLook());
    QVERIFY(Figures(*w) == before);

    QTest::mouseClick(d.DateRangeBtn, Qt::LeftButton);
    QVERIFY(!d.SwitchDown());
    QVERIFY(d.LoDateAllLabel->isVisible() && d.HiDateAllLabel->isVisible());
    QVERIFY(!d.LoDateBtn->isEnabled());
    QVERIFY(!DateRangeActive);
    QVERIFY(!Panels(*w).ResetSelBtn->isEnabled());
    QVERIFY(Figures(*w) == before);
  }

  void chosenRangeNarrowsRowsAndTotalsAndClearingRestoresTheLimits() {
    auto w = OpenBook();
    QVERIFY(w);
    TDateRangePanel& d = DatePanel(*w);
    const TFigures all = Figures(*w);
    QTest::mouseClick(d.DateRangeBtn, Qt::LeftButton);

    // From the sixth day: disabled expense 6, the transfer halves, 7, 8 and 9.
    d.LoDateBtn->setDate(QDate(2026, 3, 6));
    QVERIFY(DateRangeActive);
    QVERIFY(d.ActiveLook());
    QVERIFY(Panels(*w).ResetSelBtn->isEnabled());
    TFigures narrowed = Figures(*w);
    QCOMPARE(narrowed.from, D0 + 5);
    QCOMPARE(narrowed.rows, 6);
    QCOMPARE(narrowed.gridRows, w->ViewCount(0));
    QCOMPARE(narrowed.income, CurrencyFromDouble(1325));
    // Expense 6 is disabled: it counts only when the options say so.
    QCOMPARE(narrowed.expense, CurrencyFromDouble(IncludeDisabledInCalc ? 739.99 : 650));
    // The grid's totals row shows the narrowed figures.
    w->SelectView(TMain::vMainAccounts);
    QCOMPARE(w->ViewCount(TMain::vMainAccounts), w->Lists().MainActs.VisibleCount);
    w->SelectView(TMain::vTransactions);

    d.HiDateBtn->setDate(QDate(2026, 3, 8));
    narrowed = Figures(*w);
    QCOMPARE(narrowed.to, D0 + 7);
    QCOMPARE(narrowed.rows, 4);
    QCOMPARE(narrowed.income, CurrencyFromDouble(125));

    // Switch up: the data's limits and every row come back.
    QTest::mouseClick(d.DateRangeBtn, Qt::LeftButton);
    QVERIFY(!DateRangeActive);
    QVERIFY(!d.ActiveLook());
    QVERIFY(Figures(*w) == all);
    QCOMPARE(w->Lists().Trans.DateFrom, D0);
    QCOMPARE(w->Lists().Trans.DateTo, D0 + 10);
    QVERIFY(d.LoDateAllLabel->isVisible());
    QVERIFY(!Panels(*w).ResetSelBtn->isEnabled());
  }

  void periodButtonSetsTheMonthsChosen() {
    auto w = OpenBook();
    QVERIFY(w);
    TDateRangePanel& d = DatePanel(*w);
    const TFigures all = Figures(*w);
    // Cancelled: nothing changes.
    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    QTest::mouseClick(d.DatePeriodBtn, Qt::LeftButton);
    QVERIFY(!DateRangeActive && !d.SwitchDown());
    QVERIFY(Figures(*w) == all);

    QPoint shownAt;
    QTimer::singleShot(0, [&shownAt] {
      auto* dlg = qobject_cast<TMonthSelector*>(QApplication::activeModalWidget());
      QVERIFY(dlg);
      shownAt = dlg->pos();
      for (int r = 0; r < TMonthRange::Rows; ++r)
        for (int c = 0; c < TMonthRange::Cols; ++c)
          if (dlg->Range().Cell(r, c) == TYearMonth{2026, 2})
            QTest::mouseClick(dlg, Qt::LeftButton, Qt::NoModifier, dlg->CellRect(r, c).center());
      QTest::mouseClick(dlg->OkBtn(), Qt::LeftButton);
    });
    QTest::mouseClick(d.DatePeriodBtn, Qt::LeftButton);
    QCOMPARE(shownAt, d.mapToGlobal(QPoint(0, d.height())));  // just below the date panel
    QVERIFY(d.SwitchDown());
    QVERIFY(DateRangeActive && d.ActiveLook());
    QVERIFY(Panels(*w).ResetSelBtn->isEnabled());
    QCOMPARE(w->Lists().Trans.DateFrom, EncodeDate(2026, 3, 1));
    QCOMPARE(w->Lists().Trans.DateTo, EncodeDate(2026, 3, 31));
    QCOMPARE(d.HiDateBtn->date(), QDate(2026, 3, 31));
    // The whole month holds every transaction but the two opening balances.
    QCOMPARE(w->Lists().Trans.VisibleCount, TTestBookFigures::Transactions - 2);
    QCOMPARE(w->Grid()->RowCount(), TTestBookFigures::Transactions - 2);
  }

  void bookBarClickCtrlClickAndAll() {
    auto w = OpenBook();
    QVERIFY(w);
    TQBBookBar* bar = w->Bars().BookBar();
    TBookList& books = w->Lists().Books;
    QVERIFY(!bar->AllEnabled());

    ClickBook(*w, 1);
    QVERIFY(!books.Items(0).Shown && books.Items(1).Shown);
    QCOMPARE(w->Lists().Trans.VisibleCount, RowsOfBook(*w, 1));
    QCOMPARE(w->Grid()->RowCount(), RowsOfBook(*w, 1));
    QVERIFY(bar->AllEnabled());

    ClickBook(*w, 0, true);
    QVERIFY(books.Items(0).Shown && books.Items(1).Shown);
    QCOMPARE(w->Lists().Trans.VisibleCount, TTestBookFigures::Transactions);

    ClickBook(*w, 0);
    QVERIFY(books.Items(0).Shown && !books.Items(1).Shown);
    QCOMPARE(w->Lists().Trans.VisibleCount, RowsOfBook(*w, 0));
    ClickBook(*w, 0, true);  // already down: stays down, nothing else changes
    QVERIFY(books.Items(0).Shown && !books.Items(1).Shown);

    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->AllRect().center());
    QVERIFY(books.Items(0).Shown && books.Items(1).Shown);
    QVERIFY(!bar->AllEnabled());
    QCOMPARE(w->Lists().Trans.VisibleCount, TTestBookFigures::Transactions);

    // A chart switched a book off: the bar and the rows follow.
    books.Items(1).Shown = false;
    w->Bars().ShownBooksChanged();
    QCOMPARE(bar->DownStates(), std::vector<bool>({true, false}));
    QCOMPARE(w->Lists().Trans.VisibleCount, RowsOfBook(*w, 0));

    // "Books" opens the books window.
    TModalScript script;
    script.Window("QDialog", [](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->EndRect().center());
    QTRY_VERIFY(script.Done());
    QCOMPARE(script.Seen, QStringList{QStringLiteral("QDialog:Books")});
    QVERIFY(script.Unexpected.isEmpty());
  }

  void tenBooksOnANarrowBarScrollByOneBook() {
    TQBBookBar bar;
    for (int i = 0; i < 10; ++i) bar.AddButton(QStringLiteral("Book %1").arg(i), 0x00C08040, true);
    bar.resize(480, 22);
    bar.show();
    QVERIFY(!bar.PrevRect().isEmpty() && !bar.NextRect().isEmpty());
    QCOMPARE(bar.ButtonRect(0).left(), 59);
    const int shown = bar.Model().ShownCount();
    QVERIFY(bar.ButtonRect(shown).isEmpty());
    QSignalSpy changed(&bar, &TQBBookBar::Changed);
    QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, bar.NextRect().center());
    QVERIFY(bar.ButtonRect(0).isEmpty());
    QCOMPARE(bar.ButtonRect(1).left(), 59);
    QVERIFY(!bar.ButtonRect(shown).isEmpty());
    QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, bar.PrevRect().center());
    QCOMPARE(bar.ButtonRect(0).left(), 59);
    QCOMPARE(changed.count(), 0);  // scrolling changes no book
    // Wide again: no arrows, every book on the row.
    bar.resize(1400, 22);
    QVERIFY(bar.PrevRect().isEmpty());
    QVERIFY(!bar.ButtonRect(9).isEmpty());
  }

  void aBookWithAllBooksOffOpensWithAllOn() {
    auto w = OpenBook();
    QVERIFY(w);
    TBookLists& L = w->Lists();
    for (TBookRec* b : L.Books.MasterList()) b->Shown = false;
    RecalcAll(L);
    QCOMPARE(L.Trans.VisibleCount, 0);
    w->ShowLoadedBook(book_);
    for (TBookRec* b : L.Books.MasterList()) QVERIFY(b->Shown);
    QCOMPARE(w->Bars().BookBar()->DownStates(), std::vector<bool>({true, true}));
    QCOMPARE(L.Trans.VisibleCount, TTestBookFigures::Transactions);
    QCOMPARE(w->Grid()->RowCount(), TTestBookFigures::Transactions);
  }

  void resetFromTheReportsKeepsTheDateRange() {
    auto w = OpenBook();
    QVERIFY(w);
    TBookLists& L = w->Lists();
    TDateRangePanel& d = DatePanel(*w);
    TSelectionPanels& p = Panels(*w);
    QTest::mouseClick(d.DateRangeBtn, Qt::LeftButton);
    d.LoDateBtn->setDate(QDate(2026, 3, 3));
    const int dateRows = L.Trans.VisibleCount;

    // An account and a transaction selection in force, as their dialogs leave them.
    const auto pretendSelections = [&] {
      TSubActRec* online = L.SubActs.FindByNo(100, 2);
      online->InSelection = false;
      AccountSelActive = true;
      p.ActSelBtn->SetActive(true, p.ActSelPopup);
      for (TTransRec* t : L.Trans.MasterList())
        if (t->TransNo == 8) t->FindMatch = false;
      TransSelActive = true;
      p.FindSelBtn->SetActive(true, p.FindPopup);
      RecalcAll(L);
      w->RefreshView();
    };
    pretendSelections();
    QVERIFY(L.Trans.VisibleCount < dateRows);

    ClearAllSelections(w.get(), true);
    QVERIFY(!AccountSelActive && !TransSelActive);
    QVERIFY(L.SubActs.FindByNo(100, 2)->InSelection);
    QVERIFY(!p.ActSelBtn->Active() && !p.FindSelBtn->Active());
    QVERIFY(DateRangeActive);
    QVERIFY(d.ActiveLook() && d.SwitchDown());
    QCOMPARE(L.Trans.DateFrom, D0 + 2);
    QCOMPARE(L.Trans.VisibleCount, dateRows);
    QCOMPARE(w->Grid()->RowCount(), dateRows);
    QVERIFY(p.ResetSelBtn->isEnabled());  // the date range is still there to reset

    // "R&eset" of the main window ends the date range as well.
    pretendSelections();
    QTest::mouseClick(p.ResetSelBtn, Qt::LeftButton);
    QVERIFY(!DateRangeActive && !AccountSelActive && !TransSelActive);
    QVERIFY(!d.SwitchDown() && !d.ActiveLook());
    QVERIFY(d.LoDateAllLabel->isVisible());
    QCOMPARE(L.Trans.DateFrom, D0);
    QCOMPARE(L.Trans.VisibleCount, TTestBookFigures::Transactions);
    QVERIFY(!p.ResetSelBtn->isEnabled());
  }

  void selectionButtonsAskForTheirDialogsAndClearWorks() {
    auto w = OpenBook();
    QVERIFY(w);
    TSelectionPanels& p = Panels(*w);
    TBookLists& L = w->Lists();
    {
      TMessageCatcher catcher;
      QTest::mouseClick(p.ActSelBtn, Qt::LeftButton);
      QTRY_COMPARE(catcher.Texts.size(), 1);
      QVERIFY(catcher.Texts[0].contains(QStringLiteral("not available yet")));
      QVERIFY(!p.ActSelBtn->Active());
      QVERIFY(!AccountSelActive);
    }
    // A group selection in force; "Clear Selection" of its pop-up ends it.
    L.Groups.Items(0).InSelection = false;
    GroupSelActive = true;
    p.GrpSelBtn->SetActive(true, p.GrpSelPopup);
    w->Bars().UpdateResetButton();
    RecalcAll(L);
    QVERIFY(L.Trans.VisibleCount < TTestBookFigures::Transactions);
    QVERIFY(p.ResetSelBtn->isEnabled());
    p.ClearGrpSelItem->trigger();
    QVERIFY(!GroupSelActive);
    QVERIFY(!p.GrpSelBtn->Active());
    QVERIFY(L.Groups.Items(0).InSelection);
    QCOMPARE(L.Trans.VisibleCount, TTestBookFigures::Transactions);
    QCOMPARE(w->Grid()->RowCount(), TTestBookFigures::Transactions);
    QVERIFY(!p.ResetSelBtn->isEnabled());

    // "Clear Search" likewise for the transaction selection.
    for (TTransRec* t : L.Trans.MasterList()) t->FindMatch = t->TransNo != 3;
    TransSelActive = true;
    p.FindSelBtn->SetActive(true, p.FindPopup);
    p.ClearSearchItem->setEnabled(true);
    RecalcAll(L);
    p.ClearSearchItem->trigger();
    QVERIFY(!TransSelActive && !p.FindSelBtn->Active());
    QVERIFY(!p.ClearSearchItem->isEnabled() && !p.EditSearchItem->isEnabled());
    QCOMPARE(L.Trans.VisibleCount, TTestBookFigures::Transactions);
  }
};

QTEST_MAIN(MainBarsTest)
#include "MainBarsTest.moc"
