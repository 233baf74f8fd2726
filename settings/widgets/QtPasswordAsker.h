#pragma once
// The password questions asked with the "Password" and "New Password" dialogs.
#include "PasswordGate.h"

class QWidget;

class TQtPasswordAsker : public TPasswordAsker {
 public:
  explicit TQtPasswordAsker(QWidget* Parent = nullptr) : parent_(Parent) {}
  bool AskPassword(const std::string& Stored) override;
  bool AskNewPassword(std::string& Password) override;

 private:
  QWidget* parent_;
};
