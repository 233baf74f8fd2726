#include "SendMail.h"

#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

#include "BookSession.h"
#include "EntryPoints.h"
#include "MainWindow.h"

int MailCodeOfExit(int exitStatus) {
  switch (exitStatus) {
    case 0: return 0;
    case 2: return 11;  // a file passed does not exist
    case 3: return 26;  // no tool to send mail with
    case 5: return 12;  // no permission to read a file passed
    default: return 2;  // bad arguments (1), the action failed (4), anything else
  }
}

QString MailErrorText(int code) {
  switch (code) {
    case 2: return QObject::tr("One or more unspecified errors occurred; no message was sent.");
    case 3: return QObject::tr("There was no default logon, and the user failed to log on successfully when the logon dialog box was displayed. No message was sent.");
    case 5: return QObject::tr("Insufficient memory to send mail. No message was sent.");
    case 9: return QObject::tr("There were too many file attachments; no message was sent.");
    case 10: return QObject::tr("There were too many recipients; no message was sent.");
    case 11: return QObject::tr("The specified attachment was not found. No message was sent.");
    case 12: return QObject::tr("The specified attachment could not be open; no message was sent.");
    case 14: return QObject::tr("A recipient did not appear in the address list; no message was sent.");
    case 15: return QObject::tr("The type of a recipient was not MAPI_TO, MAPI_CC, or MAPI_BCC. No message was sent.");
    case 18: return QObject::tr("The text in the message was too large to sent; the message was not sent.");
    case 21: return QObject::tr("A recipient matched more than one of the recipient descriptor structures and MAPI_DIALOG was not set. No message was sent.");
    case 22: return QObject::tr("Message in use");
    case 23: return QObject::tr("Network Failure");
    case 24: return QObject::tr("Invalid edit fields");
    case 25: return QObject::tr("Invalid recipient");
    case 26: return QObject::tr("MAPI not supported");
    default: return QString();
  }
}

QStringList MailArguments(const QString& fileName) {
  return {QStringLiteral("--body"), QStringLiteral("Quimbel Books Data "), QStringLiteral("--attach"), fileName};
}

namespace {
void ShowMailError(QWidget* parent, int code) {
  if (code <= 1) return;  // sent, or cancelled by the user
  QMessageBox::critical(parent, QObject::tr("Error"), QObject::tr("Error sending file - ") + MailErrorText(code));
}
}  // namespace

// The mail program may stay open for as long as the user writes the message, so the window does
// not wait for it; its outcome is reported when it ends.
void SendBookFile(TMain* main) {
  if (!main->Session().FileOpen()) return;
  const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
  if (program.isEmpty()) {
    ShowMailError(main, 26);
    return;
  }
  auto* process = new QProcess(main);
  process->setObjectName(QStringLiteral("MailProcess"));
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  QPointer<TMain> owner(main);
  QObject::connect(process, &QProcess::finished, process, [process, owner](int exitCode, QProcess::ExitStatus status) {
    process->deleteLater();
    if (owner) ShowMailError(owner, status == QProcess::NormalExit ? MailCodeOfExit(exitCode) : 2);
  });
  QObject::connect(process, &QProcess::errorOccurred, process, [process, owner](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    process->deleteLater();
    if (owner) ShowMailError(owner, 26);
  });
  process->start(program, MailArguments(main->Session().FileName()));
}
