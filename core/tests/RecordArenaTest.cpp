#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "RecordArena.h"
#include "TransList.h"

namespace {
std::vector<int> Nos(const TTransList& L) {
  std::vector<int> Out;
  for (const TTransRec* R : L.MasterList()) Out.push_back(R->TransNo);
  return Out;
}
// Records as loading makes them (from the list's arena) with a text long enough to be on the heap.
void Load(TTransList& L, int From, int To) {
  for (int No = From; No <= To; ++No) {
    TTransRec* R = L.NewRecord();
    R->TransNo = No;
    R->Details = "Loaded record number " + std::to_string(No) + " with a long text";
    L.Add(R);
  }
}
}  // namespace

TEST(RecordArena, OwnsOnlyItsRecordsAndKeepsTheirAlignment) {
  TRecordArena<TTransRec> Arena;
  std::vector<TTransRec*> Made;
  for (int I = 0; I < 5000; ++I) Made.push_back(Arena.New());  // several blocks
  auto Heap = std::make_unique<TTransRec>();
  for (TTransRec* R : Made) {
    EXPECT_TRUE(Arena.Owns(R));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(R) % alignof(TTransRec), 0u);
  }
  EXPECT_FALSE(Arena.Owns(Heap.get()));
  TTransRec Local;
  EXPECT_FALSE(Arena.Owns(&Local));
  for (TTransRec* R : Made) Arena.Dispose(R);
}

// Loaded records and records added later live side by side; deleting either kind, clearing and
// loading again must free each exactly once (a wrong free aborts or shows under a memory checker).
TEST(RecordArena, ListMixesLoadedAndAddedRecords) {
  TTransList L;
  Load(L, 1, 3000);
  auto Added = std::make_unique<TTransRec>();
  Added->TransNo = 3001;
  Added->Details = "Added after loading, from the heap";
  L.Add(std::move(Added));

  L.Delete(0);                  // first loaded record (first block)
  L.Delete(L.Count() - 1);      // the added one
  L.Delete(1500);               // a loaded record in a later block
  ASSERT_EQ(L.Count(), 2998);
  EXPECT_EQ(L.Items(0).TransNo, 2);
  EXPECT_EQ(L.Items(1500).TransNo, 1503);
  EXPECT_EQ(L.Items(L.Count() - 1).TransNo, 3000);
  EXPECT_EQ(L.Items(1500).Details, "Loaded record number 1503 with a long text");

  // A record that is not added after all goes back through the list.
  L.DisposeRecord(L.NewRecord());

  L.Clear();
  EXPECT_EQ(L.Count(), 0);
  Load(L, 10, 12);
  EXPECT_EQ(Nos(L), (std::vector<int>{10, 11, 12}));
}
