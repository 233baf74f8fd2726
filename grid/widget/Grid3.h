#pragma once
// The worksheet grid: shows one column set with a title row, data rows fed by its owner
// through OnGetText, a totals row, row buttons and its own scroll bars. It holds no cell data.
#include "G3BtnScrollControl.h"
#include "GlyphCache.h"
#include "GridInfo.h"

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <vector>

class QPushButton;
class QFontMetrics;
class QPainter;
class TColumnTitleHint;
class TQtRowBackgroundCache;

class TGrid3 : public TG3BtnScrollControl {
  Q_OBJECT
 public:
  static constexpr int TitleHeight = 26;
  static constexpr int RowHeight = 20;
  static constexpr int TotalsHeight = 28;
  static constexpr int BorderGrip = 5;

  // Row kinds the owner reports, and the kinds RedrawRow draws.
  enum RowKind { rkNormal = 0, rkOpeningBalance = 1, rkTransfer = 2 };
  enum DrawKind { dkNormal = 0, dkHighlighted = 1, dkDisabled = 2, dkOpeningBalance = 3, dkTransfer = 4 };

  explicit TGrid3(QWidget* parent = nullptr);
  ~TGrid3() override;

  // --- settings ---
  TGridInfo* GridInfo() const { return info_; }
  void SetGridInfo(TGridInfo* info);
  int MaxCols() const { return int(rowTexts_.size()); }
  void SetMaxCols(int n);
  TColor GridColor() const { return gridColor_; }
  void SetGridColor(TColor c);
  bool Gradients() const { return gradients_; }
  void SetGradients(bool on);
  bool AnimationOn = false;
  bool DisallowColBtns = false;
  // Kept for the settings that carry it; the window system's backing store is the row buffer.
  int BuffHeightWaste = 0;
  int BalLinkIndex = -1;
  void SetLockGlyph(const QImage& picture);  // empty: the built-in lock picture
  int LockSlideDelay = 10;                   // milliseconds between the lock picture's steps

  // --- events ---
  std::function<void(int row, QStringList& texts, TColor& rowColour, int& rowKind, bool& enabled)> OnGetText;
  std::function<void(int row, TColor& colour)> OnGetRowColor;
  std::function<void(int column)> OnColBtnClick;  // collection position, or -1 for a direction flip
  std::function<void(int row)> OnRowBtnClick;
  std::function<void(int row)> OnBeforePopup;
  std::function<void(int row, QPoint screenPoint)> OnShowPopup;
  std::function<void(int column, int width)> OnColumnSize;  // collection position
  std::function<void()> OnColOrderChange;
  std::function<void(bool& allow, QPoint lockPosition)> OnAllowUnLock;
  std::function<void(int button)> OnSpecBtnClick;  // 0 lock, 1 widths reset
  std::function<void(int& width)> OnGetMaxWidth;

  // --- operations ---
  int RowCount() const { return rowCount_; }
  void SetRowCount(int n);
  void Activate();
  void ClearGrid(bool disable);
  void ScrollToTop();
  void ScrollToEnd();
  bool ScrollBy(int n);  // false (and no move) when the target lies outside the scroll range
  void RedrawRow(int row, int kind);
  void RedrawRows();     // the owner's data changed: draw every visible row again
  void SetLowColour(bool on);
  bool LowColour() const { return lowColour_; }
  void BuildRowBackgrounds();
  void SetColumnWidths(int mode);  // 0 MinWidth, 1 MaxWidth, 2 DefaultWidth
  int SortIndex() const;
  void SetSortIndex(int index);
  TSortDirection SortDirection() const;
  void SetSortDirection(TSortDirection d);

  bool Locked() const { return locked_; }
  void SetLocked(bool on) { locked_ = on; }  // for the owner before Activate; no animation
  void Lock();
  void UnLock();
  bool RequestUnlock();  // asks OnAllowUnLock and unlocks when allowed

  bool Blank() const { return blank_; }
  void SetBlank(bool on);
  bool NoData() const { return noData_; }
  bool GridEnabled() const { return enabled_; }

  int FirstRow() const { return firstRow_; }
  int FirstCol() const { return firstCol_; }
  int VisibleRows() const { return visibleRows_; }

  // Geometry in widget coordinates (visible column numbers count from the first column).
  QRect TitleRect(int visibleCol) const;
  QRect CellRect(int screenRow, int visibleCol) const;
  QRect TotalsRect() const;
  int DropPosition() const { return mode_ == ColumnDrag ? drop_ : -1; }
  QPushButton* UnlockButton() const { return unlockBtn_; }
  TColumnTitleHint* TitleHint() const { return hint_; }

  // What a cell of the given width shows for Text: the text itself when it fits; else a run of
  // "#" (right-aligned) in a total column, or the text cut with an ellipsis. Align gets the alignment.
  static QString FitCellText(const QFontMetrics& fm, const QString& text, const TColProperty& col, int cellWidth,
                             int* align);

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;
  void wheelEvent(QWheelEvent*) override;
  void MouseLeave() override;
  void changeEvent(QEvent*) override;

  void HorzPosChanged(bool tracking) override;
  void VertPosChanged(bool tracking) override;
  void RowBtnClicked(int index) override;

 private:
  enum Mode { Idle, TitlePress, BorderDrag, ColumnDrag };
  struct VisCol {
    int pos;    // collection position
    int left;   // left edge relative to the first shown column
    int width;
  };

  // Layout and buffers.
  void Layout();
  void UpdateButtons();
  void ApplyScheme();
  int BufferWidth() const;
  int MaxFirstCol() const;
  // With Titles, a border being dragged without animation shows its new width; the rows keep
  // the old one until the mouse is released.
  std::vector<VisCol> ShownColumns(bool titles = false) const;
  int RowsTop() const { return DataRect().top() + TitleHeight; }
  int TotalsTop() const { return DataRect().bottom() + 1 - TotalsHeight; }
  void MoveFirstRow(int to);

  // Drawing (Grid3Paint.cpp).
  TQtRowBackgroundCache* Cache() const;
  bool EnsureBackgrounds();
  void PaintRow(QPainter& p, const std::vector<VisCol>& cols, int screenRow);
  void DrawCellText(QPainter& p, const QRect& cell, const TColProperty& col, QString text, const QColor& colour,
                    const TGlyphCache* glyphs);
  void ComposeTitles();
  void PaintLockScreen(QPainter& p, const QRect& d);
  void PaintInsertMarker(QPainter& p);
  int LockTargetY() const;
  void PlaceUnlockButton();
  void SlideLock(int from, int to);

  // Mouse (Grid3Mouse.cpp).
  int ColumnAt(int x) const;  // visible column under x, -1 for none
  int BorderAt(QPoint p) const;
  int ComputeDrop(QPoint p, int* markerX) const;
  void TitleClicked(int visibleCol);
  void AutoFit(int visibleCol);
  int ScreenRowAt(QPoint p) const;

  TGridInfo* info_ = nullptr;
  QStringList rowTexts_;
  TColor gridColor_;
  bool gradients_ = true;
  bool lowColour_ = false;
  QColor background_, lineShade_, transferColour_;

  int rowCount_ = 0, firstRow_ = 0, firstCol_ = 0, visibleRows_ = 0, pendingFirstRow_ = -1;
  bool locked_ = false, blank_ = false, noData_ = false, enabled_ = true;

  QImage titleBuffer_;
  TGlyphCache glyphs_;
  bool titlesValid_ = false;
  QHash<int, int> forcedKinds_;  // rows RedrawRow drew highlighted or disabled

  Mode mode_ = Idle;
  int hoverTitle_ = -1, pressedTitle_ = -1, dragCol_ = -1, drop_ = -1, markerX_ = 0;
  int dragStartX_ = 0, dragStartWidth_ = 0, dragWidth_ = 0, xorX_ = -1;

  QImage lockGlyph_, builtInLock_;
  int lockY_ = 0;
  QPushButton* unlockBtn_;
  TColumnTitleHint* hint_;
};
