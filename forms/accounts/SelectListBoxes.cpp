#include "SelectListBoxes.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <algorithm>

// ---- TSelectPointListBox ------------------------------------------------------------------

TSelectPointListBox::TSelectPointListBox(QWidget* Parent) : QAbstractScrollArea(Parent) {
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  verticalScrollBar()->setSingleStep(1);
  viewport()->setMouseTracking(true);
}

void TSelectPointListBox::SetItemHeight(int H) {
  ItemHeight_ = std::max(1, H);
  UpdateScrollRange();
  viewport()->update();
}

void TSelectPointListBox::SetHighlightedIndex(int Index) {
  Highlight = (Index >= 0 && Index < RowCount()) ? Index : -1;
  if (Highlight >= 0) {
    Caret = Highlight;
    EnsureVisible(Highlight);
  }
  viewport()->update();
  FirePoint();
}

int TSelectPointListBox::TopRow() const { return verticalScrollBar()->value(); }
int TSelectPointListBox::VisibleRows() const { return std::max(1, viewport()->height() / ItemHeight_); }

int TSelectPointListBox::RowAt(int Y) const {
  if (Y < 0) return -1;
  int Row = TopRow() + Y / ItemHeight_;
  return Row < RowCount() ? Row : -1;
}

int TSelectPointListBox::SelectedPoint() const {
  if (Highlight < 0 || Highlight >= RowCount() || !RowTicked(Highlight)) return -1;
  if (Highlight < TopRow()) return 0;
  if (Highlight >= TopRow() + VisibleRows()) return viewport()->height();
  return (Highlight - TopRow()) * ItemHeight_ + ItemHeight_ / 2;
}

void TSelectPointListBox::UpdateScrollRange() {
  int V = VisibleRows();
  verticalScrollBar()->setPageStep(V);
  verticalScrollBar()->setRange(0, std::max(0, RowCount() - V));
}

void TSelectPointListBox::EnsureVisible(int Row) {
  if (Row < 0) return;
  if (Row < TopRow())
    verticalScrollBar()->setValue(Row);
  else if (Row >= TopRow() + VisibleRows())
    verticalScrollBar()->setValue(Row - VisibleRows() + 1);
}

void TSelectPointListBox::FireChange() {
  viewport()->update();
  FirePoint();
  if (OnItemChange) OnItemChange(RowRecord(Highlight));
  if (BoxType == btMain && OnDrawLink) OnDrawLink();
}

void TSelectPointListBox::RowClicked(int Row, int) {
  if (Row < 0 || Row == Highlight) return;
  Highlight = Caret = Row;
  FireChange();
}

void TSelectPointListBox::paintEvent(QPaintEvent*) {
  QPainter P(viewport());
  const int W = viewport()->width();
  int Y = 0;
  for (int Row = TopRow(); Row < RowCount() && Y < viewport()->height(); ++Row, Y += ItemHeight_) {
    QRect R(0, Y, W, ItemHeight_);
    PaintRow(P, R, Row);
    if (Row == Caret && hasFocus()) {
      QStyleOptionFocusRect O;
      O.initFrom(this);
      O.rect = R.adjusted(0, 0, -1, -1);
      style()->drawPrimitive(QStyle::PE_FrameFocusRect, &O, &P, this);
    }
  }
}

void TSelectPointListBox::resizeEvent(QResizeEvent* E) {
  QAbstractScrollArea::resizeEvent(E);
  UpdateScrollRange();
}

void TSelectPointListBox::scrollContentsBy(int, int) {
  viewport()->update();
  FirePoint();
}

void TSelectPointListBox::mousePressEvent(QMouseEvent* E) {
  if (E->button() != Qt::LeftButton) return;
  RowClicked(RowAt(E->position().toPoint().y()), E->position().toPoint().x());
}

void TSelectPointListBox::mouseDoubleClickEvent(QMouseEvent* E) {
  if (E->button() == Qt::LeftButton && RowAt(E->position().toPoint().y()) >= 0 && OnDblClick) OnDblClick();
}

void TSelectPointListBox::keyPressEvent(QKeyEvent* E) {
  const int Key = E->key();
  const bool Moving = Key == Qt::Key_PageUp || Key == Qt::Key_PageDown || Key == Qt::Key_Up ||
                      Key == Qt::Key_Down || Key == Qt::Key_Left || Key == Qt::Key_Right;
  if (!Moving && Key != Qt::Key_Space) {
    QAbstractScrollArea::keyPressEvent(E);
    return;
  }
  if (RowCount() == 0) return;
  if (Highlight < 0) {
    Highlight = Caret = (Caret >= 0 && Caret < RowCount()) ? Caret : 0;
    EnsureVisible(Highlight);
    FireChange();
    return;
  }
  if (Key == Qt::Key_Space) {
    SpacePressed();
    return;
  }
  const int V = VisibleRows(), Last = RowCount() - 1;
  int New = Highlight;
  switch (Key) {
    case Qt::Key_PageUp: New = Highlight < V - 1 ? 0 : Highlight - (V - 1); break;
    case Qt::Key_PageDown: New = Last - Highlight <= V ? Last : Highlight + V - 1; break;
    case Qt::Key_Up:
    case Qt::Key_Left: New = std::max(0, Highlight - 1); break;
    default: New = std::min(Last, Highlight + 1); break;
  }
  Highlight = Caret = New;
  EnsureVisible(New);
  FireChange();
}

void TSelectPointListBox::focusOutEvent(QFocusEvent* E) {
  QAbstractScrollArea::focusOutEvent(E);
  if (UnSelectOnExit && Highlight >= 0) SetHighlightedIndex(-1);
  viewport()->update();
}

// ---- TSpecialDataListBox ---------------------------------------------------------------------

TSpecialDataListBox::TSpecialDataListBox(QWidget* Parent) : TSelectPointListBox(Parent) {}

void TSpecialDataListBox::AddItem(void* Record, const std::string& Name, bool Ticked, int SecondNumber,
                                  int Number) {
  Items.push_back(TSelectionItem{Record, Ticked, Name, Number, SecondNumber});
  UpdateScrollRange();
  viewport()->update();
}

void TSpecialDataListBox::ClearItems() {
  Items.clear();
  Highlight = -1;
  Caret = 0;
  UpdateScrollRange();
  viewport()->update();
}

void TSpecialDataListBox::SortItems() {
  void* Was = RowRecord(Highlight);
  SortSelectionItems(Items, SortColumn, SortAscending);
  Highlight = -1;
  if (Was)
    for (int I = 0; I < RowCount(); ++I)
      if (Items[I].Record == Was) Highlight = Caret = I;
  if (Highlight < 0) Caret = 0;
  EnsureVisible(Highlight);
  viewport()->update();
  FirePoint();
}

const TSelectionItem* TSpecialDataListBox::Item(int Index) const {
  return Index >= 0 && Index < RowCount() ? &Items[Index] : nullptr;
}

void TSpecialDataListBox::PaintRow(QPainter& P, const QRect& R, int Row) {
  const TSelectionItem& It = Items[Row];
  const bool Hi = Row == Highlight;
  P.fillRect(R, Hi ? HighlightColor : ListColor);
  PaintTickColumn(P, QRect(R.left(), R.top(), TextOffset, R.height()), Row);
  QFont F = font();
  F.setBold(Hi);
  P.setFont(F);
  P.setPen(Hi ? FontHighlightColor : palette().color(QPalette::Text));
  QRect NumR(R.left() + TextOffset, R.top(), NumberWidth, R.height());
  P.drawText(NumR, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
             QString::fromStdString(It.NumberText()));
  QRect NameR(NumR.right() + 1 + 3, R.top(), R.right() - NumR.right() - 3, R.height());
  QString Name = P.fontMetrics().elidedText(QString::fromStdString(It.Name), Qt::ElideRight, NameR.width());
  P.drawText(NameR, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, Name);
}

// ---- TActListBox -------------------------------------------------------------------------

bool TActListBox::Allowed() {
  bool Allow = true;
  if (OnAllowChange) OnAllowChange(this, Allow);
  return Allow;
}

void TActListBox::keyPressEvent(QKeyEvent* E) {
  const int Key = E->key();
  const bool Moving = Key == Qt::Key_PageUp || Key == Qt::Key_PageDown || Key == Qt::Key_Up ||
                      Key == Qt::Key_Down || Key == Qt::Key_Left || Key == Qt::Key_Right;
  if (AskBeforeChange && Moving && RowCount() > 0 && !Allowed()) return;
  TSpecialDataListBox::keyPressEvent(E);
}

void TActListBox::RowClicked(int Row, int X) {
  if (!AskBeforeChange) {
    TSpecialDataListBox::RowClicked(Row, X);
    return;
  }
  if (Row < 0 || Row == Highlight) return;
  if (!Allowed()) return;
  Highlight = Caret = Row;
  setFocus();
  viewport()->update();
  FirePoint();
}

// ---- TSelectionListBox -----------------------------------------------------------------------

TSelectionListBox::TSelectionListBox(QWidget* Parent) : TSpecialDataListBox(Parent) { TextOffset = CheckWidth; }

void TSelectionListBox::SetAllTicks(bool Ticked) {
  for (auto& It : Items) It.Ticked = Ticked;
  viewport()->update();
  if (OnDrawLink) OnDrawLink();
}

int TSelectionListBox::TickedCount() const {
  return static_cast<int>(std::count_if(Items.begin(), Items.end(), [](const auto& It) { return It.Ticked; }));
}

void TSelectionListBox::ToggleRow(int Row) {
  if (!EnableChecks || Row < 0 || Row >= RowCount()) return;
  Items[Row].Ticked = !Items[Row].Ticked;
  viewport()->update();
  if (OnItemToggle) OnItemToggle(Items[Row].Record, Items[Row].Ticked);
  if ((BoxType == btSub || Row == Highlight) && OnDrawLink) OnDrawLink();
}

void TSelectionListBox::RowClicked(int Row, int X) {
  if (X < CheckWidth) {
    ToggleRow(Row);  // nothing while ticks are off
    return;
  }
  TSpecialDataListBox::RowClicked(Row, X);
}

void TSelectionListBox::SpacePressed() {
  if (!EnableChecks) return;
  Items[Highlight].Ticked = !Items[Highlight].Ticked;
  viewport()->update();
  if (OnItemToggle) OnItemToggle(Items[Highlight].Record, Items[Highlight].Ticked);
  if (OnDrawLink) OnDrawLink();
}

void TSelectionListBox::PaintTickColumn(QPainter& P, const QRect& R, int Row) {
  if (R.width() <= 0) return;
  if (ButtonBackGnd) {
    P.fillRect(R, palette().color(QPalette::Button));
    if (EnableChecks && (Row == HotRow || Row == PressedRow)) {
      const bool Down = Row == PressedRow;
      P.setPen(Down ? palette().color(QPalette::Dark) : palette().color(QPalette::Light));
      P.drawLine(R.topLeft(), R.topRight());
      P.drawLine(R.topLeft(), R.bottomLeft());
      P.setPen(Down ? palette().color(QPalette::Light) : palette().color(QPalette::Dark));
      P.drawLine(R.bottomLeft(), R.bottomRight());
      P.drawLine(R.topRight(), R.bottomRight());
    }
  }
  const bool T = Items[Row].Ticked;
  if (!T && !ShowUnSelImage) return;
  const int Image = T ? GlyphSelectedIndex : GlyphUnSelectedIndex;
  if (!ItemImages.empty()) {
    if (Image >= 0 && Image < int(ItemImages.size())) {
      const QPixmap& Pm = ItemImages[Image];
      P.drawPixmap(R.left() + ImageXOffset, R.top() + (R.height() - Pm.height()) / 2 + ImageYOffset, Pm);
    }
    return;
  }
  const int D = std::min(R.width(), R.height()) - 8;
  QRect C(R.center().x() - D / 2, R.center().y() - D / 2, D, D);
  P.setRenderHint(QPainter::Antialiasing);
  P.setPen(palette().color(QPalette::Text));
  P.setBrush(T ? HighlightColor : ListColor);
  P.drawEllipse(C);
  P.setRenderHint(QPainter::Antialiasing, false);
  P.setBrush(Qt::NoBrush);
}

void TSelectionListBox::mousePressEvent(QMouseEvent* E) {
  const QPoint Pos = E->position().toPoint();
  if (E->button() == Qt::LeftButton && EnableChecks && Pos.x() < CheckWidth) {
    PressedRow = RowAt(Pos.y());
    viewport()->update();
  }
  TSpecialDataListBox::mousePressEvent(E);
}

void TSelectionListBox::mouseReleaseEvent(QMouseEvent* E) {
  PressedRow = -1;
  viewport()->update();
  if (E->button() == Qt::RightButton && OnShowMenu)
    OnShowMenu(E->position().toPoint().x(), E->position().toPoint().y());
}

void TSelectionListBox::mouseMoveEvent(QMouseEvent* E) {
  const QPoint Pos = E->position().toPoint();
  int Hot = Pos.x() < CheckWidth ? RowAt(Pos.y()) : -1;
  if (Hot != HotRow) {
    HotRow = Hot;
    viewport()->update();
  }
}

void TSelectionListBox::mouseDoubleClickEvent(QMouseEvent* E) {
  const QPoint Pos = E->position().toPoint();
  if (E->button() == Qt::LeftButton && Pos.x() >= CheckWidth) ToggleRow(RowAt(Pos.y()));
  if (OnDblClick && RowAt(Pos.y()) >= 0) OnDblClick();
}

bool TSelectionListBox::viewportEvent(QEvent* E) {
  if (E->type() == QEvent::Leave) {  // the tick strip goes flat again
    HotRow = PressedRow = -1;
    viewport()->update();
  }
  return TSpecialDataListBox::viewportEvent(E);
}
