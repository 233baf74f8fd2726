// Opening, loading and closing book files from the main window.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QTabBar>

#include "OptionsManager.h"
#include "BookSession.h"
#include "EntryPoints.h"
#include "Grid3.h"
#include "Helpers.h"
#include "LoadSequence.h"
#include "MainBars.h"
#include "MainWindow.h"
#include "RecentFiles.h"

namespace {
void ProcessPending() { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }
const char* const NotValid = "Unable to open file: Not a vaild Quimbel Books file";

// Selections and sort orders start afresh for every book.
void ClearSelections(TMain* m) { m->Bars().ClearSelections(true, true); }

// While a file is being opened the worksheet shows no rows, whatever the outcome.
struct TNoDataScope {
  TGrid3* grid;
  explicit TNoDataScope(TGrid3* g) : grid(g) { grid->SetBlank(true); }
  ~TNoDataScope() { grid->SetBlank(false); }
};
}  // namespace

bool TMain::AskReadOnly() {
  switch (session_->AskSaveReadOnly()) {
    case 0: return true;
    case 1: return SaveAsExport(this, true);
    default: return false;
  }
}

bool TMain::CloseBook() {
  if (!AskReadOnly()) return false;
  const QString name = session_->FileName();
  const bool closed = session_->Close(true, true);
  if (closed && !name.isEmpty()) Recent->Add(name);
  return closed;
}

void TMain::ShowNoBook() {
  SetCaption();
  grid_->ClearGrid(true);
  bars_->FillBookBar();
  ClearSelections(this);
  SetCommandStates();
}

bool TMain::OpenBookFile(const QString& fileName) {
  TNoDataScope noData(grid_);
  switch (session_->CheckFile(fileName)) {
    case 0: break;
    case 2: QMessageBox::warning(this, tr("Warning"), tr(NotValid)); return false;
    default: return false;
  }
  if (session_->FileOpen()) {
    if (!CloseBook()) return false;
    ShowNoBook();
  }
  ClearSelections(this);
  ProcessPending();
  switch (session_->CheckAndConvert(fileName)) {
    case 0: LoadBook(fileName); return true;
    case 4: QMessageBox::warning(this, tr("Warning"), tr("Unable to convert file due to a file error.")); return false;
    case 5: QMessageBox::warning(this, tr("Warning"), tr("File conversion canceled")); return false;
    default: QMessageBox::warning(this, tr("Warning"), tr(NotValid)); return false;
  }
}

void TMain::LoadBook(const QString& fileName) {
  if (!session_->Open(fileName)) {
    QMessageBox::warning(this, tr("Warning"), tr(NotValid));
    ShowNoBook();
    ShowProgress(100);
    return;
  }
  ShowLoadedBook(fileName, session_->WorksheetLocked());
}

void TMain::ShowLoadedBook(const QString& fileName, bool lockWorksheet) {
  if (!session_->FileOpen()) session_->AdoptLists(fileName);
  SetCaption();
  RunLoadSequence(lists_);
  ShowProgress(95);
  PrepareColumnSets();
  // A book with every book switched off would show nothing: the bar switches them all on.
  if (bars_->FillBookBar()) RecalcAll(lists_);
  ShowProgress(100);
  grid_->SetLocked(lockWorksheet);
  ResetViews();
  if (options_->GetOption(optOpenToLast)) grid_->ScrollToEnd();
  grid_->Activate();
  grid_->setEnabled(true);
  Recent->Remove(fileName);
  SetCommandStates();
}

void TMain::OpenCommand(const QString& startFolder) {
  if (session_->FileOpen() && !AskReadOnly()) return;
  const QString folder = startFolder.isEmpty() ? QString::fromStdString(options_->BooksFolder()) : startFolder;
  const QString name = QFileDialog::getOpenFileName(this, tr("Open file"), folder, tr("Quimbel Books files (*.qbk)"));
  if (!name.isEmpty()) OpenBookFile(name);
}

void TMain::CloseCommand() {
  FileMenu->setEnabled(false);
  if (CloseBook()) {
    ShowNoBook();
    grid_->ScrollToTop();
    SelectView(vTransactions);
    grid_->ClearGrid(true);
  }
  FileMenu->setEnabled(true);
}

void TMain::OpenRecentFile(const QString& path) {
  if (!QFileInfo::exists(path)) {
    QMessageBox::information(this, tr("Information"), tr("Can't find file - ") + path);
    return;
  }
  switch (session_->CheckFile(path)) {
    case 0: break;
    case 2: QMessageBox::warning(this, tr("Warning"), tr(NotValid)); return;
    default: Recent->Add(path); return;
  }
  ClearSelections(this);
  if (session_->FileOpen()) {
    grid_->ClearGrid(false);
    if (!CloseBook()) return;
  }
  LoadBook(path);
}
