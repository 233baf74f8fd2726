#pragma once
// The account list boxes every account, group and category picker uses: a framed box with a header
// of three buttons ("Select All", number, name) above a list of rows. TActBox shows plain rows;
// TSelectionBox adds the tick column and the "Select All" / "UnSelect All" menu.
//
// Selected point: for the highlighted row, -1 when nothing is highlighted or the row is not ticked,
// 0 above the visible rows, the list height below them, else the middle of the row. The box's
// SelectedPoint adds BtnHeight, so forms can draw connector lines to the highlighted row.
#include <QAbstractButton>
#include <QFrame>
#include <QPixmap>
#include <functional>

#include "SelectListBoxes.h"

class QMenu;

// Header button: caption at the left, glyph at the right.
class TSpeedBtnEx : public QAbstractButton {
 public:
  explicit TSpeedBtnEx(QWidget* Parent = nullptr);
  QPixmap Glyph;

 protected:
  void paintEvent(QPaintEvent*) override;
};

class TBasicSelectBox : public QFrame {
 public:
  explicit TBasicSelectBox(TSpecialDataListBox* List, QWidget* Parent = nullptr);

  void SetNumberCaption(const QString& Caption);
  void SetNameCaption(const QString& Caption);
  void SetSelectAllBtnWidth(int W);  // 0 hides the button
  void SetNumberBtnWidth(int W);
  int BtnHeight() const { return BtnHeight_; }
  void SetItemHeight(int H);  // also sets BtnHeight = H + 2
  void SetListColours(const QColor& List, const QColor& Highlight, const QColor& FontHighlight);

  void BeginUpdate();
  void EndUpdate();  // name ascending, then sorted
  void Clear();
  void AddItem(void* Record, const std::string& Name, bool Ticked, int SecondNumber, int Number);
  int ItemCount() const { return List->RowCount(); }
  const TSelectionItem* Item(int Index) const { return List->Item(Index); }
  int HighlightedIndex() const { return List->HighlightedIndex(); }
  void SetHighlightedIndex(int Index) { List->SetHighlightedIndex(Index); }
  int SelectedPoint() const;
  void SizeToRows(int Rows = -1);  // -1 keeps the number of whole rows that fit now
  void FocusList();
  void PressNumberButton() { HeaderPressed(TSortColumn::Number); }
  void PressNameButton() { HeaderPressed(TSortColumn::Name); }
  TSortColumn SortColumn() const { return List->SortColumn; }
  bool SortAscending() const { return List->SortAscending; }
  TSpeedBtnEx* NumberButton() const { return NumberBtn; }
  TSpeedBtnEx* NameButton() const { return NameBtn; }
  TSpeedBtnEx* SelectAllButton() const { return SelectAllBtn; }

 protected:
  void resizeEvent(QResizeEvent*) override;
  void changeEvent(QEvent*) override;
  virtual int ItemExtra() const = 0;  // item height = font height + this
  void FontChanged();
  void LayoutParts();
  void HeaderPressed(TSortColumn Column);
  void UpdateGlyphs();

  TSpecialDataListBox* List;
  TSpeedBtnEx* SelectAllBtn;
  TSpeedBtnEx* NumberBtn;
  TSpeedBtnEx* NameBtn;
  int SelectAllBtnWidth = 18;
  int NumberBtnWidth = 50;
  int BtnHeight_ = 18;
};

class TActBox : public TBasicSelectBox {
 public:
  explicit TActBox(QWidget* Parent = nullptr);
  TActListBox* ListBox() const { return Act; }

  void DeleteItem(int Index);
  void RenameItem(int Index, const std::string& Name);
  // The first row with both numbers; fires OnSelectedPointChange. Returns the row or -1.
  int HighlightByNumbers(int Number, int SecondNumber);
  void SetAskBeforeChange(bool On) { Act->AskBeforeChange = On; }

  std::function<void()>& OnSelectedPointChange() { return Act->OnSelectedPointChange; }
  std::function<void(QObject*, bool&)>& OnAllowChange() { return Act->OnAllowChange; }
  std::function<void()>& OnDblClick() { return Act->OnDblClick; }

 protected:
  int ItemExtra() const override { return 4; }

 private:
  TActListBox* Act;
};

class TSelectionBox : public TBasicSelectBox {
 public:
  explicit TSelectionBox(QWidget* Parent = nullptr);
  TSelectionListBox* ListBox() const { return Sel; }

  QPixmap SelectAllBitmap;  // set it through SetSelectAllBitmap so the button follows
  void SetSelectAllBitmap(const QPixmap& Pm) {
    SelectAllBitmap = Pm;
    SetEnableChecks(EnableChecks());
  }
  std::function<void()> OnSelectAll;
  std::function<void()> OnUnSelectAll;

  void* HighlightedRecord() const;
  int TickedCount() const { return Sel->TickedCount(); }
  void SelectAll();
  void UnSelectAll();
  void SetEnableChecks(bool On);
  bool EnableChecks() const { return Sel->EnableChecks; }
  // For link drawings: ticked rows among the visible ones, the list position of the n-th of them
  // (middle of its row, box coordinates), and ticked rows above and below the view.
  int TickedRowsInView() const;
  int TickedRowPos(int N) const;
  int TickedAbove() const;
  int TickedBelow() const;
  QMenu* Menu() const { return PopupMenu; }

 protected:
  int ItemExtra() const override { return 6; }

 private:
  void ShowMenuAt(const QPoint& Global);
  TSelectionListBox* Sel;
  QMenu* PopupMenu;
};
