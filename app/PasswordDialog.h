#pragma once
// The "Password" panel: accepts only the stored password, exactly as stored.
#include <QDialog>

class QLineEdit;

class TPasswordDlg : public QDialog {
  Q_OBJECT
 public:
  TPasswordDlg(const QString& stored, QWidget* parent = nullptr);
  QLineEdit* PasswordEdit = nullptr;
  void accept() override;  // a wrong entry warns and keeps the panel open

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString stored_;
};
