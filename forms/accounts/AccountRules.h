#pragma once
// Rules of the account, category and group editors that need no window: number proposals,
// name checks, "in use" checks, renumbering and deleting. Each message text returned here is
// the one the dialog shows; an empty text means the check passed.
#include <cstdint>
#include <string>
#include <vector>

#include "BookLists.h"

// --- main account numbers -------------------------------------------------------------
// Free: not 0 and no main account has it.
bool MainNumberFree(const TMainActList& Mains, std::int32_t No);
// Up/Down in the number box of the main account dialog. Text is the box's text; the result is
// the new text.
std::string StepMainNumber(const TMainActList& Mains, const std::string& Text, bool Up);
// Leaving the number box with "0": the first free number of 101, 201, 301 ...
std::int32_t ZeroReplacement(const TMainActList& Mains);

// OK checks of the main account dialog, in their order. OwnNo is the account's number when
// editing, or -1 for a new account. Field tells which control to focus: 0 number, 1 name, 2 category.
struct TMainActCheck {
  std::string Message;  // empty when everything is fine
  int Field = -1;
  std::int32_t Number = 0;
  std::string Name;     // trimmed
};
TMainActCheck CheckMainAccount(const TMainActList& Mains, const std::string& NumberText,
                               const std::string& Name, bool CategoryChosen, std::int32_t OwnNo,
                               const TMainActRec* Own);

// "" or the message for a new or renamed sub account name (already trimmed by the caller).
std::string SubNameError(const TSubActList& Subs, std::int32_t MainActNo, const std::string& Name);

// --- in use ----------------------------------------------------------------------------
// Only income and expense records name accounts; transfer halves keep other numbers there.
bool TransUseMain(const TTransList& Trans, std::int32_t MainActNo);
bool TransUseSub(const TTransList& Trans, std::int32_t MainActNo, std::int32_t SubActNo);
// Any record's group field, transfer halves included (they hold a book number there).
bool TransUseGroup(const TTransList& Trans, std::int32_t GroupNo);
// The first main account (master order) reporting under the category, nullptr when none.
const TMainActRec* CategoryUser(const TMainActList& Mains, std::int16_t CatID);

// Worksheet rows (ViewIndex at the moment of deleting, -1 when not shown) of the records an
// editor deleted, so the main window can keep the rows it showed in view.
struct TDeletedRows {
  std::vector<int> MainActs, SubActs, Groups, Cats;
};

// --- changes ---------------------------------------------------------------------------
// Gives the main account at master index MainIndex the number NewNo and carries it into its sub
// accounts and the income and expense transactions; every changed record is notified, all in
// one change batch.
// Returns the number of records changed besides the main account.
int RenumberMainAccount(TBookLists& L, int MainIndex, std::int32_t NewNo);
// Deletes the main account with all its sub accounts (from the end backwards) and recounts both
// lists. The caller has made sure no transaction uses it.
void DeleteMainAccount(TBookLists& L, int MainIndex, TDeletedRows* Deleted = nullptr);

// --- account search ----------------------------------------------------------------------
// Prefix of the name, letter case of ASCII letters ignored; empty text matches everything.
bool SearchNameMatches(const std::string& Name, const std::string& Text);
// Prefix of the decimal number text.
bool SearchNumberMatches(std::int32_t No, const std::string& Text);
std::string LowerAscii(std::string Text);

// --- categories ----------------------------------------------------------------------------
// Description of a default category for the main account dialog; empty for any other.
std::string CategoryDescription(const std::string& Name);
// OK check of the category dialog: the typed name must not be another category's (ignoring case),
// unless it equals the name passed in (ignoring case).
std::string CategoryNameError(const TCatList& Cats, const std::string& Typed, const std::string& Original);
// Report classes a category of that kind may take, in radio button order.
const std::vector<int>& ReportClassesFor(int Kind);
