#include "Grid3.h"

#include "ColourValues.h"
#include "ColumnTitleHint.h"
#include "GridColours.h"
#include "GridPictures.h"
#include "RowBackgroundCache.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QThread>

TGrid3::TGrid3(QWidget* parent)
    : TG3BtnScrollControl(parent),
      unlockBtn_(new QPushButton(QStringLiteral("Un&lock"), this)),
      hint_(new TColumnTitleHint(this)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  rowTexts_ = QStringList(10, QString());
  builtInLock_ = LockPicture();

  QFont bold(QStringLiteral("Arial"), 10);
  bold.setBold(true);
  unlockBtn_->setFont(bold);
  unlockBtn_->setFixedSize(80, 25);
  unlockBtn_->setToolTip(QStringLiteral("Click here to open up the Worksheet"));
  unlockBtn_->setFocusPolicy(Qt::NoFocus);
  unlockBtn_->hide();
  connect(unlockBtn_, &QPushButton::clicked, this, [this] { RequestUnlock(); });
  hint_->hide();

  ApplyScheme();
  gridColor_ = clBtnFace;  // replaced below by the scheme's line colour
  SetLowColour(false);
}

TGrid3::~TGrid3() = default;

// ---- settings ----

void TGrid3::SetGridInfo(TGridInfo* info) {
  info_ = info;
  if (info_) {
    info_->SetRowHeight(RowHeight);
    if (!dynamic_cast<TQtRowBackgroundCache*>(info_->RowCache()))
      info_->SetRowCache(std::make_unique<TQtRowBackgroundCache>());
    // The set's remembered position holds until the owner gives the new row count.
    firstRow_ = pendingFirstRow_ = info_->ScrollBarPos;
  } else {
    firstRow_ = 0;
    pendingFirstRow_ = -1;
  }
  firstCol_ = 0;
  Layout();
}

void TGrid3::SetMaxCols(int n) {
  rowTexts_ = QStringList(qMax(0, n), QString());
  RedrawRows();
}

void TGrid3::SetGridColor(TColor c) {
  gridColor_ = c;
  Layout();
}

void TGrid3::SetGradients(bool on) {
  gradients_ = on;
  Layout();
}

void TGrid3::SetLockGlyph(const QImage& picture) {
  lockGlyph_ = picture;
  update();
}

void TGrid3::SetLowColour(bool on) {
  lowColour_ = on;
  ApplyScheme();
  const QColor face = ToQColor(clBtnFace);
  if (on) {
    gridColor_ = clBtnShadow;
  } else {
    const QColor line = ShiftedColour(face, 30, false);
    gridColor_ = PaletteRGB(line.red(), line.green(), line.blue());
  }
  Layout();
}

void TGrid3::ApplyScheme() {
  const QColor face = ToQColor(clBtnFace);
  background_ = lowColour_ ? face : ShiftedColour(face, 30, true);
  lineShade_ = lowColour_ ? ToQColor(clBtnShadow) : ShiftedColour(face, 30, false);
  transferColour_ = lowColour_ ? ToQColor(0x01000000u | 233u) : QColor(187, 187, 187);
  Buttons()->SetColours(background_, lineShade_);
}

void TGrid3::changeEvent(QEvent* e) {
  if (e->type() == QEvent::PaletteChange || e->type() == QEvent::FontChange) {
    if (auto* cache = Cache()) cache->key = 0;  // system colours may have changed under the strips
    ApplyScheme();
    Layout();
  }
  TG3BtnScrollControl::changeEvent(e);
}

// ---- layout ----

int TGrid3::BufferWidth() const {
  int w = info_ ? info_->ColInfo.MaxWidthSum() : 0;
  if (OnGetMaxWidth) OnGetMaxWidth(w);
  // Widths read from a file may exceed their limits; never cut a shown column.
  if (info_) w = qMax(w, info_->ColInfo.VisibleWidth());
  return qMax(w, DataRect().width());
}

std::vector<TGrid3::VisCol> TGrid3::ShownColumns(bool titles) const {
  std::vector<VisCol> cols;
  if (!info_) return cols;
  const TColumns& c = info_->ColInfo;
  const bool outline = titles && mode_ == BorderDrag && !AnimationOn;
  int v = 0, left = 0;
  for (int i = 0; i < c.Count(); ++i) {
    const TColProperty& col = c.Items(i);
    if (!col.Visible) continue;
    const int width = outline && v == dragCol_ ? dragWidth_ : col.Width;
    if (v++ < firstCol_) continue;
    cols.push_back({i, left, width});
    left += width;
  }
  return cols;
}

int TGrid3::MaxFirstCol() const {
  if (!info_) return 0;
  const TColumns& c = info_->ColInfo;
  const int n = c.VisibleCount(), total = c.VisibleWidth(), avail = DataRect().width();
  for (int k = 0; k < n; ++k)
    if (total - c.WidthBefore(k) <= avail) return k;
  return qMax(0, n - 1);
}

void TGrid3::Layout() {
  const QRect d = DataRect();
  visibleRows_ = qMax(0, (d.height() - TitleHeight - TotalsHeight - 1) / RowHeight);
  const int maxRow = qMax(0, rowCount_ - visibleRows_);
  VertScrollBar()->SetRange(0, maxRow, qMax(1, visibleRows_));
  firstRow_ = qBound(0, pendingFirstRow_ >= 0 ? pendingFirstRow_ : firstRow_, maxRow);
  VertScrollBar()->SetPosition(firstRow_);
  HorzScrollBar()->SetRange(0, MaxFirstCol(), 1);
  firstCol_ = qBound(0, firstCol_, HorzScrollBar()->Max());
  HorzScrollBar()->SetPosition(firstCol_);
  if (info_ && pendingFirstRow_ < 0) info_->ScrollBarPos = firstRow_;

  if (titleBuffer_.width() != BufferWidth()) titleBuffer_ = QImage(BufferWidth(), TitleHeight + TotalsHeight, QImage::Format_RGB32);
  titlesValid_ = false;
  forcedKinds_.clear();
  UpdateButtons();
  PlaceUnlockButton();
  update();
}

void TGrid3::UpdateButtons() {
  const int shown = locked_ ? 0 : qBound(0, rowCount_ - firstRow_, visibleRows_);
  std::vector<QColor> colours(static_cast<std::size_t>(shown));
  if (OnGetRowColor)
    for (int i = 0; i < shown; ++i) {
      TColor c = 0;
      OnGetRowColor(firstRow_ + i, c);
      colours[std::size_t(i)] = ToQColor(c);
    }
  Buttons()->SetLocked(locked_);
  Buttons()->SetButtons(shown, std::move(colours));
  // Nothing scrolls behind the lock screen or in a disabled grid.
  HorzScrollBar()->setEnabled(enabled_ && !locked_);
  VertScrollBar()->setEnabled(enabled_ && !locked_);
}

void TGrid3::resizeEvent(QResizeEvent* e) {
  TG3BtnScrollControl::resizeEvent(e);
  Layout();
}

// ---- operations ----

void TGrid3::SetRowCount(int n) {
  rowCount_ = qMax(0, n);
  if (!locked_) enabled_ = true;
  Layout();
  pendingFirstRow_ = -1;
  if (info_) info_->ScrollBarPos = firstRow_;
}

void TGrid3::Activate() {
  if (!locked_) enabled_ = true;
  else lockY_ = LockTargetY();
  blank_ = noData_ = false;
  unlockBtn_->setVisible(locked_);
  Layout();
}

void TGrid3::ClearGrid(bool disable) {
  noData_ = true;
  rowCount_ = 0;
  if (disable) {
    locked_ = false;
    unlockBtn_->hide();
    enabled_ = false;
  }
  Layout();
}

void TGrid3::SetBlank(bool on) {
  blank_ = on;
  update();
}

void TGrid3::MoveFirstRow(int to) {
  pendingFirstRow_ = -1;
  const int delta = to - firstRow_;
  if (delta == 0) return;
  firstRow_ = to;
  if (info_) info_->ScrollBarPos = firstRow_;
  VertScrollBar()->SetPosition(firstRow_);
  UpdateButtons();
  // The rows still on screen move with the window system's pixels; only the new rows are drawn.
  const QRect d = DataRect();
  const QRect rows(d.left(), RowsTop(), d.width(), visibleRows_ * RowHeight);
  const bool marked = !forcedKinds_.isEmpty();  // a marked row on screen must be drawn plain again
  forcedKinds_.clear();
  if (isVisible() && !marked && qAbs(delta) < visibleRows_) scroll(0, -delta * RowHeight, rows);
  else update(rows);
}

bool TGrid3::ScrollBy(int n) {
  const int to = firstRow_ + n;
  if (to < VertScrollBar()->Min() || to > VertScrollBar()->Max()) return false;
  MoveFirstRow(to);
  return true;
}

void TGrid3::ScrollToTop() { MoveFirstRow(0); }

// The last position: the final rows fill the screen.
void TGrid3::ScrollToEnd() { MoveFirstRow(VertScrollBar()->Max()); }

void TGrid3::RedrawRows() {
  forcedKinds_.clear();
  update();
}

void TGrid3::RedrawRow(int row, int kind) {
  const int screenRow = row - firstRow_;
  if (screenRow < 0 || screenRow >= visibleRows_ || locked_) return;
  if (kind == dkNormal) forcedKinds_.remove(row);
  else forcedKinds_.insert(row, kind);
  const QRect d = DataRect();
  const QRect r(d.left(), RowsTop() + screenRow * RowHeight, d.width(), RowHeight);
  if (isVisible()) repaint(r);
  else update(r);
}

void TGrid3::SetColumnWidths(int mode) {
  if (!info_) return;
  TColumns& c = info_->ColInfo;
  for (int i = 0; i < c.Count(); ++i) {
    TColProperty& col = c.Items(i);
    col.Width = mode == 0 ? col.MinWidth : mode == 1 ? col.MaxWidth : col.DefaultWidth;
  }
  Layout();
}

int TGrid3::SortIndex() const { return info_ ? info_->SortIndex : -1; }
void TGrid3::SetSortIndex(int index) {
  if (info_) info_->SortIndex = index;
  titlesValid_ = false;
  update();
}
TSortDirection TGrid3::SortDirection() const { return info_ ? info_->SortDirection : sdAscending; }
void TGrid3::SetSortDirection(TSortDirection d) {
  if (info_) info_->SortDirection = d;
  titlesValid_ = false;
  update();
}

// ---- scroll bars and buttons ----

void TGrid3::VertPosChanged(bool) {
  const int to = VertScrollBar()->Position();
  if (to != firstRow_) MoveFirstRow(to);
}

void TGrid3::HorzPosChanged(bool) {
  const int to = HorzScrollBar()->Position();
  if (to == firstCol_) return;
  firstCol_ = to;
  titlesValid_ = false;
  update();
}

void TGrid3::RowBtnClicked(int index) {
  if (index == TGrid3BtnControl::TopButton) {
    if (locked_) {
      RequestUnlock();
      return;
    }
    SetColumnWidths(2);
    firstCol_ = 0;
    Layout();
    if (OnSpecBtnClick) OnSpecBtnClick(1);
  } else if (index == TGrid3BtnControl::BottomButton) {
    if (DisallowColBtns || locked_) return;
    Lock();
    if (OnSpecBtnClick) OnSpecBtnClick(0);
  } else if (index >= 0 && enabled_ && !noData_ && !locked_) {
    const int row = firstRow_ + index;
    if (row < rowCount_ && OnRowBtnClick) OnRowBtnClick(row);
  }
}

// ---- lock screen ----

static const QImage& TGrid3Lock(const QImage& glyph, const QImage& builtIn) { return glyph.isNull() ? builtIn : glyph; }

int TGrid3::LockTargetY() const {
  const QRect d = DataRect();
  const int h = TGrid3Lock(lockGlyph_, builtInLock_).height();
  return d.top() + qMax(8, (d.height() - h - 25 - 16) / 2);
}

void TGrid3::PlaceUnlockButton() {
  const QRect d = DataRect();
  const int h = TGrid3Lock(lockGlyph_, builtInLock_).height();
  unlockBtn_->move(d.left() + (d.width() - unlockBtn_->width()) / 2, LockTargetY() + h + 16);
}

void TGrid3::SlideLock(int from, int to) {
  const int step = from < to ? 12 : -12;
  if (isVisible()) {
    for (int y = from; step > 0 ? y < to : y > to; y += step) {
      lockY_ = y;
      repaint();
      QCoreApplication::processEvents();
      if (LockSlideDelay > 0) QThread::msleep(unsigned(LockSlideDelay));
    }
  }
  lockY_ = to;
}

void TGrid3::Lock() {
  if (locked_) return;
  locked_ = true;
  enabled_ = false;
  mode_ = Idle;
  hint_->hide();
  UpdateButtons();
  QCoreApplication::processEvents();
  const int h = TGrid3Lock(lockGlyph_, builtInLock_).height();
  SlideLock(DataRect().top() - h, LockTargetY());
  PlaceUnlockButton();
  unlockBtn_->show();
  update();
}

void TGrid3::UnLock() {
  if (!locked_) return;
  unlockBtn_->hide();
  const int h = TGrid3Lock(lockGlyph_, builtInLock_).height();
  SlideLock(lockY_, DataRect().top() - h);
  locked_ = false;
  enabled_ = true;
  Layout();
}

bool TGrid3::RequestUnlock() {
  if (!locked_) return true;
  bool allow = true;
  if (OnAllowUnLock) OnAllowUnLock(allow, QPoint(DataRect().center().x(), lockY_));
  if (allow) {
    UnLock();
  } else {
    unlockBtn_->update();
    update();
  }
  return allow;
}
