#include "FormColours.h"

#include <QApplication>
#include <QPalette>

QColor LockedComboColour() {
  if (ColourMode != cmHighColour) return QApplication::palette().color(QPalette::Button);
  return QColor(196, 220, 205);
}

QColor LockedFieldColour() {
  if (ColourMode != cmHighColour) return QApplication::palette().color(QPalette::Button);
  return QColor(249, 249, 196);
}
