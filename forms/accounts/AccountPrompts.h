#pragma once
// What the account, category and group editors need from outside: message boxes and the file
// password gate. The program installs Qt dialogs and the real gate; tests install a script.
#include <functional>
#include <string>

#include "Messenger.h"
#include "PasswordGate.h"  // TPasswordOp, CheckPassword
#include "Prompts.h"

enum class TAskResult { Yes, No, Cancel };

// A messenger (message with an OK button, used by the list checks of core/) that can also ask.
class TAccountPrompts : public TMessenger {
 public:
  void Inform(const std::string& Text) { ShowMessage(TMsgKind::Information, Text); }
  // Confirmation with Yes and No, plus Cancel when WithCancel.
  virtual TAskResult Confirm(const std::string& Text, bool WithCancel) = 0;
};

// Forwards to the file manager's prompts (the program's message dialogs, or a test script).
class TPromptsAdapter : public TAccountPrompts {
 public:
  explicit TPromptsAdapter(TPrompts& P) : P(P) {}
  void ShowMessage(TMsgKind Kind, const std::string& Text) override { P.ShowMessage(Kind, Text); }
  TAskResult Confirm(const std::string& Text, bool WithCancel) override;

 private:
  TPrompts& P;
};

// The prompts in force; by default message boxes (AccountPromptsQt.cpp).
TAccountPrompts& AccountPrompts();
void SetAccountPrompts(TAccountPrompts* Prompts);  // nullptr restores the message boxes

// Help topics: the program connects its help pages (nothing happens until then).
void ShowAccountHelp(int Topic);
void SetAccountHelp(std::function<void(int Topic)> Help);

// The password gate in force: the program's CheckPassword unless replaced (tests).
bool AccountPasswordCheck(int Op);
void SetAccountPasswordGate(std::function<bool(int Op)> Gate);
