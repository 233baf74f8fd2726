#include "FileType.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdlib>

namespace {

bool CopyReplacing(const QString& from, const QString& to) {
  QDir().mkpath(QFileInfo(to).path());
  QFile::remove(to);
  return QFile::copy(from, to);
}

// The shipped entry starts "QuimbelBooks" from the PATH; the copy names this program itself,
// which also works when it runs from a build tree.
bool WriteDesktopEntry(const QString& from, const QString& to, const QString& program) {
  QFile in(from);
  if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  QString text = QString::fromUtf8(in.readAll());
  QStringList lines = text.split(QLatin1Char('\n'));
  for (QString& line : lines)
    if (line.startsWith(QLatin1String("Exec=")) && !program.isEmpty()) {
      QString quoted = program;
      quoted.replace(QLatin1String("\\"), QLatin1String("\\\\")).replace(QLatin1String("\""), QLatin1String("\\\""));
      line = QStringLiteral("Exec=\"%1\" %f").arg(quoted);
    }
  QDir().mkpath(QFileInfo(to).path());
  QFile out(to);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
  return out.write(lines.join(QLatin1Char('\n')).toUtf8()) >= 0;
}

void RunIfPresent(const QString& tool, const QString& folder) {
  const QString exe = QStandardPaths::findExecutable(tool);
  if (!exe.isEmpty()) QProcess::execute(exe, {folder});
}

}  // namespace

bool QbkTypeKnown() {
  return !QMimeDatabase().mimeTypeForFile(QStringLiteral("book.qbk"), QMimeDatabase::MatchExtension).isDefault();
}

TFileTypeResult RegisterFileType(const std::string& InstDir, const TFileTypeSetup& Setup) {
  if (Setup.TypeKnown ? Setup.TypeKnown() : QbkTypeKnown()) return TFileTypeResult::AlreadyKnown;
  if (InstDir.empty()) return TFileTypeResult::Failed;

  QString home = QString::fromStdString(Setup.DataHome);
  if (home.isEmpty()) home = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME"));
  if (home.isEmpty()) home = QDir::homePath() + QStringLiteral("/.local/share");
  QString program = QString::fromStdString(Setup.ProgramPath);
  if (program.isEmpty() && QCoreApplication::instance()) program = QCoreApplication::applicationFilePath();

  const QString data = QString::fromStdString(InstDir);
  const QString mimeDir = home + QStringLiteral("/mime");
  const QString appsDir = home + QStringLiteral("/applications");
  bool ok = CopyReplacing(data + QStringLiteral("/mime/quimbelbooks.xml"), mimeDir + QStringLiteral("/packages/quimbelbooks.xml"));
  ok = WriteDesktopEntry(data + QStringLiteral("/quimbelbooks.desktop"), appsDir + QStringLiteral("/quimbelbooks.desktop"),
                         program) && ok;
  ok = CopyReplacing(data + QStringLiteral("/icons/quimbelbooks.svg"),
                     home + QStringLiteral("/icons/hicolor/scalable/apps/quimbelbooks.svg")) && ok;
  if (Setup.UpdateCaches) {
    RunIfPresent(QStringLiteral("update-mime-database"), mimeDir);
    RunIfPresent(QStringLiteral("update-desktop-database"), appsDir);
  }
  return ok ? TFileTypeResult::Installed : TFileTypeResult::Failed;
}
