#include "PasswordGate.h"

#include "PasswordRules.h"

namespace {

std::function<TFileProtection()> gateSource;
TPasswordAsker* gateAsker = nullptr;

bool Protects(const TFileProtection& f, int op) {
  switch (op) {
    case poDeleting: return f.ProtectDeleting;
    case poAdding: return f.ProtectAdding;
    case poEditing: return f.ProtectEditing;
    case poWorksheet: return f.ProtectWorksheet;
    case poReports: return f.ProtectReports;
    case poPrinting: return f.ProtectPrinting;
    default: return !f.Password.empty();  // 6, and 7 treated alike rather than let through
  }
}

}  // namespace

bool CheckPassword(int Op, const TFileProtection& File, TPasswordAsker& Asker) {
  if (!Protects(File, Op & 7)) return true;
  return Asker.AskPassword(File.Password);
}

void SetPasswordGate(std::function<TFileProtection()> Source, TPasswordAsker* Asker) {
  gateSource = std::move(Source);
  gateAsker = Asker;
}

bool CheckPassword(int Op) {
  if (!gateSource) return true;
  const TFileProtection file = gateSource();
  if (!Protects(file, Op & 7)) return true;
  return gateAsker && gateAsker->AskPassword(file.Password);
}

bool AskPassword(const std::string& Stored) { return gateAsker && gateAsker->AskPassword(Stored); }

bool AskNewPassword(std::string& Password) {
  if (!gateAsker) return false;
  std::string chosen;
  if (!gateAsker->AskNewPassword(chosen)) return false;
  Password = CutPassword(chosen);
  return true;
}
