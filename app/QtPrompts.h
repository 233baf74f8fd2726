#pragma once
// The file manager's questions answered with the program's message boxes, the password dialog
// and the conversion wizard.
#include <QString>

#include "Prompts.h"

class QWidget;

class TQtPrompts : public TPrompts {
 public:
  explicit TQtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
  void ShowMessage(TMsgKind Kind, const std::string& Text) override;
  TMsgButton Ask(TMsgKind Kind, const std::string& Text, TMsgButtons Buttons) override;
  void ShowPlain(const std::string& Text) override;
  bool AskPassword(const std::string& StoredPassword) override;
  bool RunConvertWizard(std::vector<TConvertCategory>& Custom, std::string& BookName) override;
  void SetBusy(bool Busy) override;

 private:
  QWidget* parent_;
  bool busy_ = false;
};

// "\r" line breaks of the fixed texts shown as new lines.
QString MessageText(const std::string& text);
