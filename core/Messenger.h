#pragma once
// core/ shows no dialogs. Name checks and similar report their fixed texts through this interface;
// the program implements it with message dialogs, tests with a recorder.
#include <string>

enum class TMsgKind { Warning, Error, Information, Confirmation };

class TMessenger {
 public:
  virtual ~TMessenger() = default;
  // Shows Text with an OK button.
  virtual void ShowMessage(TMsgKind Kind, const std::string& Text) = 0;
};

// The messenger used where a caller passes none; by default it drops the message.
TMessenger& AppMessenger();
void SetAppMessenger(TMessenger* Messenger);  // nullptr restores the silent default
