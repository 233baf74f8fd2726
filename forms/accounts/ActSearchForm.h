#pragma once
// "Find an Account": finds a main or sub account by the beginning of its name or number.
#include <QDialog>

#include "BookLists.h"

class QButtonGroup;
class QLabel;
class TNumberBox;
class QPushButton;
class TActBox;

// Results of the last ShowAccountSearch; FoundIndex is a master index in the main account list
// (FoundIsMain) or in the sub account list, -1 while nothing was chosen.
extern bool FoundIsMain;
extern int FoundIndex;

// Opens the search on sub accounts or on main accounts; true when the user chose an account.
bool ShowAccountSearch(TBookLists& Lists, bool SubAccounts, QWidget* Parent = nullptr);

class TActSearchForm : public QDialog {
 public:
  TActSearchForm(TBookLists& Lists, QWidget* Parent = nullptr);

  // On show: the defaults, with "&Sub Account" down when SubAccounts.
  void Prepare(bool SubAccounts);
  void Reset();  // ResetBtn
  void Refill();
  void Display();  // DispBtn or a double click

  QPushButton* NatureBtn1;     // "&Main Account"
  QPushButton* ToggleSwitch2;  // "&Sub Account"
  QPushButton* TypeBtn1;       // "&Income Account"
  QPushButton* ToggleSwitch4;  // "&Expense Account"
  QPushButton* SearchForBtn1;  // "Account &Name"
  QPushButton* ToggleSwitch6;  // "Account &Number"
  TNumberBox* SearchSrc;  // a text box, or a whole-number box while numbers are searched
  TActBox* SelectBox;
  QPushButton* DispBtn;
  QPushButton* ResetBtn;
  QPushButton* CloseBtn;
  QPushButton* HelpBtn;

 private:
  void SetDefaults(bool SubAccounts);
  void SetNumberMode(bool Numbers);
  void SearchForClicked(bool Numbers);

  TBookLists& L;
  bool HoldRefill = false;
};
