#pragma once
// Small helpers the dialogs of this folder share.
#include <QColor>
#include <QString>
#include <string>

class QWidget;
class QPushButton;

// Colours of the kinds: income lime with black text, expense red with white text.
QColor KindColour(int Kind);
QColor KindTextColour(int Kind);
inline QColor NoteColour() { return QColor(249, 249, 196); }
// A checkable button coloured in the kind's colours while it is down.
void StyleKindToggle(QPushButton* B, int Kind);
inline QString Q(const std::string& S) { return QString::fromStdString(S); }
inline std::string S(const QString& Q) { return Q.toStdString(); }
