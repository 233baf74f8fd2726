#include "BookBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
QColor Windows(TColor c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

// White names read badly on pale book colours; those get black.
QColor TextOn(const QColor& face, TColor wanted) {
  const int lum = (face.red() * 299 + face.green() * 587 + face.blue() * 114) / 1000;
  return lum > 170 ? QColor(Qt::black) : Windows(wanted);
}
}  // namespace

TQBBookBar::TQBBookBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("QBBookBar"));
  setProperty("helpContext", 26180);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TQBBookBar::Clear() {
  model_.Clear();
  update();
}

void TQBBookBar::AddButton(const QString& name, TColor colour, bool down) {
  model_.Add(name.toStdString(), colour, down);
  update();
}

QRect TQBBookBar::SpanRect(const TBarSpan& s) const {
  if (s.Width <= 0) return {};
  return {s.Left, 1, s.Width, height() - 2};
}

QRect TQBBookBar::ButtonRect(int index) const { return SpanRect(model_.ButtonSpan(index)); }
QRect TQBBookBar::AllRect() const { return SpanRect({2, TBookBarModel::AllWidth - 2 - TBookBarModel::Gap}); }
QRect TQBBookBar::EndRect() const {
  const TBarSpan e = model_.EndSpan();
  return SpanRect({e.Left, e.Width - 2});
}
QRect TQBBookBar::PrevRect() const { return SpanRect(model_.PrevSpan()); }
QRect TQBBookBar::NextRect() const { return SpanRect(model_.NextSpan()); }

int TQBBookBar::HitTest(QPoint p) const {
  if (AllRect().contains(p)) return hAll;
  if (EndRect().contains(p)) return hEnd;
  if (PrevRect().contains(p)) return hPrev;
  if (NextRect().contains(p)) return hNext;
  const int i = model_.ButtonAt(p.x());
  return i >= 0 ? i : hNone;
}

void TQBBookBar::resizeEvent(QResizeEvent*) {
  model_.SetWidth(width());
  update();
}

void TQBBookBar::mouseMoveEvent(QMouseEvent* e) {
  const int hot = HitTest(e->position().toPoint());
  if (hot != hot_) {
    hot_ = hot;
    update();
  }
}

void TQBBookBar::leaveEvent(QEvent*) {
  hot_ = hNone;
  update();
}

void TQBBookBar::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !isEnabled()) return;
  const int hit = HitTest(e->position().toPoint());
  bool changed = false;
  switch (hit) {
    case hNone: return;
    case hAll: changed = model_.All(); break;
    case hEnd: emit BooksClicked(); return;
    case hPrev: model_.Prev(); break;
    case hNext: model_.Next(); break;
    default: changed = model_.Click(hit, e->modifiers() & Qt::ControlModifier); break;
  }
  update();
  if (changed) emit Changed();
}

void TQBBookBar::DrawPlainButton(QPainter& p, const QRect& r, const QString& text, bool enabled, bool hot) {
  p.setPen(Qt::NoPen);
  p.setBrush(palette().color(QPalette::Button));
  p.drawRect(r);
  p.setPen(palette().color(QPalette::Light));
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(palette().color(QPalette::Dark));
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
  QColor c = !enabled ? palette().color(QPalette::Disabled, QPalette::ButtonText)
             : hot   ? QColor(Qt::blue)
                     : palette().color(QPalette::ButtonText);
  p.setPen(c);
  p.drawText(r, Qt::AlignCenter, text);
}

void TQBBookBar::DrawBookButton(QPainter& p, int index) {
  const QRect r = ButtonRect(index);
  if (r.isEmpty()) return;
  const TBookButton& b = model_.Buttons[std::size_t(index)];
  const QColor colour = Windows(b.Colour);
  const bool hot = hot_ == index && isEnabled();
  QFont f = font();
  QRect textRect = r.adjusted(6, 0, -6, 0);
  if (b.Down) {
    // Raised in the book's colour.
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRect(r);
    p.setPen(colour.lighter(160));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(colour.darker(200));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    f.setBold(true);
    p.setPen(hot ? QColor(Qt::blue) : TextOn(colour, b.TextColour));
  } else {
    // Flat on the bar with a swatch of the book's colour at its right end.
    p.setPen(palette().color(QPalette::Mid));
    p.setBrush(palette().color(QPalette::Window));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QRect swatch(r.right() - 14, r.top() + (r.height() - 10) / 2, 10, 10);
    p.setPen(palette().color(QPalette::Dark));
    p.setBrush(colour);
    p.drawRect(swatch);
    textRect.setRight(swatch.left() - 4);
    p.setPen(hot ? QColor(Qt::blue) : palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  }
  p.setFont(f);
  const QString text = QFontMetrics(f).elidedText(QString::fromStdString(b.Name), Qt::ElideRight, textRect.width());
  p.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, text);
  p.setFont(font());
}

void TQBBookBar::DrawArrow(QPainter& p, const QRect& r, bool left, bool enabled, bool hot) {
  DrawPlainButton(p, r, QString(), enabled, false);
  const QPointF c = QRectF(r).center();
  QPainterPath tri;
  const double s = 4;
  if (left) {
    tri.moveTo(c.x() - s / 2, c.y());
    tri.lineTo(c.x() + s / 2, c.y() - s);
    tri.lineTo(c.x() + s / 2, c.y() + s);
  } else {
    tri.moveTo(c.x() + s / 2, c.y());
    tri.lineTo(c.x() - s / 2, c.y() - s);
    tri.lineTo(c.x() - s / 2, c.y() + s);
  }
  tri.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(!enabled ? palette().color(QPalette::Disabled, QPalette::ButtonText)
             : hot   ? QColor(Qt::blue)
                     : palette().color(QPalette::ButtonText));
  p.drawPath(tri);
}

void TQBBookBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Button));
  p.setPen(Windows(PenColor));
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  const bool on = isEnabled();
  DrawPlainButton(p, AllRect(), tr("All"), on && !model_.AllDown() && model_.Count() > 0, hot_ == hAll);
  for (int i = model_.FirstShown(); i < model_.FirstShown() + model_.ShownCount(); ++i) DrawBookButton(p, i);
  if (model_.ArrowsShown()) {
    DrawArrow(p, PrevRect(), true, on && model_.PrevEnabled(), hot_ == hPrev);
    DrawArrow(p, NextRect(), false, on && model_.NextEnabled(), hot_ == hNext);
  }
  QFont bold = font();
  bold.setBold(true);
  p.setFont(bold);
  DrawPlainButton(p, EndRect(), tr("Books"), on, hot_ == hEnd);
}
