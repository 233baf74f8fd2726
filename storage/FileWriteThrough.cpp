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
    // The record first, then the count that makes it visible; both must be on the disk, in that
    // order, before the change counts as done.
    Ok = CountsFollow();
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
  Ok = CountsFollow();
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
  Lists.Batch.Begin = [this] { BeginBatch(); };
  Lists.Batch.End = [this] { EndBatch(); };
}

void TFileManager::RemoveWriteThrough() {
  Lists.Trans.OnChange = nullptr;
  Lists.MainActs.OnChange = nullptr;
  Lists.SubActs.OnChange = nullptr;
  Lists.Groups.OnChange = nullptr;
  Lists.Cats.OnChange = nullptr;
  Lists.Books.OnChange = nullptr;
  Lists.Batch = {};
}

bool TFileManager::CountsFollow() {
  if (InBatch) {
    CountsPending = true;
    return true;
  }
  // The records first: without a sync in between, the disk could take the counts first.
  return (!SyncWrites || Sync()) && WriteCounts() && (!SyncWrites || Sync());
}

void TFileManager::BeginBatch() {
  if (BatchDepth++ > 0) return;  // a batch within a batch is part of it
  if (ReadOnly || !FileOpen) return;
  if (!CheckDrive()) {
    AutosaveFailure();
    return;
  }
  InBatch = true;
  BatchSavedCheckDrives = CheckDrives;
  BatchSavedSync = SyncWrites;
  CheckDrives = false;
  SyncWrites = false;
}

void TFileManager::EndBatch() {
  if (BatchDepth == 0 || --BatchDepth > 0 || !InBatch) return;
  InBatch = false;
  CheckDrives = BatchSavedCheckDrives;
  SyncWrites = BatchSavedSync;
  const bool Counts = CountsPending;
  CountsPending = false;
  if (ReadOnly || !FileOpen) return;
  // The batch's records reach the disk before the counts that cover them.
  bool Ok = !SyncWrites || Sync();
  if (Ok && Counts) Ok = WriteCounts() && (!SyncWrites || Sync());
  if (!Ok) AutosaveFailure();
}

// Writes the list in master order from slot 0 and cuts the stream after it (a new file's streams).
bool TFileManager::WriteWhole(int List) {
  return ForEachList(List, [&](auto& L) {
    std::uint64_t NewSize = 0;
    bool Ok = WriteSlots(L, [&](std::uint64_t Pos, const unsigned char* Data, std::size_t N) {
      return WriteBytesAt(List, Pos, Data, N, "file", true);
    }, NewSize);
    Ok = Ok && Retried(true, "file", "setsize", [&] {
           return Streams[List].size() == NewSize ? cfb::Result::Ok : Streams[List].setSize(NewSize);
         });
    if (Ok) {
      SetSlotPositions(L);
      AppendPos[List] = NewSize;
    }
    return Ok;
  });
}
