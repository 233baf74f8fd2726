#include "WindowPlacement.h"

#include <QWidget>

#include "AppSettings.h"

void RestoreWindowPlacement(QWidget* w) {
  if (!ReadAppValue(QStringLiteral("WindowX")).isValid()) {
    WriteAppValue(QStringLiteral("WindowState"), 0);
    WriteAppValue(QStringLiteral("WindowX"), w->x());
    WriteAppValue(QStringLiteral("WindowY"), w->y());
    WriteAppValue(QStringLiteral("WindowWidth"), w->width());
    WriteAppValue(QStringLiteral("WindowHeight"), w->height());
  }
  w->setGeometry(ReadAppValue(QStringLiteral("WindowX")).toInt(), ReadAppValue(QStringLiteral("WindowY")).toInt(),
                 ReadAppValue(QStringLiteral("WindowWidth")).toInt(), ReadAppValue(QStringLiteral("WindowHeight")).toInt());
  if (ReadAppValue(QStringLiteral("WindowState")).toInt() == 2) w->showMaximized();
}

void StoreWindowPlacement(QWidget* w) {
  if (w->isMinimized()) return;
  const bool maximised = w->isMaximized();
  WriteAppValue(QStringLiteral("WindowState"), maximised ? 2 : 0);
  if (maximised) return;
  const QRect g = w->geometry();
  WriteAppValue(QStringLiteral("WindowX"), g.x());
  WriteAppValue(QStringLiteral("WindowY"), g.y());
  WriteAppValue(QStringLiteral("WindowWidth"), g.width());
  WriteAppValue(QStringLiteral("WindowHeight"), g.height());
}
