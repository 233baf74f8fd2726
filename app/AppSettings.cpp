#include "AppSettings.h"

#include <QSettings>

namespace {
QSettings& Store() {
  static QSettings settings(QStringLiteral("QuimbelSoftware"), QStringLiteral("QuimbelBooks"));
  return settings;
}
const QString AppKey = QStringLiteral("2.0/");
const QString MruKey = QStringLiteral("2.0/MRU Items/");
}  // namespace

QVariant ReadAppValue(const QString& name, const QVariant& fallback) {
  Store().sync();
  return Store().value(AppKey + name, fallback);
}

void WriteAppValue(const QString& name, const QVariant& value) {
  Store().setValue(AppKey + name, value);
  Store().sync();
}

QStringList ReadRecentFiles() {
  Store().sync();
  QStringList paths;
  for (int i = 0; i < 4; ++i) {
    const QString p = Store().value(MruKey + QStringLiteral("F%1").arg(i)).toString();
    if (!p.isEmpty()) paths << p;
  }
  return paths;
}

void WriteRecentFiles(const QStringList& paths) {
  for (int i = 0; i < 4; ++i) {
    const QString key = MruKey + QStringLiteral("F%1").arg(i);
    if (i < paths.size()) Store().setValue(key, paths[i]);
    else Store().remove(key);
  }
  Store().sync();
}
