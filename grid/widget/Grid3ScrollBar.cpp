#include "Grid3ScrollBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

TGrid3ScrollBar::TGrid3ScrollBar(Qt::Orientation orientation, QWidget* parent)
    : TCustomControlEx(parent), orientation_(orientation) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  repeat_.setInterval(60);
  connect(&repeat_, &QTimer::timeout, this, [this] { Step(); });
}

void TGrid3ScrollBar::SetRange(int min, int max, int page) {
  if (max < min) max = min;
  min_ = min;
  max_ = max;
  page_ = page < 1 ? 1 : page;
  if (pos_ < min_) pos_ = min_;
  if (pos_ > max_) pos_ = max_;
  update();
}

bool TGrid3ScrollBar::SetPosition(int pos, bool notify) {
  if (pos < min_ || pos > max_) return false;
  if (pos != pos_) {
    pos_ = pos;
    update();
  }
  if (notify && OnChange) OnChange(pos_, false);
  return true;
}

int TGrid3ScrollBar::Length() const { return orientation_ == Qt::Vertical ? height() : width(); }
int TGrid3ScrollBar::TrackLength() const { return qMax(0, Length() - 2 * Thickness); }

QRect TGrid3ScrollBar::PartRect(int start, int len) const {
  return orientation_ == Qt::Vertical ? QRect(0, start, width(), len) : QRect(start, 0, len, height());
}

QRect TGrid3ScrollBar::ThumbRect() const {
  const int track = TrackLength();
  const int span = max_ - min_;
  if (span <= 0 || track <= 0) return {};
  int len = qMax(18, int(qint64(track) * page_ / (span + page_)));
  len = qMin(len, track);
  const int start = Thickness + int(qint64(track - len) * (pos_ - min_) / span);
  return PartRect(start, len);
}

TGrid3ScrollBar::Part TGrid3ScrollBar::PartAt(QPoint p) const {
  const int at = orientation_ == Qt::Vertical ? p.y() : p.x();
  if (at < Thickness) return LessBtn;
  if (at >= Length() - Thickness) return MoreBtn;
  const QRect t = ThumbRect();
  if (t.isNull()) return None;
  if (t.contains(p)) return Thumb;
  return at < (orientation_ == Qt::Vertical ? t.top() : t.left()) ? LessTrack : MoreTrack;
}

void TGrid3ScrollBar::UserMove(int pos, bool tracking) {
  pos = qBound(min_, pos, max_);
  if (pos == pos_ && !(!tracking && dragging_)) return;
  pos_ = pos;
  update();
  if (OnChange) OnChange(pos_, tracking);
}

void TGrid3ScrollBar::Step() {
  switch (pressed_) {
    case LessBtn: UserMove(pos_ - 1, false); break;
    case MoreBtn: UserMove(pos_ + 1, false); break;
    case LessTrack: UserMove(pos_ - page_, false); break;
    case MoreTrack: UserMove(pos_ + page_, false); break;
    default: break;
  }
}

void TGrid3ScrollBar::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || max_ <= min_) return;
  pressed_ = PartAt(e->position().toPoint());
  if (pressed_ == Thumb) {
    dragging_ = true;
    const QRect t = ThumbRect();
    dragOffset_ = orientation_ == Qt::Vertical ? e->position().toPoint().y() - t.top()
                                               : e->position().toPoint().x() - t.left();
  } else if (pressed_ != None) {
    Step();
    repeat_.start(300);
  }
  update();
}

void TGrid3ScrollBar::mouseMoveEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  if (dragging_) {
    const QRect t = ThumbRect();
    const int len = orientation_ == Qt::Vertical ? t.height() : t.width();
    const int free = TrackLength() - len;
    const int at = (orientation_ == Qt::Vertical ? p.y() : p.x()) - dragOffset_ - Thickness;
    if (free > 0) UserMove(min_ + int(qRound64(double(at) * (max_ - min_) / free)), true);
    return;
  }
  const int hot = PartAt(p);
  if (hot != hot_) {
    hot_ = hot;
    update();
  }
}

void TGrid3ScrollBar::mouseReleaseEvent(QMouseEvent*) {
  repeat_.stop();
  if (dragging_) {
    dragging_ = false;
    if (OnChange) OnChange(pos_, false);  // the final position, no longer tracking
  }
  pressed_ = None;
  update();
}

void TGrid3ScrollBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QPalette& pal = palette();
  const QColor track = pal.color(QPalette::Window).lighter(104);
  const QColor glyph = pal.color(QPalette::WindowText);
  p.fillRect(rect(), track);
  const bool active = max_ > min_ && isEnabled();

  auto arrow = [&](const QRect& r, bool less, Part part) {
    if (pressed_ == part || hot_ == part) p.fillRect(r, pal.color(QPalette::Midlight));
    QPainterPath path;
    const QPointF c = QRectF(r).center();
    const qreal s = 3.5;
    if (orientation_ == Qt::Vertical) {
      const qreal d = less ? -1 : 1;
      path.moveTo(c.x() - s, c.y() - d * s / 2);
      path.lineTo(c.x(), c.y() + d * s / 2);
      path.lineTo(c.x() + s, c.y() - d * s / 2);
    } else {
      const qreal d = less ? -1 : 1;
      path.moveTo(c.x() - d * s / 2, c.y() - s);
      path.lineTo(c.x() + d * s / 2, c.y());
      path.lineTo(c.x() - d * s / 2, c.y() + s);
    }
    QColor g = glyph;
    if (!active) g.setAlpha(90);
    p.setPen(QPen(g, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
  };
  arrow(PartRect(0, Thickness), true, LessBtn);
  arrow(PartRect(Length() - Thickness, Thickness), false, MoreBtn);

  const QRect t = ThumbRect();
  if (active && !t.isNull()) {
    QColor thumb = pal.color(QPalette::Dark);
    if (dragging_ || hot_ == Thumb) thumb = thumb.darker(125);
    p.setPen(Qt::NoPen);
    p.setBrush(thumb);
    const QRectF r = QRectF(t).adjusted(3.5, 3.5, -3.5, -3.5);
    const qreal radius = qMin(r.width(), r.height()) / 2;
    p.drawRoundedRect(r, radius, radius);
  }
}
