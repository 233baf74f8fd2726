#pragma once
// "Month Selector": picks a range of whole months among the months that hold transactions.
#include <QDialog>

#include "MonthRange.h"
#include "Types.h"

class QPushButton;
class QToolButton;
class TTransList;

class TMonthSelector : public QDialog {
  Q_OBJECT
 public:
  TMonthSelector(TYearMonth First, TYearMonth Last, QWidget* Parent = nullptr);

  const TMonthRange& Range() const { return FRange; }
  QRect CellRect(int Row, int Col) const;
  QToolButton* UpBtn() const { return FUp; }
  QToolButton* DownBtn() const { return FDown; }
  QToolButton* ResetBtn() const { return FReset; }
  QPushButton* OkBtn() const { return FOk; }

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;

 private:
  void Changed();

  TMonthRange FRange;
  QFont FYearFont;
  int FGridLeft = 0;
  int FCellW = 0;
  int FCellH = 0;
  QToolButton* FUp;
  QToolButton* FDown;
  QToolButton* FReset;
  QPushButton* FOk;
  QPushButton* FCancel;
};

// Opens the selector with its top-left corner at the screen point At. On OK returns true with From
// the first day of the start month and To the last day of the end month. Returns false at once
// when the list holds no transaction.
bool ShowMonthSelector(const TTransList& Trans, QPoint At, TDateTime& From, TDateTime& To, QWidget* Parent = nullptr);
