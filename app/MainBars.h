#pragma once
// The main window's date range, selection buttons and book bar, and the recalculation each of
// them runs. TMain owns one; the steps on the lists themselves are in bars/SelectionSteps.
#include <QObject>
#include <QRect>

#include "Types.h"

class TMain;
class TQBBookBar;
class TSelectionPanels;

class TMainBars : public QObject {
  Q_OBJECT
 public:
  // The panels go into panelsParent (between tool bar and tabs), the book bar into bookBarParent.
  TMainBars(TMain* main, QWidget* panelsParent, QWidget* bookBarParent);

  TSelectionPanels* Panels() const { return panels_; }
  TQBBookBar* BookBar() const { return bookBar_; }
  static constexpr int BookBarHeight = 22;

  void Layout(const QRect& panels, const QRect& bookBar);
  // The bars' part of the command states.
  void SetCommandStates(bool fileOpen);
  void UpdateResetButton();

  // Common tail of a selection change: RecalcAll, report commands, refresh.
  void SelectionChanged();
  // "R&eset" and "&Clear All Selections"; the reports dialog keeps the date range.
  void ResetSelections(bool fromReports);
  void ClearSelections(bool resetSort, bool clearDates);
  void ResetScroll(bool resetSort);

  // Date range.
  void DateSwitchChanged(bool byProgram);
  void DateChosen(int which, TDateTime date);
  void PeriodClicked();
  // Month selector result (what PeriodClicked does after OK).
  void ApplyPeriod(TDateTime from, TDateTime to);

  // Selections.
  void TransactionSelection(bool quick);
  void ClearTransactionSearch();
  void AccountSelection(bool newSelection);
  void ClearAccountSel();
  void GroupSelection(bool newSelection);
  void ClearGroupSel();

  // Book bar.
  // Rebuilds the bar from the book list; true when it had to switch every book on (the caller
  // then recomputes).
  bool FillBookBar();
  void BookBarChanged();
  void BooksClicked();
  // Another window (a chart's book bar) changed the books' Shown flags: the bar follows them and
  // the views are recomputed. (Copying the bar's old states back would undo that change.)
  void ShownBooksChanged();

 private:
  void RecolourDatePanel();
  void SetTransSearchActive(bool active);
  TMain* main_;
  TSelectionPanels* panels_;
  TQBBookBar* bookBar_;
};
