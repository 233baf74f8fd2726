#include "ToggleSwitch.h"

#include <QPainter>

TToggleSwitch::TToggleSwitch(QWidget* parent) : QAbstractButton(parent) {
  setCheckable(true);
  setCursor(Qt::PointingHandCursor);
}

void TToggleSwitch::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF track = QRectF(rect()).adjusted(1.5, 2.5, -1.5, -2.5);
  const double r = track.height() / 2;
  const bool on = isChecked();
  const QPalette& pal = palette();
  // On, the track is a light green that stands out on the blue of an active date range.
  QColor trackColour = on ? QColor(60, 200, 90) : pal.color(QPalette::Mid);
  if (!isEnabled()) trackColour = pal.color(QPalette::Disabled, QPalette::Mid);
  p.setPen(QPen(on ? QColor(Qt::white) : pal.color(QPalette::Shadow), 1));
  p.setBrush(trackColour);
  p.drawRoundedRect(track, r, r);
  const double knob = height() - 2;
  const QRectF k(on ? width() - knob - 1 : 1, 1, knob, knob);
  p.setBrush(isEnabled() ? pal.color(QPalette::Light) : pal.color(QPalette::Disabled, QPalette::Button));
  p.setPen(QPen(pal.color(QPalette::Dark), 1));
  p.drawEllipse(k.adjusted(0.5, 0.5, -0.5, -0.5));
  if (hasFocus()) {
    p.setPen(QPen(pal.color(QPalette::Highlight), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), r + 1, r + 1);
  }
}
