#include "SplashScreen.h"

#include <QIcon>
#include <QLinearGradient>
#include <QPainter>

#include "HelpPages.h"

TSplashScrn::TSplashScrn() : QSplashScreen(Picture(), Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("SplashScrn"));
}

QPixmap TSplashScrn::Picture() {
  QPixmap pm(376, 313);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 0, 313);
  g.setColorAt(0, QColor(18, 52, 110));
  g.setColorAt(1, QColor(40, 120, 90));
  p.fillRect(pm.rect(), g);
  QIcon(DataFolder() + QStringLiteral("/icons/quimbelbooks.svg")).paint(&p, QRect(156, 60, 64, 64));
  p.setPen(Qt::white);
  p.setFont(QFont(QStringLiteral("Arial"), 22, QFont::Bold));
  p.drawText(QRect(0, 140, 376, 40), Qt::AlignCenter, QStringLiteral("Quimbel Books 2"));
  p.setFont(QFont(QStringLiteral("Arial"), 10));
  p.drawText(QRect(0, 185, 376, 24), Qt::AlignCenter, QStringLiteral("Version %1").arg(QStringLiteral(QB_VERSION)));
  p.drawText(QRect(0, 270, 376, 24), Qt::AlignCenter, QStringLiteral("Loading..."));
  p.setPen(QColor(0, 0, 0, 140));
  p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
  return pm;
}
