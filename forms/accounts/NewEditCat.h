#pragma once
// "New Category" / "Edit Category": name and report class of a category.
#include <QDialog>
#include <string>

#include "CatList.h"

class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;

// Name and ReportClass in and out; true when accepted.
bool ShowCategoryDialog(const TCatList& Cats, std::string& Name, int& ReportClass, bool Income, bool New,
                        QWidget* Parent = nullptr);

class TNewEditCat : public QDialog {
 public:
  TNewEditCat(const TCatList& Cats, QWidget* Parent = nullptr);
  void Prepare(const std::string& Name, int ReportClass, bool Income, bool New);
  void OKClicked();
  std::string Name() const;
  int ReportClass() const { return ChosenClass; }
  // The radio button of a class in the visible group, nullptr when the kind has no such class.
  QAbstractButton* ClassButton(int ReportClass) const;

  QLineEdit* NameEdit;
  QGroupBox* IncomeGroup;
  QGroupBox* ExpenseGroup;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 private:
  const TCatList& Cats;
  QButtonGroup* InButtons;
  QButtonGroup* ExButtons;
  bool IsIncome = true;
  std::string Original;
  int ChosenClass = 0;
};
