#pragma once
// The program's registry values, read and written through one place: window placement, the
// recent files ("MRU Items" F0..F3), the welcome-screen option and the hand-over value.
#include <QString>
#include <QStringList>
#include <QVariant>

QVariant ReadAppValue(const QString& name, const QVariant& fallback = QVariant());
void WriteAppValue(const QString& name, const QVariant& value);
QStringList ReadRecentFiles();
void WriteRecentFiles(const QStringList& paths);
