#pragma once
// A number pad that fills an amount or number box with the mouse.
#include <QDialog>

#include "PopupPlace.h"

class QLabel;
class QPushButton;
class TNumberBox;

class TNumPad : public QDialog {
  Q_OBJECT
 public:
  // CurrencyPad: an amount pad (12 characters, one point, two decimals); else a whole-number pad.
  TNumPad(QWidget* Parent, bool CurrencyPad);
  QString Display() const { return FDisplayText; }
  // Presses one key as its button does ('0'..'9', '.', '<', 'C').
  void Press(QChar Key);
  QPushButton* KeyButton(QChar Key) const;
  QPushButton* OkBtn() const { return FOk; }

 protected:
  void keyPressEvent(QKeyEvent* Event) override;

 private:
  bool FCurrency;
  QString FDisplayText;
  QLabel* FDisplay;
  QPushButton* FOk;
  QList<QPushButton*> FKeys;
};

// Opens the pad next to Box; OK with a non-empty display writes it into the box as its Value
// (amount box) or IntValue and returns true.
bool ShowNumPad(TNumberBox* Box, TPopupPlace Place = TPopupPlace::Above, int XOffset = 0);
