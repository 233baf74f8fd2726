#pragma once
// Per-record-type access used by the file manager: which list a record type lives in, and how a
// list stream is read and written in full.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "BookLists.h"
#include "BookRecords.h"
#include "CfbStorage.h"

template <class TRec> struct TListOf;
template <> struct TListOf<TTransRec> { static TTransList& Get(TBookLists& L) { return L.Trans; } };
template <> struct TListOf<TMainActRec> { static TMainActList& Get(TBookLists& L) { return L.MainActs; } };
template <> struct TListOf<TSubActRec> { static TSubActList& Get(TBookLists& L) { return L.SubActs; } };
template <> struct TListOf<TGroupRec> { static TGroupList& Get(TBookLists& L) { return L.Groups; } };
template <> struct TListOf<TCatRec> { static TCatList& Get(TBookLists& L) { return L.Cats; } };
template <> struct TListOf<TBookRec> { static TBookList& Get(TBookLists& L) { return L.Books; } };

// Result of reading one list stream.
struct TReadOutcome {
  cfb::Result Result = cfb::Result::Ok;  // a failed read fails the load
  int Read = 0;                          // live records read
  bool Short = false;                    // the stream ended before Count live records
  std::uint64_t EndPos = 0;              // position after the last slot read
};

// Reads up to Count live records from the start of Stream into List (notifications off),
// giving each its slot position. Progress(i) is called now and then with the records read.
template <class TList>
TReadOutcome ReadListStream(cfb::Stream& Stream, std::int32_t Count, TList& List,
                            const std::function<void(int)>& Progress = {}) {
  using TRec = typename TList::TRecord;
  constexpr std::size_t Size = TRecordLayout<TRec>::RecSize;
  TReadOutcome Out;
  if (Count <= 0) return Out;
  std::uint64_t Slots = Stream.size() / Size;
  List.SetCapacity(static_cast<int>(std::min<std::uint64_t>(Slots, static_cast<std::uint64_t>(Count))));
  bool Notify = List.NotifyEnabled;
  List.NotifyEnabled = false;
  Out.Result = Stream.seek(0, cfb::SeekOrigin::Begin);
  constexpr std::size_t Chunk = 2048;
  std::vector<unsigned char> Buf(Chunk * Size);
  std::uint64_t Pos = 0;
  while (Out.Result == cfb::Result::Ok && Out.Read < Count) {
    std::size_t Got = 0;
    Out.Result = Stream.read(Buf.data(), Buf.size(), &Got);
    if (Out.Result != cfb::Result::Ok) break;
    std::size_t N = Got / Size;
    for (std::size_t I = 0; I < N && Out.Read < Count; ++I, Pos += Size) {
      const unsigned char* Slot = Buf.data() + I * Size;
      if (IsDeletedSlot(Slot, Size)) continue;
      TRec* Rec = List.NewRecord();
      try {
        TRecordLayout<TRec>::Decode(Slot, *Rec);
      } catch (...) {
        List.DisposeRecord(Rec);
        throw;
      }
      Rec->StreamPos = static_cast<std::int64_t>(Pos);
      List.Add(Rec);
      ++Out.Read;
      if (Progress && (Out.Read & 0x3FFF) == 0) Progress(Out.Read);
    }
    if (Got < Buf.size()) break;  // end of the stream
  }
  if (Out.Result == cfb::Result::Ok && Out.Read < Count) Out.Short = true;
  Out.EndPos = Pos;
  List.NotifyEnabled = Notify;
  return Out;
}

// Every record of List in master order, encoded in chunks and handed to Write(position, bytes,
// size) at its slot from slot 0 on; EndPos receives the size written. Slot positions are left
// alone (SetSlotPositions), so a write that fails half-way keeps the records' old positions.
template <class TList, class TWrite>
bool WriteSlots(const TList& List, TWrite Write, std::uint64_t& EndPos) {
  using TRec = typename TList::TRecord;
  constexpr std::size_t Size = TRecordLayout<TRec>::RecSize;
  constexpr std::size_t Chunk = 2048;
  std::vector<unsigned char> Buf;
  const auto& Recs = List.MasterList();
  for (std::size_t Start = 0; Start < Recs.size(); Start += Chunk) {
    std::size_t End = std::min(Start + Chunk, Recs.size());
    Buf.resize((End - Start) * Size);
    for (std::size_t I = Start; I < End; ++I) TRecordLayout<TRec>::Encode(*Recs[I], Buf.data() + (I - Start) * Size);
    if (!Write(static_cast<std::uint64_t>(Start) * Size, Buf.data(), Buf.size())) return false;
  }
  EndPos = static_cast<std::uint64_t>(Recs.size()) * Size;
  return true;
}

// Gives every record the slot of its master index (after the list was written in full).
template <class TList>
void SetSlotPositions(TList& List) {
  constexpr std::int64_t Size = TRecordLayout<typename TList::TRecord>::RecSize;
  const auto& Recs = List.MasterList();
  for (std::size_t I = 0; I < Recs.size(); ++I) Recs[I]->StreamPos = static_cast<std::int64_t>(I) * Size;
}
