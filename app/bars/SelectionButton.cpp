#include "SelectionButton.h"

#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

TSelectionButton::TSelectionButton(const QString& caption, const QString& hint, QWidget* parent)
    : QPushButton(caption, parent) {
  setToolTip(hint);
  setFocusPolicy(Qt::TabFocus);
  connect(this, &QPushButton::clicked, this, [this] {
    if (active_ && popup_) popup_->popup(mapToGlobal(QPoint(0, height())));
    else if (!active_) emit NewRequested();
  });
}

void TSelectionButton::SetActive(bool active, QMenu* popup) {
  active_ = active;
  popup_ = active ? popup : nullptr;
  update();
}

void TSelectionButton::paintEvent(QPaintEvent* e) {
  if (!active_) {
    QPushButton::paintEvent(e);
    return;
  }
  QPainter p(this);
  const QRect r = rect().adjusted(0, 0, -1, -1);
  p.fillRect(r, QColor(0, 0, 255));
  p.setPen(QColor(120, 120, 255));
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(QColor(0, 0, 110));
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
  // A small down arrow says that a click drops the pop-up.
  const int ax = r.right() - 12, ay = r.center().y() - 1;
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  const QPoint tri[3] = {{ax, ay}, {ax + 7, ay}, {ax + 3, ay + 4}};
  p.drawPolygon(tri, 3);
  QRect textRect = r.adjusted(4, 0, -16, 0);
  p.setPen(Qt::white);
  p.setFont(font());
  style()->drawItemText(&p, textRect, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), text(),
                        QPalette::NoRole);
  if (hasFocus()) {
    p.setPen(QPen(Qt::white, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(3, 3, -3, -3));
  }
}
