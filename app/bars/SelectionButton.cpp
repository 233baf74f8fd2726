#include "SelectionButton.h"

#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>

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

void TSelectionButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect().adjusted(0, 0, -1, -1);
  QColor textColour = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
  int rightRoom = 0;
  if (!active_) {
    QStyleOptionButton option;
    initStyleOption(&option);
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &p, this);
    if (hasFocus()) {
      QStyleOptionFocusRect focus;
      focus.initFrom(this);
      focus.rect = r.adjusted(3, 3, -3, -3);
      style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
  } else {
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
    textColour = Qt::white;
    rightRoom = 12;
    if (hasFocus()) {
      p.setPen(QPen(Qt::white, 1, Qt::DotLine));
      p.setBrush(Qt::NoBrush);
      p.drawRect(r.adjusted(3, 3, -3, -3));
    }
  }
  // Narrow windows squeeze the buttons: the caption then ends in an ellipsis (without its
  // underlined letter, which cannot survive the cut).
  const QRect textRect = r.adjusted(4, 0, -4 - rightRoom, 0);
  QString caption = text();
  const QString plain = QString(caption).remove(QLatin1Char('&'));
  const QFontMetrics fm(font());
  int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
  if (fm.horizontalAdvance(plain) > textRect.width()) {
    caption = fm.elidedText(plain, Qt::ElideRight, textRect.width());
    flags = Qt::AlignVCenter | Qt::AlignLeft;
  }
  p.setPen(textColour);
  p.setFont(font());
  p.drawText(textRect, flags, caption);
}
