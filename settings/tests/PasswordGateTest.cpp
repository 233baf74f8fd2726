#include "PasswordGate.h"
#include "PasswordRules.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Answers the password question with a scripted text and records every question.
class TScriptedAsker : public TPasswordAsker {
 public:
  std::string Typed;
  std::string NewPassword;
  std::vector<std::string> Asked;
  bool AskPassword(const std::string& Stored) override {
    Asked.push_back(Stored);
    return PasswordAccepted(Typed, Stored);
  }
  bool AskNewPassword(std::string& Password) override {
    Password = NewPassword;
    return true;
  }
};

TEST(PasswordGate, OperationsAgainstPasswordAndProtections) {
  struct Case {
    const char* name;
    std::string password;
    bool TFileProtection::*flag;  // nullptr: no protection set
    int op;
    bool asks;
  } cases[] = {
      {"no password, op 6", "", nullptr, poPassword, false},
      {"no password, editing", "", nullptr, poEditing, false},
      {"password, no protection, editing", "pw", nullptr, poEditing, false},
      {"password, no protection, op 6", "pw", nullptr, poPassword, true},
      {"deleting", "pw", &TFileProtection::ProtectDeleting, poDeleting, true},
      {"adding", "pw", &TFileProtection::ProtectAdding, poAdding, true},
      {"editing", "pw", &TFileProtection::ProtectEditing, poEditing, true},
      {"worksheet", "pw", &TFileProtection::ProtectWorksheet, poWorksheet, true},
      {"reports", "pw", &TFileProtection::ProtectReports, poReports, true},
      {"printing", "pw", &TFileProtection::ProtectPrinting, poPrinting, true},
      {"adding protected, deleting free", "pw", &TFileProtection::ProtectAdding, poDeleting, false},
      {"opening flag does not guard commands", "pw", &TFileProtection::ProtectOpening, poEditing, false},
      {"higher bits ignored", "pw", &TFileProtection::ProtectReports, poReports | 0x40, true},
      {"op 7 guarded like op 6", "pw", nullptr, 7, true},
  };
  for (const Case& c : cases) {
    TFileProtection file;
    file.Password = c.password;
    if (c.flag) file.*c.flag = true;
    for (const char* typed : {"pw", "PW"}) {
      TScriptedAsker asker;
      asker.Typed = typed;
      const bool passed = CheckPassword(c.op, file, asker);
      EXPECT_EQ(asker.Asked.size(), c.asks ? 1u : 0u) << c.name;
      const bool expected = !c.asks || std::string(typed) == "pw";
      EXPECT_EQ(passed, expected) << c.name << " typed " << typed;
    }
  }
}

TEST(PasswordGate, ProgramGateUsesTheConnectedFileAndAsker) {
  EXPECT_TRUE(CheckPassword(poPassword));  // nothing connected: no file is open
  TFileProtection file;
  file.Password = "Secret";
  file.ProtectEditing = true;
  TScriptedAsker asker;
  SetPasswordGate([&] { return file; }, &asker);
  asker.Typed = "secret";
  EXPECT_FALSE(CheckPassword(poEditing));
  EXPECT_TRUE(CheckPassword(poAdding));
  asker.Typed = "Secret";
  EXPECT_TRUE(CheckPassword(poEditing));
  EXPECT_EQ(asker.Asked, (std::vector<std::string>{"Secret", "Secret"}));

  asker.NewPassword = "abcdefghij";
  std::string chosen;
  ASSERT_TRUE(AskNewPassword(chosen));
  EXPECT_EQ(chosen, "abcdefgh");

  SetPasswordGate([&] { return file; }, nullptr);
  EXPECT_FALSE(CheckPassword(poEditing));  // nobody to ask: refused, not let through
  SetPasswordGate({}, nullptr);
}

TEST(PasswordRules, NewPasswordChecksInOrder) {
  struct Case {
    const char *newText, *confirm, *problem;
  } cases[] = {
      {"abc", "abd", MsgPasswordsDontMatch},
      {"a b", "x", MsgPasswordsDontMatch},  // the match comes first
      {"", "x", MsgPasswordsDontMatch},
      {"", "", MsgPasswordNotValid},
      {"a b", "a b", MsgPasswordSpaces},
      {" ", " ", MsgPasswordSpaces},
      {"Secret", "secret", MsgPasswordsDontMatch},  // letter case counts, as it does when asked
      {"Secret", "Secret", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(NewPasswordProblem(c.newText, c.confirm), c.problem) << c.newText << "/" << c.confirm;
}

TEST(PasswordRules, CutToEightCharacters) {
  EXPECT_EQ(CutPassword("abcdefghij"), "abcdefgh");
  EXPECT_EQ(CutPassword("abcdefgh"), "abcdefgh");
  EXPECT_EQ(CutPassword("ab"), "ab");
  EXPECT_EQ(CutPassword("\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9"), "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9");
  EXPECT_TRUE(PasswordAccepted("Secret", "Secret"));
  EXPECT_FALSE(PasswordAccepted("secret", "Secret"));
  EXPECT_FALSE(PasswordAccepted("Secret1", "Secret"));
}

}  // namespace
