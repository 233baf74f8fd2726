#pragma once
// The steps behind the main window's selection buttons, date range and book bar, on the lists
// alone: which flags change and what is recomputed. The window code adds the buttons' looks,
// the scroll reset and the refresh.
#include <array>
#include <vector>

#include "BookLists.h"
#include "GridInfo.h"

// Ends of the three selections (flags only; the caller recomputes).
void ClearAccountSelection(TBookLists& L);
void ClearGroupSelection(TBookLists& L);
void ClearTransactionSelection(TBookLists& L);

// The first steps of "R&eset": each selection in force gives its records back; unless the date
// range is kept (the reports dialog asks so), an active date range goes back to the data's limits.
void ResetSelectionRecords(TBookLists& L, bool keepDateRange);

// The flags ClearSelections clears; DateRangeActive only with clearDates.
void ClearSelectionFlags(TBookLists& L, bool clearDates);

// Remembered scroll positions back to the top; with resetSort every set ascending with its first
// sort code (transactions 1, main accounts 0, sub accounts 1, groups 0, categories 0).
void ResetScrollPositions(const std::array<TGridInfo*, 5>& sets, bool resetSort);

// What a change of the date limits recomputes: filter, account, group and category totals with
// their recounts, running balances.
void RecalcAfterDates(TBookLists& L);

// A date chosen in the left (which 1) or right (2) picker, cut to a whole day. False, and nothing
// recomputed, when it equals the limit already in force.
bool ChooseDateLimit(TBookLists& L, int which, TDateTime date);

// A month range from the month selector becomes the date range.
void ApplyPeriod(TBookLists& L, TDateTime from, TDateTime to);

// The date switch went up: the limits go back to the data and the range ends.
void ClearDateRange(TBookLists& L);

// No book shown at all (a state nothing could display) switches every book on; true when it did.
bool ShowAllBooksIfNoneShown(TBookList& books);

// The book bar's down states (master order) become the books' Shown flags.
void CopyBookStates(TBookList& books, const std::vector<bool>& down);
