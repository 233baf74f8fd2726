#pragma once
// "Accounts": browses main accounts one at a time and creates, edits and deletes them and their
// sub accounts with contact details. Every change goes straight into the lists (and through their
// notifications into the book file); Cancel does not undo them.
#include <QDialog>
#include <cstdint>
#include <string>

#include "AccountRules.h"
#include "BookLists.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QWidget;
class TActBox;
class TNewMainActForm;

// Opens the editor at the main account with master index MainIndex and selects the sub account
// with master index SubIndex (-1: the first one). Mode is the caller's (kept for the main window;
// the editor behaves the same for every mode). True when closed with OK or anything changed.
// Afterwards the main window re-sorts the account worksheets in their own orders.
// Deleted, when given, receives the worksheet rows of the deleted main and sub accounts (and of
// categories deleted through "&Categories...").
bool ShowAccountEditor(TBookLists& Lists, int Mode, int MainIndex, int SubIndex, QWidget* Parent = nullptr,
                       TDeletedRows* Deleted = nullptr);

// "&Find an Account" of the main window: the account search (on sub accounts when asked), then the
// editor at the account found. True when the editor reports a change (false when nothing was found).
bool FindAccountAndEdit(TBookLists& Lists, bool SubAccounts, QWidget* Parent = nullptr,
                        TDeletedRows* Deleted = nullptr);

class TMainActForm : public QDialog {
 public:
  TMainActForm(TBookLists& Lists, QWidget* Parent = nullptr);

  // As on opening (before the dialog runs).
  void Prepare(int MainIndex, int SubIndex);
  bool Changed() const { return ChangedFlag; }
  bool MainResort() const { return MainResortFlag; }
  bool SubResort() const { return SubResortFlag; }
  bool CatRecompute() const { return CatRecomputeFlag; }
  int MainIndex() const { return MainIdx; }
  int SubIndex() const { return SubIdx; }  // -1 none, -2 a new sub account not yet saved
  bool Locked() const { return FieldsLocked; }
  TDeletedRows Deleted;

  // Commands (what the buttons run).
  void NewMainClicked();
  void EditMainClicked();
  void DeleteMainClicked();
  void FindClicked();
  void CatClicked();
  void Navigate(int Step);  // BackBtn -1, ForwardBtn +1
  void NewSubClicked();
  void EditSubClicked();
  void SaveSubClicked();
  void CancelSubClicked();
  void DeleteSubClicked();
  void OKClicked();
  void CancelClicked();
  // Pending sub account edits: false stops the caller. FromNewOrList: called by NewSubBtn or the list.
  bool ResolvePending(bool FromNewOrList = false);

  QPushButton* NewBtn;
  QPushButton* FindBtn;
  QPushButton* EditBtn;
  QPushButton* DeleteBtn;
  QPushButton* CatBtn;
  QLabel* ActNoPanel;
  QLabel* ActNamePanel;
  QLabel* ActCatPanel;
  TActBox* SelectBox;
  QPushButton* NewSubBtn;
  QPushButton* EditSubBtn;
  QPushButton* DelSubBtn;
  QPushButton* SubOKBtn;
  QPushButton* SubCancelBtn;
  QLabel* NumberLabel;  // main number, dash, sub number
  QLineEdit* NameEdit;
  QLineEdit* ContactEdit;
  QLineEdit* AddressEdit;
  QLineEdit* SuburbEdit;
  QLineEdit* StateEdit;
  QLineEdit* PostCodeEdit;
  QLineEdit* PhoneEdit;
  QLineEdit* FaxEdit;
  QLineEdit* MobileEdit;
  QPlainTextEdit* NotesMemo;
  QToolButton* BackBtn;
  QToolButton* ForwardBtn;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
  QPushButton* HelpBtn;
  QWidget* DetailPanel;
  QWidget* ContactPanel;
  TNewMainActForm* MainDialog;

 protected:
  void showEvent(QShowEvent* E) override;
  void paintEvent(QPaintEvent* E) override;

 private:
  void ShowMain();
  void UpdateButtons();
  void SelectFirstSub();
  void SelectSubByNumbers(std::int32_t MainNo, std::int32_t SubNo);
  void SelectionMoved();
  void LoadFields();
  void ClearFields();
  void Lock(bool On);
  void ShowSaveButtons(bool On);
  bool FieldsDiffer(const TSubActRec& R) const;
  void WriteFields(TSubActRec& R) const;
  bool CreatePendingSub();  // validates and adds; false after a refusal
  bool SaveExistingSub();
  void RemovePendingEntry();
  void NameTyped();
  TMainActRec* CurrentMain() const;
  std::string EntryText() const;

  TBookLists& L;
  int MainIdx = 0;
  int SubIdx = -1;
  std::int32_t SelSubNo = -1;
  std::int32_t PendingNo = 0;
  bool MainResortFlag = false;
  bool SubResortFlag = false;
  bool CatRecomputeFlag = false;
  bool ChangedFlag = false;
  bool FieldsLoaded = true;
  bool FieldsLocked = true;
};
