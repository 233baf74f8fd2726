#include "LoadSequence.h"

void RunLoadSequence(TBookLists& L) {
  ResolveLinks(L);
  L.Trans.SortBothByDate();  // RecalcAll recounts
  L.MainActs.SortBy(0);
  L.SubActs.SortBy(1);
  L.Groups.SortBy(0);
  L.Trans.SetDateRange(2);
  RecalcAll(L);
}
