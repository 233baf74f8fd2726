// The main window: construction, layout, menus, tool bar commands and command states.
#include "MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QScreen>
#include <QStandardPaths>
#include <QTabBar>
#include <QToolButton>
#include <QWheelEvent>

#include "AboutBox.h"
#include "FontWarn.h"
#include "HelpPages.h"
#include "OptionsAdapters.h"
#include "OptionsManager.h"
#include "WelcomeScreen.h"
#include "BookSession.h"
#include "DefaultColumnSets.h"
#include "EntryPoints.h"
#include "FileManager.h"
#include "Grid3.h"
#include "GridColours.h"
#include "Helpers.h"
#include "MainBars.h"
#include "MainToolBar.h"
#include "OwnerDrawnMenu.h"
#include "RecentFiles.h"

namespace {
TMain* theMain = nullptr;
void ProcessPending() { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }
}  // namespace

TMain* MainWindow() { return theMain; }

void ShowProgress(int percent) {
  if (theMain) theMain->ShowProgress(percent);
}

TColourMode ColourModeOfDepth(int bitsPerPixel) {
  if (bitsPerPixel > 8) return cmHighColour;
  return bitsPerPixel == 8 ? cmPalette256 : cm16Colour;
}

QString SixteenColourMessage() {
  return QObject::tr("Quimbel Books has detected that you system is set to display only 16 colours.  Although Quimbel "
                     "Books will still function correctly, Quimbel Books has been designed run in 256 or higher colour "
                     "modes and uses these extra colours to enhance its useability. ") +
         QStringLiteral("\n\n") + QObject::tr("To change your colour settings see the 'Display' item in the Windows Control Panel.");
}

TMain::TMain(QWidget* parent, TPrompts* prompts, const TOptionsEnvironment* env) : QMainWindow(parent) {
  theMain = this;
  setObjectName(QStringLiteral("Main"));
  setWindowTitle(tr("Quimbel Books"));
  setWindowIcon(QIcon(DataFolder() + QStringLiteral("/icons/quimbelbooks.svg")));
  setMinimumSize(300, 308);

  // Today's displays give high colour; the low-colour scheme follows a display of 256 or fewer.
  const QScreen* primary = QGuiApplication::primaryScreen();
  ColourMode = ColourModeOfDepth(primary ? primary->depth() : 32);
  const QColor face = QApplication::palette().color(QPalette::Button);
  RowShade = ColourMode != cmHighColour ? clBtnShadow : ShiftColour(RGBColour(face.red(), face.green(), face.blue()), 30, false);

  for (int v = 0; v < 5; ++v) LoadDefaultGridInfo(v, gridInfo_[std::size_t(v)]);
  session_ = std::make_unique<TBookSession>(lists_, prompts);
  session_->FileManager().ShowProgress = [this](int p) { ShowProgress(p); };

  // Mail goes through xdg-email; without it "&Send..." stays hidden.
  SendHidden = QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty();

  central_ = new QWidget(this);
  setCentralWidget(central_);
  toolBar_ = new TMainToolBar(central_);
  selectionPanels_ = new QWidget(central_);
  selectionPanels_->setObjectName(QStringLiteral("SelectionPanels"));
  BuildTabStrip();
  grid_->SetLowColour(ColourMode != cmHighColour);
  bars_ = new TMainBars(this, selectionPanels_, tabFrame_);
  BuildMenus();
  BuildPopups();
  ConnectGrid();
  Recent = new TRecentFiles(FileMenu, this);
  Recent->OnClick = [this](const QString& path) { OpenRecentFile(path); };
  Recent->Load();
  CreateOptionsManager(env);

  const QScreen* screen = QGuiApplication::primaryScreen();
  toolBar_->ApplyLayout(screen ? screen->geometry().width() : 1024, true);
  if (screen) connect(screen, &QScreen::geometryChanged, this, [this] { ScreenChanged(); });
  if (!toolBar_->Wide()) setMinimumHeight(316);
  // Designed bounds: the placement stored on the first run starts from these.
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  resize(qMin(1000, area.width()), qMin(660, area.height()));
  move(area.center() - rect().center());
}

TMain::~TMain() {
  if (session_->FileOpen()) session_->Close(true, true);
  Recent->Store();
  options_.reset();
  grid_->SetGridInfo(nullptr);
  if (theMain == this) theMain = nullptr;
}

bool TMain::CheckPassword(int op) { return session_->CheckPassword(op); }

// The options manager gets the column sets, the grid and the window, loads the options file and
// the worksheet layouts, checks the font, and gives the global flags their stored values.
void TMain::CreateOptionsManager(const TOptionsEnvironment* env) {
  TOptionsEnvironment e = env ? *env : TOptionsEnvironment{};
  e.Messenger = &session_->Prompts();
  if (!e.ShowFontWarning)
    e.ShowFontWarning = [this] {
      TFontWarn dlg(this);
      dlg.exec();
      return dlg.DontShowBox->isChecked();
    };
  if (!e.ShowWelcome)
    e.ShowWelcome = [this] {
      TWelcomeScreen w(this);
      welcome_ = &w;
      const int result = w.exec();
      welcome_ = nullptr;
      options_->SetOption(optShowWelcome, w.CheckBox1->isChecked());
      lastFile_ = w.LastFile;
      return result == QDialog::Rejected ? -1 : result;
    };
  options_ = std::make_unique<TOptionsManager>(e);
  options_->ColourMode = ColourMode;
  for (int v = 0; v < 5; ++v) options_->Columns[std::size_t(v)] = &gridInfo_[std::size_t(v)].ColInfo;
  gridAppearance_ = std::make_unique<TGrid3Appearance>(grid_);
  placement_ = std::make_unique<TWidgetPlacement>(this);
  options_->Grid = gridAppearance_.get();
  options_->MainForm = placement_.get();
  options_->StartUp();
  options_->CheckFont();
  IncludeDisabledInCalc = options_->GetOption(optIncludeDisabledInCalc);
  NewTransDisabled = options_->GetOption(optNewTransDisabled);
  BalanceEndDay = options_->GetOption(optBalanceEndDay);
  session_->FileManager().AutoBackup = options_->GetOption(optAutoBak);
}

void TMain::BuildTabStrip() {
  tabFrame_ = new QFrame(central_);
  tabFrame_->setObjectName(QStringLiteral("TabControl1"));
  tabFrame_->setFrameShape(QFrame::StyledPanel);
  tabs_ = new QTabBar(central_);
  tabs_->setObjectName(QStringLiteral("TabBar"));
  tabs_->setExpanding(false);
  tabs_->setDrawBase(false);
  for (const char* caption : {"Transactions", "Main Accounts", "Sub Accounts", "Groups", "Quick Summary"})
    tabs_->addTab(tr(caption));
  grid_ = new TGrid3(tabFrame_);
  grid_->setObjectName(QStringLiteral("GridB1"));
  grid_->SetMaxCols(12);
  // The worksheets are laid out for Arial 8; the options file may give another font later.
  grid_->setFont(QFont(QStringLiteral("Arial"), 8));
  progress_ = new QProgressBar(central_);
  progress_->setObjectName(QStringLiteral("ProgressBar"));
  progress_->setRange(0, 100);
  progress_->setTextVisible(false);
  progress_->hide();
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
    if (suppressTabChange_ || index < 0) return;
    grid_->SetGridInfo(&gridInfo_[std::size_t(index)]);
    grid_->BalLinkIndex = index == vTransactions ? 11 : -1;
    RefreshView();
  });
}

void TMain::ConnectGrid() {
  grid_->OnGetText = [this](int row, QStringList& t, TColor& c, int& k, bool& e) { RowTexts(row, t, c, k, e); };
  grid_->OnGetRowColor = [this](int row, TColor& c) { RowColour(row, c); };
  grid_->OnColBtnClick = [this](int column) {
    if (column >= 0) SortCurrentView();
    else grid_->RedrawRows();
  };
  grid_->OnRowBtnClick = [this](int row) { OpenRow(row); };
  grid_->OnShowPopup = [this](int row, QPoint p) { ShowViewPopup(row, p); };
  grid_->OnColumnSize = [this](int, int) { ColumnsChanged = true; };
  grid_->OnColOrderChange = [this] { ColumnsChanged = true; };
  grid_->OnAllowUnLock = [this](bool& allow, QPoint) {
    allow = CheckPassword(3);
    ProcessPending();
  };
}

void TMain::BuildMenus() {
  FileMenu = menuBar()->addMenu(tr("&File"));
  ActionNew = FileMenu->addAction(tr("&New"), this, [this] { NewFileCommand(this); });
  ActionOpen = FileMenu->addAction(tr("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O), this, [this] { OpenCommand(); });
  ActionClose = FileMenu->addAction(tr("&Close"), this, [this] { CloseCommand(); });
  ActionSaveAs = FileMenu->addAction(tr("Save &As / Export..."), this, [this] { SaveAsExport(this, false); });
  QAction* n3 = FileMenu->addSeparator();
  n3->setObjectName(QStringLiteral("N3"));
  ActionSend = FileMenu->addAction(tr("&Send..."), this, [this] { SendBookFile(this); });
  FileMenu->addSeparator()->setObjectName(QStringLiteral("N1"));
  ActionExit = FileMenu->addAction(tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X), this, [this] { ExitCommand(); });
  if (SendHidden) {
    ActionSend->setVisible(false);
    n3->setVisible(false);
  }

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  ActionContents = help->addAction(tr("&Contents"), this, [this] { HelpContents(); });
  help->addSeparator();
  ActionAbout = help->addAction(tr("&About"), this, [this] { AboutBox(); });

  ToolsPopup = new TOwnerDrawnMenu(this);
  ToolsPopup->setObjectName(QStringLiteral("ToolsPopup"));
  ActionTransfers = ToolsPopup->addAction(tr("&Transfers"), this, [this] { TransfersCommand(); });
  ActionReconcile = ToolsPopup->addAction(tr("&Reconcile"), this, [this] { ReconcileCommand(); });

  ChartsPopup = new TOwnerDrawnMenu(this);
  ChartsPopup->setObjectName(QStringLiteral("ChartsPopup"));
  const std::pair<const char*, int> charts[5] = {{"&Cash Flow Chart", 10},
                                                 {"&Account Totals Chart", 11},
                                                 {"&Book Totals Chart", 16},
                                                 {"&Group Totals Chart", 13},
                                                 {"&Quick Summary Chart", 14}};
  for (int i = 0; i < 5; ++i) {
    const int code = charts[i].second;
    QAction* a = ChartsPopup->addAction(tr(charts[i].first), this, [this, code] { ChartSequence(code); });
    a->setData(code);
    ChartItems[std::size_t(i)] = a;
  }
  ChartsPopup->addSeparator();
  ActionReports = ChartsPopup->addAction(tr("&Profit/(Loss) && Asset Reports"), this, [this] { ReportsCommand(); });

  OptionsPopup = new TOwnerDrawnMenu(this);
  OptionsPopup->setObjectName(QStringLiteral("OptionsPopup"));
  const std::pair<const char*, int> options[4] = {{"&Worksheet...", 0}, {"&File...", 2}, {"&Password...", 1}, {"Ge&neral...", 3}};
  for (const auto& [caption, page] : options)
    OptionsPopup->addAction(tr(caption), this, [this, page = page] { OptionsCommand(page); })->setData(page);

  using B = TMainToolBar;
  connect(toolBar_->Button(B::TransBtn), &QToolButton::clicked, this, [this] { NewTransaction(); });
  connect(toolBar_->Button(B::ActBtn), &QToolButton::clicked, this, [this] { AccountsCommand(); });
  connect(toolBar_->Button(B::GrpBtn), &QToolButton::clicked, this, [this] { GroupsCommand(); });
  connect(toolBar_->Button(B::PrintBtn), &QToolButton::clicked, this, [this] { PrintCommand(); });
  connect(toolBar_->Button(B::HelpBtn), &QToolButton::clicked, this, [this] { HelpContents(); });
  const auto dropDown = [this](QToolButton* b, QMenu* m, int gate) {
    connect(b, &QToolButton::clicked, this, [this, b, m, gate] {
      if (gate >= 0 && !CheckPassword(gate)) return;
      m->popup(b->mapToGlobal(QPoint(0, b->height())));
    });
  };
  dropDown(toolBar_->Button(B::ToolsBtn), ToolsPopup, -1);
  dropDown(toolBar_->Button(B::GraphBtn), ChartsPopup, 4);
  dropDown(toolBar_->Button(B::OptionBtn), OptionsPopup, -1);
}

void TMain::LayoutClient() {
  if (Closing) return;
  const QScreen* screen = this->screen();
  toolBar_->ApplyLayout(screen ? screen->geometry().width() : width(), false);
  setMinimumHeight(toolBar_->Wide() ? 308 : 316);
  const int w = central_->width(), h = central_->height();
  toolBar_->setGeometry(0, 0, w, toolBar_->height());
  selectionPanels_->setGeometry(0, toolBar_->PanelsTop(), w, toolBar_->TabsTop() - toolBar_->PanelsTop() - 2);
  const int top = toolBar_->TabsTop();
  const int tabHeight = tabs_->sizeHint().height();
  tabs_->setGeometry(4, top, w - 8, tabHeight);
  tabFrame_->setGeometry(2, top + tabHeight - 1, w - 4, qMax(0, h - top - tabHeight - 1));
  // The book bar runs along the bottom of the tab strip, 4 pixels narrower than it.
  const QRect inner = tabFrame_->contentsRect().adjusted(2, 2, -2, -2);
  const int barH = TMainBars::BookBarHeight;
  grid_->setGeometry(inner.adjusted(0, 0, 0, -barH - 1));
  bars_->Layout(QRect(0, 0, selectionPanels_->width(), selectionPanels_->height()),
                QRect(inner.left(), inner.bottom() - barH + 1, inner.width(), barH));
  progress_->setGeometry(tabFrame_->x() + 59, tabFrame_->geometry().bottom() - 2 - 16, qMax(0, tabFrame_->width() - 118), 16);
  progress_->raise();
}

void TMain::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  LayoutClient();
}

void TMain::wheelEvent(QWheelEvent* e) {
  // One row per notch, the division cutting towards zero.
  grid_->ScrollBy(-e->angleDelta().y() / 120);
  e->accept();
}

void TMain::changeEvent(QEvent* e) {
  QMainWindow::changeEvent(e);
  // New system colours: the worksheet draws its rows again.
  if (e->type() == QEvent::PaletteChange && grid_) grid_->RedrawRows();
}

// A new screen size may call for the other options file; the views then start afresh.
void TMain::ScreenChanged() {
  if (options_ && options_->CheckScreenSize()) ResetViews();
  LayoutClient();
}

void TMain::SetCaption() {
  if (session_->FileOpen()) setWindowTitle(tr("Quimbel Books - ") + session_->BaseName());
  else setWindowTitle(tr("Quimbel Books"));
}

void TMain::ShowProgress(int percent) {
  if (percent >= 100) {
    progress_->setValue(100);
    progress_->hide();
    return;
  }
  if (progress_->isHidden()) progress_->show();
  progress_->setValue(percent);
  progress_->repaint();
}

void TMain::SetCommandStates() {
  const bool open = session_->FileOpen();
  using B = TMainToolBar;
  for (B::TButton b : {B::TransBtn, B::ActBtn, B::GrpBtn, B::ToolsBtn, B::OptionBtn}) toolBar_->Button(b)->setEnabled(open);
  ActionTransfers->setEnabled(lists_.Books.Count() > 1);
  UpdateReportCommands();
  ActionClose->setEnabled(open);
  ActionSaveAs->setEnabled(open);
  if (!SendHidden) ActionSend->setEnabled(open);
  tabs_->setEnabled(open);
  bars_->SetCommandStates(open);
  ProcessPending();
}

void TMain::UpdateReportCommands() {
  const bool any = lists_.Trans.AnyVisibleNormal();
  toolBar_->Button(TMainToolBar::GraphBtn)->setEnabled(any);
  toolBar_->Button(TMainToolBar::PrintBtn)->setEnabled(any);
}

void TMain::NewTransaction() {
  if (!CheckPassword(1)) return;
  if (lists_.MainActs.Count() == 0) {
    QMessageBox::warning(this, tr("Warning"),
                         tr("You must create at least one Main Account before you can enter any Transactions.  Click "
                            "the 'Accounts' button to create a new Main Account"));
    return;
  }
  if (ShowTransactForm(this, 0, -1)) RefreshView();
}

void TMain::AccountsCommand() {
  if (!CheckPassword(1)) return;
  if (ShowAccountEditor(this, 2, 0, -1)) RefreshView();
}

void TMain::GroupsCommand() {
  if (!CheckPassword(1)) return;
  const bool changed = ShowGroupEditor(this, -1);
  ProcessPending();
  if (changed) RefreshView();
}

void TMain::TransfersCommand() {
  if (ShowTransfers(this, nullptr)) AfterTransferChange();
}

void TMain::ReconcileCommand() {
  if (!CheckPassword(2)) return;
  if (!ShowReconcile(this)) return;
  if (TransSelActive) ReapplyTransactionSelection(this);
  ShowProgress(90);
  RecalcAll(lists_);
  ShowProgress(99);
  RefreshView();
  ShowProgress(100);
}

void TMain::ChartSequence(int code) {
  while (code != 0) {
    for (QAction* a : ChartsPopup->actions()) a->setVisible(true);
    const QList<QAction*> all = ChartsPopup->actions();
    const auto hideTail = [&] {
      all[all.size() - 2]->setVisible(false);
      all.last()->setVisible(false);
    };
    if (code == 10 && lists_.Trans.VisibleCount == 0) {
      QMessageBox::information(this, tr("Information"), tr("No Transactions selected to chart"));
      break;
    }
    const int itemCode = code == 15 ? 14 : code;
    bool known = false;
    for (QAction* a : ChartItems)
      if (a->data().toInt() == itemCode) {
        a->setVisible(false);
        known = true;
      }
    if (!known) break;
    hideTail();
    code = ChartWindow ? ChartWindow(code) : ShowChartWindow(this, code);
  }
  for (QAction* a : ChartsPopup->actions()) a->setVisible(true);
}

void TMain::ReportsCommand() {
  if (!DefaultPrinterReady(this) || !CheckPassword(3)) return;
  ShowReportsDialog(this);
}

void TMain::PrintCommand() {
  if (!DefaultPrinterReady(this) || !CheckPassword(5)) return;
  ShowPrintScreen(this);
}

void TMain::OptionsCommand(int page) {
  ProcessPending();
  const int answer = ShowOptionsDialog(this, page);
  ProcessPending();
  if (answer == 0) return;
  if (answer == 3)
    for (TGridInfo& gi : gridInfo_) gi.ScrollBarPos = 0;
  if (answer >= 2) {
    RecalcAll(lists_);
    UpdateReportCommands();
  }
  RefreshView();
}

void TMain::HelpContents() {
  if (!OpenHelp(26000))
    QMessageBox::information(this, tr("Information"), tr("The help pages could not be opened: %1").arg(HelpPage(26000)));
}

void TMain::AboutBox() {
  TAboutBox box(this);
  box.exec();
}

void TMain::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (firstShown_) return;
  firstShown_ = true;
  grid_->SetGradients(ColourMode == cmHighColour && options_->GetOption(optGradients));
  ResetViews();
  SetCommandStates();
  grid_->ClearGrid(true);
  LayoutClient();
  ProcessPending();
  if (RestorePlacement) options_->RestoreWindow();
}

void TMain::closeEvent(QCloseEvent* e) {
  if (session_->FileOpen() && !CloseBook()) {
    e->ignore();
    return;
  }
  if (RestorePlacement) options_->StoreWindow();
  Closing = true;
  e->accept();
}

void TMain::ExitCommand() {
  Closing = true;
  if (!session_->FileOpen() || CloseBook()) {
    // Ends the loop without the close handler: this path stores no window position.
    QCoreApplication::exit(0);
    return;
  }
  Closing = false;
}
