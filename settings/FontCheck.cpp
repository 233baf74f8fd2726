#include "FontCheck.h"

#include <QCoreApplication>
#include <QString>
#ifndef QB_NO_GUI
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#endif

bool IsArialCompatibleFamily(const std::string& ResolvedFamily) {
  const QString family = QString::fromStdString(ResolvedFamily).trimmed();
  for (const char* name : {"Arial", "Liberation Sans", "Arimo"})
    if (family.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return true;
  return false;
}

bool ArialFontAvailable() {
#ifdef QB_NO_GUI
  return true;
#else
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return true;
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  return IsArialCompatibleFamily(QFontInfo(font).family().toStdString());
#endif
}

int PrimaryScreenWidth() {
#ifndef QB_NO_GUI
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    if (QScreen* screen = QGuiApplication::primaryScreen()) return screen->geometry().width();
#endif
  return 1024;
}
