// Record write-through and whole-stream writes of TFileManager.
#include <vector>

#include "FileManager.h"
#include "ListOps.h"

namespace {
template <class TRec> constexpr int ListIdOf();
template <> constexpr int ListIdOf<TTransRec>() { return TFileManager::liTrans; }
template <> constexpr int ListIdOf<TMainActRec>() { return TFileManager::liMainActs; }
template <> constexpr int ListIdOf<TSubActRec>() { return TFileManager::liSubActs; }
template <> constexpr int ListIdOf<TGroupRec>() { return TFileManager::liGroups; }
template <> constexpr int ListIdOf<TCatRec>() { return TFileManager::liCats; }
template <> constexpr int ListIdOf<TBookRec>() { return TFileManager::liBooks; }

// Every record of List in master order from slot First on, written at slot positions; StreamPos
// follows. Call writes one buffer at a position.
template <class TList, class TWrite>
bool WriteSlots(TList& List, int First, TWrite Write) {
  using TRec = typename TList::TRecord;
  constexpr std::size_t Size = TRecordLayout<TRec>::RecSize;
  constexpr int Chunk = 2048;
  std::vector<unsigned char> Buf;
  const auto& Recs = List.MasterList();
  for (int Start = First; Start < static_cast<int>(Recs.size()); Start += Chunk) {
    int End = std::min<int>(Start + Chunk, static_cast<int>(Recs.size()));
    Buf.resize(static_cast<std::size_t>(End - Start) * Size);
    for (int I = Start; I < End; ++I) TRecordLayout<TRec>::Encode(*Recs[I], Buf.data() + (I - Start) * Size);
    if (!Write(static_cast<std::uint64_t>(Start) * Size, Buf.data(), Buf.size())) return false;
    for (int I = Start; I < End; ++I) Recs[I]->StreamPos = static_cast<std::int64_t>(I) * Size;
  }
  return true;
}
}  // namespace

template <class TRec>
bool TFileManager::UpdateT(TRec& R, int List) {
  Changed = true;
  if (ReadOnly) return true;
  if (!CheckDrive()) {
    AutosaveFailure();
    return false;
  }
  unsigned char Buf[TRecordLayout<TRec>::RecSize];
  TRecordLayout<TRec>::Encode(R, Buf);
  if (!WriteBytesAt(List, static_cast<std::uint64_t>(R.StreamPos), Buf, sizeof Buf, "changes", true) ||
      (SyncWrites && !Sync())) {
    Modified[List] = false;
    AutosaveFailure();
    return false;
  }
  Modified[List] = true;
  return true;
}

template <class TRec>
bool TFileManager::AppendT(TRec& R, int List) {
  Changed = true;
  if (ReadOnly) return true;
  if (!CheckDrive()) {
    AutosaveFailure();
    return false;
  }
  unsigned char Buf[TRecordLayout<TRec>::RecSize];
  TRecordLayout<TRec>::Encode(R, Buf);
  std::uint64_t Pos = AppendPos[List];
  bool Ok = WriteBytesAt(List, Pos, Buf, sizeof Buf, "changes", true);
  if (Ok) {
    R.StreamPos = static_cast<std::int64_t>(Pos);
    AppendPos[List] = Pos + sizeof Buf;
    // The record first, then the count that makes it visible; both must be on the disk before
    // the change counts as done.
    Ok = WriteCounts() && (!SyncWrites || Sync());
  }
  if (!Ok) {
    Modified[List] = false;
    AutosaveFailure();
    return false;
  }
  Modified[List] = true;
  return true;
}

template <class TRec>
bool TFileManager::DeleteT(TRec& R, int List) {
  if (ReadOnly) {
    Changed = true;
    return true;
  }
  // The record is still in its list while its deletion is written; it leaves the list afterwards.
  auto Saved = R;
  TRecordLayout<TRec>::MarkDeleted(R);
  bool SavedSync = SyncWrites;
  SyncWrites = false;  // one sync after the counts
  bool Ok = UpdateT(R, List);
  SyncWrites = SavedSync;
  R = Saved;  // the caller may still look at the record's number
  if (!Ok) return false;
  ++PendingDelete[List];
  Ok = WriteCounts() && (!SyncWrites || Sync());
  --PendingDelete[List];
  if (!Ok) {
    Modified[List] = false;
    AutosaveFailure();
    return false;
  }
  Modified[List] = true;
  return true;
}

#define QB_RECORD_OPS(TRec)                                                                   \
  bool TFileManager::AppendRecord(TRec& R) { return AppendT(R, ListIdOf<TRec>()); }           \
  bool TFileManager::UpdateRecord(TRec& R) { return UpdateT(R, ListIdOf<TRec>()); }           \
  bool TFileManager::DeleteRecord(TRec& R) { return DeleteT(R, ListIdOf<TRec>()); }
QB_RECORD_OPS(TTransRec)
QB_RECORD_OPS(TMainActRec)
QB_RECORD_OPS(TSubActRec)
QB_RECORD_OPS(TGroupRec)
QB_RECORD_OPS(TCatRec)
QB_RECORD_OPS(TBookRec)
#undef QB_RECORD_OPS

namespace {
template <class TList, class TFM>
void Hook(TList& List, TFM& FM) {
  List.OnChange = [&FM](TChangeAction Action, int, typename TList::TRecord& Rec) {
    switch (Action) {
      case caAdded: FM.AppendRecord(Rec); break;
      case caChanged: FM.UpdateRecord(Rec); break;
      case caDeleting: FM.DeleteRecord(Rec); break;
    }
  };
}
}  // namespace

void TFileManager::InstallWriteThrough() {
  Hook(Lists.Trans, *this);
  Hook(Lists.MainActs, *this);
  Hook(Lists.SubActs, *this);
  Hook(Lists.Groups, *this);
  Hook(Lists.Cats, *this);
  Hook(Lists.Books, *this);
}

void TFileManager::RemoveWriteThrough() {
  Lists.Trans.OnChange = nullptr;
  Lists.MainActs.OnChange = nullptr;
  Lists.SubActs.OnChange = nullptr;
  Lists.Groups.OnChange = nullptr;
  Lists.Cats.OnChange = nullptr;
  Lists.Books.OnChange = nullptr;
}

// Writes the list in master order and cuts the stream after it. Slots that already hold their
// record (a prefix untouched since it was read or last compacted) are not written again.
bool TFileManager::WriteWhole(int List) {
  auto Run = [&](auto& L) {
    using TRec = typename std::remove_reference_t<decltype(L)>::TRecord;
    constexpr std::size_t Size = TRecordLayout<TRec>::RecSize;
    const auto& Recs = L.MasterList();
    int First = 0;
    if (!ForceFullWrite && List == liTrans)
      while (First < static_cast<int>(Recs.size()) &&
             Recs[First]->StreamPos == static_cast<std::int64_t>(First) * static_cast<std::int64_t>(Size))
        ++First;
    bool Ok = WriteSlots(L, First, [&](std::uint64_t Pos, const unsigned char* Data, std::size_t N) {
      return WriteBytesAt(List, Pos, Data, N, "file", true);
    });
    std::uint64_t NewSize = static_cast<std::uint64_t>(Recs.size()) * Size;
    Ok = Ok && Retried(true, "file", "setsize", [&] {
           return Streams[List].size() == NewSize ? cfb::Result::Ok : Streams[List].setSize(NewSize);
         });
    if (Ok) AppendPos[List] = NewSize;
    return Ok;
  };
  switch (List) {
    case liTrans: return Run(Lists.Trans);
    case liMainActs: return Run(Lists.MainActs);
    case liSubActs: return Run(Lists.SubActs);
    case liGroups: return Run(Lists.Groups);
    case liCats: return Run(Lists.Cats);
    default: return Run(Lists.Books);
  }
}
