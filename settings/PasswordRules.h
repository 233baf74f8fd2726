#pragma once
// The checks of the password dialogs, kept apart from the windows.
#include <string>

constexpr int PasswordMaxLength = 8;  // characters the book file keeps

extern const char* const MsgPasswordIncorrect;
extern const char* const MsgPasswordsDontMatch;
extern const char* const MsgPasswordNotValid;
extern const char* const MsgPasswordSpaces;

// The typed text is the stored password, letter case counting.
bool PasswordAccepted(const std::string& Typed, const std::string& Stored);
// The first problem of a new password and its confirmation, in the order the dialog checks
// them: they differ, the new one is empty, it contains a space. Empty when there is none.
// The texts are compared exactly: a confirmation in other letter case would store a password
// that the text first typed no longer opens.
std::string NewPasswordProblem(const std::string& NewText, const std::string& ConfirmText);
// The first 8 characters of a UTF-8 text (what the book file keeps).
std::string CutPassword(const std::string& Text);
