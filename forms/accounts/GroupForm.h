#pragma once
// "Groups": lists the groups and creates, renames and deletes them. Group 0 is fixed.
#include <QDialog>

#include "AccountRules.h"
#include "BookLists.h"

class QPushButton;
class TActBox;

// Row: a visible row of the group worksheet whose group is selected first, or -1.
// True when anything changed.
// Deleted, when given, receives the worksheet rows of the deleted groups.
bool ShowGroupEditor(TBookLists& Lists, int Row, QWidget* Parent = nullptr, TDeletedRows* Deleted = nullptr);

class TGroup : public QDialog {
 public:
  TGroup(TBookLists& Lists, QWidget* Parent = nullptr);
  void Prepare(int Row);
  void NewClicked();
  void EditClicked();
  void DelClicked();
  bool Changed() const { return ChangedFlag; }
  TGroupRec* SelectedGroup() const;
  TDeletedRows Deleted;

  TActBox* SelectBox;
  QPushButton* NewBtn;
  QPushButton* EditBtn;
  QPushButton* DelBtn;
  QPushButton* CloseBtn;
  QPushButton* HelpBtn;

 private:
  void Fill();
  void SelectionChanged();
  void SelectRecord(const TGroupRec* Rec);

  TBookLists& L;
  int GroupIndex = -1;  // master index of the selected group
  bool ChangedFlag = false;
};
