#include "Keybd.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char* const KeyRows[4] = {"1234567890-/", "qwertyuiop#&", "asdfghjkl'.,", "zxcvbnm()+*:"};
}

TKeybd::TKeybd(QLineEdit* Box, QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::FramelessWindowHint), FBox(Box), FOriginal(Box->text()) {
  setWindowTitle(tr("Keyboard"));
  auto* Panel = new QFrame(this);
  Panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel->setLineWidth(2);
  auto* Outer = new QVBoxLayout(this);
  Outer->setContentsMargins(0, 0, 0, 0);
  Outer->addWidget(Panel);

  auto* Rows = new QVBoxLayout(Panel);
  Rows->setSpacing(2);
  Rows->setContentsMargins(6, 6, 6, 6);
  auto MakeKey = [this, Panel](const QString& Label, const QString& Key, int Width) {
    auto* Btn = new QPushButton(Label, Panel);
    Btn->setFocusPolicy(Qt::NoFocus);
    Btn->setAutoDefault(false);
    Btn->setFixedSize(Width, 28);
    connect(Btn, &QPushButton::clicked, this, [this, Key] { Press(Key); });
    return Btn;
  };
  for (int R = 0; R < 4; ++R) {
    auto* Row = new QHBoxLayout;
    Row->setSpacing(2);
    Row->addSpacing(R * 8);
    for (int C = 0; KeyRows[R][C]; ++C) {
      QString Ch = QString(QChar::fromLatin1(KeyRows[R][C]));
      QPushButton* Btn = MakeKey(Ch == u"&" ? QStringLiteral("&&") : Ch, Ch, 30);
      Btn->setProperty("Key", Ch);
      FLetters << Btn;
      Row->addWidget(Btn);
    }
    if (R == 0) Row->addWidget(MakeKey(QStringLiteral("\u2190"), QStringLiteral("Back"), 50));
    Row->addStretch();
    Rows->addLayout(Row);
  }
  auto* Bottom = new QHBoxLayout;
  Bottom->setSpacing(2);
  Bottom->addWidget(MakeKey(tr("Shift"), QStringLiteral("Shift"), 62));
  Bottom->addWidget(MakeKey(QString(), QStringLiteral("Space"), 190));
  Bottom->addStretch();
  auto* Ok = new QPushButton(tr("OK"), Panel);
  auto* Cancel = new QPushButton(tr("Cancel"), Panel);
  Ok->setDefault(true);
  Ok->setProperty("HelpContext", 10);
  Cancel->setProperty("HelpContext", 20);
  connect(Ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(Cancel, &QPushButton::clicked, this, [this] {
    FBox->setText(FOriginal);
    reject();
  });
  Bottom->addWidget(Ok);
  Bottom->addWidget(Cancel);
  Rows->addLayout(Bottom);
  setFixedSize(sizeHint());
}

void TKeybd::Press(const QString& Key) {
  if (Key == QLatin1String("Shift")) {
    FShift = !FShift;
    Relabel();
    return;
  }
  if (Key == QLatin1String("Back")) {
    FBox->backspace();
    return;
  }
  QString Text = Key == QLatin1String("Space") ? QStringLiteral(" ") : Key;
  if (FShift) {
    Text = Text.toUpper();
    FShift = false;  // one capital, as on a phone keyboard
    Relabel();
  }
  FBox->insert(Text);  // keeps the box's length limit
}

void TKeybd::Relabel() {
  for (QPushButton* Btn : FLetters) {
    QString Key = Btn->property("Key").toString();
    if (Key != u"&") Btn->setText(FShift ? Key.toUpper() : Key);
  }
}

bool ShowKeyboard(QLineEdit* Box, TPopupPlace Place, int XOffset) {
  TKeybd Keys(Box, Box->window());
  Keys.move(PopupPosition(Box, Keys.size(), Place, XOffset));
  return Keys.exec() == QDialog::Accepted;
}
