#include "NewPasswordDlg.h"

#include "DialogPlacement.h"
#include "Messenger.h"
#include "PasswordRules.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TNewPasswordDlg::TNewPasswordDlg(QWidget* Parent, TMessenger* Messenger) : QDialog(Parent), messenger_(Messenger) {
  setWindowTitle(QStringLiteral("New Password"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  NewPasswordEdit = new QLineEdit(this);
  NewPasswordEdit->setObjectName(QStringLiteral("NewPasswordEdit"));
  ConfirmPasswordEdit = new QLineEdit(this);
  ConfirmPasswordEdit->setObjectName(QStringLiteral("ConfirmPasswordEdit"));
  MakePasswordBox(NewPasswordEdit);
  MakePasswordBox(ConfirmPasswordEdit);
  form->addRow(QStringLiteral("New Password"), NewPasswordEdit);
  form->addRow(QStringLiteral("Confirm New Password"), ConfirmPasswordEdit);
  layout->addLayout(form);

  auto* buttons = new QHBoxLayout;
  OKBtn = new QPushButton(QStringLiteral("&OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("&Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  buttons->addStretch(1);
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  layout->addLayout(buttons);
  setFixedSize(sizeHint().expandedTo(QSize(300, 0)));

  connect(OKBtn, &QPushButton::clicked, this, &TNewPasswordDlg::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  NewPasswordEdit->setFocus();
}

void TNewPasswordDlg::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  CentreOnAvailableArea(this);
}

std::string TNewPasswordDlg::Password() const { return CutPassword(ConfirmPasswordEdit->text().toStdString()); }

void TNewPasswordDlg::OKBtnClick() {
  const std::string problem =
      NewPasswordProblem(NewPasswordEdit->text().toStdString(), ConfirmPasswordEdit->text().toStdString());
  if (problem.empty()) {
    accept();
    return;
  }
  (messenger_ ? *messenger_ : AppMessenger()).ShowMessage(TMsgKind::Warning, problem);
  ConfirmPasswordEdit->clear();
  NewPasswordEdit->setFocus();
  NewPasswordEdit->selectAll();
}
