#include "WindowPlacement.h"

#include <QWidget>

#include "AppSettings.h"

void RestoreWindowPlacement(QWidget* w) {
  if (!ReadAppInt(QStringLiteral("WindowX"))) {
    WriteAppInt(QStringLiteral("WindowState"), 0);
    WriteAppInt(QStringLiteral("WindowX"), w->x());
    WriteAppInt(QStringLiteral("WindowY"), w->y());
    WriteAppInt(QStringLiteral("WindowWidth"), w->width());
    WriteAppInt(QStringLiteral("WindowHeight"), w->height());
  }
  w->setGeometry(ReadAppInt(QStringLiteral("WindowX")).value_or(w->x()), ReadAppInt(QStringLiteral("WindowY")).value_or(w->y()),
                 ReadAppInt(QStringLiteral("WindowWidth")).value_or(w->width()),
                 ReadAppInt(QStringLiteral("WindowHeight")).value_or(w->height()));
  if (ReadAppInt(QStringLiteral("WindowState")).value_or(0) == 2) w->showMaximized();
}

void StoreWindowPlacement(QWidget* w) {
  if (w->isMinimized()) return;
  const bool maximised = w->isMaximized();
  WriteAppInt(QStringLiteral("WindowState"), maximised ? 2 : 0);
  if (maximised) return;
  const QRect g = w->geometry();
  WriteAppInt(QStringLiteral("WindowX"), g.x());
  WriteAppInt(QStringLiteral("WindowY"), g.y());
  WriteAppInt(QStringLiteral("WindowWidth"), g.width());
  WriteAppInt(QStringLiteral("WindowHeight"), g.height());
}
