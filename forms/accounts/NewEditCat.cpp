#include "NewEditCat.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "AccountPrompts.h"
#include "AccountRules.h"
#include "CentreOnWorkArea.h"
#include "DialogHelpers.h"
#include "FixedText.h"

namespace {

QGroupBox* ClassGroup(const QString& Title, int Kind, QButtonGroup*& Buttons, QWidget* Parent) {
  auto* Box = new QGroupBox(Title, Parent);
  auto* Lay = new QVBoxLayout(Box);
  Buttons = new QButtonGroup(Box);
  for (int Class : ReportClassesFor(Kind)) {
    auto* B = new QRadioButton(Q(ReportClassCaption(Class, Kind)), Box);
    Buttons->addButton(B, Class);
    Lay->addWidget(B);
  }
  return Box;
}

}  // namespace

TNewEditCat::TNewEditCat(const TCatList& C, QWidget* Parent) : QDialog(Parent), Cats(C) {
  NameEdit = new QLineEdit(this);
  NameEdit->setMaxLength(40);
  auto* NameLabel = new QLabel("Category Name", this);
  NameLabel->setBuddy(NameEdit);
  IncomeGroup = ClassGroup("Income Category Type", 1, InButtons, this);
  ExpenseGroup = ClassGroup("Expense Category Type", 2, ExButtons, this);
  OKBtn = new QPushButton("&OK", this);
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton("&Cancel", this);
  CancelBtn->setAutoDefault(false);
  auto* Buttons = new QHBoxLayout;
  Buttons->addStretch();
  Buttons->addWidget(OKBtn);
  Buttons->addWidget(CancelBtn);
  auto* Lay = new QVBoxLayout(this);
  Lay->addWidget(NameLabel);
  Lay->addWidget(NameEdit);
  Lay->addWidget(IncomeGroup);
  Lay->addWidget(ExpenseGroup);
  Lay->addLayout(Buttons);
  connect(OKBtn, &QPushButton::clicked, this, [this] { OKClicked(); });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TNewEditCat::Prepare(const std::string& Name, int ReportClass, bool Income, bool New) {
  setWindowTitle(New ? "New Category" : "Edit Category");
  IsIncome = Income;
  Original = Name;
  IncomeGroup->setVisible(Income);
  ExpenseGroup->setVisible(!Income);
  QButtonGroup* Group = Income ? InButtons : ExButtons;
  Group->setExclusive(false);
  for (QAbstractButton* B : Group->buttons()) B->setChecked(false);
  Group->setExclusive(true);
  if (!New)
    if (QAbstractButton* B = Group->button(ReportClass)) B->setChecked(true);
  NameEdit->setText(Q(Name));
  adjustSize();
  CentreOnWorkArea(this);
}

QAbstractButton* TNewEditCat::ClassButton(int ReportClass) const {
  return (IsIncome ? InButtons : ExButtons)->button(ReportClass);
}

std::string TNewEditCat::Name() const { return S(NameEdit->text()); }

void TNewEditCat::OKClicked() {
  const std::string Typed = Name();
  // A category without a name cannot be told apart in any list; refuse it like the other names.
  if (TrimText(Typed).empty()) {
    AccountPrompts().Inform("'' is not a valid name");
    NameEdit->setFocus();
    return;
  }
  std::string Error = CategoryNameError(Cats, Typed, Original);
  if (!Error.empty()) {
    AccountPrompts().Inform(Error);
    NameEdit->setFocus();
    return;
  }
  const int Class = (IsIncome ? InButtons : ExButtons)->checkedId();
  if (Class <= 0) {
    AccountPrompts().Inform("You must select a Category Type");
    return;
  }
  ChosenClass = Class;
  accept();
}

bool ShowCategoryDialog(const TCatList& Cats, std::string& Name, int& ReportClass, bool Income, bool New,
                        QWidget* Parent) {
  TNewEditCat Dlg(Cats, Parent);
  Dlg.Prepare(Name, ReportClass, Income, New);
  if (Dlg.exec() != QDialog::Accepted) return false;
  Name = Dlg.Name();
  ReportClass = Dlg.ReportClass();
  return true;
}
