#include "NewEditBookForm.h"

#include <QColorDialog>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "CentreOnWorkArea.h"
#include "FormColours.h"
#include "NumPad.h"
#include "NumberBox.h"
#include "TransactLogic.h"

TNewEditBookForm::TNewEditBookForm(bool New, const TBookDetails& D, int BookCount,
                                   std::function<bool(QWidget*, TColor&)> ChooseColour, QWidget* Parent)
    : QDialog(Parent), FChooseColour(std::move(ChooseColour)) {
  setWindowTitle(New ? "New Book" : "Edit Book");
  auto* Top = new QVBoxLayout(this);

  auto* NameBox = new QGroupBox("Book Name && Colour", this);
  NameBox->setTitle("Book Name & Colour");
  auto* NameLay = new QHBoxLayout(NameBox);
  NameEdit = new QLineEdit(NameBox);
  NameEdit->setMaxLength(100);
  NameEdit->setMinimumWidth(220);
  ColorBtn = new QToolButton(NameBox);
  ColorBtn->setToolTip("Change the colour of the Book");
  ColorBtn->setFixedSize(40, 24);
  NameLay->addWidget(NameEdit, 1);
  NameLay->addWidget(ColorBtn);
  Top->addWidget(NameBox);

  auto* BalBox = new QGroupBox("Opening Balance", this);
  auto* BalLay = new QHBoxLayout(BalBox);
  BalanceBox = new TNumberBox(BalBox, bsCurrency);
  BalanceBox->SetAllowNegative(true);
  BalanceBox->SetMaxTextLength(12);
  BalLay->addWidget(BalanceBox);
  Top->addWidget(BalBox);

  auto* DateBox = new QGroupBox("Starting Date", this);
  auto* DateLay = new QHBoxLayout(DateBox);
  DateEdit = new QDateEdit(DateBox);
  DateEdit->setCalendarPopup(true);
  DateEdit->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
  DateLay->addWidget(DateEdit);
  Top->addWidget(DateBox);

  auto* Buttons = new QHBoxLayout;
  Buttons->addStretch(1);
  OKBtn = new QPushButton("&OK", this);
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton("&Cancel", this);
  CancelBtn->setAutoDefault(false);
  Buttons->addWidget(OKBtn);
  Buttons->addWidget(CancelBtn);
  Top->addLayout(Buttons);

  connect(NameEdit, &QLineEdit::textChanged, this,
          [this](const QString& T) { OKBtn->setEnabled(!T.trimmed().isEmpty()); });
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(ColorBtn, &QToolButton::clicked, this, [this] {
    TColor C = FColour;
    bool Ok = false;
    if (FChooseColour) {
      Ok = FChooseColour(this, C);
    } else {
      QColor Q = QColorDialog::getColor(ColourOf(C), this);
      Ok = Q.isValid();
      if (Ok) C = TColorOf(Q);
    }
    if (Ok) SetColour(C);
  });
  connect(BalanceBox, &TEditBtn::BtnClick, this, [this] { ShowNumPad(BalanceBox, TPopupPlace::Below); });

  while (BookCount >= 10) BookCount -= 10;
  SetColour(New ? DefaultBookColour(BookCount) : D.Colour);
  NameEdit->setText(QString::fromStdString(D.Name));
  OKBtn->setEnabled(!NameEdit->text().trimmed().isEmpty());
  BalanceBox->SetValue(D.Balance);
  DateEdit->setDate(QDateOf(D.Date));
}

void TNewEditBookForm::SetColour(TColor Colour) {
  FColour = Colour;
  QPixmap Swatch(32, 16);
  Swatch.fill(ColourOf(Colour));
  QPainter P(&Swatch);
  P.setPen(Qt::black);
  P.drawRect(0, 0, 31, 15);
  ColorBtn->setIcon(Swatch);
  ColorBtn->setIconSize(Swatch.size());
}

TBookDetails TNewEditBookForm::Details() {
  TBookDetails D;
  D.Name = NameEdit->text().trimmed().toStdString();
  D.Colour = FColour;
  D.Balance = BalanceBox->Value();
  D.Date = std::floor(DateTimeOf(DateEdit->date()));
  return D;
}

void TNewEditBookForm::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  CentreOnWorkArea(this);
  NameEdit->setFocus();
}

bool ShowBookDialog(QWidget* Parent, bool New, TBookDetails& Details, int BookCount,
                    std::function<bool(QWidget*, TColor&)> ChooseColour) {
  TNewEditBookForm F(New, Details, BookCount, std::move(ChooseColour), Parent);
  if (F.exec() != QDialog::Accepted) return false;
  Details = F.Details();
  return true;
}
