#include "GroupForm.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "AccountPrompts.h"
#include "AccountRules.h"
#include "CentreOnWorkArea.h"
#include "DialogHelpers.h"
#include "SelectBoxes.h"
#include "TextInputForm.h"

namespace {
constexpr int GroupLetter = -71;  // rows show "G" + number
}

TGroup::TGroup(TBookLists& Lists, QWidget* Parent) : QDialog(Parent), L(Lists) {
  setWindowTitle("Groups");
  SelectBox = new TActBox(this);
  SelectBox->SetSelectAllBtnWidth(0);
  SelectBox->SetNumberCaption("No.");
  SelectBox->SetNameCaption("Name");
  SelectBox->SetListColours(NoteColour(), QColor(0, 0, 255), QColor(255, 255, 255));
  NewBtn = new QPushButton("&New", this);
  EditBtn = new QPushButton("&Edit", this);
  DelBtn = new QPushButton("&Delete", this);
  CloseBtn = new QPushButton("&Close", this);
  HelpBtn = new QPushButton("&Help", this);
  CloseBtn->setDefault(true);
  for (QPushButton* B : {NewBtn, EditBtn, DelBtn, HelpBtn}) B->setAutoDefault(false);
  auto* Right = new QVBoxLayout;
  for (QPushButton* B : {NewBtn, EditBtn, DelBtn}) Right->addWidget(B);
  Right->addStretch();
  Right->addWidget(CloseBtn);
  Right->addWidget(HelpBtn);
  auto* Lay = new QHBoxLayout(this);
  Lay->addWidget(SelectBox, 1);
  Lay->addLayout(Right);
  resize(400, 300);

  SelectBox->OnSelectedPointChange() = [this] { SelectionChanged(); };
  SelectBox->OnDblClick() = [this] {
    if (EditBtn->isEnabled()) EditClicked();
  };
  connect(NewBtn, &QPushButton::clicked, this, [this] { NewClicked(); });
  connect(EditBtn, &QPushButton::clicked, this, [this] { EditClicked(); });
  connect(DelBtn, &QPushButton::clicked, this, [this] { DelClicked(); });
  connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(HelpBtn, &QPushButton::clicked, this, [] { ShowAccountHelp(11000); });
}

void TGroup::Fill() {
  std::vector<TGroupRec*> Recs(L.Groups.MasterList().begin(), L.Groups.MasterList().end());
  std::stable_sort(Recs.begin(), Recs.end(), [](auto* A, auto* B) { return A->GroupNo < B->GroupNo; });
  SelectBox->Clear();
  SelectBox->BeginUpdate();
  for (TGroupRec* G : Recs) SelectBox->AddItem(G, G->Name, true, GroupLetter, G->GroupNo);
  SelectBox->EndUpdate();
}

void TGroup::Prepare(int Row) {
  ChangedFlag = false;
  Deleted = TDeletedRows();
  Fill();
  const TGroupRec* Rec = Row >= 0 ? L.Groups.ViewItems(Row) : nullptr;
  if (Rec)
    SelectRecord(Rec);
  else
    SelectBox->SetHighlightedIndex(SelectBox->ItemCount() > 0 ? 0 : -1);
  SelectionChanged();
  CentreOnWorkArea(this);
}

void TGroup::SelectRecord(const TGroupRec* Rec) {
  for (int I = 0; I < SelectBox->ItemCount(); ++I)
    if (SelectBox->Item(I)->Record == Rec) SelectBox->SetHighlightedIndex(I);
}

TGroupRec* TGroup::SelectedGroup() const {
  const TSelectionItem* It = SelectBox->Item(SelectBox->HighlightedIndex());
  return It ? static_cast<TGroupRec*>(It->Record) : nullptr;
}

void TGroup::SelectionChanged() {
  const TGroupRec* G = SelectedGroup();
  EditBtn->setEnabled(G && G->GroupNo != 0);
  DelBtn->setEnabled(G && G->GroupNo != 0);
  GroupIndex = G ? L.Groups.IndexOf(G) : -1;
}

void TGroup::NewClicked() {
  if (!AccountPasswordCheck(poAdding)) return;
  std::string Name;
  auto Check = [this](std::string& T) { return L.Groups.ValidateName(T, AccountPrompts()); };
  if (!ShowTextInput("New Group", "Enter the Name of the new Group", Name, Check, this)) return;
  TGroupRec& G = L.Groups.NewGroup(Name);
  G.InSelection = true;
  L.Groups.Recount();
  SelectBox->AddItem(&G, G.Name, true, GroupLetter, G.GroupNo);
  SelectBox->ListBox()->SortItems();
  SelectRecord(&G);
  ChangedFlag = true;
}

void TGroup::EditClicked() {
  TGroupRec* G = SelectedGroup();
  if (!G || G->GroupNo == 0) return;
  if (!AccountPasswordCheck(poEditing)) return;
  std::string Name = G->Name;
  auto Check = [this](std::string& T) { return L.Groups.ValidateName(T, AccountPrompts()); };
  if (!ShowTextInput("Edit Group Name", "Enter the new Name for the Group", Name, Check, this)) return;
  if (Name == G->Name) return;
  G->Name = Name;
  SelectBox->RenameItem(SelectBox->HighlightedIndex(), Name);
  L.Groups.NotifyChanged(L.Groups.IndexOf(G));
  ChangedFlag = true;
}

void TGroup::DelClicked() {
  TGroupRec* G = SelectedGroup();
  if (!G || G->GroupNo == 0) return;
  if (!AccountPasswordCheck(poDeleting)) return;
  const std::string Name = G->Name;
  if (AccountPrompts().Confirm("Delete Group - '" + Name + "'?", true) != TAskResult::Yes) return;
  if (TransUseGroup(L.Trans, G->GroupNo)) {
    AccountPrompts().Inform("Group - '" + Name + "' can't be deleted " +
                            "because it is being used by one or more Transactions.");
    return;
  }
  const int Row = SelectBox->HighlightedIndex();
  Deleted.Groups.push_back(G->ViewIndex);
  L.Groups.Delete(L.Groups.IndexOf(G));
  L.Groups.Recount();
  SelectBox->DeleteItem(Row);
  SelectBox->SetHighlightedIndex(SelectBox->ItemCount() > 0 ? 0 : -1);
  ChangedFlag = true;
}

bool ShowGroupEditor(TBookLists& Lists, int Row, QWidget* Parent, TDeletedRows* Deleted) {
  TGroup Form(Lists, Parent);
  Form.Prepare(Row);
  Form.exec();
  if (Deleted) Deleted->Groups.insert(Deleted->Groups.end(), Form.Deleted.Groups.begin(), Form.Deleted.Groups.end());
  return Form.Changed();
}
