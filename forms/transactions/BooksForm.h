#pragma once
// "Books": the cash books of the open file with their opening balances; new, edit, delete and
// reorder. New, edited and deleted books reach the lists (and the file) at once; the new order
// is applied when the form closes.
#include <QDialog>
#include <vector>

#include "TransactHost.h"

class QPushButton;
class QToolButton;
class QTreeWidget;

class TBooksForm : public QDialog {
  Q_OBJECT
 public:
  explicit TBooksForm(TTransactHost& Host, QWidget* Parent = nullptr);

  // Fills the list and selects the book at master index BookIndex (the first when invalid).
  void Prepare(int BookIndex);
  // The closing step: the order of the rows becomes the book list's. The result: changed.
  bool Finish();

  void NewClick();
  void EditClick();
  void DeleteClick();
  void UpClick() { Move(-1); }
  void DownClick() { Move(1); }

  bool Changed() const { return FChanged; }
  int SelectedRow() const;
  void SelectRow(int Row);
  const std::vector<TBookRec*>& Rows() const { return FRows; }

  QTreeWidget* BookListView;
  QPushButton* NewBtn;
  QPushButton* EditBtn;
  QPushButton* DeleteBtn;
  QToolButton* UpBtn;
  QToolButton* DownBtn;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
  QPushButton* HelpBtn;

 protected:
  void showEvent(QShowEvent* Event) override;

 private:
  void Fill();
  void AddRow(TBookRec* Book);
  void RowTexts(int Row);
  void SelectionChanged();
  void Move(int By);
  bool BookDialog(bool New, TBookDetails& Details);
  TTransRec& AddOpenBal(TBookRec& Book, const TBookDetails& D);

  TTransactHost& H;
  TBookLists& L;
  std::vector<TBookRec*> FRows;
  bool FChanged = false;
};

// The entry point: opens "Books" modally at the book of master index BookIndex (-1: none
// given). When anything changed the lists have been recomputed (RecalcAll) and the result is
// true; the main window then rebuilds its book bar and refreshes its worksheets.
bool ShowBooksForm(TTransactHost& Host, int BookIndex, QWidget* Parent = nullptr);
