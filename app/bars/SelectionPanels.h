#pragma once
// The row of panels between the tool bar and the worksheet: the date range, the three selection
// buttons with their pop-ups, and "R&eset".
#include <QWidget>

class QAction;
class QFrame;
class QMenu;
class QPushButton;
class TDateRangePanel;
class TSelectionButton;

class TSelectionPanels : public QWidget {
  Q_OBJECT
 public:
  explicit TSelectionPanels(QWidget* parent = nullptr);

  TDateRangePanel* DateRange = nullptr;
  TSelectionButton* FindSelBtn = nullptr;
  TSelectionButton* ActSelBtn = nullptr;
  TSelectionButton* GrpSelBtn = nullptr;
  QPushButton* ResetSelBtn = nullptr;

  QMenu* FindPopup = nullptr;
  QAction* NewSearchItem = nullptr;
  QAction* EditSearchItem = nullptr;
  QAction* ClearSearchItem = nullptr;
  QMenu* ActSelPopup = nullptr;
  QAction* NewActSelItem = nullptr;
  QAction* EditActSelItem = nullptr;
  QAction* ClearActSelItem = nullptr;
  QMenu* GrpSelPopup = nullptr;
  QAction* NewGrpSelItem = nullptr;
  QAction* EditGrpSelItem = nullptr;
  QAction* ClearGrpSelItem = nullptr;

 protected:
  void resizeEvent(QResizeEvent*) override;

 private:
  QFrame* Panel(const char* name);
  QFrame* findPanel_ = nullptr;
  QFrame* actPanel_ = nullptr;
  QFrame* grpPanel_ = nullptr;
  QFrame* resetPanel_ = nullptr;
};
