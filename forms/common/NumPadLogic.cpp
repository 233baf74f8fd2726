#include "NumPadLogic.h"

bool NumPadKey(QString& Display, QChar Key, bool CurrencyPad) {
  if (Key == u'C') {
    Display.clear();
    return true;
  }
  if (Key == u'<') {
    if (Display.isEmpty()) return false;
    Display.chop(1);
    return true;
  }
  int Limit = CurrencyPad ? 12 : 9;
  if (Display.size() >= Limit) return false;
  int Point = Display.indexOf(u'.');
  if (Key == u'.') {
    if (!CurrencyPad || Point >= 0) return false;
  } else if (Key >= u'0' && Key <= u'9') {
    if (Point >= 0 && Display.size() - Point - 1 >= 2) return false;
  } else {
    return false;
  }
  Display += Key;
  return true;
}

Currency NumPadAmount(const QString& Display) {
  int Point = Display.indexOf(u'.');
  QString Whole = Point < 0 ? Display : Display.left(Point);
  QString Frac = Point < 0 ? QString() : Display.mid(Point + 1);
  Frac = (Frac + QStringLiteral("0000")).left(4);
  // At most 11 digits before the point: fits easily in the scaled 64-bit amount.
  return Whole.toLongLong() * CurrencyScale + Frac.toLongLong();
}
