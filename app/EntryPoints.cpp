#include "EntryPoints.h"

#include <QMessageBox>
#include <QPrinterInfo>

#include "BooksForm.h"
#include "CatForm.h"
#include "GroupForm.h"
#include "Grid3.h"
#include "MainActForm.h"
#include "MainBars.h"
#include "MainForms.h"
#include "MainWindow.h"
#include "OptionsManager.h"
#include "TransactForm.h"

void NotAvailableYet(QWidget* parent, const QString& what) {
  QMessageBox::information(parent, QObject::tr("Information"),
                           QObject::tr("%1 is not available yet in this version of Quimbel Books.").arg(what));
}

// After an editor changed accounts, groups or categories the worksheets take their own orders
// again; rows deleted above the first row of the showing worksheet move it up so the rows shown
// before stay in view, and the other worksheets start at the top next time.
static void AfterClassificationEdit(TMain* main, const TDeletedRows& deleted) {
  TBookLists& l = main->Lists();
  l.MainActs.SortBy(main->GridInfo(TMain::vMainAccounts).SortIndex);
  l.SubActs.SortBy(main->GridInfo(TMain::vSubAccounts).SortIndex);
  l.Groups.SortBy(main->GridInfo(TMain::vGroups).SortIndex);
  l.Cats.SortBy(main->GridInfo(TMain::vCategories).SortIndex);
  const std::pair<int, const std::vector<int>*> views[] = {{TMain::vMainAccounts, &deleted.MainActs},
                                                          {TMain::vSubAccounts, &deleted.SubActs},
                                                          {TMain::vGroups, &deleted.Groups},
                                                          {TMain::vCategories, &deleted.Cats}};
  for (const auto& [view, rows] : views) {
    if (rows->empty()) continue;
    if (main->CurrentView() != view) {
      main->GridInfo(view).ScrollBarPos = 0;
      continue;
    }
    const int top = main->Grid()->FirstRow();
    int above = 0;
    for (int r : *rows)
      if (r >= 0 && r < top) ++above;
    main->RefreshView();
    if (above > 0 && !main->Grid()->ScrollBy(-above)) main->Grid()->ScrollToTop();
  }
}

bool ShowTransactForm(TMain* main, int mode, int viewIndex) {
  TMainForms& forms = MainForms(main);
  forms.Host().NewTransDateOption = main->Options().GetOption(optNewTransDate);
  forms.FindApplied = false;
  const bool changed = ::ShowTransactForm(forms.Transact(), mode, viewIndex);
  // "&Find" closed the form after the selection dialog applied a search: the views follow it.
  if (forms.FindApplied) {
    TransSelActive = true;
    main->ShowProgress(80);
    RecalcAll(main->Lists());
    main->ShowProgress(95);
    main->UpdateReportCommands();
    main->RefreshView();
    main->ShowProgress(100);
  }
  return changed;
}

bool ShowAccountEditor(TMain* main, int mode, int mainIndex, int subIndex) {
  MainForms(main);
  TDeletedRows deleted;
  const bool changed = ::ShowAccountEditor(main->Lists(), mode, mainIndex, subIndex, main, &deleted);
  if (changed) AfterClassificationEdit(main, deleted);
  return changed;
}

bool ShowGroupEditor(TMain* main, int viewIndex) {
  MainForms(main);
  TDeletedRows deleted;
  const bool changed = ::ShowGroupEditor(main->Lists(), viewIndex, main, &deleted);
  if (changed) AfterClassificationEdit(main, deleted);
  return changed;
}

bool ShowCategoryEditor(TMain* main, int viewIndex) {
  MainForms(main);
  TDeletedRows deleted;
  const bool changed = ::ShowCategoryEditor(main->Lists(), viewIndex, main, &deleted);
  if (changed) AfterClassificationEdit(main, deleted);
  return changed;
}

// The form has recalculated when something changed; the book bar shows the books as they are now.
bool ShowBooksForm(TMain* main, int bookIndex) {
  const bool changed = ::ShowBooksForm(MainForms(main).Host(), bookIndex, main);
  if (changed) main->Bars().FillBookBar();
  return changed;
}

bool ShowTransfers(TMain* main, TTransRec*) {
  NotAvailableYet(main, QObject::tr("Transfers"));
  return false;
}

bool ShowReconcile(TMain* main) {
  NotAvailableYet(main, QObject::tr("Reconciling"));
  return false;
}

bool ShowTransactionSelection(TMain* main, bool) {
  NotAvailableYet(main, QObject::tr("Transaction selection"));
  return false;
}

bool ShowAccountSelection(TMain* main, bool) {
  NotAvailableYet(main, QObject::tr("Account selection"));
  return false;
}

bool ShowGroupSelection(TMain* main, bool) {
  NotAvailableYet(main, QObject::tr("Group selection"));
  return false;
}

// No transaction selection can be in force before its window exists, so there is nothing to
// apply again.
void ReapplyTransactionSelection(TMain*) {}

// The editor at the account found; the worksheets follow when it changed something.
void FindAccount(TMain* main, int which) {
  MainForms(main);
  TDeletedRows deleted;
  if (!FindAccountAndEdit(main->Lists(), which == 1, main, &deleted)) return;
  AfterClassificationEdit(main, deleted);
  main->RefreshView();
}

int ShowChartWindow(TMain* main, int code) {
  NotAvailableYet(main, code == 10 ? QObject::tr("The cash flow chart") : QObject::tr("The totals charts"));
  return 0;
}

void ShowReportsDialog(TMain* main) { NotAvailableYet(main, QObject::tr("Profit/(Loss) and Asset reports")); }

void ShowPrintScreen(TMain* main) { NotAvailableYet(main, QObject::tr("Printing the worksheet")); }

int ShowOptionsDialog(TMain* main, int) {
  NotAvailableYet(main, QObject::tr("The options dialog"));
  return 0;
}

// Printing to PDF always works, so a machine without printers still counts as ready.
bool DefaultPrinterReady(QWidget*) { return true; }
