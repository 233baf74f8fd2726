#include "SelectBoxes.h"

#include <QEvent>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionButton>
#include <cmath>

namespace {

QPixmap SortArrow(bool Up, const QColor& Colour) {
  QPixmap Pm(11, 11);
  Pm.fill(Qt::transparent);
  QPainter P(&Pm);
  P.setRenderHint(QPainter::Antialiasing);
  P.setPen(Qt::NoPen);
  P.setBrush(Colour);
  QPolygonF Tri = Up ? QPolygonF({QPointF(5.5, 2), QPointF(10, 9), QPointF(1, 9)})
                     : QPolygonF({QPointF(1, 2), QPointF(10, 2), QPointF(5.5, 9)});
  P.drawPolygon(Tri);
  return Pm;
}

}  // namespace

// ---- TSpeedBtnEx ---------------------------------------------------------------------------

TSpeedBtnEx::TSpeedBtnEx(QWidget* Parent) : QAbstractButton(Parent) { setFocusPolicy(Qt::NoFocus); }

void TSpeedBtnEx::paintEvent(QPaintEvent*) {
  QPainter P(this);
  QStyleOptionButton O;
  O.initFrom(this);
  O.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
  style()->drawControl(QStyle::CE_PushButtonBevel, &O, &P, this);
  QRect R = rect().adjusted(4, 0, -4, 0);
  if (!Glyph.isNull()) {
    P.drawPixmap(R.right() - Glyph.width() + 1, (height() - Glyph.height()) / 2, Glyph);
    R.setRight(R.right() - Glyph.width() - 2);
  }
  P.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  P.drawText(R, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, text());
}

// ---- TBasicSelectBox -------------------------------------------------------------------------

TBasicSelectBox::TBasicSelectBox(TSpecialDataListBox* L, QWidget* Parent) : QFrame(Parent), List(L) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  List->setParent(this);
  List->setFrameStyle(QFrame::NoFrame);
  SelectAllBtn = new TSpeedBtnEx(this);
  SelectAllBtn->setToolTip("Select All");
  NumberBtn = new TSpeedBtnEx(this);
  NameBtn = new TSpeedBtnEx(this);
  QObject::connect(NumberBtn, &QAbstractButton::clicked, this, [this] { HeaderPressed(TSortColumn::Number); });
  QObject::connect(NameBtn, &QAbstractButton::clicked, this, [this] { HeaderPressed(TSortColumn::Name); });
  setFocusProxy(List);
}

void TBasicSelectBox::SetNumberCaption(const QString& C) { NumberBtn->setText(C); }
void TBasicSelectBox::SetNameCaption(const QString& C) { NameBtn->setText(C); }

void TBasicSelectBox::SetSelectAllBtnWidth(int W) {
  SelectAllBtnWidth = std::max(0, W);
  LayoutParts();
}

void TBasicSelectBox::SetNumberBtnWidth(int W) {
  NumberBtnWidth = std::max(0, W);
  LayoutParts();
}

void TBasicSelectBox::SetItemHeight(int H) {
  List->SetItemHeight(H);
  BtnHeight_ = H + 2;
  LayoutParts();
}

void TBasicSelectBox::SetListColours(const QColor& L, const QColor& H, const QColor& F) {
  List->ListColor = L;
  List->HighlightColor = H;
  List->FontHighlightColor = F;
  QPalette Pal = List->viewport()->palette();
  Pal.setColor(QPalette::Base, L);
  List->viewport()->setPalette(Pal);
  List->viewport()->update();
}

void TBasicSelectBox::FontChanged() {
  const QFont F = List->font();
  int Px = F.pointSizeF() > 0 ? int(std::lround(F.pointSizeF() * List->logicalDpiY() / 72.0)) : F.pixelSize();
  SetItemHeight(Px + ItemExtra());
}

void TBasicSelectBox::changeEvent(QEvent* E) {
  QFrame::changeEvent(E);
  if (E->type() == QEvent::FontChange) FontChanged();
}

void TBasicSelectBox::LayoutParts() {
  const QRect C = contentsRect();
  int X = C.left();
  SelectAllBtn->setVisible(SelectAllBtnWidth > 0);
  SelectAllBtn->setGeometry(X, C.top(), SelectAllBtnWidth, BtnHeight_);
  X += SelectAllBtnWidth;
  NumberBtn->setGeometry(X, C.top(), NumberBtnWidth, BtnHeight_);
  X += NumberBtnWidth;
  NameBtn->setGeometry(X, C.top(), std::max(0, C.right() + 1 - X - 4), BtnHeight_);
  List->setGeometry(C.left(), C.top() + BtnHeight_, C.width(), std::max(0, C.height() - BtnHeight_));
  List->NumberWidth = std::max(0, NumberBtnWidth - 3);
}

void TBasicSelectBox::resizeEvent(QResizeEvent* E) {
  QFrame::resizeEvent(E);
  LayoutParts();
}

void TBasicSelectBox::BeginUpdate() { List->viewport()->setUpdatesEnabled(false); }

void TBasicSelectBox::EndUpdate() {
  List->SortColumn = TSortColumn::Name;
  List->SortAscending = true;
  UpdateGlyphs();
  List->viewport()->setUpdatesEnabled(true);
  List->SortItems();
}

void TBasicSelectBox::Clear() { List->ClearItems(); }

void TBasicSelectBox::AddItem(void* Record, const std::string& Name, bool Ticked, int SecondNumber, int Number) {
  List->AddItem(Record, Name, Ticked, SecondNumber, Number);
}

int TBasicSelectBox::SelectedPoint() const {
  int P = List->SelectedPoint();
  return P < 0 ? P : P + BtnHeight_;
}

void TBasicSelectBox::SizeToRows(int Rows) {
  if (Rows < 0) Rows = List->VisibleRows();
  const int ListH = Rows * List->ItemHeight() + 2 * List->frameWidth();
  setFixedHeight(ListH + BtnHeight_ + 2 * frameWidth());
  LayoutParts();
}

void TBasicSelectBox::FocusList() { List->setFocus(); }

void TBasicSelectBox::HeaderPressed(TSortColumn Column) {
  if (List->SortColumn == Column)
    List->SortAscending = !List->SortAscending;
  else
    List->SortColumn = Column;
  UpdateGlyphs();
  List->SortItems();
}

void TBasicSelectBox::UpdateGlyphs() {
  const QColor C = palette().color(QPalette::ButtonText);
  const QPixmap Arrow = SortArrow(List->SortAscending, C);
  NumberBtn->Glyph = List->SortColumn == TSortColumn::Number ? Arrow : QPixmap();
  NameBtn->Glyph = List->SortColumn == TSortColumn::Name ? Arrow : QPixmap();
  NumberBtn->update();
  NameBtn->update();
}

// ---- TActBox ----------------------------------------------------------------------------------

TActBox::TActBox(QWidget* Parent) : TBasicSelectBox(new TActListBox, Parent) {
  Act = static_cast<TActListBox*>(List);
  FontChanged();
  Act->TextOffset = SelectAllBtnWidth;
  QObject::connect(SelectAllBtn, &QAbstractButton::clicked, this, [] {});
}

void TActBox::DeleteItem(int Index) {
  if (Index < 0 || Index >= Act->RowCount()) return;
  void* Was = Act->HighlightedIndex() >= 0 && Act->HighlightedIndex() != Index
                  ? Act->Items[Act->HighlightedIndex()].Record : nullptr;
  Act->Items.erase(Act->Items.begin() + Index);
  int H = -1;
  for (int I = 0; Was && I < Act->RowCount(); ++I)
    if (Act->Items[I].Record == Was) H = I;
  Act->UpdateScrollRange();
  Act->SetHighlightedIndex(H);  // repaints, fires OnSelectedPointChange
}

void TActBox::RenameItem(int Index, const std::string& Name) {
  if (Index < 0 || Index >= Act->RowCount()) return;
  Act->Items[Index].Name = Name;
  Act->viewport()->update();
}

int TActBox::HighlightByNumbers(int Number, int SecondNumber) {
  for (int I = 0; I < Act->RowCount(); ++I) {
    if (Act->Items[I].Number == Number && Act->Items[I].SecondNumber == SecondNumber) {
      Act->SetHighlightedIndex(I);
      return I;
    }
  }
  return -1;
}

// ---- TSelectionBox ------------------------------------------------------------------------------

TSelectionBox::TSelectionBox(QWidget* Parent) : TBasicSelectBox(new TSelectionListBox, Parent) {
  Sel = static_cast<TSelectionListBox*>(List);
  FontChanged();
  Sel->CheckWidth = Sel->TextOffset = SelectAllBtnWidth;
  PopupMenu = new QMenu(this);
  PopupMenu->addAction("Select All", this, [this] { SelectAll(); });
  PopupMenu->addAction("UnSelect All", this, [this] { UnSelectAll(); });
  Sel->OnShowMenu = [this](int X, int Y) { ShowMenuAt(Sel->viewport()->mapToGlobal(QPoint(X, Y))); };
  QObject::connect(SelectAllBtn, &QAbstractButton::clicked, this,
                   [this] { ShowMenuAt(mapToGlobal(QPoint(SelectAllBtn->x(), BtnHeight_ + frameWidth()))); });
  SetEnableChecks(true);
}

void TSelectionBox::ShowMenuAt(const QPoint& Global) {
  if (Sel->EnableChecks) PopupMenu->popup(Global);
}

void* TSelectionBox::HighlightedRecord() const {
  const TSelectionItem* It = Sel->Item(Sel->HighlightedIndex());
  return It ? It->Record : nullptr;
}

void TSelectionBox::SelectAll() {
  Sel->SetAllTicks(true);
  if (Sel->RowCount() > 0 && OnSelectAll) OnSelectAll();
}

void TSelectionBox::UnSelectAll() {
  Sel->SetAllTicks(false);
  if (Sel->RowCount() > 0 && OnUnSelectAll) OnUnSelectAll();
}

void TSelectionBox::SetEnableChecks(bool On) {
  Sel->EnableChecks = On;
  SelectAllBtn->Glyph = On ? SelectAllBitmap : QPixmap();
  SelectAllBtn->setEnabled(On);
  SelectAllBtn->update();
  Sel->viewport()->update();
}

int TSelectionBox::TickedRowsInView() const {
  int N = 0;
  for (int I = Sel->TopRow(); I < std::min(Sel->RowCount(), Sel->TopRow() + Sel->VisibleRows()); ++I)
    N += Sel->Items[I].Ticked;
  return N;
}

int TSelectionBox::TickedRowPos(int N) const {
  for (int I = Sel->TopRow(); I < std::min(Sel->RowCount(), Sel->TopRow() + Sel->VisibleRows()); ++I)
    if (Sel->Items[I].Ticked && N-- == 0)
      return BtnHeight_ + (I - Sel->TopRow()) * Sel->ItemHeight() + Sel->ItemHeight() / 2;
  return -1;
}

int TSelectionBox::TickedAbove() const {
  int N = 0;
  for (int I = 0; I < std::min(Sel->TopRow(), Sel->RowCount()); ++I) N += Sel->Items[I].Ticked;
  return N;
}

int TSelectionBox::TickedBelow() const {
  int N = 0;
  for (int I = Sel->TopRow() + Sel->VisibleRows(); I < Sel->RowCount(); ++I) N += Sel->Items[I].Ticked;
  return N;
}
