// Mouse handling of the grid: title clicks and sorting, border dragging and auto-fit,
// moving columns by their titles, row double-clicks, the pop-up request and the wheel.
#include "ColumnTitleHint.h"
#include "Grid3.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

int TGrid3::ColumnAt(int x) const {
  const int rel = x - DataRect().left();
  const auto cols = ShownColumns();
  for (std::size_t i = 0; i < cols.size(); ++i)
    if (rel >= cols[i].left && rel < cols[i].left + cols[i].width) return firstCol_ + int(i);
  return -1;
}

int TGrid3::BorderAt(QPoint pt) const {
  const QRect d = DataRect();
  if (!d.contains(pt)) return -1;
  const int rel = pt.x() - d.left();
  const auto cols = ShownColumns();
  int best = -1, bestDist = BorderGrip + 1;
  for (std::size_t i = 0; i < cols.size(); ++i) {
    const int dist = qAbs(rel - (cols[i].left + cols[i].width));
    if (dist < bestDist) {
      best = firstCol_ + int(i);
      bestDist = dist;
    }
  }
  return best;
}

QRect TGrid3::TitleRect(int visibleCol) const {
  const QRect d = DataRect();
  const auto cols = ShownColumns();
  const int i = visibleCol - firstCol_;
  if (i < 0 || i >= int(cols.size())) return {};
  return QRect(d.left() + cols[std::size_t(i)].left, d.top(), cols[std::size_t(i)].width, TitleHeight);
}

QRect TGrid3::CellRect(int screenRow, int visibleCol) const {
  const QRect t = TitleRect(visibleCol);
  if (t.isNull() || screenRow < 0 || screenRow >= visibleRows_) return {};
  return QRect(t.left(), RowsTop() + screenRow * RowHeight, t.width(), RowHeight);
}

QRect TGrid3::TotalsRect() const {
  const QRect d = DataRect();
  return QRect(d.left(), TotalsTop(), d.width(), TotalsHeight);
}

// Where a dragged title would go: the position of the column under the mouse (one less right
// of the dragged column), the last position just right of the last column when scrolled fully
// right, the first position over the row buttons when not scrolled; -1 elsewhere.
int TGrid3::ComputeDrop(QPoint pt, int* markerX) const {
  const QRect d = DataRect();
  const int rel = pt.x() - d.left();
  const auto cols = ShownColumns();
  for (std::size_t i = 0; i < cols.size(); ++i) {
    if (rel >= cols[i].left && rel < cols[i].left + cols[i].width) {
      const int v = firstCol_ + int(i);
      *markerX = cols[i].left;
      return v > dragCol_ ? v - 1 : v;
    }
  }
  if (!cols.empty()) {
    const int right = cols.back().left + cols.back().width;
    if (rel >= right && rel <= right + 20 && firstCol_ >= HorzScrollBar()->Max()) {
      *markerX = right;
      return info_->ColInfo.VisibleCount() - 1;
    }
  }
  if (rel < 0 && pt.x() >= 0 && firstCol_ == 0) {
    *markerX = 0;
    return 0;
  }
  return -1;
}

void TGrid3::mousePressEvent(QMouseEvent* e) {
  const QPoint pt = e->position().toPoint();
  if (!info_ || locked_ || !enabled_) return;
  if (e->button() == Qt::RightButton) {
    const int sr = ScreenRowAt(pt);
    const int row = sr >= 0 && firstRow_ + sr < rowCount_ && !noData_ ? firstRow_ + sr : -1;
    if (row >= 0) RedrawRow(row, dkHighlighted);
    if (OnBeforePopup) OnBeforePopup(row);
    if (OnShowPopup) OnShowPopup(row, e->globalPosition().toPoint());
    if (row >= 0) RedrawRow(row, dkNormal);
    return;
  }
  if (e->button() != Qt::LeftButton) return;
  const int border = noData_ ? -1 : BorderAt(pt);
  if (border >= 0) {
    mode_ = BorderDrag;
    dragCol_ = border;
    dragStartX_ = pt.x();
    dragStartWidth_ = dragWidth_ = info_->ColInfo.VisibleItem(border).Width;
    xorX_ = TitleRect(border).right() + 1 - DataRect().left();
    update();
    return;
  }
  if (pt.y() < DataRect().top() + TitleHeight) {
    const int col = ColumnAt(pt.x());
    if (col >= 0) {
      mode_ = TitlePress;
      pressedTitle_ = dragCol_ = col;
      titlesValid_ = false;
      update();
    }
  }
}

void TGrid3::mouseMoveEvent(QMouseEvent* e) {
  const QPoint pt = e->position().toPoint();
  if (!info_ || locked_ || !enabled_) return;
  switch (mode_) {
    case BorderDrag: {
      TColProperty& col = info_->ColInfo.VisibleItem(dragCol_);
      const int w = col.ClampWidth(dragStartWidth_ + pt.x() - dragStartX_);
      if (w == dragWidth_) return;
      dragWidth_ = w;
      if (OnColumnSize) OnColumnSize(info_->ColInfo.VisiblePosition(dragCol_), w);
      const QRect d = DataRect();
      if (AnimationOn) {
        col.Width = w;
        Layout();
        repaint();
        return;
      }
      // Titles follow at once; over the rows only the line moves.
      const int oldX = xorX_;
      xorX_ = TitleRect(dragCol_).left() - d.left() + w;
      titlesValid_ = false;
      update(QRect(d.left(), d.top(), d.width(), TitleHeight));
      update(QRect(d.left() + oldX - 2, RowsTop(), 4, visibleRows_ * RowHeight));
      update(QRect(d.left() + xorX_ - 2, RowsTop(), 4, visibleRows_ * RowHeight));
      return;
    }
    case TitlePress: {
      if (TitleRect(dragCol_).contains(pt) || DisallowColBtns) return;
      // Dragged off its title: the title is released and follows the mouse.
      mode_ = ColumnDrag;
      pressedTitle_ = -1;
      titlesValid_ = false;
      const TColProperty& col = info_->ColInfo.VisibleItem(dragCol_);
      const QPoint centre = mapToGlobal(QPoint(pt.x(), DataRect().top() - 1));
      hint_->ShowTitle(QString::fromStdString(col.Title), background_, centre, col.Width);
      setCursor(Qt::DragMoveCursor);
      [[fallthrough]];
    }
    case ColumnDrag: {
      hint_->MoveTo(mapToGlobal(QPoint(pt.x(), DataRect().top() - 1)));
      int mx = 0;
      const int drop = ComputeDrop(pt, &mx);
      if (drop != drop_ || mx != markerX_) {
        drop_ = drop;
        markerX_ = mx;
        update();
      }
      return;
    }
    case Idle:
      break;
  }
  if (noData_) return;  // no hover and no border cursor while there is nothing to show
  const int border = BorderAt(pt);
  if (border >= 0) setCursor(Qt::SplitHCursor);
  else unsetCursor();
  const int hover = pt.y() < DataRect().top() + TitleHeight && border < 0 ? ColumnAt(pt.x()) : -1;
  if (hover != hoverTitle_) {
    hoverTitle_ = hover;
    titlesValid_ = false;
    update(QRect(DataRect().topLeft(), QSize(DataRect().width(), TitleHeight)));
  }
}

void TGrid3::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const QPoint pt = e->position().toPoint();
  const Mode was = mode_;
  mode_ = Idle;
  switch (was) {
    case BorderDrag:
      xorX_ = -1;
      info_->ColInfo.VisibleItem(dragCol_).Width = dragWidth_;
      Layout();
      break;
    case TitlePress:
      pressedTitle_ = -1;
      titlesValid_ = false;
      if (TitleRect(dragCol_).contains(pt)) TitleClicked(dragCol_);
      update();
      break;
    case ColumnDrag: {
      hint_->hide();
      unsetCursor();
      const int drop = drop_;
      drop_ = -1;
      if (drop >= 0 && drop != dragCol_) {
        info_->ColInfo.MoveVisible(dragCol_, drop);
        Layout();
        if (OnColOrderChange) OnColOrderChange();
      }
      update();
      break;
    }
    case Idle:
      break;
  }
  dragCol_ = -1;
}

void TGrid3::TitleClicked(int visibleCol) {
  TColProperty& col = info_->ColInfo.VisibleItem(visibleCol);
  if (!col.AllowSort) return;
  if (col.SortIndex == info_->SortIndex) {
    info_->SortDirection = info_->SortDirection == sdAscending ? sdDescending : sdAscending;
    titlesValid_ = false;
    if (OnColBtnClick) OnColBtnClick(-1);
  } else {
    info_->SortDirection = sdAscending;
    info_->SortIndex = col.SortIndex;
    titlesValid_ = false;
    if (OnColBtnClick) OnColBtnClick(info_->ColInfo.VisiblePosition(visibleCol));
  }
}

void TGrid3::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !info_ || locked_ || !enabled_ || noData_) return;
  const QPoint pt = e->position().toPoint();
  const int border = BorderAt(pt);
  if (border >= 0) {
    mode_ = Idle;
    xorX_ = -1;
    AutoFit(border);
    return;
  }
  const int sr = ScreenRowAt(pt);
  if (sr >= 0 && firstRow_ + sr < rowCount_ && OnRowBtnClick) OnRowBtnClick(firstRow_ + sr);
}

// The widest text of the column among the rows on screen (and its total), plus 8 pixels,
// held within the column's limits.
void TGrid3::AutoFit(int visibleCol) {
  TColProperty& col = info_->ColInfo.VisibleItem(visibleCol);
  const QFontMetrics fm(font());
  int widest = 0;
  if (OnGetText && col.LinkIndex >= 0 && col.LinkIndex < rowTexts_.size()) {
    for (int r = 0; r < visibleRows_ && firstRow_ + r < rowCount_; ++r) {
      for (QString& s : rowTexts_) s.clear();
      TColor colour = 0;
      int kind = 0;
      bool enabled = true;
      OnGetText(firstRow_ + r, rowTexts_, colour, kind, enabled);
      if (!rowTexts_.isEmpty() && rowTexts_.first() == QLatin1String("-1")) continue;
      widest = qMax(widest, fm.horizontalAdvance(rowTexts_[col.LinkIndex]));
    }
  }
  if (col.ShowTotal) {
    QFont bold = font();
    bold.setBold(true);
    widest = qMax(widest, QFontMetrics(bold).horizontalAdvance(QString::fromStdString(col.TotalText)));
  }
  col.Width = col.ClampWidth(widest + 8);
  if (OnColumnSize) OnColumnSize(info_->ColInfo.VisiblePosition(visibleCol), col.Width);
  Layout();
}

void TGrid3::wheelEvent(QWheelEvent* e) {
  if (!info_ || locked_ || !enabled_) return;
  const int notches = e->angleDelta().y() / 120;
  // Row by row, so that the last step before either end still moves.
  for (int i = 0; i < qAbs(notches) * 3; ++i)
    if (!ScrollBy(notches > 0 ? -1 : 1)) break;
  e->accept();
}

void TGrid3::MouseLeave() {
  if (mode_ != Idle) return;
  if (hoverTitle_ >= 0) {
    hoverTitle_ = -1;
    titlesValid_ = false;
    update();
  }
  unsetCursor();
}
