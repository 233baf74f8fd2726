#include "Registry.h"
#include "SettingsStore.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    file = (dir.path() + "/sub/QuimbelBooks.conf").toStdString();
    SetSettingsStoreFile(file);
  }
  void TearDown() override { SetSettingsStoreFile({}); }
  QTemporaryDir dir;
  std::string file;
};

TEST_F(RegistryTest, AppKeyValuesPersistInTheStoreFileAcrossAccessors) {
  {
    std::unique_ptr<TRegistry> reg;
    ASSERT_TRUE(OpenAppKey(reg));
    EXPECT_EQ(reg->CurrentPath(), AppKeyPath);
    EXPECT_FALSE(reg->ValueExists("Options"));
    EXPECT_EQ(reg->ReadInteger("Options"), std::nullopt);
    EXPECT_TRUE(reg->WriteInteger("Options", 1));
    EXPECT_TRUE(reg->WriteString("FileMessageInfo", "/home/u/Books/My Shop.qbk"));
  }
  EXPECT_TRUE(QFile::exists(QString::fromStdString(file)));
  std::unique_ptr<TRegistry> again;
  ASSERT_TRUE(OpenAppKey(again));
  EXPECT_EQ(again->ReadInteger("Options"), 1);
  EXPECT_EQ(again->ReadString("FileMessageInfo"), "/home/u/Books/My Shop.qbk");
  EXPECT_EQ(again->ReadInteger("FileMessageInfo"), std::nullopt);  // not a number
  EXPECT_TRUE(again->DeleteValue("Options"));
  EXPECT_FALSE(again->DeleteValue("Options"));
  EXPECT_FALSE(TRegistry().KeyExists("\\SOFTWARE\\QuimbelSoftware\\Nothing"));
}

TEST_F(RegistryTest, KeysOpenWithoutRegardToCaseAndRootsAreSeparate) {
  TRegistry user(TRootKey::CurrentUser);
  ASSERT_TRUE(user.OpenKey("Software\\QuimbelSoftware\\QuimbelBooks\\2.0\\MRU Items", true));
  ASSERT_TRUE(user.WriteString("F0", "/tmp/a.qbk"));

  TRegistry other(TRootKey::CurrentUser);
  EXPECT_FALSE(other.OpenKey("Software\\Nobody", false));
  EXPECT_EQ(other.CurrentPath(), "");  // a failed open leaves the current key
  ASSERT_TRUE(other.OpenKey("SOFTWARE\\quimbelsoftware\\QUIMBELBOOKS\\2.0\\mru items", false));
  EXPECT_EQ(other.CurrentPath(), "Software\\QuimbelSoftware\\QuimbelBooks\\2.0\\MRU Items");
  EXPECT_EQ(other.ReadString("F0"), "/tmp/a.qbk");

  TRegistry machine(TRootKey::LocalMachine);
  EXPECT_FALSE(machine.OpenKey("Software\\QuimbelSoftware\\QuimbelBooks\\2.0\\MRU Items", false));
  EXPECT_TRUE(machine.OpenKey("SOFTWARE", false));  // the top key always exists
}

TEST_F(RegistryTest, RelativeAndAbsoluteKeys) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("SOFTWARE", false));
  ASSERT_TRUE(reg.OpenKey("A\\B", true));
  ASSERT_TRUE(reg.WriteInteger("N", -7));
  EXPECT_EQ(reg.CurrentPath(), "SOFTWARE\\A\\B");
  ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\A", false));
  EXPECT_FALSE(reg.ValueExists("N"));
  ASSERT_TRUE(reg.OpenKey("b", false));
  EXPECT_EQ(reg.ReadInteger("N"), -7);
}

TEST(SettingsStoreFile, DefaultIsInTheUserConfigFolder) {
  SetSettingsStoreFile({});
  const std::string f = SettingsStoreFile();
  if (!std::getenv("QB_SETTINGS_FILE")) {
    EXPECT_NE(f.find("/QuimbelSoftware/QuimbelBooks.conf"), std::string::npos) << f;
  }
}

}  // namespace
