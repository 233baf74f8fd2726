#pragma once
// The main account dialog ("New Main Account" / "Edit Main Account"): number, name, kind and
// accounting category. When an edited account's number changes and the user confirms it, the
// dialog renumbers the account with its sub accounts and transactions itself.
#include <QDialog>
#include <cstdint>
#include <string>
#include <vector>

#include "BookLists.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QLineEdit;
class QPushButton;
class QToolButton;
class TNumberBox;

class TNewMainActForm : public QDialog {
 public:
  TNewMainActForm(TBookLists& Lists, QWidget* Parent = nullptr);

  // Mode 0 new (MainIndex -1), 1 edit the main account at that master index. Prepare fills the
  // dialog as on show; Execute also runs it modally. True when accepted.
  void Prepare(int Mode, int MainIndex);
  bool Execute(int Mode, int MainIndex);
  void OKClicked();
  void StepNumber(bool Up);  // the up/down control or the arrow keys in the number box
  void ShowKind(int Kind);   // a kind toggle pressed
  void SelectCategory(const std::string& Name);

  // What was entered, for the caller.
  std::int32_t Number = 0;
  std::string Name;  // trimmed
  int Kind = 1;
  std::int16_t CatID = 0;
  bool Renumbered = false;  // edit: the new number was confirmed and written
  bool NameChanged = false;
  bool CatChanged = false;

  QPushButton* InToggle;
  QPushButton* ExToggle;
  TNumberBox* NumberEdit;
  QToolButton* UpBtn;    // the up/down control
  QToolButton* DownBtn;
  QLineEdit* NameEdit;
  QListWidget* CatListBox;
  QPlainTextEdit* Memo1;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
  QPushButton* HelpBtn;

 protected:
  bool eventFilter(QObject* Watched, QEvent* E) override;

 private:
  void CategoryChanged();
  TBookLists& L;
  int Mode = 0;
  int MainIndex = -1;
  std::vector<std::int16_t> CatIDs;  // parallel to CatListBox
};
