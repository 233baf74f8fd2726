// Behaviour of the worksheet grid, driven through the mouse as a user would.
#include "ColumnTitleHint.h"
#include "DefaultColumnSets.h"
#include "Grid3.h"
#include "GridTestSource.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

namespace {

// A grid showing the transaction set, fed by a test source, with every event recorded.
struct Fixture {
  TGridInfo info;
  GridTestSource src;
  TGrid3 grid;
  QList<int> colBtn, rowBtn, cornerBtn, popupRows;
  QList<QPair<int, int>> sizes;
  int orderChanges = 0;

  explicit Fixture(int rows = 100, QSize size = QSize(900, 330)) {
    LoadDefaultGridInfo(0, info);
    info.SetExtraRowKinds(2);
    src.rows = rows;
    src.Attach(grid);
    grid.SetMaxCols(13);
    grid.LockSlideDelay = 0;
    grid.BalLinkIndex = 11;
    grid.OnColBtnClick = [this](int c) { colBtn << c; };
    grid.OnRowBtnClick = [this](int r) { rowBtn << r; };
    grid.OnSpecBtnClick = [this](int b) { cornerBtn << b; };
    grid.OnColumnSize = [this](int c, int w) { sizes << qMakePair(c, w); };
    grid.OnColOrderChange = [this] { ++orderChanges; };
    grid.OnShowPopup = [this](int r, QPoint) { popupRows << r; };
    grid.resize(size);
    grid.SetGridInfo(&info);
    grid.SetRowCount(rows);
    grid.Activate();
    grid.show();
    (void)QTest::qWaitForWindowExposed(&grid);
  }

  void Move(QPoint to) {
    QMouseEvent e(QEvent::MouseMove, to, grid.mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&grid, &e);
  }
  void Click(QPoint at) { QTest::mouseClick(&grid, Qt::LeftButton, {}, at); }
  // Drags the title of a visible column and releases it at Drop.
  void DragTitle(int visibleCol, QPoint drop, bool returnFirst = false) {
    const QRect t = grid.TitleRect(visibleCol);
    QTest::mousePress(&grid, Qt::LeftButton, {}, t.center());
    Move(t.center() + QPoint(0, 80));  // off its own title: the drag starts
    if (returnFirst) Move(t.center());
    Move(drop);
    QTest::mouseRelease(&grid, Qt::LeftButton, {}, drop);
  }
  QPoint BorderOf(int visibleCol) const {
    const QRect t = grid.TitleRect(visibleCol);
    return QPoint(t.right() + 1, t.center().y());
  }
  QStringList Titles() const {
    QStringList s;
    for (int i = 0; i < info.ColInfo.Count(); ++i) s << QString::fromStdString(info.ColInfo.Items(i).Title);
    return s;
  }
};

}  // namespace

class Grid3Test : public QObject {
  Q_OBJECT
 private slots:
  void sortingTitleTwiceFlipsAndReturns();
  void otherColumnSortsAscending();
  void unsortableColumnDrawsDownButNeverSorts();
  void overflowShowsHashesOrEllipsis();
  void borderDragStaysWithinLimits();
  void autoFitStaysWithinLimits_data();
  void autoFitStaysWithinLimits();
  void droppingTitleOnItselfFiresNothing();
  void movingPastHiddenColumn();
  void insertMarkerFollowsTheMouse();
  void dropJustRightOfTheLastColumn();
  void horizontalScrollCountsColumns();
  void lockRefusedKeepsLockScreen();
  void cornerButtons();
  void doubleClickWhileClearedDoesNothing();
  void scrollByPastEitherEndDoesNotMove();
  void wheelStopsAtTheEnds();
  void eachSetKeepsItsScrollPosition();
  void scrolledRowsMatchAFreshDrawing();
  void rowEventsUseAbsoluteRows();
  void lockedGridIgnoresRows();
};

void Grid3Test::sortingTitleTwiceFlipsAndReturns() {
  Fixture f;
  QCOMPARE(f.info.SortIndex, 1);  // sorted by date
  const QPoint date = f.grid.TitleRect(1).center();
  f.Click(date);
  QCOMPARE(f.info.SortDirection, sdDescending);
  f.Click(date);
  QCOMPARE(f.info.SortDirection, sdAscending);
  QCOMPARE(f.info.SortIndex, 1);
  QCOMPARE(f.colBtn, (QList<int>{-1, -1}));
}

void Grid3Test::otherColumnSortsAscending() {
  Fixture f;
  f.info.SortDirection = sdDescending;
  f.Click(f.grid.TitleRect(2).center());  // "Reference"
  QCOMPARE(f.info.SortIndex, 2);
  QCOMPARE(f.info.SortDirection, sdAscending);
  QCOMPARE(f.colBtn, QList<int>{2});
  // Press on one title and release on another: no click.
  QTest::mousePress(&f.grid, Qt::LeftButton, {}, f.grid.TitleRect(3).center());
  QTest::mouseRelease(&f.grid, Qt::LeftButton, {}, f.grid.TitleRect(4).center());
  QCOMPARE(f.colBtn.size(), 1);
}

void Grid3Test::unsortableColumnDrawsDownButNeverSorts() {
  Fixture f;
  const int balance = f.info.ColInfo.VisibleCount() - 1;
  QVERIFY(!f.info.ColInfo.VisibleItem(balance).AllowSort);
  const QRect t = f.grid.TitleRect(balance);
  const QImage up = f.grid.grab(t).toImage();
  QTest::mousePress(&f.grid, Qt::LeftButton, {}, t.center());
  const QImage down = f.grid.grab(t).toImage();
  QTest::mouseRelease(&f.grid, Qt::LeftButton, {}, t.center());
  QVERIFY(up != down);
  QCOMPARE(f.grid.grab(t).toImage(), up);
  QVERIFY(f.colBtn.isEmpty());
  QCOMPARE(f.info.SortIndex, 1);
  QCOMPARE(f.info.SortDirection, sdAscending);
}

void Grid3Test::overflowShowsHashesOrEllipsis() {
  const QFontMetrics fm(QApplication::font());
  TColProperty money;
  money.ShowTotal = true;
  money.Alignment = caLeft;
  money.Width = 40;
  TColProperty text;
  text.Width = 40;
  int align = -1;
  const QString value = QStringLiteral("1,234,567.89");
  const QString hashes = TGrid3::FitCellText(fm, value, money, money.Width - 3, &align);
  QCOMPARE(hashes, QString(40 / fm.horizontalAdvance(QLatin1Char('#')) + 1, QLatin1Char('#')));
  QCOMPARE(align, int(caRight));
  const QString cut = TGrid3::FitCellText(fm, QStringLiteral("Travel & Subsistence"), text, text.Width - 3, &align);
  QVERIFY(cut.endsWith(QChar(0x2026)));
  QVERIFY(fm.horizontalAdvance(cut) <= text.Width - 3);
  QCOMPARE(align, int(caLeft));
  // Wide enough: unchanged, in both kinds of column.
  money.Width = text.Width = 300;
  QCOMPARE(TGrid3::FitCellText(fm, value, money, 297, &align), value);
  QCOMPARE(TGrid3::FitCellText(fm, value, text, 297, &align), value);

  // On screen: a narrowed income cell (row 2 holds income) looks different as a total column
  // ("#" marks) than as a plain column (an ellipsis), and both differ from the wide cell.
  Fixture f;
  const int income = 8;
  QCOMPARE(QString::fromStdString(f.info.ColInfo.VisibleItem(income).Title), QStringLiteral("Income"));
  auto cellImage = [&](int width, bool total) {
    f.info.ColInfo.VisibleItem(income).Width = width;
    f.info.ColInfo.VisibleItem(income).ShowTotal = total;
    f.grid.SetRowCount(100);
    return f.grid.grab(f.grid.CellRect(2, income)).toImage();
  };
  const QImage hashed = cellImage(30, true), ellipsis = cellImage(30, false);
  QVERIFY(hashed != ellipsis);
  QCOMPARE(cellImage(30, true), hashed);
  QVERIFY(cellImage(80, true) == cellImage(80, false));  // fits: the flag changes nothing
}

void Grid3Test::borderDragStaysWithinLimits() {
  for (bool animation : {false, true}) {
    Fixture f;
    f.grid.AnimationOn = animation;
    const int v = 4;  // "Account Name", 20..300
    const TColProperty& col = f.info.ColInfo.VisibleItem(v);
    const QPoint b = f.BorderOf(v);
    QTest::mousePress(&f.grid, Qt::LeftButton, {}, b);
    f.Move(b + QPoint(30, 0));
    QCOMPARE(f.sizes.last().second, 93 + 30);
    // Live: the column follows at once; outlined: the rows keep the old width until release.
    QCOMPARE(col.Width, animation ? 123 : 93);
    f.Move(b + QPoint(700, 0));
    QCOMPARE(f.sizes.last().second, 300);
    f.Move(b - QPoint(500, 0));
    QTest::mouseRelease(&f.grid, Qt::LeftButton, {}, b - QPoint(500, 0));
    QCOMPARE(col.Width, 20);
    for (const auto& s : f.sizes) {
      QCOMPARE(s.first, 4);
      QVERIFY(s.second >= 20 && s.second <= 300);
    }
    QCOMPARE(f.sizes.last().second, 20);
    QVERIFY(f.colBtn.isEmpty());  // a border press is not a title click
  }
}

void Grid3Test::autoFitStaysWithinLimits_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("expected");  // -1: the text's width + 8
  QTest::newRow("short") << QStringLiteral("a") << 20;
  QTest::newRow("long") << QString(200, QLatin1Char('W')) << 300;
  QTest::newRow("fits") << QStringLiteral("A Fairly Long Account Name") << -1;
}

void Grid3Test::autoFitStaysWithinLimits() {
  QFETCH(QString, text);
  QFETCH(int, expected);
  Fixture f;
  f.grid.OnGetText = [&](int, QStringList& t, TColor&, int&, bool&) { t[4] = text; };
  f.grid.RedrawRows();
  const int v = 4;
  QTest::mouseDClick(&f.grid, Qt::LeftButton, {}, f.BorderOf(v));
  if (expected < 0) expected = QFontMetrics(f.grid.font()).horizontalAdvance(text) + 8;
  QCOMPARE(f.info.ColInfo.VisibleItem(v).Width, expected);
  QVERIFY(f.rowBtn.isEmpty());
}

void Grid3Test::droppingTitleOnItselfFiresNothing() {
  Fixture f;
  const QStringList before = f.Titles();
  f.DragTitle(3, f.grid.TitleRect(3).center() + QPoint(0, 40), true);
  f.DragTitle(3, f.grid.TitleRect(4).center());  // before the next column: where it already is
  QCOMPARE(f.orderChanges, 0);
  QCOMPARE(f.Titles(), before);
  QVERIFY(f.colBtn.isEmpty());
  QVERIFY(!f.grid.TitleHint()->isVisible());
}

void Grid3Test::movingPastHiddenColumn() {
  Fixture f;
  // Visible 5 is "Sub Account Name"; the hidden "Sub Acct. Number" follows it in the collection.
  QCOMPARE(f.info.ColInfo.Items(6).Visible, false);
  f.DragTitle(5, f.grid.TitleRect(7).center());  // before "Group Name"
  QCOMPARE(f.orderChanges, 1);
  const QStringList t = f.Titles();
  QCOMPARE(t[5], QStringLiteral("Group Number"));
  QCOMPARE(t[6], QStringLiteral("Sub Acct. Number"));
  QCOMPARE(t[7], QStringLiteral("Sub Account Name"));
  QVERIFY(!f.info.ColInfo.Items(6).Visible);
  // Dropped over the row buttons: to the front.
  f.DragTitle(4, QPoint(5, f.grid.TitleRect(0).center().y()));
  QCOMPARE(f.Titles().first(), QStringLiteral("Account Name"));
  QCOMPARE(f.orderChanges, 2);
}

void Grid3Test::insertMarkerFollowsTheMouse() {
  Fixture f;
  const QRect t = f.grid.TitleRect(1);
  QTest::mousePress(&f.grid, Qt::LeftButton, {}, t.center());
  f.Move(t.center() + QPoint(0, 80));
  QVERIFY(f.grid.TitleHint()->isVisible());
  QCOMPARE(f.grid.TitleHint()->Title(), QStringLiteral("Date"));
  const QRect over = f.grid.TitleRect(4);
  f.Move(over.center() + QPoint(0, 60));
  QCOMPARE(f.grid.DropPosition(), 3);  // right of the dragged column: one less
  // The marker's column of pixels changes when it shows.
  const QRect strip(over.left() - 1, over.bottom() + 20, 12, 120);
  const QImage with = f.grid.grab(strip).toImage();
  f.Move(QPoint(f.grid.width() - 30, 100));  // over no column and not just right of the last one
  QCOMPARE(f.grid.DropPosition(), -1);
  QVERIFY(f.grid.grab(strip).toImage() != with);
  QTest::mouseRelease(&f.grid, Qt::LeftButton, {}, QPoint(f.grid.width() - 30, 100));
  QCOMPARE(f.orderChanges, 0);
}

void Grid3Test::dropJustRightOfTheLastColumn() {
  Fixture wide(100, QSize(1000, 330));  // every column fits: nothing to scroll
  const int lastV = wide.info.ColInfo.VisibleCount() - 1;
  const QRect last = wide.grid.TitleRect(lastV);
  wide.DragTitle(0, QPoint(last.right() + 10, last.center().y()));
  QCOMPARE(wide.orderChanges, 1);
  QCOMPARE(QString::fromStdString(wide.info.ColInfo.VisibleItem(lastV).Title), QStringLiteral("No."));
  wide.DragTitle(1, QPoint(last.right() + 40, last.center().y()));  // too far right: nowhere
  QCOMPARE(wide.orderChanges, 1);

  // Too narrow for all columns: the last column lies beyond the right edge, and the column cut
  // by the edge is an ordinary target.
  Fixture narrow(100, QSize(500, 330));
  QVERIFY(narrow.grid.HorzScrollBar()->Max() > 0);
  const QRect edge = narrow.grid.DataRect();
  QVERIFY(narrow.grid.TitleRect(narrow.info.ColInfo.VisibleCount() - 1).left() > edge.right());
  int cut = 0;
  while (!narrow.grid.TitleRect(cut).contains(QPoint(edge.right() - 2, 10))) ++cut;
  QVERIFY(narrow.grid.TitleRect(cut).right() > edge.right());
  narrow.DragTitle(0, QPoint(edge.right() - 2, 10));
  QCOMPARE(narrow.orderChanges, 1);
  QCOMPARE(QString::fromStdString(narrow.info.ColInfo.VisibleItem(cut - 1).Title), QStringLiteral("No."));
}

void Grid3Test::horizontalScrollCountsColumns() {
  Fixture f(100, QSize(500, 330));
  TGrid3ScrollBar* h = f.grid.HorzScrollBar();
  const int max = h->Max();
  QVERIFY(max > 0);
  // At the last position the remaining columns fit; one less and they do not.
  const TColumns& c = f.info.ColInfo;
  const int avail = f.grid.DataRect().width();
  QVERIFY(c.VisibleWidth() - c.WidthBefore(max) <= avail);
  QVERIFY(c.VisibleWidth() - c.WidthBefore(max - 1) > avail);
  QVERIFY(!h->SetPosition(max + 1, true));
  QCOMPARE(f.grid.FirstCol(), 0);
  QVERIFY(h->SetPosition(2, true));
  QCOMPARE(f.grid.FirstCol(), 2);
  QVERIFY(f.grid.TitleRect(1).isNull());
  QCOMPARE(f.grid.TitleRect(2).left(), f.grid.DataRect().left());
  f.Click(f.grid.TitleRect(2).center());  // clicks reach the shown column, not the first one
  QCOMPARE(f.info.SortIndex, 2);
  // The top corner button scrolls fully left again.
  TGrid3BtnControl* b = f.grid.Buttons();
  QTest::mouseClick(b, Qt::LeftButton, {}, b->ButtonRect(TGrid3BtnControl::TopButton).center());
  QCOMPARE(f.grid.FirstCol(), 0);
}

void Grid3Test::lockRefusedKeepsLockScreen() {
  Fixture f;
  bool allow = false;
  int asked = 0;
  f.grid.OnAllowUnLock = [&](bool& a, QPoint) { ++asked; a = allow; };
  f.grid.Lock();
  QVERIFY(f.grid.Locked());
  QVERIFY(f.grid.UnlockButton()->isVisible());
  QCOMPARE(f.grid.UnlockButton()->text(), QStringLiteral("Un&lock"));
  QCOMPARE(f.grid.UnlockButton()->size(), QSize(80, 25));
  QCOMPARE(f.grid.UnlockButton()->toolTip(), QStringLiteral("Click here to open up the Worksheet"));
  const QImage lockScreen = f.grid.grab().toImage();

  QTest::mouseClick(f.grid.UnlockButton(), Qt::LeftButton);
  QCOMPARE(asked, 1);
  QVERIFY(f.grid.Locked());
  QVERIFY(f.grid.UnlockButton()->isVisible());
  QCOMPARE(f.grid.grab().toImage(), lockScreen);
  // Nothing on the rows reacts while locked.
  QTest::mouseDClick(&f.grid, Qt::LeftButton, {}, f.grid.CellRect(1, 2).center());
  QVERIFY(f.rowBtn.isEmpty());
  QVERIFY(!f.grid.VertScrollBar()->isEnabled());

  allow = true;
  QTest::mouseClick(f.grid.UnlockButton(), Qt::LeftButton);
  QCOMPARE(asked, 2);
  QVERIFY(!f.grid.Locked());
  QVERIFY(!f.grid.UnlockButton()->isVisible());
  QVERIFY(f.grid.GridEnabled());
  QVERIFY(f.grid.grab().toImage() != lockScreen);
}

void Grid3Test::cornerButtons() {
  Fixture f;
  TGrid3BtnControl* b = f.grid.Buttons();
  f.info.ColInfo.Items(4).Width = 250;
  QTest::mouseClick(b, Qt::LeftButton, {}, b->ButtonRect(TGrid3BtnControl::TopButton).center());
  QCOMPARE(f.info.ColInfo.Items(4).Width, 93);
  QCOMPARE(f.cornerBtn, QList<int>{1});

  f.grid.DisallowColBtns = true;
  QTest::mouseClick(b, Qt::LeftButton, {}, b->ButtonRect(TGrid3BtnControl::BottomButton).center());
  QVERIFY(!f.grid.Locked());
  f.grid.DisallowColBtns = false;
  QTest::mouseClick(b, Qt::LeftButton, {}, b->ButtonRect(TGrid3BtnControl::BottomButton).center());
  QVERIFY(f.grid.Locked());
  QCOMPARE(f.cornerBtn, (QList<int>{1, 0}));

  // While locked the top corner asks to unlock.
  int asked = 0;
  f.grid.OnAllowUnLock = [&](bool& a, QPoint) { ++asked; a = true; };
  QTest::mouseClick(b, Qt::LeftButton, {}, b->ButtonRect(TGrid3BtnControl::TopButton).center());
  QCOMPARE(asked, 1);
  QVERIFY(!f.grid.Locked());
  QCOMPARE(f.cornerBtn.size(), 2);
}

void Grid3Test::doubleClickWhileClearedDoesNothing() {
  Fixture f;
  const QPoint row = f.grid.CellRect(2, 2).center();
  const QPoint border = f.BorderOf(4);
  f.grid.ClearGrid(false);
  QTest::mouseDClick(&f.grid, Qt::LeftButton, {}, row);
  QTest::mouseDClick(&f.grid, Qt::LeftButton, {}, border);
  QVERIFY(f.rowBtn.isEmpty());
  QCOMPARE(f.info.ColInfo.Items(4).Width, 93);
  QVERIFY(f.sizes.isEmpty());

  f.grid.SetRowCount(100);
  f.grid.Activate();
  QTest::mouseDClick(&f.grid, Qt::LeftButton, {}, row);
  QCOMPARE(f.rowBtn, QList<int>{2});
}

void Grid3Test::scrollByPastEitherEndDoesNotMove() {
  Fixture f(100);
  const int last = 100 - f.grid.VisibleRows();
  QVERIFY(f.grid.VisibleRows() > 5);
  QVERIFY(!f.grid.ScrollBy(-1));
  QCOMPARE(f.grid.FirstRow(), 0);
  QVERIFY(f.grid.ScrollBy(5));
  QCOMPARE(f.info.ScrollBarPos, 5);
  QVERIFY(!f.grid.ScrollBy(-6));
  QVERIFY(!f.grid.ScrollBy(last - 5 + 1));
  QCOMPARE(f.grid.FirstRow(), 5);
  QVERIFY(f.grid.ScrollBy(last - 5));
  QCOMPARE(f.grid.FirstRow(), last);
  QVERIFY(!f.grid.ScrollBy(1));
  QCOMPARE(f.grid.FirstRow(), last);
  f.grid.ScrollToTop();
  QCOMPARE(f.grid.FirstRow(), 0);
  f.grid.ScrollToEnd();
  QCOMPARE(f.grid.FirstRow(), last);
  QCOMPARE(f.info.ScrollBarPos, last);

  Fixture few(3);  // fewer rows than the screen holds: nothing to scroll
  QVERIFY(!few.grid.ScrollBy(1));
  few.grid.ScrollToEnd();
  QCOMPARE(few.grid.FirstRow(), 0);
}

void Grid3Test::wheelStopsAtTheEnds() {
  Fixture f(100);
  auto wheel = [&](int notches) {
    const QPoint at = f.grid.CellRect(1, 1).center();
    QWheelEvent e(at, f.grid.mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, {},
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(&f.grid, &e);
  };
  wheel(1);  // up at the top
  QCOMPARE(f.grid.FirstRow(), 0);
  wheel(-2);
  QCOMPARE(f.grid.FirstRow(), 6);
  wheel(-100);
  QCOMPARE(f.grid.FirstRow(), 100 - f.grid.VisibleRows());
}

void Grid3Test::eachSetKeepsItsScrollPosition() {
  Fixture f(100);
  QVERIFY(f.grid.ScrollBy(40));
  TGridInfo groups;
  LoadDefaultGridInfo(3, groups);
  f.grid.SetGridInfo(&groups);  // another tab with few rows
  f.grid.SetRowCount(5);
  QCOMPARE(f.grid.FirstRow(), 0);
  QCOMPARE(f.info.ScrollBarPos, 40);
  f.grid.SetGridInfo(&f.info);  // back: the old position returns once the rows are known
  f.grid.SetRowCount(100);
  QCOMPARE(f.grid.FirstRow(), 40);
  f.grid.SetRowCount(20);  // fewer rows: the position follows the end
  QCOMPARE(f.grid.FirstRow(), 20 - f.grid.VisibleRows());
  QCOMPARE(f.info.ScrollBarPos, f.grid.FirstRow());
}

void Grid3Test::scrolledRowsMatchAFreshDrawing() {
  // Scrolling moves the pixels already on screen and draws only the new rows; what the screen
  // then shows must equal a complete drawing at the new position.
  Fixture f(500);
  f.src.transfers = {3, 12};
  f.src.disabled = {7};
  f.grid.RedrawRows();
  QCoreApplication::processEvents();
  auto onScreen = [&] {
    QCoreApplication::processEvents();
    return f.grid.screen()->grabWindow(f.grid.winId()).toImage().convertToFormat(QImage::Format_RGB32);
  };
  QVERIFY(!onScreen().isNull());
  for (int step : {1, 1, 3, -2, 7, -1}) {
    const int calls = f.src.getTextCalls;
    QVERIFY(f.grid.ScrollBy(step));
    const QImage moved = onScreen();
    QVERIFY2(f.src.getTextCalls - calls <= qAbs(step), "only the new rows are asked for");
    QCOMPARE(moved, f.grid.grab().toImage().convertToFormat(QImage::Format_RGB32));
  }
}

void Grid3Test::rowEventsUseAbsoluteRows() {
  Fixture f(100);
  QVERIFY(f.grid.ScrollBy(10));
  QTest::mouseDClick(&f.grid, Qt::LeftButton, {}, f.grid.CellRect(3, 2).center());
  TGrid3BtnControl* b = f.grid.Buttons();
  QTest::mouseClick(b, Qt::LeftButton, {}, b->ButtonRect(1).center());
  QCOMPARE(f.rowBtn, (QList<int>{13, 11}));
  QTest::mouseClick(&f.grid, Qt::RightButton, {}, f.grid.CellRect(2, 2).center());
  QTest::mouseClick(&f.grid, Qt::RightButton, {}, f.grid.TitleRect(2).center());
  QCOMPARE(f.popupRows, (QList<int>{12, -1}));
}

void Grid3Test::lockedGridIgnoresRows() {
  Fixture f(100);
  f.grid.SetLocked(true);
  f.grid.Activate();  // the owner locked it before showing the rows
  QVERIFY(f.grid.UnlockButton()->isVisible());
  TGrid3BtnControl* b = f.grid.Buttons();
  QCOMPARE(b->ButtonCount(), 0);
  QTest::mouseClick(&f.grid, Qt::LeftButton, {}, f.grid.TitleRect(2).center());
  QVERIFY(f.colBtn.isEmpty());
}

QTEST_MAIN(Grid3Test)
#include "Grid3Test.moc"
