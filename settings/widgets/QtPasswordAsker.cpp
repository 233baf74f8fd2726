#include "QtPasswordAsker.h"

#include "NewPasswordDlg.h"
#include "PasswordDlg.h"

bool TQtPasswordAsker::AskPassword(const std::string& Stored) {
  TPasswordDlg dlg(Stored, parent_);
  return dlg.exec() == QDialog::Accepted;
}

bool TQtPasswordAsker::AskNewPassword(std::string& Password) {
  TNewPasswordDlg dlg(parent_);
  if (dlg.exec() != QDialog::Accepted) return false;
  Password = dlg.Password();
  return true;
}
