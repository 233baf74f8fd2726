#pragma once
// TTransact: where income and expense transactions are created, browsed, split, edited and
// deleted. It works on the open book's lists directly: the master list changes only when a
// transaction is saved or deleted, and every such change is written through by the lists.
#include <QDialog>
#include <memory>
#include <vector>

#include "TransactHost.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabBar;
class QToolButton;
class QFrame;
class TEditBtn;
class TNumberBox;

// Modes of the form.
enum TTransactMode { tmNew = 0, tmEditViewRow = 1, tmEditMaster = 2 };

class TTransact : public QDialog {
  Q_OBJECT
 public:
  explicit TTransact(TTransactHost& Host, QWidget* Parent = nullptr);
  ~TTransact() override;

  // The whole opening: Begin, the modal loop, Finish. True when anything changed or the form
  // was closed with OK.
  bool Execute(int Mode, int Index);
  // The opening steps; false when the kind choice of a new transaction was cancelled.
  bool Begin(int Mode, int Index);
  // The closing steps after the dialog returned; the result of Execute.
  bool Finish();

  // Buttons (public so the main window's tests and ours can drive them).
  QPushButton* NewBtn;
  QPushButton* FindBtn;
  QPushButton* DeleteBtn;
  QPushButton* EditBtn;
  QComboBox* BookCombo;
  QLabel* TransKindPanel;
  QLabel* TransNoPanel;
  QComboBox* ComboMainNum;
  QComboBox* ComboMainName;
  QComboBox* ComboSubNum;
  QComboBox* ComboSubName;
  QPushButton* NewSubBtn;
  QComboBox* ComboGrpNum;
  QComboBox* ComboGrpName;
  QPushButton* NewGrpBtn;
  QCheckBox* DisableCheck;
  QLabel* DetailLabel;
  TEditBtn* EditReference;
  QPlainTextEdit* MemoMemo;
  QDateEdit* DateEditBtn;
  TNumberBox* NbrBoxAmount;
  QTabBar* TabControl;
  QPushButton* SplitBtn;
  QPushButton* AddSplitBtn;
  QPushButton* DeleteSplitBtn;
  QFrame* TotalAmountPanel;
  QLabel* TotalAmountLabel;
  QToolButton* BackBtn;
  QToolButton* ForwardBtn;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
  QPushButton* HelpBtn;
  QWidget* DetailArea;

  // State the tests look at.
  int Mode() const { return FMode; }
  int Kind() const { return FKind; }
  int CurrentPosition() const;
  bool Modified() const { return FModified; }
  bool Locked() const { return FLocked; }
  int PartCount() const;  // parts not deleted
  int CurrentTab() const;

  // The commands.
  void NewClick();
  void FindClick();
  void DeleteClick();
  void EditClick();
  void SplitClick();
  void AddSplitClick();
  void DeleteSplitClick();
  void BackClick() { Navigate(false); }
  void ForwardClick() { Navigate(true); }
  void OKClick();
  void NewSubClick();
  void NewGrpClick();
  // The save step: mbYes saved (or nothing to save), mbNo changes dropped, mbCancel stop.
  TMsgButton SaveStep();

  // Choose accounts and group by number (as a user picking entries); for tests and tools.
  bool ChooseMain(int ActNo);
  bool ChooseSub(int SubNo);
  bool ChooseGroup(int GroupNo);
  bool ChooseBook(int BookNo);

 protected:
  void showEvent(QShowEvent* Event) override;

 private:
  struct TPart {
    std::unique_ptr<TTransRec> Rec;
    TTransRec* Master = nullptr;  // the record in the master list, none while unsaved
    bool Deleted = false;
  };

  void BuildControls();
  void ConnectControls();
  void FillMainCombos();
  void FillSubCombos();
  void FillGroupCombos();
  void FillBookCombo();
  void SetKindColours();
  void SetKindCaption();
  void SetFieldColours();
  void MainChanged(QComboBox* From);
  void SubChanged(QComboBox* From);
  void GroupChanged(QComboBox* From);
  void UpdateDetailLabel();
  void ClearFields();
  void StartNew();
  void LoadAt(int Position);
  void ShowPart(int Part);
  void StorePart();
  void TabChanged(int Index);
  void FieldEdited();
  void AmountEdited();
  void UpdateTotal();
  void SetLocked(bool Locked);
  void UpdateButtons();
  void UpdateArrows();
  bool ValidatePart(int Part);
  void DeleteMaster(int Index);
  // Worksheets whose row may empty when Rec leaves the owners in Owners (a TWorksheet mask).
  void EmptyRowCheck(const TTransRec& Rec, unsigned Owners);
  bool ChooseKind();
  void RecomputeRange();
  void Navigate(bool Forward);
  int LivePart(int Tab) const;  // index into FParts of tab Tab
  TTransRec& Shown();
  bool AnyNormal() const { return FFirst >= 0; }
  TMsgButton Ask(const std::string& Text);
  void Warn(const std::string& Text);
  void Inform(const std::string& Text);

  TTransactHost& H;
  TBookLists& L;
  std::vector<TPart> FParts;   // the working copy, in split letter order
  int FShownPart = -1;         // the part the controls show
  int FKind = tkIncome;
  int FMode = tmNew;
  TTransRec* FCurrent = nullptr;     // first part of the transaction on show in the master list
  TTransRec* FRemembered = nullptr;  // what was on show when New was pressed
  bool FRememberedSet = false;
  int FFirst = -1, FLast = -1;
  bool FModified = false;
  bool FLoading = false;
  bool FLocked = false;
  bool FSavedSomething = false;
  bool FNewRecords = false;
  bool FAmountsChanged = false;
  int FDeletedCount = 0;
  int FDeletedAboveTop = 0;
  bool FWorksheetReset = false;
  bool FOpenedEmpty = false;
  bool FAskedEmpty = false;
  bool FFindApplied = false;
  bool FAccepted = false;
};

// The entry point: opens the form modally (mode 0 new, 1 edit the transaction of a view row of
// the transaction worksheet, 2 edit the transaction at a master index). True when something
// changed; the caller then refreshes its worksheets.
bool ShowTransactForm(TTransact& Form, int Mode, int Index);
