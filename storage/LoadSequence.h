#pragma once
// What follows a successful Open with loading before a book is shown or used: links, orders,
// date range and totals. Shared by qbtool and the benchmarks; the main window runs the same
// steps with its progress bar in between.
#include "BookLists.h"

// ResolveLinks; transactions sorted by date (display code 1, master order by date); main accounts
// by code 0, sub accounts by code 1, groups by code 0; SetDateRange(2); RecalcAll.
// A number that refers to nothing raises the owning list's exception (from ResolveLinks).
void RunLoadSequence(TBookLists& L);
