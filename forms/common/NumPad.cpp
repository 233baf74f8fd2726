#include "NumPad.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "NumPadLogic.h"
#include "NumberBox.h"

TNumPad::TNumPad(QWidget* Parent, bool CurrencyPad)
    : QDialog(Parent, Qt::Dialog | Qt::FramelessWindowHint), FCurrency(CurrencyPad) {
  setWindowTitle(QStringLiteral("Number Pad"));
  auto* Panel = new QFrame(this);
  Panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel->setLineWidth(2);
  auto* Outer = new QVBoxLayout(this);
  Outer->setContentsMargins(0, 0, 0, 0);
  Outer->addWidget(Panel);

  FDisplay = new QLabel(Panel);
  FDisplay->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  FDisplay->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  FDisplay->setMinimumHeight(26);
  FDisplay->setAutoFillBackground(true);
  FDisplay->setStyleSheet(QStringLiteral("background: white; color: black; font-weight: bold; padding-right: 4px;"));

  auto* Grid = new QGridLayout(Panel);
  Grid->setSpacing(3);
  Grid->setContentsMargins(6, 6, 6, 6);
  Grid->addWidget(FDisplay, 0, 0, 1, 4);
  const char* Rows[4] = {"789C", "456<", "123", "0."};
  for (int R = 0; R < 4; ++R) {
    for (int C = 0; Rows[R][C]; ++C) {
      QChar Key = QChar::fromLatin1(Rows[R][C]);
      auto* Btn = new QPushButton(QString(Key), Panel);
      Btn->setFocusPolicy(Qt::NoFocus);
      Btn->setAutoDefault(false);
      Btn->setFixedSize(34, 30);
      Btn->setProperty("PadKey", QString(Key));
      if (Key == u'C' || Key == u'<') Btn->setFixedSize(60, 30);
      if (Key == u'.') Btn->setEnabled(FCurrency);
      connect(Btn, &QPushButton::clicked, this, [this, Key] { Press(Key); });
      FKeys << Btn;
      // "0" is twice as wide as the other digits.
      if (Key == u'0') {
        Btn->setFixedSize(71, 30);
        Grid->addWidget(Btn, R + 1, 0, 1, 2);
      } else {
        Grid->addWidget(Btn, R + 1, Key == u'.' ? 2 : C);
      }
    }
  }
  FOk = new QPushButton(tr("OK"), Panel);
  auto* Cancel = new QPushButton(tr("Cancel"), Panel);
  for (QPushButton* Btn : {FOk, Cancel}) {
    Btn->setFocusPolicy(Qt::NoFocus);
    Btn->setFixedSize(60, 30);
  }
  FOk->setDefault(true);
  FOk->setProperty("HelpContext", 10);
  Cancel->setProperty("HelpContext", 20);
  Grid->addWidget(FOk, 3, 3);
  Grid->addWidget(Cancel, 4, 3);
  connect(FOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
  setFixedSize(sizeHint());
}

QPushButton* TNumPad::KeyButton(QChar Key) const {
  for (QPushButton* Btn : FKeys)
    if (Btn->property("PadKey").toString() == QString(Key)) return Btn;
  return nullptr;
}

void TNumPad::Press(QChar Key) {
  if (NumPadKey(FDisplayText, Key, FCurrency)) FDisplay->setText(FDisplayText);
}

// The keyboard works the pad too: digits, point, backspace, Delete to clear, Enter, Esc.
void TNumPad::keyPressEvent(QKeyEvent* Event) {
  QString Text = Event->text();
  if (Event->key() == Qt::Key_Backspace) Press(u'<');
  else if (Event->key() == Qt::Key_Delete) Press(u'C');
  else if (Text.size() == 1 && (Text[0].isDigit() || Text[0] == u'.' || Text[0] == u',')) Press(Text[0].isDigit() ? Text[0] : QChar(u'.'));
  else QDialog::keyPressEvent(Event);
}

bool ShowNumPad(TNumberBox* Box, TPopupPlace Place, int XOffset) {
  bool CurrencyPad = Box->BoxState() == bsCurrency;
  TNumPad Pad(Box->window(), CurrencyPad);
  Pad.move(PopupPosition(Box, Pad.size(), Place, XOffset));
  if (Pad.exec() != QDialog::Accepted || Pad.Display().isEmpty()) return false;
  if (CurrencyPad) Box->SetValue(NumPadAmount(Pad.Display()));
  else Box->SetIntValue(Pad.Display().toInt());
  return true;
}
