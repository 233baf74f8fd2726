#include "AppPaths.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

QString DataFolder() {
  const QString env = qEnvironmentVariable("QB_DATA_DIR");
  if (!env.isEmpty() && QFileInfo(env + QStringLiteral("/help/index.html")).exists()) return env;
  const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quimbelbooks");
  if (QFileInfo(installed + QStringLiteral("/help/index.html")).exists()) return QDir::cleanPath(installed);
  return QStringLiteral(QB_SOURCE_DATA_DIR);
}

QString HelpPage(int) { return DataFolder() + QStringLiteral("/help/index.html"); }

bool OpenHelp(int context) {
  const QString page = HelpPage(context);
  if (!QFileInfo::exists(page)) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

QString BooksFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/QuimbelBooks/Books");
}

QString ExampleBooksFolder() { return BooksFolder() + QStringLiteral("/Example Files"); }
