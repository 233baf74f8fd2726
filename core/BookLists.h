#pragma once
// The six lists of one open book file and the recomputations that turn transactions into every
// total the program shows. The main window owns one TBookLists for the life of the program.
//
// After loading a file (lists filled in file order with NotifyEnabled off):
//   MainActs/SubActs/Groups/Cats/Books .SortByID(); Books.Renumber();
//   ResolveLinks(L); Trans.SortBothByDate(); Trans.SetDateRange(2);
//   Transfers.Build(Trans); RecalcAll(L);   (storage's RunLoadSequence)
// Records added later (forms) should get their links set by the caller (MainAct, SubAct, Group,
// OtherBook, Book); the recomputations look a missing link up by number, which is slower.
#include "BookList.h"
#include "CatList.h"
#include "ChangeBatch.h"
#include "GroupList.h"
#include "MainActList.h"
#include "SubActList.h"
#include "TransList.h"
#include "TransferList.h"

struct TBookLists {
  TMainActList MainActs;
  TSubActList SubActs;
  TGroupList Groups;
  TCatList Cats;
  TBookList Books;
  TTransList Trans;
  TTransferList Transfers;
  TChangeBatchHooks Batch;  // see ChangeBatch.h; set by the file manager's write-through

  TBookLists() { SubActs.MainList = &MainActs; }
  TBookLists(const TBookLists&) = delete;
  TBookLists& operator=(const TBookLists&) = delete;

  void Clear();  // closing a file: every list emptied
};

// Fills the links after loading, before any recomputation: transactions to their accounts,
// group, book(s), opening-balance books to their transaction, sub accounts to their main
// account. A number that matches no record raises the owning list's exception.
void ResolveLinks(TBookLists& L);

// Selection flags of every transaction from account, group and book selections.
void ApplySelection(TBookLists& L);
void RecalcAccountTotals(TBookLists& L);
void RecalcGroupTotals(TBookLists& L);
void RecalcCategoryTotals(TBookLists& L);

// ApplySelection; ApplyFilter; ComputeBalances; RecalcAccountTotals; main Recount; sub Recount;
// RecalcGroupTotals; group Recount; RecalcCategoryTotals; category Recount.
void RecalcAll(TBookLists& L);
// Book income and expense totals of the visible transactions, enabled or not.
void RecalcBookTotals(TBookLists& L);
bool AllBooksShown(const TBookLists& L);

// The totals hooks the main window installs while a file is open: add to / subtract from the
// main account, sub account and group of a transaction.
void InstallTotalsHooks(TBookLists& L);
void RemoveTotalsHooks(TBookLists& L);
