#pragma once
// What the transaction and books forms need from the program around them: the open book's
// lists, the message boxes, the password gate, a few options, and the main window's worksheet
// state that a change of transactions touches. The main window fills one and keeps it; every
// hook is optional.
#include <functional>

#include "BookLists.h"
#include "Prompts.h"
#include "TransactLogic.h"
#include "Types.h"

class QWidget;
class QString;
class TFileManager;

struct TTransactHost {
  TTransactHost(TBookLists& Lists, TPrompts& Prompts) : Lists(Lists), Prompts(Prompts) {}

  TBookLists& Lists;
  TPrompts& Prompts;
  // The book file; the books form tells it that the book list must be written whole after a
  // reordering. May be null (a book kept in memory only).
  TFileManager* FileManager = nullptr;

  // The file password gate: operation 0 Deleting, 1 Adding, 2 Editing. Unset: settings' gate.
  std::function<bool(int Op)> CheckPassword;

  // Options: "Create new &Transactions with current date".
  bool NewTransDateOption = false;

  // ---- the main window's worksheets (unset hooks do nothing)
  // The worksheet on show (TWorksheet), -1 when none.
  std::function<int()> ShowingWorksheet;
  // View index of the first row shown in the transaction worksheet.
  std::function<int()> TransTopRow;
  // Forget a worksheet's remembered scroll position: it starts at the top next time.
  std::function<void(int Worksheet)> ResetScroll;
  // The transaction worksheet is showing and lost Deleted rows, DeletedAboveTop of them above
  // its first visible row: shrink its scroll range and move it up so the rows stay in view.
  std::function<void(int Deleted, int DeletedAboveTop)> TransRowsDeleted;
  // Make the first row of the showing worksheet current.
  std::function<void()> FirstRowCurrent;
  // Sort code of a worksheet's order (the list's SortBy code). Unset: date for transactions,
  // number for the others.
  std::function<int(int Worksheet)> SortCode;
  // The main window's date pickers take the transaction list's date range.
  std::function<void(TDateTime From, TDateTime To)> DateRangeChanged;
  // Graph, print, date range and selection buttons: enabled when income or expense exists.
  std::function<void(bool AnyTransactions)> EnableTransactionButtons;
  // Progress bar: hide.
  std::function<void()> HideProgress;

  // ---- other windows
  // The transaction selection dialog ("&Find"); true when it applied a selection.
  std::function<bool(QWidget* Parent)> FindTransactions;
  // Apply the transaction selection in force again (its FindMatch marks).
  std::function<void()> ReapplyTransactionSelection;
  // The main window's colour dialog; true when a colour was chosen.
  std::function<bool(QWidget* Parent, TColor& Colour)> ChooseColour;

  // The help topic of a form ("&Help").
  std::function<void(int Topic)> ShowHelp;

  // ---- the small dialogs (unset: the real ones)
  // Kind choice: 0 income, 1 expense, -1 cancelled.
  std::function<int(QWidget* Parent)> ChooseKind;
  // The Ctrl+click delete confirmation.
  std::function<bool(QWidget* Parent)> CtrlConfirm;
  // A name typed into TInputDlg; Check shows its own message and keeps the dialog open.
  std::function<bool(QWidget* Parent, const QString& Caption, const QString& Label, QString& Name,
                     std::function<bool(const QString&)> Check)>
      InputName;

  // The book dialog (unset: TNewEditBookForm); true on OK with the details (name trimmed).
  std::function<bool(QWidget* Parent, bool New, TBookDetails& Details, int BookCount)> BookDialog;

  bool Password(int Op) const;
  int Worksheet() const { return ShowingWorksheet ? ShowingWorksheet() : -1; }
};
