#include "DialogHelpers.h"

#include <QPushButton>
#include <QWidget>

QColor KindColour(int Kind) { return Kind == 1 ? QColor(0, 255, 0) : QColor(255, 0, 0); }
QColor KindTextColour(int Kind) { return Kind == 1 ? QColor(0, 0, 0) : QColor(255, 255, 255); }

void StyleKindToggle(QPushButton* B, int Kind) {
  B->setCheckable(true);
  const QColor Bg = KindColour(Kind), Fg = KindTextColour(Kind);
  // Both states share one box so the caption never gets clipped when the button goes down.
  B->setStyleSheet(QString("QPushButton { padding: 4px 10px; border: 1px solid #8a8a8a; border-radius: 2px; "
                           "background-color: palette(button); }"
                           "QPushButton:checked { background-color: %1; color: %2; border: 2px inset #555; }"
                           "QPushButton:disabled { color: palette(mid); }"
                           "QPushButton:checked:disabled { color: %2; }")
                       .arg(Bg.name(), Fg.name()));
}
