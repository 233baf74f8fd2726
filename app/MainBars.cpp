#include "MainBars.h"

#include <QApplication>
#include <QDateEdit>
#include <QMenu>
#include <QPushButton>

#include "BookBar.h"
#include "BookSession.h"
#include "DateRangePanel.h"
#include "EntryPoints.h"
#include "Grid3.h"
#include "MainWindow.h"
#include "MonthSelector.h"
#include "SelectionButton.h"
#include "SelectionPanels.h"
#include "SelectionSteps.h"

namespace {
void ProcessPending() { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }
}  // namespace

TMainBars::TMainBars(TMain* main, QWidget* panelsParent, QWidget* bookBarParent)
    : QObject(main), main_(main) {
  panels_ = new TSelectionPanels(panelsParent);
  bookBar_ = new TQBBookBar(bookBarParent);
  TSelectionPanels* p = panels_;

  connect(p->DateRange, &TDateRangePanel::SwitchChanged, this, [this] { DateSwitchChanged(false); });
  connect(p->DateRange, &TDateRangePanel::DateChosen, this, [this](int which, TDateTime d) { DateChosen(which, d); });
  connect(p->DateRange, &TDateRangePanel::PeriodClicked, this, [this] { PeriodClicked(); });

  connect(p->FindSelBtn, &TSelectionButton::NewRequested, this, [this] { TransactionSelection(true); });
  connect(p->NewSearchItem, &QAction::triggered, this, [this] { TransactionSelection(true); });
  connect(p->EditSearchItem, &QAction::triggered, this, [this] { TransactionSelection(false); });
  connect(p->ClearSearchItem, &QAction::triggered, this, [this] { ClearTransactionSearch(); });
  connect(p->ActSelBtn, &TSelectionButton::NewRequested, this, [this] { AccountSelection(true); });
  connect(p->NewActSelItem, &QAction::triggered, this, [this] { AccountSelection(true); });
  connect(p->EditActSelItem, &QAction::triggered, this, [this] { AccountSelection(false); });
  connect(p->ClearActSelItem, &QAction::triggered, this, [this] { ClearAccountSel(); });
  connect(p->GrpSelBtn, &TSelectionButton::NewRequested, this, [this] { GroupSelection(true); });
  connect(p->NewGrpSelItem, &QAction::triggered, this, [this] { GroupSelection(true); });
  connect(p->EditGrpSelItem, &QAction::triggered, this, [this] { GroupSelection(false); });
  connect(p->ClearGrpSelItem, &QAction::triggered, this, [this] { ClearGroupSel(); });
  connect(p->ResetSelBtn, &QPushButton::clicked, this, [this] { ResetSelections(false); });

  connect(bookBar_, &TQBBookBar::Changed, this, [this] { BookBarChanged(); });
  connect(bookBar_, &TQBBookBar::BooksClicked, this, [this] { BooksClicked(); });
}

void TMainBars::Layout(const QRect& panels, const QRect& bookBar) {
  panels_->setGeometry(panels);
  bookBar_->setGeometry(bookBar);
  bookBar_->update();
}

void TMainBars::SetCommandStates(bool fileOpen) {
  const bool any = main_->Lists().Trans.Count() > 0;
  bookBar_->setEnabled(fileOpen);
  panels_->DateRange->SetControlsEnabled(any);
  for (QWidget* b : {panels_->FindSelBtn, panels_->ActSelBtn, panels_->GrpSelBtn}) b->setEnabled(any);
  UpdateResetButton();
}

void TMainBars::UpdateResetButton() { panels_->ResetSelBtn->setEnabled(AnySelectionActive()); }

void TMainBars::RecolourDatePanel() { panels_->DateRange->SetActiveLook(DateRangeActive); }

void TMainBars::SelectionChanged() {
  ProcessPending();
  RecalcAll(main_->Lists());
  main_->UpdateReportCommands();
  main_->RefreshView();
}

void TMainBars::ResetScroll(bool resetSort) {
  std::array<TGridInfo*, 5> sets{};
  for (int v = 0; v < 5; ++v) sets[std::size_t(v)] = &main_->GridInfo(v);
  ResetScrollPositions(sets, resetSort);
  main_->Grid()->SetGridInfo(&main_->GridInfo(main_->CurrentView()));
  main_->Grid()->ScrollToTop();
}

void TMainBars::ClearSelections(bool resetSort, bool clearDates) {
  ClearSelectionFlags(main_->Lists(), clearDates);
  if (clearDates) {
    panels_->DateRange->SetSwitch(false);
    DateSwitchChanged(true);
  }
  panels_->FindSelBtn->SetActive(false, nullptr);
  panels_->ActSelBtn->SetActive(false, nullptr);
  panels_->GrpSelBtn->SetActive(false, nullptr);
  panels_->EditSearchItem->setEnabled(false);
  panels_->ClearSearchItem->setEnabled(false);
  ResetScroll(resetSort);
}

void TMainBars::ResetSelections(bool fromReports) {
  TBookLists& L = main_->Lists();
  ResetSelectionRecords(L, fromReports);
  ClearSelections(false, !fromReports);
  for (QWidget* b : {panels_->FindSelBtn, panels_->ActSelBtn, panels_->GrpSelBtn})
    if (b->hasFocus()) b->update();
  RecalcAll(L);
  main_->UpdateReportCommands();
  // With the date range kept the button still has something to reset.
  UpdateResetButton();
  main_->RefreshView();
}

// ---- date range ----

void TMainBars::DateSwitchChanged(bool byProgram) {
  TDateRangePanel* d = panels_->DateRange;
  TBookLists& L = main_->Lists();
  d->ShowDates(L.Trans.DateFrom, L.Trans.DateTo);
  d->ShowSwitchState();
  RecolourDatePanel();
  ProcessPending();
  if (byProgram) return;
  ProcessPending();
  if (!d->SwitchDown() && DateRangeActive) {
    ClearDateRange(L);
    RecolourDatePanel();
    d->ShowDates(L.Trans.DateFrom, L.Trans.DateTo);
    UpdateResetButton();
    ResetScroll(false);
    main_->SetCommandStates();
  }
  main_->RefreshView();
}

void TMainBars::DateChosen(int which, TDateTime date) {
  TBookLists& L = main_->Lists();
  if (!ChooseDateLimit(L, which, date)) return;
  UpdateResetButton();
  RecolourDatePanel();
  ProcessPending();
  ResetScroll(false);
  main_->UpdateReportCommands();
  main_->RefreshView();
}

void TMainBars::PeriodClicked() {
  TDateRangePanel* d = panels_->DateRange;
  TDateTime from = 0, to = 0;
  const QPoint at = d->mapToGlobal(QPoint(0, d->height()));
  if (!ShowMonthSelector(main_->Lists().Trans, at, from, to, main_)) return;
  ApplyPeriod(from, to);
}

void TMainBars::ApplyPeriod(TDateTime from, TDateTime to) {
  TDateRangePanel* d = panels_->DateRange;
  TBookLists& L = main_->Lists();
  if (!d->SwitchDown()) {
    d->SetSwitch(true);
    d->ShowSwitchState();
  }
  ::ApplyPeriod(L, from, to);
  RecolourDatePanel();
  UpdateResetButton();
  d->ShowDates(L.Trans.DateFrom, L.Trans.DateTo);
  ProcessPending();
  ResetScroll(false);
  main_->UpdateReportCommands();
  main_->RefreshView();
}

// ---- selections ----

void TMainBars::SetTransSearchActive(bool active) {
  panels_->EditSearchItem->setEnabled(active);
  panels_->ClearSearchItem->setEnabled(active);
  panels_->FindSelBtn->SetActive(active, panels_->FindPopup);
  UpdateResetButton();
}

void TMainBars::TransactionSelection(bool quick) {
  if (!ShowTransactionSelection(main_, quick)) return;
  TransSelActive = true;
  if (quick) {
    SetTransSearchActive(true);
    ResetScroll(false);
    ProcessPending();
  }
  main_->ShowProgress(80);
  RecalcAll(main_->Lists());
  main_->ShowProgress(95);
  if (quick) main_->UpdateReportCommands();
  main_->RefreshView();
  main_->ShowProgress(100);
}

void TMainBars::ClearTransactionSearch() {
  ::ClearTransactionSelection(main_->Lists());
  SetTransSearchActive(false);
  SelectionChanged();
}

void TMainBars::AccountSelection(bool newSelection) {
  if (!ShowAccountSelection(main_, newSelection)) return;
  ProcessPending();
  ResetScroll(false);
  panels_->ActSelBtn->SetActive(true, panels_->ActSelPopup);
  UpdateResetButton();
  SelectionChanged();
}

void TMainBars::ClearAccountSel() {
  ::ClearAccountSelection(main_->Lists());
  panels_->ActSelBtn->SetActive(false, nullptr);
  UpdateResetButton();
  SelectionChanged();
}

void TMainBars::GroupSelection(bool newSelection) {
  if (!ShowGroupSelection(main_, newSelection)) return;
  ResetScroll(false);
  panels_->GrpSelBtn->SetActive(true, panels_->GrpSelPopup);
  UpdateResetButton();
  SelectionChanged();
}

void TMainBars::ClearGroupSel() {
  ::ClearGroupSelection(main_->Lists());
  panels_->GrpSelBtn->SetActive(false, nullptr);
  ProcessPending();
  RecalcAll(main_->Lists());
  UpdateResetButton();
  main_->UpdateReportCommands();
  main_->RefreshView();
}

// ---- book bar ----

bool TMainBars::FillBookBar() {
  TBookList& books = main_->Lists().Books;
  bookBar_->Clear();
  const bool switchedOn = ShowAllBooksIfNoneShown(books);
  for (const TBookRec* b : books.MasterList())
    bookBar_->AddButton(QString::fromStdString(b->Name), TColor(b->Colour), b->Shown);
  return switchedOn;
}

void TMainBars::BookBarChanged() {
  CopyBookStates(main_->Lists().Books, bookBar_->DownStates());
  ProcessPending();
  ResetScroll(false);
  RecalcAll(main_->Lists());
  main_->UpdateReportCommands();
  main_->RefreshView();
}

void TMainBars::ShownBooksChanged() {
  FillBookBar();
  ProcessPending();
  ResetScroll(false);
  RecalcAll(main_->Lists());
  main_->UpdateReportCommands();
  main_->RefreshView();
}

void TMainBars::BooksClicked() {
  if (!ShowBooksForm(main_, -1)) return;
  TBookLists& L = main_->Lists();
  main_->SetCommandStates();
  FillBookBar();
  if (main_->CurrentView() == TMain::vTransactions) L.Trans.SortBy(main_->GridInfo(TMain::vTransactions).SortIndex);
  if (!DateRangeActive) L.Trans.SetDateRange(0);
  RecalcAll(L);
  main_->SortCurrentView();
}

// Entry of "R&eset", the views' "&Clear All Selections" and the reports dialog's "&Clear Selection".
void ClearAllSelections(TMain* main, bool fromReports) { main->Bars().ResetSelections(fromReports); }
