#include "DialogHelpers.h"

#include <QPushButton>
#include <QWidget>

QColor KindColour(int Kind) { return Kind == 1 ? QColor(0, 255, 0) : QColor(255, 0, 0); }
QColor KindTextColour(int Kind) { return Kind == 1 ? QColor(0, 0, 0) : QColor(255, 255, 255); }

void StyleKindToggle(QPushButton* B, int Kind) {
  B->setCheckable(true);
  const QColor Bg = KindColour(Kind), Fg = KindTextColour(Kind);
  B->setStyleSheet(QString("QPushButton:checked { background-color: %1; color: %2; font-weight: bold; "
                           "border: 1px solid #555; padding: 3px 10px; }")
                       .arg(Bg.name(), Fg.name()));
}
