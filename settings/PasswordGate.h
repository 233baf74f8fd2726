#pragma once
// The password gate every protected command passes first, and the two password questions.
// The gate reads the open book file's password and protections through a source the program
// connects (the file manager's settings record); the questions are asked through an asker (the
// Qt dialogs in the program, a script in tests).
#include <functional>
#include <string>

// A book file's password (at most 8 characters; empty: none) and its seven protections.
struct TFileProtection {
  std::string Password;
  bool ProtectOpening = false;
  bool ProtectDeleting = false;
  bool ProtectAdding = false;
  bool ProtectEditing = false;
  bool ProtectReports = false;
  bool ProtectPrinting = false;
  bool ProtectWorksheet = false;
};

// Operations of the gate.
enum TPasswordOp {
  poDeleting = 0,
  poAdding = 1,
  poEditing = 2,
  poWorksheet = 3,
  poReports = 4,
  poPrinting = 5,
  poPassword = 6,  // anything that needs the password whenever the file has one
};

class TPasswordAsker {
 public:
  virtual ~TPasswordAsker() = default;
  // True when the user typed the stored password; false when cancelled.
  virtual bool AskPassword(const std::string& Stored) = 0;
  // True on OK, with the chosen password.
  virtual bool AskNewPassword(std::string& Password) = 0;
};

// Ops 0..5: true at once when the file does not protect that operation, else the password
// question decides. Op 6 (and 7): true at once when the file has no password, else the question
// decides. Bits above the lowest three are ignored.
bool CheckPassword(int Op, const TFileProtection& File, TPasswordAsker& Asker);

// The program's gate: connect the open file's settings and the asker once at start-up. With no
// source connected (no file open) the gate lets everything through.
void SetPasswordGate(std::function<TFileProtection()> Source, TPasswordAsker* Asker);
bool CheckPassword(int Op);
bool AskPassword(const std::string& Stored);
// The password returned is at most 8 characters.
bool AskNewPassword(std::string& Password);
