#include "ColumnTitleHint.h"

#include <QPainter>

TColumnTitleHint::TColumnTitleHint(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setCursor(Qt::DragMoveCursor);
}

void TColumnTitleHint::ShowTitle(const QString& title, const QColor& background, QPoint centre, int width) {
  title_ = title;
  background_ = background;
  resize(qMax(width, fontMetrics().horizontalAdvance(title) + 12), 24);
  MoveTo(centre);
  show();
  update();
}

void TColumnTitleHint::MoveTo(QPoint centre) { move(centre.x() - width() / 2, centre.y() - height()); }

void TColumnTitleHint::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), background_);
  p.setPen(background_.darker(150));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, title_);
}
