#pragma once
// A large book for the benchmarks: books, categories, groups, accounts and transactions in the
// proportions of a busy file, generated from a fixed seed, loaded and recomputed as after opening.
#include <algorithm>
#include <random>
#include <vector>
#include <string>

#include "BookLists.h"

struct TBookSize {
  int Transactions = 1000000;
  int MainAccounts = 500;
  int SubAccounts = 2000;
  int Groups = 50;
  int Categories = 20;
  int Books = 5;
  // True: the file order is nearly chronological (a few transactions back-dated), as in a book
  // kept day by day; a book file is also rewritten in master (date) order whenever a changed
  // stream is compacted on closing. Records are then created roughly in date order and a walk
  // in date order reads memory in order. False: dates in random file order, so that every walk
  // in date order jumps around memory (the worst case).
  bool EntryOrder = false;
};

inline void BuildSyntheticBook(TBookLists& L, const TBookSize& Size, unsigned Seed = 20261211) {
  std::mt19937 Rng(Seed);
  L.Clear();
  for (int B = 0; B < Size.Books; ++B) {
    auto R = std::make_unique<TBookRec>();
    R->BookNo = B;
    R->Name = "Book " + std::to_string(B);
    R->OpenBalNo = B + 1;
    L.Books.Add(std::move(R));
  }
  L.Books.Renumber();
  L.Cats.AddDefaults();
  while (L.Cats.Count() < Size.Categories)
    L.Cats.AddCategory("Category " + std::to_string(L.Cats.Count()), 1 + L.Cats.Count() % 2, 3, false);
  for (int G = 0; G < Size.Groups; ++G) {
    auto R = std::make_unique<TGroupRec>();
    R->GroupNo = G;
    R->Name = "Group " + std::to_string(G);
    L.Groups.Add(std::move(R));
  }
  for (int M = 0; M < Size.MainAccounts; ++M) {
    auto R = std::make_unique<TMainActRec>();
    R->ActNo = (M + 1) * 100;
    R->Kind = M < Size.MainAccounts / 2 ? 1 : 2;
    R->Name = "Account " + std::to_string(Rng() % 100000);
    R->CatID = static_cast<std::int32_t>(Rng() % Size.Categories);
    L.MainActs.Add(std::move(R));
  }
  for (int S = 0; S < Size.SubAccounts; ++S) {
    const TMainActRec& Main = L.MainActs.Items(S % Size.MainAccounts);
    auto R = std::make_unique<TSubActRec>();
    R->MainActNo = Main.ActNo;
    R->ActNo = S / Size.MainAccounts + 1;
    R->Kind = Main.Kind;
    R->Name = "Sub " + std::to_string(Rng() % 100000);
    L.SubActs.Add(std::move(R));
  }

  const TDateTime FirstDay = 43831;  // 1 January 2020
  std::uniform_int_distribution<int> Day(1, 3650), Amount(1, 5000000);
  std::vector<int> Days(Size.Transactions);
  for (int& D : Days) D = Day(Rng);
  if (Size.EntryOrder) {
    std::sort(Days.begin(), Days.end());
    for (int& D : Days)
      if (Rng() % 20 == 0) D = std::max(1, D - static_cast<int>(Rng() % 30));  // entered late
  }
  std::size_t NextDay = 0;
  L.Trans.NotifyEnabled = false;
  L.Trans.SetCapacity(Size.Transactions);
  int No = 1;
  for (int B = 0; B < Size.Books; ++B) {
    auto R = std::make_unique<TTransRec>();
    R->TransNo = No++;
    R->Kind = tkOpenBal;
    R->Date = FirstDay;
    R->BookNo = static_cast<std::int16_t>(B);
    R->Amount = static_cast<Currency>(Amount(Rng)) * 100 - 100000000;
    L.Trans.Add(std::move(R));
  }
  while (L.Trans.Count() < Size.Transactions) {
    TDateTime Date = FirstDay + Days[NextDay++];
    int BookNo = static_cast<int>(Rng() % Size.Books);
    if (Rng() % 100 == 0 && L.Trans.Count() + 2 <= Size.Transactions) {  // a transfer: two halves
      int Other = (BookNo + 1) % Size.Books;
      Currency Value = Amount(Rng);
      auto To = std::make_unique<TTransRec>();
      auto From = std::make_unique<TTransRec>();
      To->TransNo = No;
      From->TransNo = No + 1;
      To->Kind = tkTransferTo;
      From->Kind = tkTransferFrom;
      To->MainActNo = No + 1;
      From->MainActNo = No;
      To->BookNo = static_cast<std::int16_t>(BookNo);
      To->GroupNo = static_cast<std::int16_t>(Other);
      From->BookNo = static_cast<std::int16_t>(Other);
      From->GroupNo = static_cast<std::int16_t>(BookNo);
      To->Date = From->Date = Date;
      To->Amount = From->Amount = Value;
      No += 2;
      L.Trans.Add(std::move(To));
      L.Trans.Add(std::move(From));
      continue;
    }
    const TSubActRec& Sub = L.SubActs.Items(static_cast<int>(Rng() % Size.SubAccounts));
    auto R = std::make_unique<TTransRec>();
    R->TransNo = No++;
    R->Kind = Sub.Kind;
    R->Date = Date;
    R->BookNo = static_cast<std::int16_t>(BookNo);
    R->MainActNo = Sub.MainActNo;
    R->SubActNo = Sub.ActNo;
    R->GroupNo = static_cast<std::int16_t>(Rng() % Size.Groups);
    R->Amount = Amount(Rng);
    R->Enabled = Rng() % 20 != 0;
    if (Rng() % 4 == 0) R->Reference = std::to_string(Rng() % 1000000);
    L.Trans.Add(std::move(R));
  }
  L.Trans.NotifyEnabled = true;
  // What the main window does after loading.
  L.MainActs.SortByID();
  L.SubActs.SortByID();
  L.Groups.SortByID();
  ResolveLinks(L);
  L.Trans.SortBy(1);
  L.Trans.SortMasterByDate();
  L.Trans.SetDateRange(2);
  RecalcAll(L);
}
