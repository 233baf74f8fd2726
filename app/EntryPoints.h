#pragma once
// One entry point for every window that other parts of the program provide (transaction form,
// editors, books, transfers, reconcile, selections, charts, reports, options, file dialogs).
// The main window calls only these; connecting a finished dialog is a change in one function.
// Until a dialog exists its entry point tells the user that the function is not available yet.
#include <QString>

class QWidget;
class TMain;
struct TTransRec;

// The message of an entry point whose window does not exist yet.
void NotAvailableYet(QWidget* parent, const QString& what);

// Each returns whether something changed (editors) or the user accepted (dialogs).
bool ShowTransactForm(TMain* main, int mode, int viewIndex);  // mode 0 new, 1 edit
bool ShowAccountEditor(TMain* main, int mode, int mainIndex, int subIndex);
bool ShowGroupEditor(TMain* main, int viewIndex);     // -1: no row
bool ShowCategoryEditor(TMain* main, int viewIndex);  // -1: no row
bool ShowBooksForm(TMain* main, int bookIndex);
bool ShowTransfers(TMain* main, TTransRec* record);   // nullptr: a new transfer
bool ShowReconcile(TMain* main);
bool ShowTransactionSelection(TMain* main, bool quick);
// newSelection: start from nothing ticked; false edits the selection in force.
bool ShowAccountSelection(TMain* main, bool newSelection);
bool ShowGroupSelection(TMain* main, bool newSelection);
void ReapplyTransactionSelection(TMain* main);
// Resets every selection (in MainBars.cpp); the reports dialog keeps the date range.
void ClearAllSelections(TMain* main, bool fromReports = false);
void FindAccount(TMain* main, int which);  // 0 main accounts, 1 sub accounts
// Runs the chart window for a code (10 cash flow, 11 accounts, 13 groups, 14/15 categories,
// 16 books); returns the code of another chart chosen from its "Jump To" button, else 0.
int ShowChartWindow(TMain* main, int code);
void ShowReportsDialog(TMain* main);
void ShowPrintScreen(TMain* main);
// 0 nothing changed, 1 refresh, 2 recalculate, 3 reset scroll positions and recalculate.
int ShowOptionsDialog(TMain* main, int page);
// The New File dialog; on success fileName names the new file.
bool ShowNewFileDialog(TMain* main, QString& fileName);
// "&New": the New File dialog, then the new file opened (FileCommands.cpp, as are the next two).
void NewFileCommand(TMain* main);
bool SaveAsExport(TMain* main, bool fromApplication);
void SendBookFile(TMain* main);
// False (after its message) when no printer can be used.
bool DefaultPrinterReady(QWidget* parent);
