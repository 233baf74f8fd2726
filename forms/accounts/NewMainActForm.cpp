#include "NewMainActForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "AccountPrompts.h"
#include "AccountRules.h"
#include "CentreOnWorkArea.h"
#include "DialogHelpers.h"
#include "FixedText.h"
#include "NumberBox.h"

TNewMainActForm::TNewMainActForm(TBookLists& Lists, QWidget* Parent) : QDialog(Parent), L(Lists) {
  auto* Heading = new QLabel("Enter new Main Account details", this);
  QFont F = Heading->font();
  F.setBold(true);
  Heading->setFont(F);
  InToggle = new QPushButton("&Income", this);
  ExToggle = new QPushButton("&Expense", this);
  StyleKindToggle(InToggle, 1);
  StyleKindToggle(ExToggle, 2);
  for (QPushButton* B : {InToggle, ExToggle}) {
    B->setAutoExclusive(true);
    B->setAutoDefault(false);
    B->installEventFilter(this);
  }
  NumberEdit = new TNumberBox(this, bsNumber);
  NumberEdit->SetShowButton(false);
  NumberEdit->SetMaxTextLength(9);
  NumberEdit->installEventFilter(this);
  UpBtn = new QToolButton(this);
  UpBtn->setArrowType(Qt::UpArrow);
  DownBtn = new QToolButton(this);
  DownBtn->setArrowType(Qt::DownArrow);
  for (QToolButton* B : {UpBtn, DownBtn}) {
    B->setFixedSize(18, 12);
    B->setFocusPolicy(Qt::NoFocus);
  }
  NameEdit = new QLineEdit(this);
  NameEdit->setMaxLength(40);
  CatListBox = new QListWidget(this);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setReadOnly(true);
  Memo1->setFixedHeight(48);
  Memo1->setFocusPolicy(Qt::NoFocus);
  QPalette Pal = Memo1->palette();
  Pal.setColor(QPalette::Base, palette().color(QPalette::Window));
  Memo1->setPalette(Pal);
  OKBtn = new QPushButton("&OK", this);
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton("&Cancel", this);
  HelpBtn = new QPushButton("&Help", this);
  for (QPushButton* B : {CancelBtn, HelpBtn}) B->setAutoDefault(false);

  auto* Kinds = new QHBoxLayout;
  Kinds->addWidget(InToggle);
  Kinds->addWidget(ExToggle);
  auto* Spin = new QVBoxLayout;
  Spin->setSpacing(0);
  Spin->addWidget(UpBtn);
  Spin->addWidget(DownBtn);
  auto* NumberRow = new QHBoxLayout;
  NumberRow->setSpacing(1);
  NumberRow->addWidget(NumberEdit);
  NumberRow->addLayout(Spin);
  auto* Grid = new QGridLayout;
  auto* NumberLabel = new QLabel("Number", this);
  NumberLabel->setBuddy(NumberEdit);
  auto* NameLabel = new QLabel("Name", this);
  NameLabel->setBuddy(NameEdit);
  Grid->addWidget(NumberLabel, 0, 0);
  Grid->addLayout(NumberRow, 1, 0);
  Grid->addWidget(NameLabel, 0, 1);
  Grid->addWidget(NameEdit, 1, 1);
  Grid->setColumnStretch(1, 1);
  auto* CatLabel = new QLabel("Accounting Category", this);
  CatLabel->setBuddy(CatListBox);
  auto* Buttons = new QHBoxLayout;
  Buttons->addStretch();
  for (QPushButton* B : {OKBtn, CancelBtn, HelpBtn}) Buttons->addWidget(B);
  auto* Lay = new QVBoxLayout(this);
  Lay->addWidget(Heading);
  Lay->addLayout(Kinds);
  Lay->addLayout(Grid);
  Lay->addWidget(CatLabel);
  Lay->addWidget(CatListBox, 1);
  Lay->addWidget(Memo1);
  Lay->addLayout(Buttons);
  resize(400, 420);

  connect(InToggle, &QPushButton::clicked, this, [this] { ShowKind(1); });
  connect(ExToggle, &QPushButton::clicked, this, [this] { ShowKind(2); });
  connect(UpBtn, &QToolButton::clicked, this, [this] { StepNumber(true); });
  connect(DownBtn, &QToolButton::clicked, this, [this] { StepNumber(false); });
  connect(CatListBox, &QListWidget::currentRowChanged, this, [this] { CategoryChanged(); });
  connect(OKBtn, &QPushButton::clicked, this, [this] { OKClicked(); });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(HelpBtn, &QPushButton::clicked, this, [this] { ShowAccountHelp(Mode == 0 ? 9000 : 9001); });
}

bool TNewMainActForm::eventFilter(QObject* Watched, QEvent* E) {
  if ((Watched == InToggle || Watched == ExToggle) && E->type() == QEvent::MouseButtonDblClick) {
    OKClicked();
    return true;
  }
  if (Watched == NumberEdit) {
    if (E->type() == QEvent::KeyPress) {
      const int Key = static_cast<QKeyEvent*>(E)->key();
      if (Key == Qt::Key_Up || Key == Qt::Key_Down) {
        StepNumber(Key == Qt::Key_Up);
        return true;
      }
    } else if (E->type() == QEvent::FocusOut && TrimText(S(NumberEdit->text())) == "0") {
      NumberEdit->setText(QString::number(ZeroReplacement(L.MainActs)));
    }
  }
  return QDialog::eventFilter(Watched, E);
}

void TNewMainActForm::Prepare(int NewMode, int Index) {
  Mode = NewMode;
  MainIndex = Mode == 1 ? Index : -1;
  Renumbered = NameChanged = CatChanged = false;
  if (Mode == 0) {
    setWindowTitle("New Main Account");
    InToggle->setEnabled(true);
    ExToggle->setEnabled(true);
    NameEdit->clear();
    ShowKind(1);
    CatListBox->setCurrentRow(-1);
    CatListBox->clearSelection();
    Memo1->clear();
    NumberEdit->setText(QString::number(L.MainActs.NextActNo()));
    InToggle->setFocus();
  } else {
    const TMainActRec& R = L.MainActs.Items(MainIndex);
    setWindowTitle("Edit Main Account");
    ShowKind(R.Kind);
    InToggle->setEnabled(false);
    ExToggle->setEnabled(false);
    NumberEdit->setText(QString::number(R.ActNo));
    NameEdit->setText(Q(R.Name));
    const TCatRec* Cat = L.Cats.FindPtr(static_cast<std::int16_t>(R.CatID));
    CatListBox->setCurrentRow(-1);
    if (Cat) SelectCategory(Cat->Name);
    NameEdit->setFocus();
  }
  CentreOnWorkArea(this);
}

bool TNewMainActForm::Execute(int NewMode, int Index) {
  Prepare(NewMode, Index);
  return exec() == QDialog::Accepted;
}

void TNewMainActForm::ShowKind(int NewKind) {
  Kind = NewKind == 1 ? 1 : 2;
  (Kind == 1 ? InToggle : ExToggle)->setChecked(true);
  std::vector<const TCatRec*> Cats;
  for (const TCatRec* C : L.Cats.MasterList())
    if (C->Kind == Kind) Cats.push_back(C);
  std::stable_sort(Cats.begin(), Cats.end(),
                   [](const TCatRec* A, const TCatRec* B) { return CompareTextNoCase(A->Name, B->Name) < 0; });
  CatListBox->blockSignals(true);
  CatListBox->clear();
  CatIDs.clear();
  for (const TCatRec* C : Cats) {
    CatListBox->addItem(Q(C->Name));
    CatIDs.push_back(C->CatID);
  }
  CatListBox->blockSignals(false);
  CatListBox->setCurrentRow(Cats.empty() ? -1 : 0);
  CategoryChanged();
}

void TNewMainActForm::SelectCategory(const std::string& CatName) {
  for (int I = 0; I < CatListBox->count(); ++I)
    if (S(CatListBox->item(I)->text()) == CatName) CatListBox->setCurrentRow(I);
  CategoryChanged();
}

void TNewMainActForm::CategoryChanged() {
  QListWidgetItem* It = CatListBox->currentItem();
  Memo1->setPlainText(It && It->isSelected() ? Q(CategoryDescription(S(It->text()))) : QString());
}

void TNewMainActForm::StepNumber(bool Up) {
  NumberEdit->setText(Q(StepMainNumber(L.MainActs, S(NumberEdit->text()), Up)));
}

void TNewMainActForm::OKClicked() {
  const TMainActRec* Own = Mode == 1 ? &L.MainActs.Items(MainIndex) : nullptr;
  QListWidgetItem* CatItem = CatListBox->currentItem();
  const bool CatChosen = CatItem && CatItem->isSelected();
  TMainActCheck C = CheckMainAccount(L.MainActs, S(NumberEdit->text()), S(NameEdit->text()), CatChosen,
                                     Own ? Own->ActNo : -1, Own);
  if (!C.Message.empty()) {
    AccountPrompts().Inform(C.Message);
    if (C.Field == 0) NumberEdit->setFocus();
    if (C.Field == 1) NameEdit->setFocus();
    return;
  }
  Number = C.Number;
  Name = C.Name;
  CatID = CatIDs[CatListBox->currentRow()];
  if (Own) {
    if (Number != Own->ActNo &&
        AccountPrompts().Confirm("The Account Number has been changed.  Do you want to save the changes to the "
                                 "Account Number?", false) == TAskResult::Yes) {
      RenumberMainAccount(L, MainIndex, Number);
      Renumbered = true;
    }
    NameChanged = Name != Own->Name;
    CatChanged = CatID != Own->CatID;
  }
  accept();
}
