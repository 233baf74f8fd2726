#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdlib>

namespace {

bool IsFolder(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

std::string Made(const QString& path) {
  QDir().mkpath(path);
  return QDir::cleanPath(path).toStdString();
}

}  // namespace

std::string FindInstDir() {
  if (const char* env = std::getenv("QB_DATA_DIR"); env && IsFolder(QString::fromLocal8Bit(env)))
    return QDir::cleanPath(QString::fromLocal8Bit(env)).toStdString();
  if (QCoreApplication::instance()) {
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quimbelbooks");
    if (IsFolder(installed)) return QDir::cleanPath(installed).toStdString();
  }
#ifdef QB_SOURCE_DATA_DIR
  if (IsFolder(QStringLiteral(QB_SOURCE_DATA_DIR))) return QDir::cleanPath(QStringLiteral(QB_SOURCE_DATA_DIR)).toStdString();
#endif
  return {};
}

std::string UserDataDir() {
  if (const char* env = std::getenv("QB_USER_DATA_DIR"); env && *env) return Made(QString::fromLocal8Bit(env));
  // Not QStandardPaths::AppDataLocation: that depends on the organisation and application names
  // being set before the first call, and tools built on this layer set none.
  QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.local/share");
  return Made(base + QStringLiteral("/QuimbelBooks"));
}

std::string OptionsFilePath(const std::string& Folder, int ScreenWidth) {
  return Folder + (ScreenWidth > 640 ? "/Options.Dat" : "/Options640.Dat");
}

bool IsSmallScreenOptionsFile(const std::string& Path) {
  const std::string name = "Options640.Dat";
  return Path.size() >= name.size() && Path.compare(Path.size() - name.size(), name.size(), name) == 0;
}

std::string BooksFolder(const std::string& UserFolder) { return Made(QString::fromStdString(UserFolder) + QStringLiteral("/Books")); }

std::string ExampleFolder(const std::string& UserFolder) {
  return Made(QString::fromStdString(UserFolder) + QStringLiteral("/Books/Example Files"));
}
