// Compaction of the touched streams when a book is closed.
//
// Records that still sit in the slots of their master order need nothing but the stream cut after
// the last one, which the compound file does in one kill-safe step. When records move (deletes, a
// new master order), rewriting a stream in place would leave the file of a program killed half-way
// with records lost or twice. The book is then written into a new file beside it, and that file
// takes the book's name by rename() only once it is complete and on the disk: a kill at any moment
// leaves either the old book or the compacted one.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "FileManager.h"
#include "FixedText.h"
#include "Helpers.h"
#include "ListOps.h"

namespace {
const int ProgressAfter[TFileManager::liCount] = {20, 60, 60, 70, 80, 100};

std::string FolderOf(const std::string& Path) {
  std::size_t Slash = Path.find_last_of('/');
  if (Slash == std::string::npos) return ".";
  return Slash == 0 ? "/" : Path.substr(0, Slash);
}

// Makes a rename in the folder of Path survive a power loss.
cfb::Result SyncFolder(const std::string& Path) {
  int Fd = ::open(FolderOf(Path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (Fd < 0) return cfb::resultFromErrno(errno, true);
  int Rc = ::fsync(Fd);
  int Err = errno;
  ::close(Fd);
  return Rc == 0 ? cfb::Result::Ok : cfb::resultFromErrno(Err, true);
}

// The file a name leads to: a book reached through a symbolic link is replaced where it lies, and
// the link stays a link.
std::string TargetOf(const std::string& Name) {
  std::error_code Ec;
  std::filesystem::path P = std::filesystem::canonical(Name, Ec);
  return Ec ? Name : P.string();
}
}  // namespace

std::string TFileManager::CompactTempName(const std::string& Name) { return TargetOf(Name) + ".~cp"; }

std::string TFileManager::BackupName(const std::string& Name) {
  std::size_t Slash = Name.find_last_of('/');
  return Name.substr(0, Slash == std::string::npos ? 0 : Slash + 1) + BaseFileName(Name) + ".~bk";
}

std::string TFileManager::BackupTempName(const std::string& Name) { return BackupName(Name) + ".~up"; }

bool TFileManager::RenameOver(const std::string& Temp, const std::string& Name, const std::string& What) {
  // The book's permissions, and its owner and group where we may set them.
  std::error_code Ec;
  std::filesystem::permissions(Temp, std::filesystem::status(FileName, Ec).permissions(), Ec);
  struct stat St {};
  if (::stat(FileName.c_str(), &St) == 0) (void)!::chown(Temp.c_str(), St.st_uid, St.st_gid);
  return Retried(false, What, "rename", [&] {
    return std::rename(Temp.c_str(), Name.c_str()) == 0 ? cfb::Result::Ok : cfb::resultFromErrno(errno, true);
  });
}

bool TFileManager::SyncFolderOf(const std::string& Name, const std::string& What) {
  return Retried(false, What, "flush", [&] { return SyncFolder(Name); });
}

bool TFileManager::CompactOnClose() {
  bool Moves = false;
  for (int L = 0; L < liCount && !Moves; ++L) Moves = Modified[L] && !RecordsInPlace(L);
  return Moves ? CompactIntoNewFile() : TrimInPlace();
}

// True when the stream already holds the list in master order from slot 0 on.
bool TFileManager::RecordsInPlace(int List) {
  return ForEachList(List, [&](auto& L) {
    using TRec = typename std::remove_reference_t<decltype(L)>::TRecord;
    constexpr std::size_t Size = TRecordLayout<TRec>::RecSize;
    const auto& Recs = L.MasterList();
    for (std::size_t I = 0; I < Recs.size(); ++I)
      if (Recs[I]->StreamPos != static_cast<std::int64_t>(I * Size)) return false;
    // Transactions are trusted to the write-through (the stream can be hundreds of megabytes).
    // The small lists are compared byte for byte: a book record takes its opening-balance number
    // from the linked transaction, which may have changed since the book was written.
    if (List == liTrans) return true;
    std::vector<unsigned char> Want(Recs.size() * Size), Have(Want.size());
    for (std::size_t I = 0; I < Recs.size(); ++I) TRecordLayout<TRec>::Encode(*Recs[I], Want.data() + I * Size);
    std::size_t Got = 0;
    cfb::Result R = Guard("read", [&] {
      cfb::Result S = Streams[List].seek(0, cfb::SeekOrigin::Begin);
      return S == cfb::Result::Ok ? Streams[List].read(Have.data(), Have.size(), &Got) : S;
    });
    return R == cfb::Result::Ok && Got == Have.size() && Want == Have;
  });
}

// No record moves: the counts, and each touched stream cut after its last record.
bool TFileManager::TrimInPlace() {
  bool Ok = WriteCounts();
  for (int L = 0; L < liCount; ++L) {
    if (Ok && Modified[L])
      Ok = ForEachList(L, [&](auto& List) {
        using TRec = typename std::remove_reference_t<decltype(List)>::TRecord;
        std::uint64_t NewSize = static_cast<std::uint64_t>(List.Count()) * TRecordLayout<TRec>::RecSize;
        bool Done = Retried(true, "file", "setsize", [&] {
          return Streams[L].size() <= NewSize ? cfb::Result::Ok : Streams[L].setSize(NewSize);
        });
        if (Done) AppendPos[L] = NewSize;
        return Done;
      });
    Progress(ProgressAfter[L]);
  }
  return Ok && Retried(true, "file", "flush", [&] { return Root.flush(); });
}

// Records move: the book goes into a new file in the same folder (the touched lists written in
// master order, everything else copied as it is), which then replaces the book by rename. The
// old file stays open and locked until the new one holds its name, and the new one is locked from
// its creation on, so no other opener ever sees a half-written book or the old file after it was
// replaced. On failure the new file is removed and the book stays open as it was.
bool TFileManager::CompactIntoNewFile() {
  const std::string Target = TargetOf(FileName), Temp = CompactTempName(FileName);
  cfb::Storage New;
  cfb::Stream Out[siCount];
  bool Ok = Retried(false, "file", "create", [&] { return cfb::Storage::createFile(Temp, New); });
  for (int I = 0; Ok && I < siCount; ++I) {
    bool Rewrite = I < liCount ? Modified[I] : I == siInfo;
    if (Rewrite)
      Ok = Retried(false, "file", "create", [&] { return New.createStream(StreamNames[I], Out[I]); });
    else  // an exact copy: the slot positions of its records stay valid
      Ok = Retried(false, "file", "copy", [&] {
        cfb::Result R = Root.copyElementTo(StreamNames[I], New);
        return R == cfb::Result::Ok ? New.openStream(StreamNames[I], Out[I]) : R;
      });
  }
  // Elements of the book other than its nine streams go along as they are.
  std::vector<cfb::ElementInfo> Elements;
  if (Ok) Ok = Retried(false, "file", "copy", [&] { return Root.elements(Elements); });
  for (std::size_t E = 0; Ok && E < Elements.size(); ++E) {
    bool Known = false;
    for (const char* Name : StreamNames) Known = Known || SameTextNoCase(Elements[E].name, Name);
    if (!Known) Ok = Retried(false, "file", "copy", [&] { return Root.copyElementTo(Elements[E].name, New); });
  }
  if (Ok) {
    unsigned char Buf[CountsRecSize];
    EncodeCounts(CurrentCounts(), Buf);
    Ok = Retried(false, "file", "write", [&] { return Out[siInfo].write(Buf, sizeof Buf); });
  }
  for (int L = 0; L < liCount; ++L) {
    if (Ok && Modified[L])
      Ok = ForEachList(L, [&](auto& List) {
        std::uint64_t End = 0;
        return WriteSlots(
            List,
            [&](std::uint64_t Pos, const unsigned char* Data, std::size_t N) {
              return Retried(false, "file", "write", [&] {
                cfb::Result R = Out[L].seek(static_cast<std::int64_t>(Pos), cfb::SeekOrigin::Begin);
                return R == cfb::Result::Ok ? Out[L].write(Data, N) : R;
              });
            },
            End);
      });
    Progress(ProgressAfter[L]);
  }
  Ok = Ok && Retried(false, "file", "flush", [&] { return New.flush(); });
  Ok = Ok && RenameOver(Temp, Target, "file");
  if (!Ok) {
    for (auto& S : Out) S.release();
    New.release();
    std::remove(Temp.c_str());
    return false;
  }
  ReleaseStorage();
  Root = New;
  for (int I = 0; I < siCount; ++I) Streams[I] = Out[I];
  for (int L = 0; L < liCount; ++L)
    if (Modified[L])
      ForEachList(L, [&](auto& List) {
        using TRec = typename std::remove_reference_t<decltype(List)>::TRecord;
        SetSlotPositions(List);
        AppendPos[L] = static_cast<std::uint64_t>(List.Count()) * TRecordLayout<TRec>::RecSize;
        return true;
      });
  // The book is the new file from here on, whatever the sync says.
  return SyncFolderOf(Target, "file");
}
