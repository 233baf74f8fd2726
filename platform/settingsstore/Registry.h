#pragma once
// Registry-style accessor over the settings store: a root key, a current key reached by OpenKey,
// and named integer and string values under it. Key paths use "\" as on the original platform
// ("SOFTWARE\QuimbelSoftware\QuimbelBooks\2.0"); they are kept without regard to letter case
// as written. Every write reaches the store's file before the call returns.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class QSettings;
class QString;

enum class TRootKey { LocalMachine, CurrentUser };

class TRegistry {
 public:
  explicit TRegistry(TRootKey Root = TRootKey::LocalMachine);
  ~TRegistry();
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  TRootKey Root() const { return root_; }
  // Opens Key relative to the current key, or from the root when it starts with "\". Without
  // CanCreate a key that does not exist is not opened. On failure the current key stays.
  // The top keys "SOFTWARE" and "Software" always exist.
  bool OpenKey(const std::string& Key, bool CanCreate);
  void CloseKey();  // back to the root
  bool KeyExists(const std::string& Key) const;  // same path rules as OpenKey
  const std::string& CurrentPath() const { return path_; }  // "SOFTWARE\..."; empty at the root

  bool ValueExists(const std::string& Name) const;
  // Missing values, and values of the other type, give nullopt.
  std::optional<std::int32_t> ReadInteger(const std::string& Name) const;
  std::optional<std::string> ReadString(const std::string& Name) const;
  // False when the store's file cannot be written.
  bool WriteInteger(const std::string& Name, std::int32_t Value);
  bool WriteString(const std::string& Name, const std::string& Value);
  bool DeleteValue(const std::string& Name);

 private:
  std::string Resolve(const std::string& Key) const;
  QString GroupOf(const std::string& Path) const;
  bool Sync();

  TRootKey root_;
  std::string path_;
  std::unique_ptr<QSettings> store_;
};

// The program's key SOFTWARE\QuimbelSoftware\QuimbelBooks\2.0 on the machine root, created where
// missing. Returns whether it opened; Registry is set either way (on failure it stays on the last
// key that opened, so reads behave as for missing values).
bool OpenAppKey(std::unique_ptr<TRegistry>& Registry);
// The program key's path, also used below the user root (e.g. + "\MRU Items").
constexpr const char* AppKeyPath = "SOFTWARE\\QuimbelSoftware\\QuimbelBooks\\2.0";
