#include "Grid3BtnControl.h"

#include "GridPictures.h"

#include <QMouseEvent>
#include <QPainter>

TGrid3BtnControl::TGrid3BtnControl(QWidget* parent) : TCustomControlEx(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGrid3BtnControl::SetButtons(int count, std::vector<QColor> colours) {
  count_ = qMax(0, count);
  colours_ = std::move(colours);
  update();
}

void TGrid3BtnControl::SetColours(const QColor& background, const QColor& shade) {
  background_ = background;
  shade_ = shade;
  faces_.clear();
  update();
}

void TGrid3BtnControl::SetLocked(bool locked) {
  locked_ = locked;
  update();
}

QRect TGrid3BtnControl::ButtonRect(int b) const {
  if (b == TopButton) return QRect(0, 0, width(), TopHeight);
  if (b == BottomButton) return QRect(0, height() - BottomHeight, width(), BottomHeight);
  if (b >= 0 && b < count_) return QRect(0, TopHeight + b * RowHeight, width(), RowHeight);
  return {};
}

int TGrid3BtnControl::ButtonAt(QPoint p) const {
  if (!rect().contains(p)) return NoButton;
  if (p.y() < TopHeight) return TopButton;
  if (p.y() >= height() - BottomHeight) return BottomButton;
  if (locked_) return NoButton;
  const int row = (p.y() - TopHeight) / RowHeight;
  return row < count_ ? row : NoButton;
}

void TGrid3BtnControl::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  pressed_ = ButtonAt(e->position().toPoint());
  update();
}

void TGrid3BtnControl::mouseMoveEvent(QMouseEvent* e) {
  const int hot = ButtonAt(e->position().toPoint());
  if (hot != hot_) {
    hot_ = hot;
    update();
  }
}

void TGrid3BtnControl::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const int was = pressed_;
  pressed_ = NoButton;
  update();
  if (was != NoButton && ButtonAt(e->position().toPoint()) == was && OnClick) OnClick(was);
}

void TGrid3BtnControl::MouseLeave() {
  hot_ = NoButton;
  update();
}

void TGrid3BtnControl::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), background_);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor glyph = palette().color(QPalette::WindowText);
  const QColor line = shade_.darker(110);

  auto face = [&](int b, const QColor& base) {
    const QRectF r = QRectF(ButtonRect(b)).adjusted(3.5, 2.5, -3.5, -2.5);
    QColor fill = base;
    if (pressed_ == b) fill = fill.darker(120);
    else if (hot_ == b) fill = fill.lighter(112);
    p.setPen(QPen(hot_ == b || pressed_ == b ? line.darker(130) : line, 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, 3, 3);
    return r;
  };

  // Corner buttons: widths reset (or unlock while locked) on top, lock below.
  const QRectF top = face(TopButton, background_);
  const QRectF topGlyph(top.center().x() - 6, top.center().y() - 6, 12, 12);
  if (locked_)
    DrawPadlock(p, topGlyph.adjusted(1, -1, -1, 1), QColor(232, 170, 36), glyph, true);
  else
    DrawWidthsGlyph(p, topGlyph, glyph);
  const QRectF bottom = face(BottomButton, background_);
  DrawPadlock(p, QRectF(bottom.center().x() - 5, bottom.center().y() - 7, 10, 13), glyph, glyph, false);

  for (int i = 0; i < count_ && !locked_; ++i) {
    const QColor c = i < int(colours_.size()) && colours_[i].isValid() ? colours_[i] : shade_;
    if (hot_ != i && pressed_ != i) {
      if (faces_.size() > 64 && !faces_.contains(c.rgb())) faces_.clear();  // many book colours: start again
      QImage& rest = faces_[c.rgb()];
      if (rest.isNull()) {
        rest = QImage(width(), RowHeight, QImage::Format_RGB32);
        rest.fill(background_);
        QPainter fp(&rest);
        fp.setRenderHint(QPainter::Antialiasing);
        fp.setPen(QPen(line, 1));
        fp.setBrush(c);
        fp.drawRoundedRect(QRectF(3.5, 2.5, width() - 7, RowHeight - 5), 3, 3);
      }
      p.drawImage(ButtonRect(i).topLeft(), rest);
      continue;
    }
    const QRectF r = face(i, c);
    // An arrow says the button opens the row.
    p.setPen(QPen(c.lightness() > 140 ? QColor(40, 40, 40) : QColor(250, 250, 250), 1.4, Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    const QPointF m = r.center();
    p.drawLine(QPointF(m.x() - 1.5, m.y() - 3.5), QPointF(m.x() + 2, m.y()));
    p.drawLine(QPointF(m.x() + 2, m.y()), QPointF(m.x() - 1.5, m.y() + 3.5));
  }
}
