#include "LoadSequence.h"

void RunLoadSequence(TBookLists& L) {
  ResolveLinks(L);
  L.Trans.SortDisplay(1);  // RecalcAll recounts
  L.Trans.SortMasterByDate();
  L.MainActs.SortBy(0);
  L.SubActs.SortBy(1);
  L.Groups.SortBy(0);
  L.Trans.SetDateRange(2);
  RecalcAll(L);
}
