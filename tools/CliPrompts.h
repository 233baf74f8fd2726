#pragma once
// Prompts for a program without a user at a dialog: nothing is retried, no file is converted, the
// password is the one given on the command line; the last message is kept for the error line.
#include <string>

#include "Prompts.h"

class TCliPrompts : public TPrompts {
 public:
  std::string Password;      // --password
  bool PasswordGiven = false;
  bool PasswordAsked = false;
  std::string LastMessage;

  void ShowMessage(TMsgKind, const std::string& Text) override { LastMessage = Text; }
  TMsgButton Ask(TMsgKind, const std::string& Text, TMsgButtons Buttons) override;
  void ShowPlain(const std::string& Text) override { LastMessage = Text; }
  bool AskPassword(const std::string& Stored) override {
    PasswordAsked = true;
    return PasswordGiven && Password == Stored;
  }
  bool RunConvertWizard(std::vector<TConvertCategory>&, std::string&) override { return false; }
};

// "\r" line breaks of the program's texts as spaces, for one line on stderr.
std::string OneLine(std::string Text);
