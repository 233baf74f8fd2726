#pragma once
// "New Book" / "Edit Book": a book's name, colour, opening balance and starting date.
#include <QDialog>
#include <functional>
#include <string>

#include "TransactLogic.h"

class QDateEdit;
class QLineEdit;
class QPushButton;
class QToolButton;
class TNumberBox;

class TNewEditBookForm : public QDialog {
  Q_OBJECT
 public:
  // BookCount picks a new book's default colour; ChooseColour is the main window's colour
  // dialog (unset: Qt's).
  TNewEditBookForm(bool New, const TBookDetails& Details, int BookCount,
                   std::function<bool(QWidget*, TColor&)> ChooseColour, QWidget* Parent = nullptr);
  // The values as OK returns them: the name trimmed, the date a whole day.
  TBookDetails Details();
  TColor Colour() const { return FColour; }
  void SetColour(TColor Colour);

  QLineEdit* NameEdit;
  QToolButton* ColorBtn;
  TNumberBox* BalanceBox;
  QDateEdit* DateEdit;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 protected:
  void showEvent(QShowEvent* Event) override;

 private:
  TColor FColour = 0;
  std::function<bool(QWidget*, TColor&)> FChooseColour;
};

// Shows the dialog modally; on OK the details are returned (name trimmed).
bool ShowBookDialog(QWidget* Parent, bool New, TBookDetails& Details, int BookCount,
                    std::function<bool(QWidget*, TColor&)> ChooseColour = {});
