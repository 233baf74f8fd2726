#pragma once
// TFileManager: the connection between the in-memory lists and one open book file.
//
// Write-through: while a file is open and writable every record added, changed or deleted through
// a list (the lists' OnChange) is written to its slot at once - appended, rewritten in place, or
// marked deleted - and the counts record follows. Closing compacts the streams that were touched.
// When the file cannot be written (a read-only medium, or a write failed) the manager is in
// read-only mode: the data lives in memory and can be saved under a new name.
//
// Every storage call runs inside the retry question; every question goes through TPrompts.
#include <cstdint>
#include <functional>
#include <string>

#include "BookLists.h"
#include "BookRecords.h"
#include "CfbStorage.h"
#include "DriveKind.h"
#include "Prompts.h"

class TFileManager {
 public:
  // Stream slots, in the order the streams are opened.
  enum TStreamId { siTrans, siMainActs, siSubActs, siGroups, siCats, siBooks, siInfo, siSettings, siComments, siCount };
  // The six list streams, in the order of the modified flags.
  enum TListId { liTrans, liMainActs, liSubActs, liGroups, liCats, liBooks, liCount };
  static const char* const StreamNames[siCount];

  TFileManager(TBookLists& Lists, TPrompts& Prompts);
  ~TFileManager();
  TFileManager(const TFileManager&) = delete;
  TFileManager& operator=(const TFileManager&) = delete;

  // State.
  bool FileOpen = false;
  bool Modified[liCount] = {};
  bool ReadOnly = false;
  bool Changed = false;
  bool CheckDrives = true;
  int DriveKind = dkUnknown;
  bool Saving = false;
  std::string FileName;
  TFileSettings Settings;
  std::string CommentText;
  // The auto-backup option (kept by the options manager): back up on closing without asking.
  bool AutoBackup = false;
  // Force every single-record write to the disk (fdatasync) before the change counts as done,
  // so a change the user confirmed survives a power loss. Tools writing millions of records
  // turn it off and sync once at the end.
  bool SyncWrites = true;
  // True after a load that found a list stream shorter than its count (a damaged file): the
  // records that could be read are kept, and the file is opened read-only.
  bool Damaged = false;
  bool InBatch = false;

  // Progress 0..100 of long operations; the main window connects its progress bar.
  std::function<void(int Percent)> ShowProgress;
  // Seams for tests and tools: the drive kind of a file name, and a storage layer that fails on
  // demand (called before each storage call with its name: "create", "open", "read", "write",
  // "setsize", "copy", "rename", "flush"; a result other than Ok is taken as the call's result).
  std::function<TDriveKind(const std::string&)> DriveKindProbe;
  std::function<cfb::Result(const char* Op)> FailHook;

  // Results of CheckFile / CheckAndConvert.
  enum { cfOk = 0, cfPassword = 1, cfNotValid = 2, cfInUse = 3, cfConvertFailed = 4, cfConvertCancelled = 5 };
  int CheckFile(const std::string& Name);
  int CheckAndConvert(const std::string& Name);
  bool Open(const std::string& Name, bool Load);
  bool NewFile(const std::string& Name);
  bool NewFromExisting(const std::string& NewName, const std::string& SourceName);
  bool Close(bool ClearLists, bool Save);
  int SaveAsCopy(const std::string& NewName);  // 0 done, 1 failed, 2 copied but reopening failed
  bool SaveAsFresh(const std::string& NewName);
  void Backup();
  int AskSaveReadOnly();  // 0 no, 1 yes, 2 cancel
  std::string BaseName() const;
  std::string ReadComment();
  bool WriteComment(const std::string& Text);
  bool WriteSettings();
  bool WriteCounts();
  void MarkBooksChanged();
  bool Reopen();

  // Write-through, one of each per list; the OnChange hooks call them.
  bool AppendRecord(TTransRec& R);
  bool AppendRecord(TMainActRec& R);
  bool AppendRecord(TSubActRec& R);
  bool AppendRecord(TGroupRec& R);
  bool AppendRecord(TCatRec& R);
  bool AppendRecord(TBookRec& R);
  bool UpdateRecord(TTransRec& R);
  bool UpdateRecord(TMainActRec& R);
  bool UpdateRecord(TSubActRec& R);
  bool UpdateRecord(TGroupRec& R);
  bool UpdateRecord(TCatRec& R);
  bool UpdateRecord(TBookRec& R);
  bool DeleteRecord(TTransRec& R);
  bool DeleteRecord(TMainActRec& R);
  bool DeleteRecord(TSubActRec& R);
  bool DeleteRecord(TGroupRec& R);
  bool DeleteRecord(TCatRec& R);
  bool DeleteRecord(TBookRec& R);

  // Installs the lists' OnChange (action 0 append, 1 update, 2 delete of that list) and their
  // batch hooks (BeginBatch, EndBatch).
  void InstallWriteThrough();
  void RemoveWriteThrough();

  // Many records changed as one confirmed change: the drive is checked once here, and while the
  // batch lasts neither checked nor synced per record; EndBatch syncs once. The counts of appends
  // and deletes in a batch are written at its end, after the records are synced, so a file cut
  // short by a power loss never counts a slot that was not written. When the check fails the
  // autosave failure is handled (read-only mode, with its message) and the changes of the batch
  // stay in memory. A batch begun within a batch is part of the outer one.
  void BeginBatch();
  void EndBatch();

  // Counts record as read by the last load (for checks).
  TFileCounts LoadedCounts;

  // Retry question for a failed storage call: 0 success, 1 retry, 2 give up.
  int ErrorRetry(bool ReopenOnRetry, cfb::Result Result, const std::string& What);
  // Text of the retry question (without "\rDo you want to retry?").
  static std::string RetryText(cfb::Result Result, const std::string& What);
  // The file a closing book is compacted into before it takes the book's place (same folder).
  static std::string CompactTempName(const std::string& Name);
  // The backup copy of a book: its folder, its base name, ".~bk"; and the file a new backup is
  // written into before it takes the backup's place (a name of its own: the backup can be opened
  // as a book and then has a compaction file of its own).
  static std::string BackupName(const std::string& Name);
  static std::string BackupTempName(const std::string& Name);

 private:
  template <class TRec> friend struct TListOps;
  TBookLists& Lists;
  TPrompts& Prompts;
  cfb::Storage Root;
  cfb::Stream Streams[siCount];
  int PendingDelete[liCount] = {};  // records being deleted that are still in their list
  // Where the next record of each list is appended: right after the last live record. Slots after
  // it are left-overs of an append that never got its count (a killed program); a reader would
  // take the first of them for the next counted record, so they are overwritten, never appended to.
  std::uint64_t AppendPos[liCount] = {};
  void SetAppendPositions();  // from the lists' slot positions (a file opened without loading)

  cfb::Result Guard(const char* Op, const std::function<cfb::Result()>& Call);
  // Runs Call until it succeeds or the user gives up.
  bool Retried(bool ReopenOnRetry, const std::string& What, const char* Op, const std::function<cfb::Result()>& Call);
  bool CheckDrive();
  void Progress(int Percent) { if (ShowProgress) ShowProgress(Percent); }
  TDriveKind ProbeDriveKind(const std::string& Name);
  void ReleaseStorage();
  void SwitchToReadOnly();
  void AutosaveFailure();
  bool OpenStreams(const std::string& Name, cfb::OpenMode Mode);
  bool CreateStreams(const std::string& Name);
  bool LoadLists();
  TFileCounts CurrentCounts() const;
  bool WriteWhole(int List);
  // Compaction on closing (FileCompact.cpp): in place when no record moves, else a new file.
  bool CompactOnClose();
  bool RecordsInPlace(int List);
  bool TrimInPlace();
  bool CompactIntoNewFile();
  // Puts the complete file Temp in the place of Name (with the book's permissions); Temp's storage
  // must still be held, so its lock covers the new name at once. Then the folder is synced.
  bool RenameOver(const std::string& Temp, const std::string& Name, const std::string& What);
  bool SyncFolderOf(const std::string& Name, const std::string& What);
  template <class TFn> auto ForEachList(int List, TFn&& Fn) {
    switch (List) {
      case liTrans: return Fn(Lists.Trans);
      case liMainActs: return Fn(Lists.MainActs);
      case liSubActs: return Fn(Lists.SubActs);
      case liGroups: return Fn(Lists.Groups);
      case liCats: return Fn(Lists.Cats);
      default: return Fn(Lists.Books);
    }
  }
  bool WriteAllLists(int FirstProgress);
  bool WriteBytesAt(int Stream, std::uint64_t Pos, const void* Data, std::size_t Size, const std::string& What,
                    bool ReopenOnRetry);
  bool Sync();
  bool BatchSavedCheckDrives = true, BatchSavedSync = true;  // restored by EndBatch
  bool CountsPending = false;  // a batch appended or deleted: EndBatch writes the counts
  int BatchDepth = 0;
  // The counts after an append or a delete: at once, between two syncs, or at the end of a batch.
  bool CountsFollow();
  bool CopyWholeStorageTo(const std::string& Dest, const std::string& What, bool ReopenOnRetry);
  int ConvertVersion1(cfb::Storage& Stg, const std::string& Name);
  template <class TRec> bool AppendT(TRec& R, int List);
  template <class TRec> bool UpdateT(TRec& R, int List);
  template <class TRec> bool DeleteT(TRec& R, int List);
};
