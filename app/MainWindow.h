#pragma once
// The main window: tool bar, menus, the tab strip with the worksheet grid and its five views,
// the progress bar, and every command the user starts from here.
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "BookLists.h"
#include "GridInfo.h"
#include "Types.h"

class QAction;
class QMenu;
class QProgressBar;
class QTabBar;
class QToolButton;
class QFrame;
class TGrid3;
class TMainToolBar;
class TWelcomeScreen;
class TBookSession;
class TRecentFiles;
class TPrompts;
class TMainBars;
class TOptionsManager;
struct TOptionsEnvironment;
class TGrid3Appearance;
class TWidgetPlacement;

class TMain : public QMainWindow {
  Q_OBJECT
 public:
  // Prompts answers the file manager's questions (the program's dialogs unless given).
  // Env replaces parts of the options manager's surroundings (tests).
  explicit TMain(QWidget* parent = nullptr, TPrompts* prompts = nullptr, const TOptionsEnvironment* env = nullptr);
  ~TMain() override;

  // Tab indexes of the five worksheet views.
  enum TView { vTransactions = 0, vMainAccounts = 1, vSubAccounts = 2, vGroups = 3, vCategories = 4 };

  // --- state shared with the other parts of the program ---
  bool Closing = false;
  bool PaletteActive = false;
  bool ColumnsChanged = false;
  bool RestorePlacement = true;  // tests keep their own geometry
  TColor RowShade = 0;  // row colour of the account, group and category views
  TBookLists& Lists() { return lists_; }
  TGridInfo& GridInfo(int view) { return gridInfo_[std::size_t(view)]; }
  TGrid3* Grid() const { return grid_; }
  QTabBar* TabControl() const { return tabs_; }
  TMainToolBar* ToolBar() const { return toolBar_; }
  QProgressBar* ProgressBar() const { return progress_; }
  TBookSession& Session() { return *session_; }
  TMainBars& Bars() { return *bars_; }  // date range, selection buttons, book bar
  TOptionsManager& Options() { return *options_; }
  int CurrentView() const;

  // The password gate (0 Deleting, 1 Adding, 2 Editing, 3 Worksheet, 4 Reports, 5 Printing).
  bool CheckPassword(int op);

  // --- worksheet views ---
  int ViewRow(int row) const;  // view index of a grid row (descending order mapped here)
  int ViewCount(int view) const;
  void RowTexts(int row, QStringList& texts, TColor& rowColour, int& rowKind, bool& enabled) const;
  void RowColour(int row, TColor& colour) const;
  void SetTotals();
  void RefreshView();
  void SortCurrentView();
  void SelectView(int view);
  void ResetViews();
  void PrepareColumnSets();
  void OpenRow(int row);
  void ToggleEnabledRow(int row);  // "&Disable Transaction" / "&Reconcile Transaction"
  void FlipZeroSwitch();
  void ShowViewPopup(int row, QPoint screenPoint);
  // Builds the pop-up of the current view for a row (-1: none) without showing it.
  QMenu* PreparePopup(int row);

  // --- command states and commands ---
  void SetCommandStates();
  void UpdateReportCommands();
  void SetCaption();
  void ShowProgress(int percent);
  void NewTransaction();
  void AccountsCommand();
  void GroupsCommand();
  void TransfersCommand();
  void ReconcileCommand();
  void ChartSequence(int code);
  void ReportsCommand();
  void PrintCommand();
  void OptionsCommand(int page);
  void HelpContents();
  void AboutBox();

  // --- file commands ---
  bool OpenBookFile(const QString& fileName);
  void LoadBook(const QString& fileName);
  bool CloseBook();
  bool AskReadOnly();
  void ShowNoBook();
  void OpenCommand(const QString& startFolder = QString());
  void CloseCommand();
  void OpenRecentFile(const QString& path);
  void ExitCommand();
  // Shows the already loaded lists as an open book named fileName (what LoadBook does after the
  // file manager has read the file); for books built in memory.
  void ShowLoadedBook(const QString& fileName, bool lockWorksheet = false);

  // --- start-up ---
  void StartUp(const QStringList& arguments);  // command-line file, then the welcome screen
  void WelcomeScreenMessage();
  // A second start handed a file over (empty: only bring the window to the front).
  void HandOver(const QString& fileName);
  void RestoreRequest();
  TWelcomeScreen* WelcomeScreen() const { return welcome_; }

  QAction* ActionNew = nullptr;
  QAction* ActionOpen = nullptr;
  QAction* ActionClose = nullptr;
  QAction* ActionSaveAs = nullptr;
  QAction* ActionSend = nullptr;
  QAction* ActionExit = nullptr;
  QAction* ActionContents = nullptr;
  QAction* ActionAbout = nullptr;
  QAction* ActionTransfers = nullptr;
  QAction* ActionReconcile = nullptr;
  QAction* ActionReports = nullptr;
  QMenu* FileMenu = nullptr;
  QMenu* ToolsPopup = nullptr;
  QMenu* ChartsPopup = nullptr;
  QMenu* OptionsPopup = nullptr;
  QMenu* TransPopup = nullptr;
  QMenu* AccountsPopup = nullptr;
  QMenu* GroupCatPopup = nullptr;
  TRecentFiles* Recent = nullptr;
  bool SendHidden = false;  // no mail program: "&Send..." stays hidden
  std::array<QAction*, 5> ChartItems{};  // codes 10, 11, 16, 13, 14 in menu order
  // Runs a chart window and returns the code chosen from its "Jump To" button, else 0.
  std::function<int(int code)> ChartWindow;

 protected:
  void showEvent(QShowEvent*) override;
  void closeEvent(QCloseEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void wheelEvent(QWheelEvent*) override;
  void changeEvent(QEvent*) override;

 private:
  void BuildMenus();
  void BuildPopups();
  void BuildTabStrip();
  void ConnectGrid();
  void LayoutClient();
  void AfterTransferChange();
  void CreateOptionsManager(const TOptionsEnvironment* env);
  void ScreenChanged();

  TBookLists lists_;
  std::array<TGridInfo, 5> gridInfo_;
  std::unique_ptr<TBookSession> session_;
  std::unique_ptr<TGrid3Appearance> gridAppearance_;
  std::unique_ptr<TWidgetPlacement> placement_;
  std::unique_ptr<TOptionsManager> options_;
  QString lastFile_;  // the welcome screen's last used file
  TMainToolBar* toolBar_ = nullptr;
  QWidget* central_ = nullptr;
  QWidget* selectionPanels_ = nullptr;
  QFrame* tabFrame_ = nullptr;
  QTabBar* tabs_ = nullptr;
  TGrid3* grid_ = nullptr;
  QProgressBar* progress_ = nullptr;
  TWelcomeScreen* welcome_ = nullptr;
  TMainBars* bars_ = nullptr;
  int popupRow_ = -1;
  bool firstShown_ = false;
  bool suppressTabChange_ = false;
};

// The one main window of the program (set while it exists), for ShowProgress and the dialogs.
TMain* MainWindow();
// Moves the main window's progress bar: 100 fills and hides it, any other value shows it.
void ShowProgress(int percent);
// The display's colour mode from its colour depth (more than 256 colours: high colour).
TColourMode ColourModeOfDepth(int bitsPerPixel);
// Text of the 16-colour warning shown after the splash screen.
QString SixteenColourMessage();
