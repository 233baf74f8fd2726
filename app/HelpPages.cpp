#include "HelpPages.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "AppPaths.h"

QString DataFolder() { return QString::fromStdString(FindInstDir()); }

QString HelpPage(int) { return DataFolder() + QStringLiteral("/help/index.html"); }

bool OpenHelp(int context) {
  const QString page = HelpPage(context);
  if (!QFileInfo::exists(page)) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}
