#include "FileType.h"
#include "FontCheck.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

const std::string SourceData = QB_SOURCE_DATA_DIR;

QStringList FilesBelow(const QString& dir) {
  QStringList files;
  QDir d(dir);
  for (const QFileInfo& fi : d.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name)) {
    if (fi.isDir())
      files += FilesBelow(fi.filePath());
    else
      files += fi.filePath().mid(1 + fi.filePath().indexOf(QLatin1String("/home/")));
  }
  return files;
}

TEST(RegisterFileType, UnknownTypeInstallsEntryTypeAndIcon) {
  QTemporaryDir tmp;
  const QString home = tmp.path() + "/home";
  TFileTypeSetup setup;
  setup.DataHome = home.toStdString();
  setup.ProgramPath = "/opt/My Books/QuimbelBooks";
  setup.TypeKnown = [] { return false; };
  ASSERT_EQ(RegisterFileType(SourceData, setup), TFileTypeResult::Installed);

  EXPECT_TRUE(QFile::exists(home + "/mime/packages/quimbelbooks.xml"));
  EXPECT_TRUE(QFile::exists(home + "/icons/hicolor/scalable/apps/quimbelbooks.svg"));
  QFile entry(home + "/applications/quimbelbooks.desktop");
  ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(entry.readAll());
  EXPECT_TRUE(text.contains("\nExec=\"/opt/My Books/QuimbelBooks\" %f\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("MimeType=application/x-quimbel-book;"));
  // With the tools installed their caches are brought up to date.
  if (!QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
    EXPECT_TRUE(QFile::exists(home + "/mime/mime.cache"));
    EXPECT_TRUE(QFile::exists(home + "/mime/application/x-quimbel-book.xml"));
  }
}

TEST(RegisterFileType, KnownTypeWritesNothing) {
  QTemporaryDir tmp;
  TFileTypeSetup setup;
  setup.DataHome = (tmp.path() + "/home").toStdString();
  setup.TypeKnown = [] { return true; };
  EXPECT_EQ(RegisterFileType(SourceData, setup), TFileTypeResult::AlreadyKnown);
  EXPECT_FALSE(QDir(tmp.path() + "/home").exists());
  EXPECT_TRUE(FilesBelow(tmp.path()).isEmpty());
}

TEST(RegisterFileType, MissingDataFolderFails) {
  QTemporaryDir tmp;
  TFileTypeSetup setup;
  setup.DataHome = (tmp.path() + "/home").toStdString();
  setup.TypeKnown = [] { return false; };
  setup.UpdateCaches = false;
  EXPECT_EQ(RegisterFileType(tmp.path().toStdString() + "/nothing", setup), TFileTypeResult::Failed);
  EXPECT_EQ(RegisterFileType("", setup), TFileTypeResult::Failed);
}

TEST(FontCheck, ArialOrAMetricCompatibleFamily) {
  for (const char* ok : {"Arial", "arial", "Liberation Sans", "Arimo"}) EXPECT_TRUE(IsArialCompatibleFamily(ok)) << ok;
  for (const char* no : {"DejaVu Sans", "Liberation Serif", "", "Arial Black"})
    EXPECT_FALSE(IsArialCompatibleFamily(no)) << no;
}

}  // namespace

namespace {

// Run in a child process (the MIME database is read once per process): reports through its exit
// code whether *.qbk is known with the XDG folders it was given.
TEST(RegisterFileTypeChild, ReportsWhetherTheTypeIsKnown) {
  if (qEnvironmentVariableIsEmpty("QB_MIME_CHILD")) GTEST_SKIP() << "runs only as the child of the test below";
  std::exit(QbkTypeKnown() ? 10 : 11);
}

int ChildSaysKnown(const QString& dataHome, const QString& dataDirs) {
  QProcess child;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QB_MIME_CHILD", "1");
  env.insert("XDG_DATA_HOME", dataHome);
  env.insert("XDG_DATA_DIRS", dataDirs);
  child.setProcessEnvironment(env);
  child.start(QFileInfo("/proc/self/exe").canonicalFilePath(), {"--gtest_filter=RegisterFileTypeChild.*"});
  child.waitForFinished(30000);
  return child.exitCode();
}

TEST(RegisterFileType, InstalledTypeIsKnownToTheNextStart) {
  if (QStandardPaths::findExecutable("update-mime-database").isEmpty()) GTEST_SKIP() << "shared-mime-info is missing";
  QTemporaryDir tmp;
  const QString home = tmp.path() + "/home";
  // Only the system's own types, without any user's earlier registration.
  const QString system = "/usr/share";
  ASSERT_EQ(ChildSaysKnown(home, system), 11);
  TFileTypeSetup setup;
  setup.DataHome = home.toStdString();
  setup.ProgramPath = "/usr/bin/QuimbelBooks";
  setup.TypeKnown = [] { return false; };
  ASSERT_EQ(RegisterFileType(SourceData, setup), TFileTypeResult::Installed);
  EXPECT_EQ(ChildSaysKnown(home, system), 10);
}

}  // namespace
