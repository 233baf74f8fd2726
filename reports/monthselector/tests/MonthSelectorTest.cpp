// The month selector driven by the mouse, and its entry point on a transaction list.
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "MoneyFormat.h"
#include "MonthSelector.h"
#include "TransList.h"

namespace {
TYearMonth YM(int Year, int Month) { return {Year, Month - 1}; }

void ClickCell(TMonthSelector& Dlg, int Row, int Col) {
  QTest::mouseClick(&Dlg, Qt::LeftButton, Qt::NoModifier, Dlg.CellRect(Row, Col).center());
}

void AddTrans(TTransList& List, TDateTime Date) {
  auto Rec = std::make_unique<TTransRec>();
  Rec->TransNo = List.NextTransNo();
  Rec->Kind = tkIncome;
  Rec->Date = Date;
  List.Add(std::move(Rec));
}
}  // namespace

class MonthSelectorTest : public QObject {
  Q_OBJECT
 private slots:
  void ClicksGiveTheRange() {
    TMonthSelector Dlg(YM(2001, 1), YM(2001, 10));  // opens on Jul 2001 .. Jun 2002
    Dlg.show();
    QVERIFY(!Dlg.OkBtn()->isEnabled());
    QVERIFY(Dlg.UpBtn()->isEnabled());
    QVERIFY(!Dlg.DownBtn()->isEnabled());
    ClickCell(Dlg, 1, 0);  // January 2002: no data
    QVERIFY(!Dlg.OkBtn()->isEnabled());
    QTest::mouseClick(Dlg.UpBtn(), Qt::LeftButton);  // Jan .. Dec 2001
    QVERIFY(Dlg.DownBtn()->isEnabled());
    ClickCell(Dlg, 0, 3);  // April
    ClickCell(Dlg, 0, 1);  // February: new start
    ClickCell(Dlg, 0, 2);  // March: end
    QVERIFY(Dlg.OkBtn()->isEnabled());
    QCOMPARE(Dlg.Range().Start(), YM(2001, 2));
    QCOMPARE(Dlg.Range().End(), YM(2001, 3));
    QTest::mouseClick(&Dlg, Qt::LeftButton, Qt::NoModifier, QPoint(Dlg.width() - 2, 2));  // beside the grid
    QCOMPARE(Dlg.Range().End(), YM(2001, 3));
    QTest::mouseClick(Dlg.ResetBtn(), Qt::LeftButton);
    QVERIFY(!Dlg.OkBtn()->isEnabled());
    QCOMPARE(Dlg.Range().ShownYear(), 2001);
    QVERIFY(Dlg.Range().HalfShift());
  }

  void EntryPointOnATransactionList() {
    TTransList List;
    TDateTime From = 0, To = 0;
    QVERIFY(!ShowMonthSelector(List, QPoint(50, 60), From, To));  // nothing to choose from
    AddTrans(List, EncodeDate(1999, 11, 20));
    AddTrans(List, EncodeDate(2000, 5, 3));
    AddTrans(List, EncodeDate(2001, 2, 14));
    QTimer::singleShot(0, [] {
      auto* Dlg = qobject_cast<TMonthSelector*>(QApplication::activeModalWidget());
      QVERIFY(Dlg);
      QCOMPARE(Dlg->pos(), QPoint(50, 60));
      QCOMPARE(Dlg->Range().Cell(0, 0), YM(2000, 7));  // Jul 2000 .. Jun 2001
      ClickCell(*Dlg, 1, 1);                           // February 2001
      QTest::mouseClick(Dlg->UpBtn(), Qt::LeftButton);  // Jan .. Dec 2000
      ClickCell(*Dlg, 0, 1);                           // February 2000
      QTest::mouseClick(Dlg->OkBtn(), Qt::LeftButton);
    });
    QVERIFY(ShowMonthSelector(List, QPoint(50, 60), From, To));
    QCOMPARE(From, EncodeDate(2000, 2, 1));
    QCOMPARE(To, EncodeDate(2001, 2, 28));

    QTimer::singleShot(0, [] {
      QWidget* Dlg = QApplication::activeModalWidget();
      ClickCell(*qobject_cast<TMonthSelector*>(Dlg), 1, 0);
      QTest::keyClick(Dlg, Qt::Key_Escape);
    });
    From = To = 0;
    QVERIFY(!ShowMonthSelector(List, QPoint(50, 60), From, To));
    QCOMPARE(From, TDateTime(0));
  }
};

QTEST_MAIN(MonthSelectorTest)
#include "MonthSelectorTest.moc"
