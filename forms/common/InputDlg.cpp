#include "InputDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "CentreOnWorkArea.h"

TInputDlg::TInputDlg(QWidget* Parent, const QString& Caption, const QString& Info, TNameCheck Check)
    : QDialog(Parent), FName(new QLineEdit(this)), FCheck(std::move(Check)) {
  setWindowTitle(Caption);
  auto* Label = new QLabel(Info, this);
  Label->setWordWrap(true);
  FName->setMaxLength(MaxNameLength);
  FName->setMinimumWidth(260);
  auto* Ok = new QPushButton(tr("&OK"), this);
  auto* Cancel = new QPushButton(tr("&Cancel"), this);
  Ok->setDefault(true);
  Ok->setProperty("HelpContext", 10);
  Cancel->setProperty("HelpContext", 20);
  connect(Ok, &QPushButton::clicked, this, &TInputDlg::accept);
  connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* Buttons = new QHBoxLayout;
  Buttons->addStretch();
  Buttons->addWidget(Ok);
  Buttons->addWidget(Cancel);
  auto* Layout = new QVBoxLayout(this);
  Layout->addWidget(Label);
  Layout->addWidget(FName);
  Layout->addLayout(Buttons);
  setFixedSize(sizeHint());
}

QString TInputDlg::Name() const { return FName->text().left(MaxNameLength); }

void TInputDlg::accept() {
  if (FCheck && !FCheck(Name())) {
    FName->setFocus();
    FName->selectAll();
    return;
  }
  QDialog::accept();
}

void TInputDlg::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  CentreOnWorkArea(this);
}

bool ShowInputDlg(QWidget* Parent, const QString& Caption, const QString& Info, QString& Name, TNameCheck Check) {
  TInputDlg Dlg(Parent, Caption, Info, std::move(Check));
  Dlg.NameBox()->setText(Name.left(TInputDlg::MaxNameLength));
  if (Dlg.exec() != QDialog::Accepted) return false;
  Name = Dlg.Name();
  return true;
}
