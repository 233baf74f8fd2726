#pragma once
// What follows a successful Open with loading before a book is shown or used: links, orders,
// date range and totals. Shared by the main window, qbtool and the benchmarks.
#include "BookLists.h"

// ResolveLinks; transactions sorted by date (display code 1, master order by date; the display
// is recounted by RecalcAll at the end, not by its sort); main accounts
// by code 0, sub accounts by code 1, groups by code 0; SetDateRange(2); RecalcAll.
// A number that refers to nothing raises the owning list's exception (from ResolveLinks).
void RunLoadSequence(TBookLists& L);
