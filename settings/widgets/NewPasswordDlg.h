#pragma once
// "New Password": the new password typed twice.
#include <QDialog>

#include <string>

class QLineEdit;
class QPushButton;
class TMessenger;

class TNewPasswordDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TNewPasswordDlg(QWidget* Parent = nullptr, TMessenger* Messenger = nullptr);

  // The accepted password: the text of the confirm box.
  std::string Password() const;

  QLineEdit* NewPasswordEdit = nullptr;
  QLineEdit* ConfirmPasswordEdit = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  void showEvent(QShowEvent* Event) override;

 private:
  void OKBtnClick();
  TMessenger* messenger_;
};
