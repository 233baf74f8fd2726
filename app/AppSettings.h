#pragma once
// The program's registry values used by the shell: window placement, "ShowWelcome", the
// hand-over value "FileMessageInfo" (program key) and the recent files ("MRU Items" F0..F3,
// user key).
#include <QString>
#include <QStringList>
#include <optional>

std::optional<int> ReadAppInt(const QString& name);
void WriteAppInt(const QString& name, int value);
std::optional<QString> ReadAppString(const QString& name);
void WriteAppString(const QString& name, const QString& value);
QStringList ReadRecentFiles();
void WriteRecentFiles(const QStringList& paths);
