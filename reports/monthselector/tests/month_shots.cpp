// Grabs the month selector to PNG files for a look: monthselector_shots <folder>
#include <QApplication>
#include <QDir>
#include <QMouseEvent>

#include "MonthSelector.h"

int main(int argc, char** argv) {
  QApplication App(argc, argv);
  QString Folder = argc > 1 ? argv[1] : ".";
  // Data from November 1999 to February 2001: opens on July 2000 .. June 2001.
  TMonthSelector Dlg({1999, 10}, {2001, 1});
  Dlg.show();
  QApplication::processEvents();
  Dlg.grab().save(QDir(Folder).filePath("monthselector_open.png"));
  auto Click = [&](int Row, int Col) {
    QPoint At = Dlg.CellRect(Row, Col).center();
    QMouseEvent Press(QEvent::MouseButtonPress, At, Dlg.mapToGlobal(At), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Dlg, &Press);
  };
  Click(0, 3);  // October 2000
  Click(1, 1);  // February 2001
  QApplication::processEvents();
  Dlg.grab().save(QDir(Folder).filePath("monthselector_range.png"));
  return 0;
}
