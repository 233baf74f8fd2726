#include "ActSearchForm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "AccountPrompts.h"
#include "AccountRules.h"
#include "CentreOnWorkArea.h"
#include "DialogHelpers.h"
#include "Keybd.h"
#include "NumPad.h"
#include "NumberBox.h"
#include "SelectBoxes.h"

bool FoundIsMain = true;
int FoundIndex = -1;

namespace {

QPushButton* Switch(const QString& Text, QButtonGroup* Group, QWidget* Parent) {
  auto* B = new QPushButton(Text, Parent);
  B->setCheckable(true);
  B->setAutoDefault(false);
  Group->addButton(B);
  return B;
}

QGroupBox* Pair(const QString& Title, QPushButton* A, QPushButton* B, QWidget* Parent) {
  auto* Box = new QGroupBox(Title, Parent);
  auto* Lay = new QHBoxLayout(Box);
  Lay->addWidget(A);
  Lay->addWidget(B);
  return Box;
}

}  // namespace

TActSearchForm::TActSearchForm(TBookLists& Lists, QWidget* Parent) : QDialog(Parent), L(Lists) {
  setWindowTitle("Find an Account");
  auto* Nature = new QButtonGroup(this);
  auto* Type = new QButtonGroup(this);
  auto* SearchFor = new QButtonGroup(this);
  NatureBtn1 = Switch("&Main Account", Nature, this);
  ToggleSwitch2 = Switch("&Sub Account", Nature, this);
  TypeBtn1 = Switch("&Income Account", Type, this);
  ToggleSwitch4 = Switch("&Expense Account", Type, this);
  SearchForBtn1 = Switch("Account &Name", SearchFor, this);
  ToggleSwitch6 = Switch("Account &Number", SearchFor, this);
  StyleKindToggle(TypeBtn1, 1);
  StyleKindToggle(ToggleSwitch4, 2);

  SearchSrc = new TNumberBox(this, bsText);
  SelectBox = new TActBox(this);
  SelectBox->SetSelectAllBtnWidth(0);
  SelectBox->SetNumberCaption("No.");
  SelectBox->SetNameCaption("Name");
  SelectBox->SetNumberBtnWidth(70);
  SelectBox->SetListColours(NoteColour(), KindColour(1), KindTextColour(1));

  DispBtn = new QPushButton("&Display Account", this);
  DispBtn->setDefault(true);
  ResetBtn = new QPushButton("&Reset", this);
  CloseBtn = new QPushButton("&Close", this);
  HelpBtn = new QPushButton("&Help", this);
  for (QPushButton* B : {ResetBtn, CloseBtn, HelpBtn}) B->setAutoDefault(false);

  auto* Left = new QVBoxLayout;
  Left->addWidget(Pair("Account Nature", NatureBtn1, ToggleSwitch2, this));
  Left->addWidget(Pair("Account Type", TypeBtn1, ToggleSwitch4, this));
  Left->addWidget(Pair("Search For", SearchForBtn1, ToggleSwitch6, this));
  auto* SearchLabel = new QLabel("Search For:", this);
  SearchLabel->setBuddy(SearchSrc);
  Left->addWidget(SearchLabel);
  Left->addWidget(SearchSrc);
  Left->addStretch();
  auto* Right = new QVBoxLayout;
  Right->addWidget(new QLabel("Items Found:", this));
  Right->addWidget(SelectBox);
  Right->addStretch();
  auto* Buttons = new QHBoxLayout;
  Buttons->addStretch();
  for (QPushButton* B : {DispBtn, ResetBtn, CloseBtn, HelpBtn}) Buttons->addWidget(B);
  auto* Top = new QHBoxLayout;
  Top->addLayout(Left);
  Top->addLayout(Right, 1);
  auto* Main = new QVBoxLayout(this);
  Main->addLayout(Top, 1);
  Main->addLayout(Buttons);
  resize(560, 330);

  auto RefillAndFocus = [this](QAbstractButton*, bool Down) {
    if (!Down) return;
    Refill();
    SearchSrc->setFocus();
  };
  connect(Nature, &QButtonGroup::buttonToggled, this, RefillAndFocus);
  connect(Type, &QButtonGroup::buttonToggled, this, RefillAndFocus);
  connect(SearchForBtn1, &QPushButton::clicked, this, [this] { SearchForClicked(false); });
  connect(ToggleSwitch6, &QPushButton::clicked, this, [this] { SearchForClicked(true); });
  connect(SearchSrc, &QLineEdit::textChanged, this, [this] { Refill(); });
  connect(SearchSrc, &TEditBtn::BtnClick, this, [this] {
    if (ToggleSwitch6->isChecked())
      ShowNumPad(SearchSrc, TPopupPlace::Below);
    else
      ShowKeyboard(SearchSrc, TPopupPlace::Below);
  });
  connect(DispBtn, &QPushButton::clicked, this, [this] { Display(); });
  connect(ResetBtn, &QPushButton::clicked, this, [this] { Reset(); });
  connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(HelpBtn, &QPushButton::clicked, this, [] { ShowAccountHelp(8000); });
  SelectBox->OnSelectedPointChange() = [this] { DispBtn->setEnabled(SelectBox->HighlightedIndex() >= 0); };
  SelectBox->OnDblClick() = [this] {
    if (SelectBox->HighlightedIndex() >= 0) Display();
  };
}

void TActSearchForm::SetNumberMode(bool Numbers) {
  SearchSrc->SetBoxState(Numbers ? bsNumber : bsText);
  SearchSrc->SetAlignment(Numbers ? Qt::AlignRight : Qt::AlignLeft);
}

void TActSearchForm::SetDefaults(bool SubAccounts) {
  HoldRefill = true;
  (SubAccounts ? ToggleSwitch2 : NatureBtn1)->setChecked(true);
  TypeBtn1->setChecked(true);
  SearchForBtn1->setChecked(true);
  SetNumberMode(false);
  HoldRefill = false;
  if (!SearchSrc->text().isEmpty())
    SearchSrc->clear();  // refills
  else
    Refill();
  SelectBox->SizeToRows(12);
}

void TActSearchForm::Prepare(bool SubAccounts) {
  CentreOnWorkArea(this);
  SetDefaults(SubAccounts);
}

void TActSearchForm::Reset() {
  SetDefaults(false);
  SearchSrc->setFocus();
}

void TActSearchForm::SearchForClicked(bool Numbers) {
  if (!SearchSrc->text().isEmpty()) SearchSrc->clear();
  SetNumberMode(Numbers);
  SearchSrc->setFocus();
}

void TActSearchForm::Refill() {
  if (HoldRefill) return;
  FoundIndex = -1;
  const bool Subs = ToggleSwitch2->isChecked();
  const int Kind = TypeBtn1->isChecked() ? 1 : 2;
  const bool ByNumber = ToggleSwitch6->isChecked();
  const std::string Text = S(SearchSrc->text());
  auto Matches = [&](const std::string& Name, std::int32_t No) {
    if (Text.empty()) return true;
    return ByNumber ? SearchNumberMatches(No, Text) : SearchNameMatches(Name, Text);
  };
  SelectBox->Clear();
  SelectBox->BeginUpdate();
  if (Subs) {
    for (TSubActRec* R : L.SubActs.MasterList())
      if (R->Kind == Kind && Matches(R->Name, R->ActNo)) SelectBox->AddItem(R, R->Name, true, R->ActNo, R->MainActNo);
  } else {
    for (TMainActRec* R : L.MainActs.MasterList())
      if (R->Kind == Kind && Matches(R->Name, R->ActNo)) SelectBox->AddItem(R, R->Name, true, 0, R->ActNo);
  }
  SelectBox->EndUpdate();
  SelectBox->SetListColours(NoteColour(), KindColour(Kind), KindTextColour(Kind));
  DispBtn->setEnabled(SelectBox->HighlightedIndex() >= 0);
}

void TActSearchForm::Display() {
  const TSelectionItem* It = SelectBox->Item(SelectBox->HighlightedIndex());
  if (!It) return;
  FoundIsMain = It->SecondNumber == 0;
  FoundIndex = FoundIsMain ? L.MainActs.IndexOfNo(It->Number) : L.SubActs.IndexOfNo(It->Number, It->SecondNumber);
  accept();
}

bool ShowAccountSearch(TBookLists& Lists, bool SubAccounts, QWidget* Parent) {
  TActSearchForm Form(Lists, Parent);
  Form.Prepare(SubAccounts);
  return Form.exec() == QDialog::Accepted;
}
