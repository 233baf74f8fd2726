#pragma once
// A stand-in for the main window: feeds a grid with transaction-like rows generated from the
// row number, so any number of rows costs nothing to hold.
#include "ColourValues.h"
#include "Grid3.h"

#include <QString>
#include <QStringList>
#include <set>

struct GridTestSource {
  int rows = 0;
  std::set<int> openingBalance, transfers, disabled;
  int getTextCalls = 0;

  static QString Money(long long cents) {
    QString s = QString::number(cents / 100) + QLatin1Char('.') + QString::number(cents % 100).rightJustified(2, u'0');
    return s;
  }

  void Texts(int r, QStringList& t, TColor& colour, int& kind, bool& enabled) {
    ++getTextCalls;
    if (r >= rows) {
      t[0] = QStringLiteral("-1");
      return;
    }
    static const char* names[] = {"Office Supplies", "Rent", "Sales", "Telephone", "Travel & Subsistence"};
    static const char* subs[] = {"Stationery", "Premises", "Shop Counter", "Mobile", "Fuel"};
    const int k = r % 5;
    t[0] = QString::number(r + 1);
    t[1] = QStringLiteral("%1/%2/26").arg(1 + r % 28, 2, 10, QLatin1Char('0')).arg(1 + (r / 28) % 12, 2, 10, QLatin1Char('0'));
    t[2] = QStringLiteral("CHQ %1").arg(1000 + r);
    t[3] = QString::number(100 * (k + 1));
    t[4] = QString::fromUtf8(names[k]);
    t[5] = QStringLiteral("%1-%2").arg(100 * (k + 1)).arg(k);
    t[6] = QString::fromUtf8(subs[k]);
    t[7] = QStringLiteral("G%1").arg(k % 3);
    t[8] = k % 3 == 0 ? QStringLiteral("General") : k % 3 == 1 ? QStringLiteral("Household") : QStringLiteral("Business");
    const long long amount = 1234 + (r * 7919LL) % 250000;
    (k == 2 ? t[9] : t[10]) = Money(amount);
    t[11] = Money(1000000 + (r * 3137LL) % 900000);
    colour = k % 2 ? RGBColour(255, 0, 0) : RGBColour(0, 0, 255);
    kind = openingBalance.count(r) ? 1 : transfers.count(r) ? 2 : 0;
    enabled = !disabled.count(r);
  }

  void Attach(TGrid3& g) {
    g.OnGetText = [this](int r, QStringList& t, TColor& c, int& k, bool& e) { Texts(r, t, c, k, e); };
    g.OnGetRowColor = [](int r, TColor& c) { c = r % 5 % 2 ? RGBColour(230, 80, 70) : RGBColour(60, 110, 220); };
  }
};
