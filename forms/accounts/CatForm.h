#pragma once
// "Categories": lists the categories of one kind and creates, edits and deletes them.
#include <QDialog>

#include "AccountRules.h"
#include "BookLists.h"

class QListWidget;
class QPushButton;

// Row: a visible row of the category worksheet whose category is selected first, or -1.
// True when anything changed.
// Deleted, when given, receives the worksheet rows of the deleted categories.
bool ShowCategoryEditor(TBookLists& Lists, int Row, QWidget* Parent = nullptr, TDeletedRows* Deleted = nullptr);

class TCatForm : public QDialog {
 public:
  TCatForm(TBookLists& Lists, QWidget* Parent = nullptr);
  void Prepare(int Row);
  void ShowKind(int Kind);  // a toggle pressed: that kind listed, first entry selected
  void NewClicked();
  void EditClicked();
  void DeleteClicked();
  bool Changed() const { return ChangedFlag; }
  int Kind() const { return CurrentKind; }
  TDeletedRows Deleted;

  QPushButton* InToggle;
  QPushButton* ExToggle;
  QListWidget* ListBox;
  QPushButton* NewBtn;
  QPushButton* EditBtn;
  QPushButton* DeleteBtn;
  QPushButton* OKBtn;
  QPushButton* HelpBtn;

 protected:
  bool eventFilter(QObject* Watched, QEvent* E) override;

 private:
  void SelectionChanged();
  TCatRec* Selected() const;  // by its exact name among the current kind
  void SelectName(const std::string& Name);

  TBookLists& L;
  int CurrentKind = 1;
  bool ChangedFlag = false;
};
