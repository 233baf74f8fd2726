#include "MainForms.h"

#include <QColorDialog>

#include "AccountPrompts.h"
#include "BookSession.h"
#include "EntryPoints.h"
#include "Grid3.h"
#include "HelpPages.h"
#include "Helpers.h"
#include "MainBars.h"
#include "MainWindow.h"
#include "OptionsManager.h"
#include "SelectionPanels.h"
#include "DateRangePanel.h"
#include "TransactForm.h"

TMainForms::TMainForms(TMain* main) : QObject(main), main_(main) {
  setObjectName(QStringLiteral("MainForms"));
  host_ = std::make_unique<TTransactHost>(main->Lists(), main->Session().Prompts());
  FillHost();
  accountPrompts_ = std::make_unique<TPromptsAdapter>(main->Session().Prompts());
  SetAccountPrompts(accountPrompts_.get());
  SetAccountHelp([](int topic) { OpenHelp(topic); });
  transact_ = new TTransact(*host_, main);
  transact_->setObjectName(QStringLiteral("Transact"));
}

TMainForms::~TMainForms() {
  delete transact_;
  SetAccountPrompts(nullptr);
  SetAccountHelp({});
}

void TMainForms::FillHost() {
  TMain* m = main_;
  TTransactHost& h = *host_;
  h.FileManager = &m->Session().FileManager();
  h.CheckPassword = [m](int op) { return m->Session().CheckPassword(op); };
  h.ShowingWorksheet = [m] { return m->Session().FileOpen() ? m->CurrentView() : -1; };
  h.TransTopRow = [m] {
    return m->CurrentView() == TMain::vTransactions ? m->Grid()->FirstRow() : m->GridInfo(TMain::vTransactions).ScrollBarPos;
  };
  h.ResetScroll = [m](int view) {
    if (view >= 0 && view < 5) m->GridInfo(view).ScrollBarPos = 0;
  };
  // The rows shown before stay in view: the first row moves up by the rows deleted above it.
  h.TransRowsDeleted = [m](int, int aboveTop) {
    m->RefreshView();
    if (aboveTop > 0 && !m->Grid()->ScrollBy(-aboveTop)) m->Grid()->ScrollToTop();
  };
  h.FirstRowCurrent = [m] { m->Grid()->ScrollToTop(); };
  h.SortCode = [m](int view) { return m->GridInfo(view).SortIndex; };
  h.DateRangeChanged = [m](TDateTime from, TDateTime to) { m->Bars().Panels()->DateRange->ShowDates(from, to); };
  h.EnableTransactionButtons = [m](bool) { m->SetCommandStates(); };
  h.HideProgress = [m] { m->ShowProgress(100); };
  h.FindTransactions = [this, m](QWidget*) {
    FindApplied = ShowTransactionSelection(m, true);
    return FindApplied;
  };
  h.ReapplyTransactionSelection = [m] { ReapplyTransactionSelection(m); };
  h.ChooseColour = [](QWidget* parent, TColor& colour) {
    const QColor c = QColorDialog::getColor(QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)), parent);
    if (!c.isValid()) return false;
    colour = RGBColour(c.red(), c.green(), c.blue());
    return true;
  };
  h.ShowHelp = [](int topic) { OpenHelp(topic); };
}

TMainForms& MainForms(TMain* main) {
  if (auto* f = main->findChild<TMainForms*>(QStringLiteral("MainForms"), Qt::FindDirectChildrenOnly)) return *f;
  return *new TMainForms(main);
}
