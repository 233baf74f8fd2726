#include "BookSession.h"

#include "BookLists.h"
#include "FileManager.h"
#include "Helpers.h"
#include "QtPrompts.h"

TBookSession::TBookSession(TBookLists& lists, TPrompts* prompts) : lists_(lists) {
  if (!prompts) ownPrompts_ = std::make_unique<TQtPrompts>();
  prompts_ = prompts ? prompts : ownPrompts_.get();
  fm_ = std::make_unique<TFileManager>(lists_, *prompts_);
  fm_->InstallWriteThrough();
  InstallTotalsHooks(lists_);
}

TBookSession::~TBookSession() = default;

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

bool TBookSession::CheckPassword(int op) {
  const TFileSettings& s = fm_->Settings;
  if (!fm_->FileOpen) return true;
  op &= 0xFF;
  bool protectedOp = false;
  switch (op) {
    case 0: protectedOp = s.ProtectDeleting; break;
    case 1: protectedOp = s.ProtectAdding; break;
    case 2: protectedOp = s.ProtectEditing; break;
    case 3: protectedOp = s.ProtectWorksheet; break;
    case 4: protectedOp = s.ProtectReports; break;
    case 5: protectedOp = s.ProtectPrinting; break;
    case 6: protectedOp = !s.Password.empty(); break;
    default: return true;
  }
  if (!protectedOp) return true;
  return prompts_->AskPassword(s.Password);
}

void TBookSession::TransactionChanged(int masterIndex) {
  if (masterIndex >= 0) lists_.Trans.NotifyChanged(masterIndex);
}
