#pragma once
// What the main window needs from the open book file: the file manager's open, check, close
// and write-through calls, the file's protections and the password gate. One instance lives as
// long as the main window.
#include <QString>
#include <functional>
#include <memory>

struct TBookLists;
class TFileManager;
class TPrompts;
class TPasswordAsker;

class TBookSession {
 public:
  // Prompts answers the file manager's questions (the program's dialogs unless given).
  explicit TBookSession(TBookLists& lists, TPrompts* prompts = nullptr);
  ~TBookSession();

  bool FileOpen() const;
  QString FileName() const;
  bool ReadOnly() const;
  bool Changed() const;
  QString BaseName() const;
  TFileManager& FileManager() { return *fm_; }
  TPrompts& Prompts() { return *prompts_; }

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

  // A book built in memory (benchmarks) counts as open under this name, in read-only mode:
  // nothing reaches a file.
  void AdoptLists(const QString& name);

  // The worksheet is protected by the file's password.
  bool WorksheetLocked() const;
  // The password gate for an operation (0 Deleting .. 5 Printing; 6 the password itself).
  bool CheckPassword(int op);

  // Writes a transaction changed in place to its slot (through the list's change hook).
  void TransactionChanged(int masterIndex);

 private:
  TBookLists& lists_;
  std::unique_ptr<TPrompts> ownPrompts_;
  TPrompts* prompts_;
  std::unique_ptr<TFileManager> fm_;
  std::unique_ptr<TPasswordAsker> asker_;
  bool memoryBook_ = false;
  QString memoryName_;
};
