#pragma once
// "&Send...": the open book file handed to the desktop's mail program (xdg-email) as the one
// attachment of a new message; its failures shown with the mail codes' texts.
#include <QString>
#include <QStringList>

// The mail code for an exit status of xdg-email: 0 sent or handed over, 2 unspecified error,
// 11 attachment not found, 12 attachment not readable, 26 no mail program.
int MailCodeOfExit(int exitStatus);
// The text of a mail code (empty for a code without one).
QString MailErrorText(int code);
// The arguments given to xdg-email for a file.
QStringList MailArguments(const QString& fileName);
