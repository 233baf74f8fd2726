#include "ScriptedPrompts.h"

#include <algorithm>

void TScriptedPrompts::ShowMessage(TMsgKind Kind, const std::string& Text) {
  Shown.push_back({"message", Kind, Text, mbOK});
}

TMsgButton TScriptedPrompts::Ask(TMsgKind Kind, const std::string& Text, TMsgButtons Buttons) {
  Shown.push_back({"ask", Kind, Text, Buttons});
  TMsgButton Answer = DefaultAnswer;
  if (!Answers.empty()) {
    Answer = Answers.front();
    Answers.pop_front();
  }
  if ((Answer & Buttons) == 0 || Answer == mbHelp) {
    // Not offered: the last offered button that ends the message.
    for (unsigned B = mbIgnore; B >= mbOK; B >>= 1)
      if ((Buttons & B) && B != mbHelp) return static_cast<TMsgButton>(B);
    return mbOK;
  }
  return Answer;
}

void TScriptedPrompts::ShowPlain(const std::string& Text) {
  Shown.push_back({"plain", TMsgKind::Information, Text, mbOK});
}

bool TScriptedPrompts::AskPassword(const std::string& StoredPassword) {
  Shown.push_back({"password", TMsgKind::Information, StoredPassword, mbOK | mbCancel});
  if (PasswordAnswers.empty()) return false;
  bool Ok = PasswordAnswers.front();
  PasswordAnswers.pop_front();
  return Ok;
}

bool TScriptedPrompts::RunConvertWizard(std::vector<TConvertCategory>& Custom, std::string& BookName) {
  Shown.push_back({"wizard", TMsgKind::Information, "File Convert Wizard", mbNone});
  WizardSaw = Custom;
  BookName = WizardBookName;
  if (!WizardFinish) return false;
  for (std::size_t I = 0; I < Custom.size(); ++I)
    Custom[I].ReportClass = static_cast<std::int16_t>(I < WizardClasses.size() ? WizardClasses[I] : 1);
  return true;
}

std::vector<std::string> TScriptedPrompts::Texts() const {
  std::vector<std::string> Out;
  for (const auto& S : Shown) Out.push_back(S.Text);
  return Out;
}

bool TScriptedPrompts::Saw(const std::string& Text) const {
  return std::any_of(Shown.begin(), Shown.end(), [&](const TShown& S) { return S.Text == Text; });
}
