#include "DialogHelpers.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

void CentreOnScreenArea(QWidget* W) {
  QScreen* Screen = W->screen() ? W->screen() : QGuiApplication::primaryScreen();
  if (!Screen) return;
  const QRect Area = Screen->availableGeometry();
  const QSize Size = W->frameGeometry().size().isValid() ? W->frameGeometry().size() : W->sizeHint();
  W->move(Area.left() + (Area.width() - Size.width()) / 2, Area.top() + (Area.height() - Size.height()) / 2);
}

QColor KindColour(int Kind) { return Kind == 1 ? QColor(0, 255, 0) : QColor(255, 0, 0); }
QColor KindTextColour(int Kind) { return Kind == 1 ? QColor(0, 0, 0) : QColor(255, 255, 255); }

void StyleKindToggle(QPushButton* B, int Kind) {
  B->setCheckable(true);
  const QColor Bg = KindColour(Kind), Fg = KindTextColour(Kind);
  B->setStyleSheet(QString("QPushButton:checked { background-color: %1; color: %2; font-weight: bold; "
                           "border: 1px solid #555; padding: 3px 10px; }")
                       .arg(Bg.name(), Fg.name()));
}
