// Writes PNG pictures of the grid in its states, for looking at (not a test).
#include "DefaultColumnSets.h"
#include "Grid3.h"
#include "GridTestSource.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTest>

namespace {

struct Shot {
  TGridInfo info;
  GridTestSource src;
  TGrid3 grid;
  Shot(int w, int h, bool gradients) {
    LoadDefaultGridInfo(0, info);
    info.SetExtraRowKinds(2);
    src.rows = 40;
    src.openingBalance = {0};
    src.transfers = {3, 4};
    src.disabled = {6, 7};
    src.Attach(grid);
    grid.setFont(QFont(QStringLiteral("Arial"), 8));
    grid.SetMaxCols(13);
    grid.SetBtnWidth(26);
    grid.BalLinkIndex = 11;
    grid.SetGridColor(RGBColour(162, 162, 162));
    grid.SetGradients(gradients);
    grid.LockSlideDelay = 0;
    grid.resize(w, h);
    grid.SetGridInfo(&info);
    info.ColInfo.SetTotalText(0, "40");
    info.ColInfo.SetTotalText(9, "51,234.56");
    info.ColInfo.SetTotalText(10, "12,345.67");
    info.ColInfo.SetTotalText(11, "38,888.89");
    grid.SetRowCount(src.rows);
    grid.Activate();
    grid.show();
    (void)QTest::qWaitForWindowExposed(&grid);
  }
  void Save(const QString& dir, const char* name) { grid.grab().save(dir + "/" + name); }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
  QDir().mkpath(dir);
  {
    Shot s(1000, 330, true);
    s.grid.RedrawRow(2, TGrid3::dkHighlighted);  // the row a right click marks
    s.Save(dir, "grid-rows-gradients.png");
  }
  {
    Shot s(1000, 330, false);
    s.grid.RedrawRow(2, TGrid3::dkHighlighted);
    s.Save(dir, "grid-rows-flat.png");
  }
  {
    Shot s(1000, 330, false);
    s.grid.SetLowColour(true);
    s.grid.SetGradients(false);
    s.Save(dir, "grid-low-colour.png");
  }
  {
    Shot s(1000, 330, true);
    s.grid.Lock();
    s.Save(dir, "grid-locked.png");
  }
  {
    Shot s(1000, 330, true);
    const QPoint from = s.grid.TitleRect(1).center();
    const QPoint to = s.grid.TitleRect(5).center() + QPoint(0, 60);
    QTest::mousePress(&s.grid, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, s.grid.mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&s.grid, &move);
    s.Save(dir, "grid-insert-marker.png");
  }
  {
    Shot s(1000, 330, true);  // title buttons: hot under the mouse, then pressed
    const QRect strip(0, 0, 1000, 60);
    const QPoint over = s.grid.TitleRect(4).center();
    QMouseEvent move(QEvent::MouseMove, over, s.grid.mapToGlobal(over), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(&s.grid, &move);
    s.grid.grab(strip).save(dir + "/grid-title-hot.png");
    QTest::mousePress(&s.grid, Qt::LeftButton, {}, s.grid.TitleRect(2).center());
    s.grid.grab(strip).save(dir + "/grid-title-pressed.png");
  }
  {
    Shot s(1000, 330, true);  // a column border being dragged: the XOR line over the rows
    const QRect t = s.grid.TitleRect(4);
    const QPoint border(t.right() + 1, t.center().y());
    QTest::mousePress(&s.grid, Qt::LeftButton, {}, border);
    const QPoint to = border + QPoint(60, 40);
    QMouseEvent move(QEvent::MouseMove, to, s.grid.mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&s.grid, &move);
    s.Save(dir, "grid-border-drag.png");
  }
  {
    Shot s(1000, 330, true);
    s.info.ColInfo.Items(9).Width = 40;   // income too narrow for its values: "#"
    s.info.ColInfo.Items(4).Width = 60;   // account name cut with an ellipsis
    s.grid.SetRowCount(s.src.rows);
    s.Save(dir, "grid-overflow.png");
  }
  return 0;
}
