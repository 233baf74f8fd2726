#pragma once
// A simple on-screen keyboard that types into the box it was opened for.
#include <QDialog>

#include "PopupPlace.h"

class QLineEdit;
class QPushButton;

class TKeybd : public QDialog {
  Q_OBJECT
 public:
  TKeybd(QLineEdit* Box, QWidget* Parent);
  // Types one key into the box: a character, "Back", "Space" or "Shift".
  void Press(const QString& Key);
  bool Shifted() const { return FShift; }

 private:
  void Relabel();

  QLineEdit* FBox;
  QString FOriginal;
  bool FShift = false;
  QList<QPushButton*> FLetters;
};

// Opens the keyboard next to Box. "OK" keeps what was typed and returns true; "Cancel" puts the
// box's text back.
bool ShowKeyboard(QLineEdit* Box, TPopupPlace Place = TPopupPlace::Above, int XOffset = 0);
