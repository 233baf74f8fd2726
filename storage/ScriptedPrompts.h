#pragma once
// A TPrompts for tests and tools: answers from a script and records every text it was shown.
#include <deque>
#include <string>
#include <vector>

#include "Prompts.h"

class TScriptedPrompts : public TPrompts {
 public:
  struct TShown {
    std::string What;   // "message", "ask", "plain", "password", "wizard"
    TMsgKind Kind = TMsgKind::Information;
    std::string Text;
    TMsgButtons Buttons = mbNone;
  };

  std::vector<TShown> Shown;          // everything shown, in order
  std::deque<TMsgButton> Answers;     // answers to Ask/AskSave, in order
  TMsgButton DefaultAnswer = mbCancel;  // when Answers is empty (must be one of the offered ones,
                                        // else the last offered button is used)
  std::deque<bool> PasswordAnswers;   // empty: false
  // Wizard script: finish or cancel, the book name typed, the class given to each custom category
  // in order (missing entries: 1).
  bool WizardFinish = true;
  std::string WizardBookName;
  std::vector<int> WizardClasses;
  std::vector<TConvertCategory> WizardSaw;  // the custom categories the wizard was given

  void ShowMessage(TMsgKind Kind, const std::string& Text) override;
  TMsgButton Ask(TMsgKind Kind, const std::string& Text, TMsgButtons Buttons) override;
  void ShowPlain(const std::string& Text) override;
  bool AskPassword(const std::string& StoredPassword) override;
  bool RunConvertWizard(std::vector<TConvertCategory>& Custom, std::string& BookName) override;

  // Texts only, in order.
  std::vector<std::string> Texts() const;
  bool Saw(const std::string& Text) const;
  void ClearShown() { Shown.clear(); }
};
