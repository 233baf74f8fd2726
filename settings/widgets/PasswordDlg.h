#pragma once
// "Password": asks for the book file's password on a small borderless panel.
#include <QDialog>

#include <string>

class QLineEdit;
class QPushButton;
class TMessenger;

class TPasswordDlg : public QDialog {
  Q_OBJECT
 public:
  // Messages go to Messenger, or to the program's messenger when none is given.
  explicit TPasswordDlg(std::string Stored, QWidget* Parent = nullptr, TMessenger* Messenger = nullptr);

  QLineEdit* PasswordEdit = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  void showEvent(QShowEvent* Event) override;
  void paintEvent(QPaintEvent* Event) override;

 private:
  void OKBtnClick();
  std::string stored_;
  TMessenger* messenger_;
};
