#include "EntryPoints.h"

#include <QMessageBox>
#include <QPrinterInfo>

#include "MainWindow.h"

void NotAvailableYet(QWidget* parent, const QString& what) {
  QMessageBox::information(parent, QObject::tr("Information"),
                           QObject::tr("%1 is not available yet in this version of Quimbel Books.").arg(what));
}

bool ShowTransactForm(TMain* main, int mode, int) {
  NotAvailableYet(main, mode == 0 ? QObject::tr("Entering transactions") : QObject::tr("Editing transactions"));
  return false;
}

bool ShowAccountEditor(TMain* main, int, int, int) {
  NotAvailableYet(main, QObject::tr("The account editor"));
  return false;
}

bool ShowGroupEditor(TMain* main, int) {
  NotAvailableYet(main, QObject::tr("The group editor"));
  return false;
}

bool ShowCategoryEditor(TMain* main, int) {
  NotAvailableYet(main, QObject::tr("The category editor"));
  return false;
}

bool ShowBooksForm(TMain* main, int) {
  NotAvailableYet(main, QObject::tr("The books and opening balances window"));
  return false;
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

void FindAccount(TMain* main, int) { NotAvailableYet(main, QObject::tr("The account search")); }

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

bool ShowNewFileDialog(TMain* main, QString&) {
  NotAvailableYet(main, QObject::tr("Creating a new file"));
  return false;
}

bool SaveAsExport(TMain* main, bool) {
  NotAvailableYet(main, QObject::tr("Save As and export"));
  return false;
}

void SendBookFile(TMain* main) { NotAvailableYet(main, QObject::tr("Sending the file by mail")); }

// Printing to PDF always works, so a machine without printers still counts as ready.
bool DefaultPrinterReady(QWidget*) { return true; }
