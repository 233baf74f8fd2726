#pragma once
// The owner-drawn lists inside the account list boxes: TSelectPointListBox (highlight, keys,
// scrolling and the selected point), TSpecialDataListBox (rows, sorting, painting), TActListBox
// (plain rows, optional ask-before-change) and TSelectionListBox (rows with a tick column).
// They are one family and only make sense together, so they share this header.
#include <QAbstractScrollArea>
#include <QColor>
#include <QPixmap>
#include <functional>
#include <vector>

#include "SelectionItem.h"

enum TBoxType { btMain, btSub };

class TSelectPointListBox : public QAbstractScrollArea {
 public:
  explicit TSelectPointListBox(QWidget* Parent = nullptr);

  TBoxType BoxType = btMain;
  bool UnSelectOnExit = false;
  std::function<void()> OnSelectedPointChange;
  std::function<void()> OnDrawLink;
  std::function<void(void* Record, bool Ticked)> OnItemToggle;
  std::function<void(void* Record)> OnItemChange;
  std::function<void()> OnDblClick;

  virtual int RowCount() const = 0;
  int ItemHeight() const { return ItemHeight_; }
  void SetItemHeight(int H);
  int HighlightedIndex() const { return Highlight; }
  // -1 none; fires OnSelectedPointChange.
  void SetHighlightedIndex(int Index);
  int TopRow() const;
  int VisibleRows() const;  // whole rows the list can show
  int RowAt(int Y) const;   // -1 outside the rows
  // Vertical position of the highlighted row (see the header of SelectBoxes.h).
  int SelectedPoint() const;
  void UpdateScrollRange();
  void EnsureVisible(int Row);

 protected:
  virtual bool RowTicked(int) const { return true; }
  virtual void PaintRow(QPainter& P, const QRect& R, int Row) = 0;
  // A left click on Row (-1: none) at X; the default highlights it and fires the three events.
  virtual void RowClicked(int Row, int X);
  // Space with a row highlighted.
  virtual void SpacePressed() {}
  void FireChange();  // OnSelectedPointChange, OnItemChange, OnDrawLink for btMain
  void FirePoint() { if (OnSelectedPointChange) OnSelectedPointChange(); }
  virtual void* RowRecord(int Row) const = 0;

  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void scrollContentsBy(int, int) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void focusOutEvent(QFocusEvent*) override;

  int ItemHeight_ = 18;
  int Highlight = -1;
  int Caret = 0;
};

class TSpecialDataListBox : public TSelectPointListBox {
 public:
  explicit TSpecialDataListBox(QWidget* Parent = nullptr);

  QColor HighlightColor{0, 0, 255};
  QColor FontHighlightColor{255, 255, 255};
  QColor ListColor{255, 255, 255};
  int NumberWidth = 40;
  int TextOffset = 0;  // blank or tick column in front of the number

  std::vector<TSelectionItem> Items;
  TSortColumn SortColumn = TSortColumn::Name;
  bool SortAscending = true;

  int RowCount() const override { return static_cast<int>(Items.size()); }
  void AddItem(void* Record, const std::string& Name, bool Ticked, int SecondNumber, int Number);
  void ClearItems();
  // Sorts by the sort state; the highlighted record stays highlighted.
  void SortItems();
  const TSelectionItem* Item(int Index) const;

 protected:
  void* RowRecord(int Row) const override { return Row >= 0 && Row < RowCount() ? Items[Row].Record : nullptr; }
  bool RowTicked(int Row) const override { return Items[Row].Ticked; }
  void PaintRow(QPainter& P, const QRect& R, int Row) override;
  virtual void PaintTickColumn(QPainter&, const QRect&, int) {}
};

class TActListBox : public TSpecialDataListBox {
 public:
  using TSpecialDataListBox::TSpecialDataListBox;
  bool AskBeforeChange = false;
  std::function<void(QObject* Sender, bool& Allow)> OnAllowChange;

 protected:
  void RowClicked(int Row, int X) override;
  // Arrow and page keys ask too: moving on with unsaved details would load another record's
  // details over them.
  void keyPressEvent(QKeyEvent*) override;

 private:
  bool Allowed();
};

class TSelectionListBox : public TSpecialDataListBox {
 public:
  explicit TSelectionListBox(QWidget* Parent = nullptr);
  int CheckWidth = 18;
  bool EnableChecks = true;
  bool ButtonBackGnd = true;
  bool ShowUnSelImage = true;
  // Tick images; without them a small circle is drawn, filled when ticked.
  std::vector<QPixmap> ItemImages;
  int GlyphSelectedIndex = 1;
  int GlyphUnSelectedIndex = 0;
  int ImageXOffset = 0;
  int ImageYOffset = 0;
  std::function<void(int X, int Y)> OnShowMenu;

  void SetAllTicks(bool Ticked);  // no OnItemToggle
  int TickedCount() const;
  void ToggleRow(int Row);  // flips the tick, fires OnItemToggle and OnDrawLink as due

 protected:
  void RowClicked(int Row, int X) override;
  void SpacePressed() override;
  void PaintTickColumn(QPainter& P, const QRect& R, int Row) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;
  bool viewportEvent(QEvent*) override;

 private:
  int HotRow = -1;
  int PressedRow = -1;
};
