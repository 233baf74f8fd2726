#pragma once
// Per-record-type access used by the file manager: which list a record type lives in, and how a
// list stream is read and written in full.
#include <algorithm>
#include <atomic>
#include <exception>
#include <system_error>
#include <thread>
#include <cstdint>
#include <functional>
#include <vector>

#include "BookLists.h"
#include "BookRecords.h"
#include "CfbStorage.h"
#include "Prefetch.h"

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

namespace listread {
// Reads the slots FirstSlot..EndSlot-1 of Stream (fewer when it ends first). Each live record is
// decoded into a record from New() and handed to Keep, which owns it from then on and returns
// whether to go on (a record whose decoding fails goes to Dispose). EndPos receives the position
// after the last slot looked at.
template <class TRec, class TNew, class TDispose, class TKeep>
cfb::Result ReadSlots(cfb::Stream& Stream, std::uint64_t FirstSlot, std::uint64_t EndSlot, TNew New,
                      TDispose Dispose, TKeep Keep, std::uint64_t& EndPos) {
  constexpr std::size_t Size = TRecordLayout<TRec>::RecSize;
  constexpr std::size_t Chunk = 2048;
  std::uint64_t Pos = FirstSlot * Size;
  EndPos = Pos;
  cfb::Result R = Stream.seek(static_cast<std::int64_t>(Pos), cfb::SeekOrigin::Begin);
  std::vector<unsigned char> Buf(Chunk * Size);
  for (std::uint64_t Slot = FirstSlot; R == cfb::Result::Ok && Slot < EndSlot;) {
    const std::size_t Want = static_cast<std::size_t>(std::min<std::uint64_t>(Chunk, EndSlot - Slot)) * Size;
    std::size_t Got = 0;
    R = Stream.read(Buf.data(), Want, &Got);
    if (R != cfb::Result::Ok) break;
    const std::size_t N = Got / Size;
    for (std::size_t I = 0; I < N; ++I, ++Slot) {
      const unsigned char* Bytes = Buf.data() + I * Size;
      Pos += Size;
      if (IsDeletedSlot(Bytes, Size)) continue;
      TRec* Rec = New();
      try {
        TRecordLayout<TRec>::Decode(Bytes, *Rec);
      } catch (...) {
        Dispose(Rec);
        throw;
      }
      Rec->StreamPos = static_cast<std::int64_t>(Pos - Size);
      if (!Keep(Rec)) {
        EndPos = Pos;
        return cfb::Result::Ok;
      }
    }
    EndPos = Pos;
    if (Got < Want) break;  // the stream ended
  }
  return R;
}

// The records one worker read, until they are handed over (or freed with it).
template <class TRec>
struct TReadPart {
  TRecordArena<TRec> Arena;
  std::vector<TRec*> Recs;
  std::atomic<int> Done{0};
  cfb::Result Result = cfb::Result::Ok;
  std::uint64_t EndPos = 0;
  std::exception_ptr Error;
  ~TReadPart() {
    for (TRec* Rec : Recs) Arena.Dispose(Rec);
  }
};
}  // namespace listread

// Streams of at least this many slots are read by two threads, one half each: decoding the
// records (and the memory they need) dominates opening a big book, not the reading.
constexpr std::uint64_t ParallelReadSlots = 1u << 16;

// Reads up to Count live records from the start of Stream into List (notifications off),
// giving each its slot position. Progress(i) is called now and then, on this thread, with the
// records read. The outcome is the same whether or not the stream is read in two halves
// (ParallelFrom: the smallest stream, in slots, that is; 0 never).
template <class TList>
TReadOutcome ReadListStream(cfb::Stream& Stream, std::int32_t Count, TList& List,
                            const std::function<void(int)>& Progress = {},
                            std::uint64_t ParallelFrom = ParallelReadSlots) {
  using TRec = typename TList::TRecord;
  constexpr std::size_t Size = TRecordLayout<TRec>::RecSize;
  TReadOutcome Out;
  if (Count <= 0) return Out;
  const std::uint64_t Slots = Stream.size() / Size;
  List.SetCapacity(static_cast<int>(std::min<std::uint64_t>(Slots, static_cast<std::uint64_t>(Count))));
  const bool Notify = List.NotifyEnabled;
  List.NotifyEnabled = false;
  struct TRestore {
    TList& L;
    bool On;
    ~TRestore() { L.NotifyEnabled = On; }
  } Restore{List, Notify};

  // The second half, from its own handle (reads through separate handles may run side by side).
  std::uint64_t Mid = Slots;
  listread::TReadPart<TRec> Part;  // declared before the thread, so it outlives it
  std::jthread Worker;
  if (ParallelFrom > 0 && Slots >= ParallelFrom && Slots >= 2) {
    try {
      Part.Recs.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(Slots - Slots / 2, static_cast<std::uint64_t>(Count))));
      Worker = std::jthread([&Part, Count, Second = Stream, From = Slots / 2, Slots]() mutable {
        try {
          auto New = [&] { return Part.Arena.New(); };
          auto Dispose = [&](TRec* Rec) { Part.Arena.Dispose(Rec); };
          Part.Result = listread::ReadSlots<TRec>(Second, From, Slots, New, Dispose, [&](TRec* Rec) {
            Part.Recs.push_back(Rec);  // room reserved before the start: cannot throw
            Part.Done.fetch_add(1, std::memory_order_relaxed);
            return Part.Recs.size() < static_cast<std::size_t>(Count);
          }, Part.EndPos);
        } catch (...) {
          Part.Error = std::current_exception();
        }
      });
      Mid = Slots / 2;
    } catch (const std::system_error&) {
      // No thread to be had: read it all here.
    }
  }
  auto New = [&] { return List.NewRecord(); };
  auto Dispose = [&](TRec* Rec) { List.DisposeRecord(Rec); };
  Out.Result = listread::ReadSlots<TRec>(Stream, 0, Mid, New, Dispose, [&](TRec* Rec) {
    List.Add(Rec);
    ++Out.Read;
    // The worker may read past the count (slots of an append that never got counted).
    if (Progress && (Out.Read & 0x3FFF) == 0) Progress(std::min(Count, Out.Read + Part.Done.load(std::memory_order_relaxed)));
    return Out.Read < Count;
  }, Out.EndPos);
  if (Worker.joinable()) Worker.join();
  if (Part.Error) std::rethrow_exception(Part.Error);
  if (Out.Result == cfb::Result::Ok && Out.Read < Count && Mid < Slots) {
    // The first half ended below the count: the second half follows it.
    if (Part.Result != cfb::Result::Ok) {
      Out.Result = Part.Result;
    } else {
      std::size_t Take = std::min<std::size_t>(Part.Recs.size(), static_cast<std::size_t>(Count - Out.Read));
      for (std::size_t I = Take; I < Part.Recs.size(); ++I) Part.Arena.Dispose(Part.Recs[I]);
      Part.Recs.resize(Take);
      List.AdoptArena(Part.Arena);
      std::vector<TRec*> Recs = std::move(Part.Recs);
      Part.Recs.clear();
      ForEachAhead(Recs, [&](TRec& Rec) { List.Add(&Rec); });  // made on the other core: look ahead
      Out.Read += static_cast<int>(Take);
      Out.EndPos = Out.Read == Count && Take > 0 ? static_cast<std::uint64_t>(Recs.back()->StreamPos) + Size : Part.EndPos;
    }
  }
  if (Out.Result == cfb::Result::Ok && Out.Read < Count) Out.Short = true;
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
