// Closing, Save As, backup and new files of TFileManager.
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "FileManager.h"
#include "ListOps.h"
#include "MoneyFormat.h"

namespace {
const char* const TextBackupFailed =
    "Unable to save backup file.  Data from your main file has NOT been lost.\rIt is recommended you "
    "make a copy of you main file as a temporary backup.";

bool EndsWith(const std::string& S, const std::string& Tail) {
  return S.size() >= Tail.size() && S.compare(S.size() - Tail.size(), Tail.size(), Tail) == 0;
}

std::string FolderOf(const std::string& Path) {
  std::size_t Slash = Path.find_last_of('/');
  return Slash == std::string::npos ? std::string() : Path.substr(0, Slash + 1);
}

// Restores the lists' change hooks when a scope ends.
struct THookSaver {
  TBookLists& L;
  decltype(L.Trans.OnChange) T;
  decltype(L.MainActs.OnChange) M;
  decltype(L.SubActs.OnChange) S;
  decltype(L.Groups.OnChange) G;
  decltype(L.Cats.OnChange) C;
  decltype(L.Books.OnChange) B;
  explicit THookSaver(TBookLists& Lists)
      : L(Lists), T(L.Trans.OnChange), M(L.MainActs.OnChange), S(L.SubActs.OnChange), G(L.Groups.OnChange),
        C(L.Cats.OnChange), B(L.Books.OnChange) {}
  ~THookSaver() {
    L.Trans.OnChange = T;
    L.MainActs.OnChange = M;
    L.SubActs.OnChange = S;
    L.Groups.OnChange = G;
    L.Cats.OnChange = C;
    L.Books.OnChange = B;
  }
};
}  // namespace

bool TFileManager::WriteAllLists(int) {
  static const int After[liCount] = {60, 60, 70, 80, 90, 100};
  for (int L = 0; L < liCount; ++L) {
    if (!WriteWhole(L)) return false;
    Progress(After[L]);
  }
  return true;
}

bool TFileManager::Close(bool ClearLists, bool Save) {
  if (!FileOpen) return true;
  Prompts.SetBusy(true);
  bool Saved = false;
  if (!ReadOnly && Changed && Save && CheckDrive()) {
    Progress(10);
    static const int After[liCount] = {20, 60, 60, 70, 80, 100};
    bool Ok = WriteCounts();
    for (int L = 0; Ok && L < liCount; ++L) {
      if (Modified[L]) Ok = WriteWhole(L);
      Progress(After[L]);
    }
    Ok = Ok && Retried(true, "file", "flush", [&] { return Root.flush(); });
    Progress(100);
    if (!Ok) {
      Prompts.SetBusy(false);
      if (Prompts.Ask(TMsgKind::Warning,
                      "There has been a problem saving current file.  Click the 'Ignore' button\rto close anyway.  "
                      "Click the 'Abort' button to keep the file open - You may\rbe able to save the file in a "
                      "different location by using the 'Save As'\rcommand from the 'File' menu.",
                      mbAbort | mbIgnore) == mbAbort)
        return false;
      Prompts.SetBusy(true);
    }
    Saved = Ok;
  }
  if (Saved && !EndsWith(FileName, "~bk")) {
    if (AutoBackup ||
        Prompts.Ask(TMsgKind::Confirmation, "The data in this file has changed.\rUpdate backup file?", mbYes | mbNo) ==
            mbYes)
      Backup();
  }
  if (ClearLists) Lists.Clear();
  ReleaseStorage();
  FileOpen = false;
  FileName.clear();
  for (bool& M : Modified) M = false;
  Changed = false;
  Prompts.SetBusy(false);
  return true;
}

bool TFileManager::CopyWholeStorageTo(const std::string& Dest, const std::string& What, bool ReopenOnRetry) {
  cfb::Storage New;
  if (!Retried(false, What, "create", [&] { return cfb::Storage::createFile(Dest, New); })) return false;
  bool Ok = Retried(ReopenOnRetry, What, "copy", [&] { return Root.copyTo(New); }) &&
            Retried(false, What, "flush", [&] { return New.flush(); });
  New.release();
  if (!Ok) std::remove(Dest.c_str());
  return Ok;
}

void TFileManager::Backup() {
  if (!CheckDrive()) {
    Prompts.ShowMessage(TMsgKind::Error, "Unable to save backup file: Drive not ready");
    return;
  }
  std::string Name = FolderOf(FileName) + BaseName() + ".~bk";
  Progress(10);
  Prompts.SetBusy(true);
  cfb::Storage New;
  if (!Retried(false, "backup file", "create", [&] { return cfb::Storage::createFile(Name, New); })) {
    Progress(100);
    Prompts.SetBusy(false);
    Prompts.ShowMessage(TMsgKind::Error, TextBackupFailed);
    return;
  }
  Progress(50);
  bool Ok = Retried(true, "backup file", "copy", [&] { return Root.copyTo(New); }) &&
            Retried(false, "backup file", "flush", [&] { return New.flush(); });
  Progress(80);
  New.release();
  Prompts.SetBusy(false);
  if (!Ok) {
    std::remove(Name.c_str());
    Prompts.ShowMessage(TMsgKind::Error, TextBackupFailed);
  }
  Progress(100);
}

int TFileManager::SaveAsCopy(const std::string& NewName) {
  if (NewName == FileName) return 0;
  if (!CheckDrive()) {
    Prompts.ShowMessage(TMsgKind::Error, "Unable to save file: Drive not ready");
    return 1;
  }
  Saving = true;
  Progress(10);
  Progress(20);
  cfb::Storage New;
  if (!Retried(false, "file", "create", [&] { return cfb::Storage::createFile(NewName, New); })) {
    Progress(30);
    Prompts.ShowMessage(TMsgKind::Error, "Unable to save file");
    Progress(100);
    Saving = false;
    return 1;
  }
  Progress(30);
  bool Ok = Retried(true, "backup file", "copy", [&] { return Root.copyTo(New); }) &&
            Retried(false, "backup file", "flush", [&] { return New.flush(); });
  Progress(80);
  New.release();
  if (!Ok) {
    std::remove(NewName.c_str());
    Progress(100);
    Saving = false;
    return 1;
  }
  ReleaseStorage();
  bool Opened = Open(NewName, false);
  Progress(100);
  Saving = false;
  return Opened ? 0 : 2;
}

bool TFileManager::SaveAsFresh(const std::string& NewName) {
  if (!CheckDrive()) {
    Prompts.ShowMessage(TMsgKind::Error, "Unable to save file: Drive not ready");
    return false;
  }
  Progress(10);
  bool WasReadOnly = ReadOnly, WasChanged = Changed;
  ReleaseStorage();
  auto Fail = [&] {
    Prompts.SetBusy(true);
    ReleaseStorage();
    if (::access(NewName.c_str(), F_OK) == 0) std::remove(NewName.c_str());
    Progress(100);
    Saving = false;
    ReadOnly = true;
    for (bool& M : Modified) M = false;
    // Nothing of the unsaved data was lost; closing still asks to save it.
    Changed = WasChanged || !WasReadOnly;
    Prompts.SetBusy(false);
    return false;
  };
  if (!CreateStreams(NewName)) return Fail();
  Progress(20);
  CheckDrives = false;
  Saving = true;
  ReadOnly = false;
  Progress(25);
  std::string Comment = CommentText;
  if (!WriteCounts() || !WriteSettings() || !WriteComment(Comment)) return Fail();
  Progress(30);
  ForceFullWrite = true;
  bool Ok = WriteAllLists(30) && Retried(false, "file", "flush", [&] { return Root.flush(); });
  ForceFullWrite = false;
  if (!Ok) return Fail();
  FileName = NewName;
  TDriveKind Kind = ProbeDriveKind(NewName);
  DriveKind = Kind == dkNoRoot ? dkUnknown : Kind;
  Saving = false;
  for (bool& M : Modified) M = false;
  Changed = false;
  FileOpen = true;
  return true;
}

bool TFileManager::NewFile(const std::string& Name) {
  Settings = TFileSettings{};
  ReadOnly = false;
  FileOpen = true;
  FileName = Name;
  TDriveKind Kind = ProbeDriveKind(Name);
  DriveKind = Kind == dkNoRoot ? dkUnknown : Kind;
  auto Fail = [&] {
    ReleaseStorage();
    FileOpen = false;
    FileName.clear();
    CheckDrives = true;
    return false;
  };
  if (!CreateStreams(Name)) return Fail();
  CheckDrives = false;
  {
    THookSaver Hooks(Lists);
    InstallWriteThrough();
    bool SavedSync = SyncWrites;
    SyncWrites = false;  // one sync when the file is closed below
    Lists.Groups.NewGroup("General");
    Lists.Cats.AddDefaults();
    auto OB = std::make_unique<TTransRec>();
    OB->TransNo = 0;
    OB->Date = Today();
    OB->Kind = tkOpenBal;
    OB->BookNo = 0;
    OB->Amount = 0;
    OB->Enabled = true;
    OB->SplitLetter = '0';
    TTransRec* OBRec = OB.get();
    Lists.Trans.Add(std::move(OB));
    auto Book = std::make_unique<TBookRec>();
    Book->BookNo = 0;
    Book->Name = "Cashbook 1";
    Book->Colour = 0xFF0000;
    Book->OpenBalNo = 0;
    Book->OpenBal = OBRec;
    Lists.Books.Add(std::move(Book));
    SyncWrites = SavedSync;
    if (ReadOnly || !WriteCounts() || !WriteSettings()) {
      // A write given up above left the manager read-only.
      Lists.Clear();
      ReadOnly = false;
      Changed = false;
      return Fail();
    }
  }
  bool SavedBackup = AutoBackup;
  AutoBackup = true;
  Close(true, true);
  AutoBackup = SavedBackup;
  CheckDrives = true;
  return true;
}

bool TFileManager::NewFromExisting(const std::string& NewName, const std::string& SourceName) {
  if (FileOpen) {
    Prompts.ShowPlain("Can't execute New From Exisitng while a file is open");
    return false;
  }
  cfb::Storage New, Src;
  bool Ok = Retried(false, "new file", "create", [&] { return cfb::Storage::createFile(NewName, New); });
  if (Ok && Guard("open", [&] { return cfb::Storage::openFile(SourceName, cfb::OpenMode::ReadOnly, Src); }) !=
                cfb::Result::Ok)
    Ok = false;
  bool NotVersion2 = false;
  for (const char* Name : {StreamName::MainActs, StreamName::SubActs, StreamName::Groups, StreamName::Categories}) {
    if (Ok) Ok = Retried(false, "new file", "copy", [&] { return Src.copyElementTo(Name, New); });
  }
  if (Ok && Guard("copy", [&] { return Src.copyElementTo(StreamName::Books, New); }) != cfb::Result::Ok) {
    Prompts.ShowMessage(TMsgKind::Error, "New files can only be created from Quimbel Books version 2 files.");
    Ok = false;
    NotVersion2 = true;
  }
  cfb::Stream Comments, Info, Trans, Books, NewInfo;
  TFileCounts Counts;
  if (Ok) Ok = Retried(false, "new file", "copy", [&] { return Src.copyElementTo(StreamName::FileSettings, New); });
  if (Ok) Ok = Retried(false, "new file", "create", [&] { return New.createStream(StreamName::Comments, Comments); });
  if (Ok) {
    unsigned char Buf[CountsRecSize];
    std::size_t Got = 0;
    Ok = Guard("read", [&] {
           cfb::Result R = Src.openStream(StreamName::FileInfo, Info);
           return R == cfb::Result::Ok ? Info.read(Buf, sizeof Buf, &Got) : R;
         }) == cfb::Result::Ok &&
         Got == sizeof Buf;
    if (Ok) DecodeCounts(Buf, Counts);
  }
  if (Ok) Ok = Retried(false, "new file", "create", [&] { return New.createStream(StreamName::Transactions, Trans); });
  if (Ok) Ok = Guard("open", [&] { return New.openStream(StreamName::Books, Books); }) == cfb::Result::Ok;
  bool Notify = Lists.Books.NotifyEnabled;
  Lists.Books.NotifyEnabled = false;
  if (Ok) Ok = ReadListStream(Books, Counts.Books, Lists.Books).Result == cfb::Result::Ok;
  if (Ok) {
    std::vector<unsigned char> TransBuf;
    const auto& Recs = Lists.Books.MasterList();
    for (std::size_t I = 0; I < Recs.size(); ++I) {
      Recs[I]->OpenBalNo = static_cast<std::int32_t>(I);
      Recs[I]->OpenBal = nullptr;
      TTransRec OB;
      OB.TransNo = static_cast<std::int32_t>(I);
      OB.Date = Today();
      OB.BookNo = static_cast<std::int16_t>(Recs[I]->BookNo);
      OB.Kind = tkOpenBal;
      OB.Enabled = true;
      OB.SplitLetter = '0';
      TransBuf.resize(TransBuf.size() + TransRecSize);
      EncodeTrans(OB, TransBuf.data() + TransBuf.size() - TransRecSize);
    }
    std::vector<unsigned char> BookBuf(Recs.size() * BookRecSize);
    for (std::size_t I = 0; I < Recs.size(); ++I) EncodeBook(*Recs[I], BookBuf.data() + I * BookRecSize);
    TFileCounts NewCounts = Counts;
    NewCounts.Trans = static_cast<std::int32_t>(Recs.size());
    NewCounts.Books = static_cast<std::int32_t>(Recs.size());
    unsigned char CountBuf[CountsRecSize];
    EncodeCounts(NewCounts, CountBuf);
    Ok = Retried(false, "file", "write", [&] { return Trans.write(TransBuf.data(), TransBuf.size()); }) &&
         Retried(false, "file", "write", [&] {
           cfb::Result R = Books.seek(0, cfb::SeekOrigin::Begin);
           if (R == cfb::Result::Ok) R = Books.write(BookBuf.data(), BookBuf.size());
           return R == cfb::Result::Ok ? Books.setSize(BookBuf.size()) : R;
         }) &&
         Retried(false, "new file", "create", [&] { return New.createStream(StreamName::FileInfo, NewInfo); }) &&
         Retried(false, "file", "write", [&] { return NewInfo.write(CountBuf, sizeof CountBuf); }) &&
         Retried(false, "file", "flush", [&] { return New.flush(); });
  }
  Lists.Trans.Clear();
  Lists.Books.Clear();
  Lists.Books.NotifyEnabled = Notify;
  Comments.release();
  Info.release();
  Trans.release();
  Books.release();
  NewInfo.release();
  Src.release();
  bool Created = New.isValid();
  New.release();
  FileName.clear();
  FileOpen = false;
  if (!Ok && Created) std::remove(NewName.c_str());
  (void)NotVersion2;
  return Ok;
}
