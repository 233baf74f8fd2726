#include "GridColours.h"

#include "ColourPalette.h"
#include "ColourValues.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

QColor SystemColour(int number) {
  const QPalette pal = QGuiApplication::palette();
  switch (number) {
    case 5: return pal.color(QPalette::Active, QPalette::Base);
    case 8: return pal.color(QPalette::Active, QPalette::Text);
    case 13: return pal.color(QPalette::Active, QPalette::Highlight);
    case 14: return pal.color(QPalette::Active, QPalette::HighlightedText);
    case 15: return pal.color(QPalette::Active, QPalette::Button);
    case 16: return pal.color(QPalette::Active, QPalette::Dark);
    case 17: return pal.color(QPalette::Disabled, QPalette::Text);
    case 18: return pal.color(QPalette::Active, QPalette::ButtonText);
    case 20: return pal.color(QPalette::Active, QPalette::Light);
    default: return Qt::black;
  }
}

}  // namespace

QColor ToQColor(TColor c) {
  if (IsSystemColour(c)) return SystemColour(SystemColourNumber(c));
  if ((c >> 24) == 0x01) c = PaletteColour(int(c & 0xFF));
  return QColor(int(ColourRed(c)), int(ColourGreen(c)), int(ColourBlue(c)));
}

QColor ShiftedColour(const QColor& c, int amount, bool lighter) {
  const int d = lighter ? amount : -amount;
  auto clamp = [](int v) { return v < 0 ? 0 : v > 255 ? 255 : v; };
  return QColor(clamp(c.red() + d), clamp(c.green() + d), clamp(c.blue() + d));
}
