#pragma once
// Blocks of record storage for loading a list: one allocation per block in place of one (aligned)
// allocation per record, which dominated opening a big book.
//
// The arena only provides memory. Whoever constructs a record in it also destroys it, through
// Dispose, which knows whether a record came from here or from operator new. Slots of records
// disposed of early are not reused; every block is freed by Release or the destructor, which do
// not run destructors (the owner disposes of its live records first).
#include <algorithm>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <new>

template <class TRec>
class TRecordArena {
 public:
  TRecordArena() = default;
  TRecordArena(const TRecordArena&) = delete;
  TRecordArena& operator=(const TRecordArena&) = delete;
  ~TRecordArena() { Release(); }

  // A default-constructed record in the arena; the caller owns it and ends it with Dispose.
  TRec* New() {
    if (Used == Room) Grow();
    TRec* Rec = ::new (static_cast<void*>(Current + Used)) TRec();
    ++Used;
    return Rec;
  }

  // Destroys and frees Rec, made by New or by operator new.
  void Dispose(TRec* Rec) {
    if (Rec == nullptr) return;
    if (Owns(Rec))
      Rec->~TRec();
    else
      delete Rec;
  }

  bool Owns(const TRec* Rec) const {
    auto It = Blocks.upper_bound(Rec);  // first block starting after Rec
    if (It == Blocks.begin()) return false;
    --It;
    return std::less_equal<const TRec*>()(It->first, Rec) && std::less<const TRec*>()(Rec, It->first + It->second);
  }

  // Takes over every block of Other (records made there are then this arena's); Other is left
  // empty. Lets records be made on another thread and handed to a list afterwards.
  void Absorb(TRecordArena& Other) {
    if (&Other == this) return;
    Blocks.merge(Other.Blocks);  // takes every block: no two arenas share a start
    Other.Current = nullptr;
    Other.Used = Other.Room = 0;
    Other.NextSize = FirstBlock;
  }

  // Frees every block; the records made in them must have been disposed of.
  void Release() {
    std::allocator<TRec> Alloc;
    for (auto& [Begin, Size] : Blocks) Alloc.deallocate(const_cast<TRec*>(Begin), Size);
    Blocks.clear();
    Current = nullptr;
    Used = Room = 0;
    NextSize = FirstBlock;
  }

 private:
  static constexpr std::size_t FirstBlock = 1024;
  static constexpr std::size_t LargestBlock = 65536;

  // Blocks double up to LargestBlock, so a big list needs few blocks and a small one little room.
  void Grow() {
    std::allocator<TRec> Alloc;  // honours the record's alignment
    TRec* Block = Alloc.allocate(NextSize);
    try {
      Blocks.emplace(Block, NextSize);
    } catch (...) {
      Alloc.deallocate(Block, NextSize);
      throw;
    }
    Current = Block;
    Room = NextSize;
    Used = 0;
    NextSize = std::min(NextSize * 2, LargestBlock);
  }

  std::map<const TRec*, std::size_t, std::less<const TRec*>> Blocks;  // start -> records
  TRec* Current = nullptr;
  std::size_t Used = 0;
  std::size_t Room = 0;
  std::size_t NextSize = FirstBlock;
};
