#include "BookSession.h"

#include <QFileInfo>
#include <QMessageBox>

#include "BookLists.h"
#include "Helpers.h"

TBookSession::TBookSession(TBookLists& lists) : lists_(lists) { InstallHooks(); }

TBookSession::~TBookSession() = default;

QString TBookSession::BaseName() const {
  return QString::fromStdString(BaseFileName(LongPathName(fileName_.toStdString())));
}

void TBookSession::InstallHooks() {
  lists_.Trans.OnChange = [this](TChangeAction, int, TTransRec&) {
    if (!open_) return;
    changed_ = true;
    ++writes_;
  };
}

int TBookSession::CheckFile(const QString& name) {
  if (open_ && name == fileName_) {
    QMessageBox::information(nullptr, QObject::tr("Information"), QObject::tr("File already open"));
    return 3;
  }
  return QFileInfo(name).isFile() ? 0 : 2;
}

int TBookSession::CheckAndConvert(const QString& name) { return QFileInfo(name).isFile() ? 0 : 2; }

bool TBookSession::Open(const QString&) { return false; }

bool TBookSession::Close(bool clearLists, bool) {
  if (!open_) return true;
  if (clearLists) lists_.Clear();
  open_ = false;
  readOnly_ = changed_ = worksheetLocked_ = false;
  fileName_.clear();
  writes_ = 0;
  return true;
}

int TBookSession::AskSaveReadOnly() { return 0; }

void TBookSession::AdoptLists(const QString& name) {
  open_ = true;
  readOnly_ = true;
  changed_ = false;
  fileName_ = name;
  writes_ = 0;
}

bool TBookSession::CheckPassword(int op) {
  if (PasswordOverride) return PasswordOverride(op);
  return true;
}

void TBookSession::TransactionChanged(int masterIndex) {
  if (masterIndex >= 0) lists_.Trans.NotifyChanged(masterIndex);
}
