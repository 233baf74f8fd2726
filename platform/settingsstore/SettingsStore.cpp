#include "SettingsStore.h"

#include <QStandardPaths>
#include <QString>

#include <cstdlib>
#include <mutex>

namespace {
std::mutex storeMutex;
std::string storeOverride;
}  // namespace

std::string SettingsStoreFile() {
  {
    std::lock_guard lock(storeMutex);
    if (!storeOverride.empty()) return storeOverride;
  }
  if (const char* env = std::getenv("QB_SETTINGS_FILE"); env && *env) return env;
  QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (dir.isEmpty()) dir = QStringLiteral(".");
  return (dir + QStringLiteral("/QuimbelSoftware/QuimbelBooks.conf")).toStdString();
}

void SetSettingsStoreFile(const std::string& Path) {
  std::lock_guard lock(storeMutex);
  storeOverride = Path;
}
