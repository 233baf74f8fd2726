#include "Registry.h"

#include "SettingsStore.h"

#include <QSettings>
#include <QStringList>

#include <vector>

namespace {

std::vector<std::string> SplitKey(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (c == '\\' || c == '/') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

QString RootGroup(TRootKey root) {
  return root == TRootKey::LocalMachine ? QStringLiteral("HKEY_LOCAL_MACHINE") : QStringLiteral("HKEY_CURRENT_USER");
}

bool IsTopKey(const std::vector<std::string>& parts) {
  return parts.size() == 1 && QString::fromStdString(parts[0]).compare(QStringLiteral("SOFTWARE"), Qt::CaseInsensitive) == 0;
}

}  // namespace

TRegistry::TRegistry(TRootKey Root)
    : root_(Root), store_(std::make_unique<QSettings>(QString::fromStdString(SettingsStoreFile()), QSettings::IniFormat)) {}

TRegistry::~TRegistry() = default;

std::string TRegistry::Resolve(const std::string& Key) const {
  std::string full = (!Key.empty() && (Key[0] == '\\' || Key[0] == '/')) || path_.empty() ? Key : path_ + "\\" + Key;
  // Keys are found without regard to letter case, in the spelling they were created with.
  std::string resolved;
  QString group = RootGroup(root_);
  for (const std::string& part : SplitKey(full)) {
    QString name = QString::fromStdString(part);
    store_->beginGroup(group);
    const QStringList children = store_->childGroups();
    store_->endGroup();
    for (const QString& child : children)
      if (child.compare(name, Qt::CaseInsensitive) == 0) {
        name = child;
        break;
      }
    group += QLatin1Char('/') + name;
    if (!resolved.empty()) resolved += '\\';
    resolved += name.toStdString();
  }
  return resolved;
}

QString TRegistry::GroupOf(const std::string& Path) const {
  QString group = RootGroup(root_);
  for (const std::string& part : SplitKey(Path)) group += QLatin1Char('/') + QString::fromStdString(part);
  return group;
}

bool TRegistry::KeyExists(const std::string& Key) const {
  const std::string path = Resolve(Key);
  const auto parts = SplitKey(path);
  if (parts.empty() || IsTopKey(parts)) return true;
  // A key exists while it holds a value or a key below it.
  store_->beginGroup(GroupOf(path));
  const bool any = !store_->childKeys().isEmpty() || !store_->childGroups().isEmpty();
  store_->endGroup();
  return any;
}

bool TRegistry::OpenKey(const std::string& Key, bool CanCreate) {
  if (!CanCreate && !KeyExists(Key)) return false;
  // An empty key is not written to the file: it comes into being with its first value, and
  // reading from it meanwhile gives missing values, as for a new key.
  path_ = Resolve(Key);
  return true;
}

void TRegistry::CloseKey() { path_.clear(); }

bool TRegistry::ValueExists(const std::string& Name) const {
  return store_->contains(GroupOf(path_) + QLatin1Char('/') + QString::fromStdString(Name));
}

std::optional<std::int32_t> TRegistry::ReadInteger(const std::string& Name) const {
  const QVariant v = store_->value(GroupOf(path_) + QLatin1Char('/') + QString::fromStdString(Name));
  if (!v.isValid()) return std::nullopt;
  bool ok = false;
  const int n = v.toString().trimmed().toInt(&ok);
  if (!ok) return std::nullopt;
  return n;
}

std::optional<std::string> TRegistry::ReadString(const std::string& Name) const {
  const QVariant v = store_->value(GroupOf(path_) + QLatin1Char('/') + QString::fromStdString(Name));
  if (!v.isValid()) return std::nullopt;
  return v.toString().toStdString();
}

bool TRegistry::Sync() {
  store_->sync();
  return store_->status() == QSettings::NoError;
}

bool TRegistry::WriteInteger(const std::string& Name, std::int32_t Value) {
  store_->setValue(GroupOf(path_) + QLatin1Char('/') + QString::fromStdString(Name), Value);
  return Sync();
}

bool TRegistry::WriteString(const std::string& Name, const std::string& Value) {
  store_->setValue(GroupOf(path_) + QLatin1Char('/') + QString::fromStdString(Name), QString::fromStdString(Value));
  return Sync();
}

bool TRegistry::DeleteValue(const std::string& Name) {
  const QString key = GroupOf(path_) + QLatin1Char('/') + QString::fromStdString(Name);
  if (!store_->contains(key)) return false;
  store_->remove(key);
  return Sync();
}

bool OpenAppKey(std::unique_ptr<TRegistry>& Registry) {
  Registry = std::make_unique<TRegistry>(TRootKey::LocalMachine);
  if (!Registry->OpenKey("\\SOFTWARE", false)) return false;
  for (const char* key : {"QuimbelSoftware", "QuimbelBooks", "2.0"})
    if (!Registry->OpenKey(key, true)) return false;
  return true;
}
