#pragma once
// Common base of the record lists: two orders over the same owned records and a change
// notification through which the file manager writes every change to the book file.
//
// Orders
//   Master order  - the order of Items(i); "master index" everywhere means a position here.
//                   SortMaster/SortByID sort it; the file is written in this order.
//   Display order - the worksheet rows (DisplayList()); SortBy sorts it, Recount numbers the
//                   visible records in it (ViewIndex).
//
// Write-through hook (OnChange)
//   OnChange(Action, Index, Rec) runs after Add        (caAdded,    master index of the new record),
//                                 from NotifyChanged    (caChanged,  caller changed Rec in place),
//                                 and before a delete   (caDeleting, Rec is still Items(Index) and
//                                                        still owned by the list; it has already
//                                                        left the display order).
//   It runs only while NotifyEnabled is true (the file manager turns it off while loading).
//   Rec is the typed record, so a hook can write it (e.g. through Rec.StreamPos) without a cast.
//   An exception thrown by the hook propagates to the caller of Add/NotifyChanged/Delete. The
//   list stays whole: an added record stays added (the data is kept in memory), a record whose
//   delete was refused stays in both orders at its places.
//   Clear() does not notify (closing a file).
//
// Record storage
//   Records come from operator new (Add of a new record) or, when a list is loaded, from the
//   list's arena (NewRecord), which allocates them in blocks. The list frees either kind through
//   DisposeRecord; arena blocks are returned on Clear and destruction.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "RecordArena.h"

// Every record starts with the byte position of its slot in its stream of the book file.
struct TDBRec {
  std::int64_t StreamPos = 0;
};

enum TChangeAction : int { caAdded = 0, caChanged = 1, caDeleting = 2 };

template <class TRec>
class TBaseDBList {
 public:
  using TRecord = TRec;
  using TChangeProc = std::function<void(TChangeAction Action, int Index, TRec& Rec)>;

  TChangeProc OnChange;
  bool NotifyEnabled = true;

  TBaseDBList() = default;
  TBaseDBList(const TBaseDBList&) = delete;
  TBaseDBList& operator=(const TBaseDBList&) = delete;
  virtual ~TBaseDBList() { FreeAll(); }

  // Takes ownership; appends to both orders; returns the master index.
  int Add(std::unique_ptr<TRec> Rec) { return AddOwned(Rec.release()); }
  int Add(TRec* Rec) { return AddOwned(Rec); }  // takes ownership of Rec

  // A default record in the list's arena, for loading many at once: hand it to Add, or (when it
  // is not added after all) to DisposeRecord.
  TRec* NewRecord() { return Arena.New(); }
  // Frees a record that is not in the list, from NewRecord or operator new.
  void DisposeRecord(TRec* Rec) { Arena.Dispose(Rec); }
  // Takes over the storage of records made in another arena (loading on several threads); hand
  // the records to Add as usual.
  void AdoptArena(TRecordArena<TRec>& Other) { Arena.Absorb(Other); }

  // Removes and frees the record at master Index (see the hook contract above).
  virtual void Delete(int Index) {
    TRec* Rec = &Items(Index);
    auto It = std::find(Display.begin(), Display.end(), Rec);
    std::ptrdiff_t DisplayPos = It - Display.begin();
    if (It != Display.end()) Display.erase(It);
    try {
      Notify(caDeleting, Index, *Rec);
    } catch (...) {
      // The hook refused: the record stays where it was in both orders.
      if (DisplayPos <= static_cast<std::ptrdiff_t>(Display.size())) Display.insert(Display.begin() + DisplayPos, Rec);
      throw;
    }
    Master.erase(Master.begin() + Index);
    ViewCache.clear();
    Leave(*Rec);
    Arena.Dispose(Rec);
  }

  // Removes and frees every record for which Pred(Rec) holds, as Delete would one by one from
  // the end of the master order, but with one pass over each order instead of a search and an
  // erase per record. Each record is notified (caDeleting, its master index) while it is still
  // Items(Index) and after it left the display order; LeavingCount() says how many records
  // notified before it are still in the list (a hook writing counts subtracts them). A refusing
  // hook ends it: the records notified before it leave, the refused one and the rest stay where
  // they were, and the exception propagates. Returns the number of records removed.
  template <class TPred>
  int DeleteWhere(TPred Pred) {
    std::vector<int> Gone;  // master indexes, from the end
    for (int I = Count() - 1; I >= 0; --I)
      if (Pred(static_cast<const TRec&>(*Master[I]))) Gone.push_back(I);
    if (Gone.empty()) return 0;
    std::unordered_set<const TRec*> GoneSet;
    GoneSet.reserve(Gone.size());
    for (int I : Gone) GoneSet.insert(Master[I]);
    std::vector<TRec*> OldDisplay = Display;  // for a refusal
    std::erase_if(Display, [&](const TRec* R) { return GoneSet.count(R) != 0; });
    std::size_t Done = 0;
    try {
      for (; Done < Gone.size(); ++Done) {
        Notify(caDeleting, Gone[Done], *Master[Gone[Done]]);
        ++Leaving;
      }
    } catch (...) {
      RemoveLeaving(Gone, Done, OldDisplay);
      throw;
    }
    RemoveLeaving(Gone, Done, OldDisplay);
    return static_cast<int>(Done);
  }
  int LeavingCount() const { return Leaving; }

  void NotifyChanged(int Index) { Notify(caChanged, Index, Items(Index)); }

  // Frees every record and empties both orders; subclasses also reset their extra fields.
  virtual void Clear() {
    FreeAll();
    SortedByID = false;
  }

  template <class TCompare>  // TCompare(const TRec&, const TRec&) -> bool (less)
  void SortMaster(TCompare Less) {
    std::stable_sort(Master.begin(), Master.end(),
                     [&](const TRec* A, const TRec* B) { return Less(*A, *B); });
    SortedByID = true;
  }
  virtual void SortByID() = 0;

  // Sorts the display order by a column code and recounts; an unknown code only recounts.
  virtual void SortBy(int Column) = 0;
  // Recomputes ViewIndex, VisibleCount and the list totals.
  virtual void Recount() = 0;

  int Count() const { return static_cast<int>(Master.size()); }
  void SetCapacity(int N) {
    if (N > 0 && static_cast<std::size_t>(N) > Master.capacity()) {
      Master.reserve(N);
      Display.reserve(N);
    }
  }
  int IndexOf(const TRec* Rec) const {
    auto It = std::find(Master.begin(), Master.end(), Rec);
    return It == Master.end() ? -1 : static_cast<int>(It - Master.begin());
  }
  // Record at a master index; outside 0..Count-1 raises the list's exception.
  TRec& Items(int Index) const {
    if (Index < 0 || Index >= Count()) IndexError(Index);
    return *Master[Index];
  }
  // The record with that ViewIndex, searched in display order from position ViewIndex on;
  // nullptr when none has it.
  // Constant time after Recount/ApplyFilter (the rows a grid paints), a search otherwise.
  TRec* ViewItems(int ViewIndex) const {
    if (ViewIndex < 0) return nullptr;
    if (static_cast<std::size_t>(ViewIndex) < ViewCache.size() && ViewCache[ViewIndex]->ViewIndex == ViewIndex)
      return ViewCache[ViewIndex];
    for (std::size_t I = ViewIndex; I < Display.size(); ++I)
      if (Display[I]->ViewIndex == ViewIndex) return Display[I];
    return nullptr;
  }

  const std::vector<TRec*>& MasterList() const { return Master; }
  const std::vector<TRec*>& DisplayList() const { return Display; }
  bool SortedByID = false;

 protected:
  [[noreturn]] virtual void IndexError(int Index) const = 0;

  template <class TCompare>
  void SortDisplay(TCompare Less) {
    std::stable_sort(Display.begin(), Display.end(),
                     [&](const TRec* A, const TRec* B) { return Less(*A, *B); });
  }
  void Notify(TChangeAction Action, int Index, TRec& Rec) {
    if (NotifyEnabled && OnChange) OnChange(Action, Index, Rec);
  }
  int AddOwned(TRec* Rec) {
    auto Dispose = [this](TRec* R) { Arena.Dispose(R); };
    std::unique_ptr<TRec, decltype(Dispose)> Guard(Rec, Dispose);
    // Room first (geometric, so adding stays amortised O(1)); push_back cannot throw after it.
    if (Master.size() == Master.capacity()) Master.reserve(Master.size() * 2 + 16);
    if (Display.size() == Display.capacity()) Display.reserve(Display.size() * 2 + 16);
    Master.push_back(Rec);
    Display.push_back(Guard.release());
    SortedByID = false;
    int Index = Count() - 1;
    Notify(caAdded, Index, *Rec);
    return Index;
  }

  // Runs for each record leaving the list, just before it is freed.
  virtual void Leave(TRec&) {}

  std::vector<TRec*> Master;   // owns the records
  std::vector<TRec*> Display;  // same records, worksheet order

  // Visible records by ViewIndex, filled by the recounts; only a shortcut for ViewItems, which
  // checks every hit, so a stale entry costs a search, never a wrong record.
  std::vector<TRec*> ViewCache;

 private:
  int Leaving = 0;  // see DeleteWhere
  // The first Done of Gone (master indexes, descending) leave both orders and are freed; when not
  // all of them were notified, the display order is OldDisplay without those that left.
  void RemoveLeaving(const std::vector<int>& Gone, std::size_t Done, const std::vector<TRec*>& OldDisplay) {
    Leaving = 0;
    std::unordered_set<const TRec*> Left;
    Left.reserve(Done);
    for (std::size_t K = 0; K < Done; ++K) Left.insert(Master[Gone[K]]);
    if (Done < Gone.size()) {
      Display = OldDisplay;
      std::erase_if(Display, [&](const TRec* R) { return Left.count(R) != 0; });
    }
    std::vector<TRec*> Freed;
    Freed.reserve(Done);
    std::erase_if(Master, [&](TRec* R) {
      if (Left.count(R) == 0) return false;
      Freed.push_back(R);
      return true;
    });
    ViewCache.clear();
    for (TRec* R : Freed) {
      Leave(*R);
      Arena.Dispose(R);
    }
  }
  TRecordArena<TRec> Arena;  // storage of loaded records; outlives the FreeAll of ~TBaseDBList
  void FreeAll() {
    ViewCache.clear();
    for (TRec* Rec : Master) Arena.Dispose(Rec);
    Master.clear();
    Display.clear();
    Arena.Release();
  }
};
