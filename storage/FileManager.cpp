#include "FileManager.h"

#include <unistd.h>

#include <cstdio>

#include "Helpers.h"
#include "ListOps.h"

const char* const TFileManager::StreamNames[siCount] = {
    StreamName::Transactions, StreamName::MainActs, StreamName::SubActs,
    StreamName::Groups,       StreamName::Categories, StreamName::Books,
    StreamName::FileInfo,     StreamName::FileSettings, StreamName::Comments};

namespace {
const char* const TextInUse = "Unable to access this file.  It may be in use by another application.";
const char* const TextAutosave =
    "Unable to write to the file. The Autosave feature is now OFF.  Use the Save As command from the "
    "file menu to save this file or close current file and revert to backup file.";
const char* const TextCDROM =
    "This file can will be opened in read only mode because it is\rbeing opened from CDROM.  Use the "
    "Save As command to save any\rchanges made to this file.";
const char* const TextDamaged =
    "Some records of this file could not be read; it may be damaged.  The file will be opened in read "
    "only mode.  Use the Save As command to save the records that could be read to a new file.";
const char* const TextCloseFailed =
    "There has been a problem saving current file.  Click the 'Ignore' button\rto close anyway.  Click "
    "the 'Abort' button to keep the file open - You may\rbe able to save the file in a different location "
    "by using the 'Save As'\rcommand from the 'File' menu.";
}  // namespace

TFileManager::TFileManager(TBookLists& L, TPrompts& P) : Lists(L), Prompts(P) {}

TFileManager::~TFileManager() { ReleaseStorage(); }

// ---------------------------------------------------------------- storage calls and retries

cfb::Result TFileManager::Guard(const char* Op, const std::function<cfb::Result()>& Call) {
  if (FailHook) {
    cfb::Result R = FailHook(Op);
    if (R != cfb::Result::Ok) return R;
  }
  return Call();
}

std::string TFileManager::RetryText(cfb::Result Result, const std::string& What) {
  std::string Head = "Unable to save " + What + ": ";
  switch (Result) {
    case cfb::Result::InsufficientMemory:
      return Head + "There is insufficient memory available to complete the operation";
    case cfb::Result::WriteProtected: return Head + "Disk is write protected";
    case cfb::Result::WriteFault: return Head + "There was a problem writing to the disk";
    case cfb::Result::ReadFault: return "A disk error occurred during a read operation";
    case cfb::Result::MediumFull: return Head + "Disk is full!";
    case cfb::Result::CannotSave: return Head + "Storage device error!";
    default: return Head + "Unkown error";
  }
}

int TFileManager::ErrorRetry(bool ReopenOnRetry, cfb::Result Result, const std::string& What) {
  if (Result == cfb::Result::Ok) return 0;
  TMsgButton Answer = Prompts.Ask(TMsgKind::Confirmation, RetryText(Result, What) + "\rDo you want to retry?",
                                  mbRetry | mbCancel);
  if (Answer != mbRetry) return 2;
  if (ReopenOnRetry && !Reopen()) return 2;
  return 1;
}

bool TFileManager::Retried(bool ReopenOnRetry, const std::string& What, const char* Op,
                           const std::function<cfb::Result()>& Call) {
  for (;;) {
    cfb::Result R = Guard(Op, Call);
    if (R == cfb::Result::Ok) return true;
    if (ErrorRetry(ReopenOnRetry, R, What) != 1) return false;
  }
}

TDriveKind TFileManager::ProbeDriveKind(const std::string& Name) {
  return DriveKindProbe ? DriveKindProbe(Name) : BookFileDriveKind(Name);
}

bool TFileManager::CheckDrive() {
  if (ReadOnly || !CheckDrives) return true;
  if (!FileOpen) return false;
  if (DriveKind == dkNetwork) {
    while (ProbeDriveKind(FileName) != dkNetwork)
      if (Prompts.Ask(TMsgKind::Warning, "Unable to write to file: Lost network connection!", mbRetry | mbCancel) !=
          mbRetry)
        return false;
    return true;
  }
  if (DriveKind >= dkRemovable && DriveKind <= dkUnknown) {
    while (!DriveReady(FileName))
      if (Prompts.Ask(TMsgKind::Warning, "Unable to write to file: Drive not ready!", mbRetry | mbCancel) != mbRetry)
        return false;
    return true;
  }
  return false;
}

void TFileManager::ReleaseStorage() {
  for (auto& S : Streams) S.release();
  Root.release();
}

bool TFileManager::OpenStreams(const std::string& Name, cfb::OpenMode Mode) {
  ReleaseStorage();
  cfb::Result R = Guard("open", [&] { return cfb::Storage::openFile(Name, Mode, Root); });
  for (int I = 0; R == cfb::Result::Ok && I < siCount; ++I)
    R = Guard("open", [&] { return Root.openStream(StreamNames[I], Streams[I]); });
  if (R != cfb::Result::Ok) ReleaseStorage();
  return R == cfb::Result::Ok;
}

bool TFileManager::CreateStreams(const std::string& Name) {
  ReleaseStorage();
  bool Ok = Retried(false, "new file", "create", [&] { return cfb::Storage::createFile(Name, Root); });
  for (int I = 0; Ok && I < siCount; ++I)
    Ok = Retried(false, "new file", "create", [&] { return Root.createStream(StreamNames[I], Streams[I]); });
  for (auto& P : AppendPos) P = 0;
  if (!Ok) ReleaseStorage();
  return Ok;
}

bool TFileManager::Reopen() {
  if (FileName.empty()) return false;
  return OpenStreams(FileName, cfb::OpenMode::ReadWrite);
}

bool TFileManager::Sync() {
  return Retried(false, "changes", "flush", [&] { return Root.flush(); });
}

bool TFileManager::WriteBytesAt(int Stream, std::uint64_t Pos, const void* Data, std::size_t Size,
                                const std::string& What, bool ReopenOnRetry) {
  return Retried(ReopenOnRetry, What, "write", [&] {
    cfb::Result R = Streams[Stream].seek(static_cast<std::int64_t>(Pos), cfb::SeekOrigin::Begin);
    return R == cfb::Result::Ok ? Streams[Stream].write(Data, Size) : R;
  });
}

// ---------------------------------------------------------------- read-only mode

void TFileManager::SwitchToReadOnly() {
  Changed = false;
  ReadOnly = true;
  for (bool& M : Modified) M = false;
  ReleaseStorage();
}

void TFileManager::AutosaveFailure() {
  Prompts.Ask(TMsgKind::Warning, TextAutosave, mbOK | mbHelp);
  SwitchToReadOnly();
  // The change that could not be written lives only in memory now: closing must offer to save it.
  Changed = true;
}

int TFileManager::AskSaveReadOnly() {
  if (!(ReadOnly && Changed)) return 0;
  switch (Prompts.AskSave(
      "Current file is in read only mode and has changed. Do you want to save the changes to a new file?")) {
    case mbYes: return 1;
    case mbNo: return 0;
    default: return 2;
  }
}

std::string TFileManager::BaseName() const { return BaseFileName(FileName); }

void TFileManager::MarkBooksChanged() {
  Changed = true;
  Modified[liBooks] = true;
}

// ---------------------------------------------------------------- checks before opening

int TFileManager::CheckFile(const std::string& Name) {
  if (!FileName.empty() && Name == FileName) {
    Prompts.ShowMessage(TMsgKind::Information, "File already open");
    return cfInUse;
  }
  cfb::Storage Stg;
  cfb::Result R = Guard("open", [&] { return cfb::Storage::openFile(Name, cfb::OpenMode::ReadOnly, Stg); });
  if (R == cfb::Result::AccessDenied) {
    Prompts.ShowMessage(TMsgKind::Information, TextInUse);
    return cfInUse;
  }
  if (R != cfb::Result::Ok) return cfNotValid;
  cfb::Stream S;
  unsigned char Buf[SettingsRecSize];
  std::size_t Got = 0;
  R = Guard("open", [&] { return Stg.openStream(StreamName::FileSettings, S); });
  if (R == cfb::Result::Ok) R = Guard("read", [&] { return S.read(Buf, sizeof Buf, &Got); });
  if (R != cfb::Result::Ok || Got != sizeof Buf) return cfNotValid;
  TFileSettings FS;
  DecodeSettings(Buf, FS);
  S.release();
  Stg.release();
  if (FS.ProtectOpening && !Prompts.AskPassword(FS.Password)) return cfPassword;
  return cfOk;
}

int TFileManager::CheckAndConvert(const std::string& Name) {
  if (!FileName.empty() && Name == FileName) {
    Prompts.ShowMessage(TMsgKind::Information, "File already open");
    return cfInUse;
  }
  cfb::Storage Stg;
  cfb::Result R = Guard("open", [&] { return cfb::Storage::openFile(Name, cfb::OpenMode::ReadOnly, Stg); });
  if (R == cfb::Result::AccessDenied) {
    Prompts.ShowMessage(TMsgKind::Information, TextInUse);
    return cfInUse;
  }
  if (R != cfb::Result::Ok) return cfNotValid;
  cfb::Stream S;
  if (Guard("open", [&] { return Stg.openStream(StreamName::Transactions, S); }) != cfb::Result::Ok)
    return cfNotValid;
  S.release();
  R = Guard("open", [&] { return Stg.openStream(StreamName::Books, S); });
  if (R == cfb::Result::Ok) return cfOk;
  if (R != cfb::Result::ElementNotFound) return cfNotValid;
  // Version 1: converted on a copy; Stg is released inside.
  return ConvertVersion1(Stg, Name);
}

// ---------------------------------------------------------------- open and load

bool TFileManager::Open(const std::string& Name, bool Load) {
  if (::access(Name.c_str(), F_OK) == 0) {
    TDriveKind Kind = ProbeDriveKind(Name);
    if (Kind == dkNoRoot) return false;
    DriveKind = Kind;
  }
  bool FromCD = DriveKind == dkCDROM;
  if (!OpenStreams(Name, FromCD ? cfb::OpenMode::ReadOnly : cfb::OpenMode::ReadWrite)) return false;
  // Left by a program killed while it was compacting this book on closing; the book is complete.
  if (!FromCD) {
    std::remove(CompactTempName(Name).c_str());
    std::remove(BackupTempName(Name).c_str());
  }
  CommentText.clear();
  FileName = Name;
  FileOpen = true;  // ReadComment needs the streams only
  ReadOnly = false;
  CommentText = ReadComment();
  if (FromCD) {
    Changed = false;
    ReadOnly = true;
    for (bool& M : Modified) M = false;
    if (!Saving) Prompts.ShowMessage(TMsgKind::Information, TextCDROM);
  }
  Damaged = false;
  if (!Load) SetAppendPositions();
  if (Load && !LoadLists()) {
    ReleaseStorage();
    Lists.Clear();
    FileOpen = false;
    FileName.clear();
    ReadOnly = false;
    return false;
  }
  Lists.Transfers.Build(Lists.Trans);
  for (bool& M : Modified) M = false;
  Changed = false;
  CheckDrives = true;
  if (Damaged && !ReadOnly) {
    // Writing through would make the damage permanent; the user saves what was read elsewhere.
    Prompts.ShowMessage(TMsgKind::Warning, TextDamaged);
    ReadOnly = true;
  }
  if (ReadOnly) ReleaseStorage();
  return true;
}

bool TFileManager::LoadLists() {
  unsigned char Buf[CountsRecSize];
  std::size_t Got = 0;
  auto ReadHead = [&](int Id, std::size_t Size) {
    Got = 0;
    return Guard("read", [&] {
             cfb::Result R = Streams[Id].seek(0, cfb::SeekOrigin::Begin);
             return R == cfb::Result::Ok ? Streams[Id].read(Buf, Size, &Got) : R;
           }) == cfb::Result::Ok &&
           Got == Size;
  };
  if (!ReadHead(siSettings, SettingsRecSize)) return false;
  DecodeSettings(Buf, Settings);
  if (!ReadHead(siInfo, CountsRecSize)) return false;
  DecodeCounts(Buf, LoadedCounts);

  Progress(10);
  bool Ok = true;
  auto ReadOne = [&](auto& List, int Id, std::int32_t Count, int ProgressAfter) {
    if (!Ok) return;
    std::function<void(int)> Step;
    if (Id == siTrans && ShowProgress && Count > 0)
      Step = [&](int I) { Progress(10 + static_cast<int>(static_cast<std::int64_t>(I) * 60 / Count)); };
    TReadOutcome Out;
    cfb::Result R = Guard("read", [&] {
      Out = ReadListStream(Streams[Id], Count, List, Step);
      return Out.Result;
    });
    if (R != cfb::Result::Ok) Ok = false;
    if (Out.Short) Damaged = true;
    AppendPos[Id] = Out.EndPos;
    if (ProgressAfter >= 0) Progress(ProgressAfter);
  };
  ReadOne(Lists.Trans, siTrans, LoadedCounts.Trans, 70);
  ReadOne(Lists.MainActs, siMainActs, LoadedCounts.MainActs, 80);
  ReadOne(Lists.SubActs, siSubActs, LoadedCounts.SubActs, 90);
  ReadOne(Lists.Groups, siGroups, LoadedCounts.Groups, -1);
  ReadOne(Lists.Cats, siCats, LoadedCounts.Cats, -1);
  ReadOne(Lists.Books, siBooks, LoadedCounts.Books, 100);
  if (Ok) Lists.Books.Renumber();
  return Ok;
}

void TFileManager::SetAppendPositions() {
  auto End = [&](const auto& List, int Id) {
    using TRec = typename std::remove_reference_t<decltype(List)>::TRecord;
    if (List.Count() == 0) {
      AppendPos[Id] = Streams[Id].size();
      return;
    }
    std::int64_t Max = 0;
    for (const auto* R : List.MasterList()) Max = std::max(Max, R->StreamPos);
    AppendPos[Id] = static_cast<std::uint64_t>(Max) + TRecordLayout<TRec>::RecSize;
  };
  End(Lists.Trans, liTrans);
  End(Lists.MainActs, liMainActs);
  End(Lists.SubActs, liSubActs);
  End(Lists.Groups, liGroups);
  End(Lists.Cats, liCats);
  End(Lists.Books, liBooks);
}

// ---------------------------------------------------------------- small streams

std::string TFileManager::ReadComment() {
  if (ReadOnly) return CommentText;
  if (!Streams[siComments].isValid()) return {};
  std::string Bytes(static_cast<std::size_t>(std::min<std::uint64_t>(Streams[siComments].size(), 1u << 20)), '\0');
  std::size_t Got = 0;
  cfb::Result R = Guard("read", [&] {
    cfb::Result S = Streams[siComments].seek(0, cfb::SeekOrigin::Begin);
    return S == cfb::Result::Ok ? Streams[siComments].read(Bytes.data(), Bytes.size(), &Got) : S;
  });
  if (R != cfb::Result::Ok) return {};
  Bytes.resize(Got);
  return DecodeComment(Bytes);
}

bool TFileManager::WriteComment(const std::string& Text) {
  if (ReadOnly) {
    CommentText = Text;
    return true;
  }
  std::string Bytes = EncodeComment(Text);
  bool Ok = WriteBytesAt(siComments, 0, Bytes.data(), Bytes.size(), "file", true) &&
            Retried(true, "file", "setsize", [&] { return Streams[siComments].setSize(Bytes.size()); });
  if (Ok) CommentText = Text;
  return Ok;
}

bool TFileManager::WriteSettings() {
  if (ReadOnly) return true;
  unsigned char Buf[SettingsRecSize];
  EncodeSettings(Settings, Buf);
  return WriteBytesAt(siSettings, 0, Buf, sizeof Buf, "file", true);
}

TFileCounts TFileManager::CurrentCounts() const {
  TFileCounts C;
  C.Trans = Lists.Trans.Count() - Lists.Trans.LeavingCount() - PendingDelete[liTrans];
  C.MainActs = Lists.MainActs.Count() - Lists.MainActs.LeavingCount() - PendingDelete[liMainActs];
  C.SubActs = Lists.SubActs.Count() - Lists.SubActs.LeavingCount() - PendingDelete[liSubActs];
  C.Groups = Lists.Groups.Count() - Lists.Groups.LeavingCount() - PendingDelete[liGroups];
  C.Cats = Lists.Cats.Count() - Lists.Cats.LeavingCount() - PendingDelete[liCats];
  C.Books = Lists.Books.Count() - Lists.Books.LeavingCount() - PendingDelete[liBooks];
  return C;
}

bool TFileManager::WriteCounts() {
  if (ReadOnly) return true;
  unsigned char Buf[CountsRecSize];
  EncodeCounts(CurrentCounts(), Buf);
  return WriteBytesAt(siInfo, 0, Buf, sizeof Buf, "file", true);
}
