#pragma once
// What the main window needs from the open book file: the file manager's open, check, close
// and write-through calls, the file's protections and the password gate. One instance lives as
// long as the main window.
#include <QString>
#include <functional>

struct TBookLists;

class TBookSession {
 public:
  explicit TBookSession(TBookLists& lists);
  ~TBookSession();

  bool FileOpen() const { return open_; }
  QString FileName() const { return fileName_; }
  bool ReadOnly() const { return readOnly_; }
  bool Changed() const { return changed_; }
  QString BaseName() const;

  // 0 may open, 1 password refused, 2 not a valid file, 3 already open or in use.
  int CheckFile(const QString& name);
  // 0 ready, 2 not valid, 3 in use, 4 conversion failed, 5 conversion cancelled.
  int CheckAndConvert(const QString& name);
  // Reads the file into the lists.
  bool Open(const QString& name);
  // False only when the user kept the file open after a failed save.
  bool Close(bool clearLists, bool save);
  // 0 no, 1 yes, 2 cancel; asks only for a changed read-only file.
  int AskSaveReadOnly();

  // A book built in memory (tests, benchmarks) counts as open under this name, read-only.
  void AdoptLists(const QString& name);

  // Worksheet protected by the file's password.
  bool WorksheetLocked() const { return worksheetLocked_; }
  void SetWorksheetLocked(bool on) { worksheetLocked_ = on; }
  // The password gate for an operation (0 Deleting .. 5 Printing, 6 the password itself).
  bool CheckPassword(int op);
  // Tests replace the gate (nullptr: the file's own gate).
  std::function<bool(int op)> PasswordOverride;

  // Write-through of a changed transaction (the record is rewritten in its slot).
  void TransactionChanged(int masterIndex);
  int WriteCount() const { return writes_; }  // records written since opening

 private:
  void InstallHooks();
  TBookLists& lists_;
  bool open_ = false;
  bool readOnly_ = false;
  bool changed_ = false;
  bool worksheetLocked_ = false;
  int writes_ = 0;
  QString fileName_;
};
