#include "TextInputForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "AccountPrompts.h"
#include "CentreOnWorkArea.h"
#include "DialogHelpers.h"
#include "FixedText.h"

TTextInputForm::TTextInputForm(QWidget* Parent) : QDialog(Parent) {
  Label1 = new QLabel(this);
  Label1->setAlignment(Qt::AlignCenter);
  Edit1 = new QLineEdit(this);
  Edit1->setMaxLength(40);
  OKBtn = new QPushButton("&OK", this);
  CancelBtn = new QPushButton("&Cancel", this);
  auto* Buttons = new QHBoxLayout;
  Buttons->addStretch();
  Buttons->addWidget(OKBtn);
  Buttons->addWidget(CancelBtn);
  auto* Lay = new QVBoxLayout(this);
  Lay->addWidget(Label1);
  Lay->addWidget(Edit1);
  Lay->addLayout(Buttons);
  setMinimumWidth(320);
  connect(Edit1, &QLineEdit::textChanged, this, [this] { TextChanged(); });
  connect(OKBtn, &QPushButton::clicked, this, [this] { OKClicked(); });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TTextInputForm::Prepare(const std::string& Caption, const std::string& Label, const std::string& Text,
                             TTextCheck NewCheck) {
  setWindowTitle(Q(Caption));
  Label1->setText(Q(Label));
  Start = Text;
  Check = std::move(NewCheck);
  Edit1->setText(Q(Text));
  TextChanged();
  adjustSize();
  CentreOnWorkArea(this);
}

void TTextInputForm::TextChanged() {
  const std::string T = TrimText(S(Edit1->text()));
  const bool Ok = !T.empty() && T != Start;
  OKBtn->setEnabled(Ok);
  OKBtn->setDefault(Ok);
  CancelBtn->setDefault(!Ok);
}

void TTextInputForm::OKClicked() {
  std::string T = TrimText(S(Edit1->text()));
  if (T.empty()) {
    AccountPrompts().Inform("'' is not a valid name");
    Edit1->clear();
    return;
  }
  if (!SameTextNoCase(T, Start) && Check && !Check(T)) return;
  Edit1->setText(Q(T));
  accept();
}

std::string TTextInputForm::Result() const { return TrimText(S(Edit1->text())); }

bool ShowTextInput(const std::string& Caption, const std::string& Label, std::string& Text,
                   const TTextCheck& Check, QWidget* Parent) {
  TTextInputForm Form(Parent);
  Form.Prepare(Caption, Label, Text, Check);
  if (Form.exec() != QDialog::Accepted) return false;
  Text = Form.Result();
  return true;
}
