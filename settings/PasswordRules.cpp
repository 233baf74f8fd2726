#include "PasswordRules.h"

const char* const MsgPasswordIncorrect = "Password incorrect";
const char* const MsgPasswordsDontMatch = "New Password and Confirm Password don't match";
const char* const MsgPasswordNotValid = "Password not valid";
const char* const MsgPasswordSpaces = "Password can't contain spaces";

bool PasswordAccepted(const std::string& Typed, const std::string& Stored) { return Typed == Stored; }

std::string NewPasswordProblem(const std::string& NewText, const std::string& ConfirmText) {
  if (NewText != ConfirmText) return MsgPasswordsDontMatch;
  if (NewText.empty()) return MsgPasswordNotValid;
  if (NewText.find(' ') != std::string::npos) return MsgPasswordSpaces;
  return {};
}

std::string CutPassword(const std::string& Text) {
  int chars = 0;
  for (std::size_t i = 0; i < Text.size(); ++i) {
    // Count lead bytes only, so a character is never split.
    if ((static_cast<unsigned char>(Text[i]) & 0xC0) != 0x80 && ++chars > PasswordMaxLength) return Text.substr(0, i);
  }
  return Text;
}
