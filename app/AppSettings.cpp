#include "AppSettings.h"

#include <memory>

#include "Registry.h"

namespace {
std::unique_ptr<TRegistry> AppKey() {
  std::unique_ptr<TRegistry> r;
  OpenAppKey(r);
  return r;
}
std::unique_ptr<TRegistry> MruKey(bool create) {
  auto r = std::make_unique<TRegistry>(TRootKey::CurrentUser);
  if (!r->OpenKey(std::string("\\") + AppKeyPath + "\\MRU Items", create)) return nullptr;
  return r;
}
}  // namespace

std::optional<int> ReadAppInt(const QString& name) {
  auto v = AppKey()->ReadInteger(name.toStdString());
  return v ? std::optional<int>(*v) : std::nullopt;
}

void WriteAppInt(const QString& name, int value) { AppKey()->WriteInteger(name.toStdString(), value); }

std::optional<QString> ReadAppString(const QString& name) {
  auto v = AppKey()->ReadString(name.toStdString());
  return v ? std::optional<QString>(QString::fromStdString(*v)) : std::nullopt;
}

void WriteAppString(const QString& name, const QString& value) {
  AppKey()->WriteString(name.toStdString(), value.toStdString());
}

QStringList ReadRecentFiles() {
  QStringList paths;
  auto r = MruKey(false);
  if (!r) return paths;
  for (int i = 0; i < 4; ++i)
    if (auto p = r->ReadString("F" + std::to_string(i)); p && !p->empty()) paths << QString::fromStdString(*p);
  return paths;
}

void WriteRecentFiles(const QStringList& paths) {
  auto r = MruKey(true);
  if (!r) return;
  for (int i = 0; i < 4; ++i) {
    const std::string key = "F" + std::to_string(i);
    if (i < paths.size()) r->WriteString(key, paths[i].toStdString());
    else r->DeleteValue(key);
  }
}
