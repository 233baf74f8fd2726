#include "BookSession.h"

#include "BookLists.h"
#include "FileManager.h"
#include "Helpers.h"
#include "PasswordGate.h"
#include "QtPasswordAsker.h"
#include "QtPrompts.h"

namespace {
// The gate asks for the stored password through the same prompts as the file manager (dialogs
// in the program, a script in tests); a new password always through the dialog.
class TPromptsAsker : public TPasswordAsker {
 public:
  explicit TPromptsAsker(TPrompts& p) : prompts_(p) {}
  bool AskPassword(const std::string& Stored) override { return prompts_.AskPassword(Stored); }
  bool AskNewPassword(std::string& Password) override { return TQtPasswordAsker().AskNewPassword(Password); }

 private:
  TPrompts& prompts_;
};

TFileProtection ProtectionOf(const TFileSettings& s) {
  TFileProtection p;
  p.Password = s.Password;
  p.ProtectOpening = s.ProtectOpening;
  p.ProtectDeleting = s.ProtectDeleting;
  p.ProtectAdding = s.ProtectAdding;
  p.ProtectEditing = s.ProtectEditing;
  p.ProtectReports = s.ProtectReports;
  p.ProtectPrinting = s.ProtectPrinting;
  p.ProtectWorksheet = s.ProtectWorksheet;
  return p;
}
}  // namespace

TBookSession::TBookSession(TBookLists& lists, TPrompts* prompts) : lists_(lists) {
  if (!prompts) ownPrompts_ = std::make_unique<TQtPrompts>();
  prompts_ = prompts ? prompts : ownPrompts_.get();
  fm_ = std::make_unique<TFileManager>(lists_, *prompts_);
  fm_->InstallWriteThrough();
  InstallTotalsHooks(lists_);
  asker_ = std::make_unique<TPromptsAsker>(*prompts_);
  SetPasswordGate([this] { return fm_->FileOpen ? ProtectionOf(fm_->Settings) : TFileProtection(); }, asker_.get());
}

TBookSession::~TBookSession() { SetPasswordGate(nullptr, nullptr); }

bool TBookSession::FileOpen() const { return memoryBook_ || fm_->FileOpen; }
QString TBookSession::FileName() const {
  return memoryBook_ ? memoryName_ : QString::fromStdString(fm_->FileName);
}
bool TBookSession::ReadOnly() const { return memoryBook_ || fm_->ReadOnly; }
bool TBookSession::Changed() const { return !memoryBook_ && fm_->Changed; }

QString TBookSession::BaseName() const {
  // The name as the file system spells it.
  return QString::fromStdString(BaseFileName(LongPathName(FileName().toStdString())));
}

int TBookSession::CheckFile(const QString& name) { return fm_->CheckFile(name.toStdString()); }
int TBookSession::CheckAndConvert(const QString& name) { return fm_->CheckAndConvert(name.toStdString()); }
bool TBookSession::Open(const QString& name) { return fm_->Open(name.toStdString(), true); }

bool TBookSession::Close(bool clearLists, bool save) {
  if (memoryBook_) {
    if (clearLists) lists_.Clear();
    memoryBook_ = false;
    memoryName_.clear();
    fm_->InstallWriteThrough();
    return true;
  }
  return fm_->Close(clearLists, save);
}

int TBookSession::AskSaveReadOnly() { return memoryBook_ ? 0 : fm_->AskSaveReadOnly(); }

void TBookSession::AdoptLists(const QString& name) {
  fm_->RemoveWriteThrough();
  memoryBook_ = true;
  memoryName_ = name;
}

bool TBookSession::WorksheetLocked() const { return fm_->FileOpen && fm_->Settings.ProtectWorksheet; }

bool TBookSession::CheckPassword(int op) { return ::CheckPassword(op); }

void TBookSession::TransactionChanged(int masterIndex) {
  if (masterIndex >= 0) lists_.Trans.NotifyChanged(masterIndex);
}
