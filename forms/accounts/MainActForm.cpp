#include "MainActForm.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "AccountPrompts.h"
#include "AccountRules.h"
#include "ActSearchForm.h"
#include "CatForm.h"
#include "CentreOnWorkArea.h"
#include "DialogHelpers.h"
#include "FixedText.h"
#include "Helpers.h"
#include "NewMainActForm.h"
#include "SelectBoxes.h"

namespace {

const char* const NoAccountsText = "There a no Accounts.  Click the 'New' button to create some";

QLineEdit* Edit(int MaxLength, QWidget* Parent) {
  auto* E = new QLineEdit(Parent);
  E->setMaxLength(MaxLength);
  return E;
}

QLabel* Panel(QWidget* Parent) {
  auto* P = new QLabel(Parent);
  P->setTextFormat(Qt::PlainText);
  P->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  P->setMargin(3);
  return P;
}

}  // namespace

TMainActForm::TMainActForm(TBookLists& Lists, QWidget* Parent) : QDialog(Parent), L(Lists) {
  setWindowTitle("Accounts");
  NewBtn = new QPushButton("&New", this);
  NewBtn->setToolTip("Create a new Main Account");
  FindBtn = new QPushButton("&Find", this);
  FindBtn->setToolTip("Find an Account");
  EditBtn = new QPushButton("&Edit", this);
  EditBtn->setToolTip("Edit this Main Account");
  DeleteBtn = new QPushButton("&Delete", this);
  DeleteBtn->setToolTip("Delete this Main Account");
  CatBtn = new QPushButton("&Categories...", this);
  CatBtn->setToolTip("Create & edit Categories");
  BackBtn = new QToolButton(this);
  BackBtn->setArrowType(Qt::LeftArrow);
  BackBtn->setToolTip("Previous Main Account");
  ForwardBtn = new QToolButton(this);
  ForwardBtn->setArrowType(Qt::RightArrow);
  ForwardBtn->setToolTip("Next Main Account");
  for (QToolButton* B : {BackBtn, ForwardBtn}) {
    B->setAutoRepeat(true);
    B->setFixedSize(28, 28);
  }
  ActNoPanel = Panel(this);
  ActNoPanel->setMinimumWidth(70);
  ActNamePanel = Panel(this);
  ActCatPanel = Panel(this);

  SelectBox = new TActBox(this);
  SelectBox->SetSelectAllBtnWidth(0);
  SelectBox->SetNumberCaption("No.");
  SelectBox->SetNameCaption("Name");
  SelectBox->SetNumberBtnWidth(70);
  SelectBox->setMinimumWidth(250);
  NewSubBtn = new QPushButton("New Sub &Account", this);
  NewSubBtn->setToolTip("Create a new Sub Account");
  EditSubBtn = new QPushButton("Ed&it", this);
  EditSubBtn->setToolTip("Edit Sub Account");
  DelSubBtn = new QPushButton("Dele&te", this);
  DelSubBtn->setToolTip("Delete Sub Account");
  SubOKBtn = new QPushButton("&Save Changes", this);
  SubCancelBtn = new QPushButton("&Cance&l", this);

  DetailPanel = new QWidget(this);
  NumberLabel = new QLabel(DetailPanel);
  NameEdit = Edit(40, DetailPanel);
  auto* DetailLay = new QFormLayout(DetailPanel);
  DetailLay->addRow("Account Number", NumberLabel);
  DetailLay->addRow("Name", NameEdit);
  ContactPanel = new QWidget(this);
  ContactEdit = Edit(40, ContactPanel);
  AddressEdit = Edit(50, ContactPanel);
  SuburbEdit = Edit(35, ContactPanel);
  StateEdit = Edit(3, ContactPanel);
  PostCodeEdit = Edit(6, ContactPanel);
  PhoneEdit = Edit(18, ContactPanel);
  FaxEdit = Edit(18, ContactPanel);
  MobileEdit = Edit(18, ContactPanel);
  NotesMemo = new QPlainTextEdit(ContactPanel);
  NotesMemo->setFixedHeight(60);
  auto* StateRow = new QHBoxLayout;
  StateRow->addWidget(StateEdit);
  StateRow->addWidget(new QLabel("Post #", ContactPanel));
  StateRow->addWidget(PostCodeEdit);
  StateRow->addStretch();
  StateEdit->setMaximumWidth(50);
  PostCodeEdit->setMaximumWidth(70);
  auto* ContactLay = new QFormLayout(ContactPanel);
  ContactLay->addRow("Contact", ContactEdit);
  ContactLay->addRow("Address", AddressEdit);
  ContactLay->addRow("Suburb", SuburbEdit);
  ContactLay->addRow("State", StateRow);
  ContactLay->addRow("Phone", PhoneEdit);
  ContactLay->addRow("Fax", FaxEdit);
  ContactLay->addRow("Mobile", MobileEdit);
  ContactLay->addRow("Notes", NotesMemo);

  OKBtn = new QPushButton("&OK", this);
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton("&Cancel", this);
  HelpBtn = new QPushButton("&Help", this);
  for (QPushButton* B : {NewBtn, FindBtn, EditBtn, DeleteBtn, CatBtn, NewSubBtn, EditSubBtn, DelSubBtn, SubOKBtn,
                         SubCancelBtn, CancelBtn, HelpBtn})
    B->setAutoDefault(false);
  MainDialog = new TNewMainActForm(L, this);

  auto* Top = new QHBoxLayout;
  for (QPushButton* B : {NewBtn, FindBtn, EditBtn, DeleteBtn, CatBtn}) Top->addWidget(B);
  Top->addStretch();
  auto* Panels = new QHBoxLayout;
  Panels->addWidget(BackBtn);
  Panels->addWidget(ActNoPanel);
  Panels->addWidget(ActNamePanel, 2);
  Panels->addWidget(ActCatPanel, 1);
  Panels->addWidget(ForwardBtn);
  auto* SubButtons = new QGridLayout;
  SubButtons->addWidget(NewSubBtn, 0, 0);
  SubButtons->addWidget(EditSubBtn, 0, 1);
  SubButtons->addWidget(DelSubBtn, 0, 2);
  SubButtons->addWidget(SubOKBtn, 1, 0, 1, 2);
  SubButtons->addWidget(SubCancelBtn, 1, 2);
  auto* Left = new QVBoxLayout;
  Left->addWidget(SelectBox, 1);
  Left->addLayout(SubButtons);
  auto* Right = new QVBoxLayout;
  Right->addWidget(DetailPanel);
  Right->addWidget(ContactPanel);
  Right->addStretch();
  auto* Middle = new QHBoxLayout;
  Middle->addLayout(Left);
  Middle->addSpacing(24);  // room for the connector to the selected sub account
  Middle->addLayout(Right, 1);
  auto* Bottom = new QHBoxLayout;
  Bottom->addStretch();
  for (QPushButton* B : {OKBtn, CancelBtn, HelpBtn}) Bottom->addWidget(B);
  auto* Lay = new QVBoxLayout(this);
  Lay->addLayout(Top);
  Lay->addLayout(Panels);
  Lay->addLayout(Middle, 1);
  Lay->addLayout(Bottom);
  resize(680, 470);

  connect(NewBtn, &QPushButton::clicked, this, [this] { NewMainClicked(); });
  connect(FindBtn, &QPushButton::clicked, this, [this] { FindClicked(); });
  connect(EditBtn, &QPushButton::clicked, this, [this] { EditMainClicked(); });
  connect(DeleteBtn, &QPushButton::clicked, this, [this] { DeleteMainClicked(); });
  connect(CatBtn, &QPushButton::clicked, this, [this] { CatClicked(); });
  connect(BackBtn, &QToolButton::clicked, this, [this] { Navigate(-1); });
  connect(ForwardBtn, &QToolButton::clicked, this, [this] { Navigate(1); });
  connect(NewSubBtn, &QPushButton::clicked, this, [this] { NewSubClicked(); });
  connect(EditSubBtn, &QPushButton::clicked, this, [this] { EditSubClicked(); });
  connect(DelSubBtn, &QPushButton::clicked, this, [this] { DeleteSubClicked(); });
  connect(SubOKBtn, &QPushButton::clicked, this, [this] { SaveSubClicked(); });
  connect(SubCancelBtn, &QPushButton::clicked, this, [this] { CancelSubClicked(); });
  connect(OKBtn, &QPushButton::clicked, this, [this] { OKClicked(); });
  connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelClicked(); });
  connect(HelpBtn, &QPushButton::clicked, this, [] { ShowAccountHelp(10000); });
  connect(NameEdit, &QLineEdit::textChanged, this, [this] { NameTyped(); });
  SelectBox->OnSelectedPointChange() = [this] { SelectionMoved(); };
  SelectBox->OnAllowChange() = [this](QObject*, bool& Allow) { Allow = ResolvePending(true); };
  Lock(true);
  ShowSaveButtons(false);
}

// ---- showing -----------------------------------------------------------------------------

TMainActRec* TMainActForm::CurrentMain() const {
  return MainIdx >= 0 && MainIdx < L.MainActs.Count() ? &L.MainActs.Items(MainIdx) : nullptr;
}

std::string TMainActForm::EntryText() const {
  const TSelectionItem* It = SelectBox->Item(SelectBox->HighlightedIndex());
  return It ? It->Name : std::string();
}

void TMainActForm::ShowMain() {
  FieldsLoaded = false;
  MainIdx = std::clamp(MainIdx, 0, std::max(0, L.MainActs.Count() - 1));
  TMainActRec* R = CurrentMain();
  for (QLabel* P : {ActNoPanel, ActNamePanel, ActCatPanel}) P->setVisible(R != nullptr);
  SelectBox->Clear();
  if (R) {
    const QString Style =
        QString("QLabel { background-color: %1; color: %2; font-weight: bold; }")
            .arg(KindColour(R->Kind).name(), KindTextColour(R->Kind).name());
    ActNoPanel->setText(Q("#" + std::to_string(R->ActNo)));
    ActNamePanel->setText(Q(R->Name));
    const TCatRec* Cat = L.Cats.FindPtr(static_cast<std::int16_t>(R->CatID));
    ActCatPanel->setText(Cat ? Q(Cat->Name) : QString());
    for (QLabel* P : {ActNoPanel, ActNamePanel, ActCatPanel}) P->setStyleSheet(Style);
    SelectBox->SetListColours(NoteColour(), KindColour(R->Kind), KindTextColour(R->Kind));
    SelectBox->BeginUpdate();
    for (TSubActRec* S : L.SubActs.MasterList())
      if (S->MainActNo == R->ActNo) SelectBox->AddItem(S, S->Name, true, S->ActNo, R->ActNo);
    SelectBox->EndUpdate();
  }
  SubIdx = -1;
  SelSubNo = -1;
  ClearFields();
  FieldsLoaded = true;
  UpdateButtons();
  update();
}

void TMainActForm::UpdateButtons() {
  const bool Any = L.MainActs.Count() > 0;
  for (QPushButton* B : {FindBtn, EditBtn, DeleteBtn, NewSubBtn}) B->setEnabled(Any);
  EditSubBtn->setEnabled(FieldsLocked && SelectBox->ItemCount() > 0);
  DelSubBtn->setEnabled(FieldsLocked && SelectBox->ItemCount() > 0);
  BackBtn->setEnabled(MainIdx > 0);
  ForwardBtn->setEnabled(MainIdx < L.MainActs.Count() - 1);
}

void TMainActForm::SelectFirstSub() {
  if (SelectBox->ItemCount() > 0)
    SelectBox->SetHighlightedIndex(0);
  else {
    SubIdx = -1;
    ClearFields();
  }
}

void TMainActForm::SelectSubByNumbers(std::int32_t MainNo, std::int32_t SubNo) {
  if (SelectBox->HighlightByNumbers(MainNo, SubNo) < 0) SelectFirstSub();
}

void TMainActForm::SelectionMoved() {
  update();  // the connector follows the selected row
  const TSelectionItem* It = SelectBox->Item(SelectBox->HighlightedIndex());
  if (!It || !It->Record || SubIdx == -2) return;
  const int Idx = L.SubActs.IndexOfNo(It->Number, It->SecondNumber);
  if (Idx == SubIdx) return;
  SubIdx = Idx;
  SelSubNo = It->SecondNumber;
  LoadFields();
}

void TMainActForm::LoadFields() {
  if (SubIdx < 0) return;
  const TSubActRec& R = L.SubActs.Items(SubIdx);
  FieldsLoaded = false;
  NumberLabel->setText(Q(std::to_string(R.MainActNo) + " - " + std::to_string(R.ActNo)));
  NameEdit->setText(Q(R.Name));
  ContactEdit->setText(Q(R.Contact));
  AddressEdit->setText(Q(R.Address));
  SuburbEdit->setText(Q(R.Suburb));
  StateEdit->setText(Q(R.State));
  PostCodeEdit->setText(Q(R.PostCode));
  PhoneEdit->setText(Q(R.Phone));
  FaxEdit->setText(Q(R.Fax));
  MobileEdit->setText(Q(R.Mobile));
  NotesMemo->setPlainText(Q(R.Notes));
  FieldsLoaded = true;
}

void TMainActForm::ClearFields() {
  const bool Was = FieldsLoaded;
  FieldsLoaded = false;
  NumberLabel->clear();
  for (QLineEdit* E : {NameEdit, ContactEdit, AddressEdit, SuburbEdit, StateEdit, PostCodeEdit, PhoneEdit, FaxEdit,
                       MobileEdit})
    E->clear();
  NotesMemo->clear();
  FieldsLoaded = Was;
}

void TMainActForm::Lock(bool On) {
  FieldsLocked = On;
  DetailPanel->setEnabled(!On);
  ContactPanel->setEnabled(!On);
  if (On) {
    NameEdit->setStyleSheet("QLineEdit { background-color: rgb(249,249,196); color: black; border: none; }");
    ContactPanel->setStyleSheet(
        "QLineEdit, QPlainTextEdit { background-color: rgb(200,232,210); color: black; } QLabel { color: black; }");
    DetailPanel->setStyleSheet("QLabel { color: black; }");
  } else {
    NameEdit->setStyleSheet(QString());
    ContactPanel->setStyleSheet(QString());
    DetailPanel->setStyleSheet(QString());
  }
  SelectBox->SetAskBeforeChange(!On);
  if (On) UpdateButtons();
}

void TMainActForm::ShowSaveButtons(bool On) {
  SubOKBtn->setVisible(On);
  SubCancelBtn->setVisible(On);
}

void TMainActForm::NameTyped() {
  if (FieldsLoaded && !FieldsLocked)
    SelectBox->RenameItem(SelectBox->HighlightedIndex(), TrimText(S(NameEdit->text())));
}

void TMainActForm::paintEvent(QPaintEvent* E) {
  QDialog::paintEvent(E);
  const TMainActRec* R = CurrentMain();
  const int Point = SelectBox->SelectedPoint();
  if (!R || Point < 0 || !SelectBox->isVisible()) return;
  // Connector from the selected sub account to its details.
  const QPoint From = SelectBox->mapTo(this, QPoint(SelectBox->width(), Point));
  const QPoint To = DetailPanel->mapTo(this, QPoint(0, NameEdit->geometry().center().y()));
  const int MidX = From.x() + 10;
  QPainter P(this);
  P.setRenderHint(QPainter::Antialiasing);
  QPen Pen(KindColour(R->Kind).darker(R->Kind == 1 ? 150 : 110), 3);
  P.setPen(Pen);
  P.drawPolyline(QPolygon({From + QPoint(6, 0), QPoint(MidX, From.y()), QPoint(MidX, To.y()), To - QPoint(4, 0)}));
  P.setPen(Qt::NoPen);
  P.setBrush(Pen.color());
  P.drawPolygon(QPolygon({From + QPoint(1, 0), From + QPoint(8, -5), From + QPoint(8, 5)}));
}

void TMainActForm::showEvent(QShowEvent* E) {
  QDialog::showEvent(E);
  if (L.MainActs.Count() == 0)
    QTimer::singleShot(0, this, [] { AccountPrompts().Inform(NoAccountsText); });
}

void TMainActForm::Prepare(int MainIndex, int SubIndex) {
  MainResortFlag = SubResortFlag = CatRecomputeFlag = ChangedFlag = false;
  Deleted = TDeletedRows();
  // Browsing goes in number order: sort the master lists, keeping the records asked for.
  const TMainActRec* Main = MainIndex >= 0 && MainIndex < L.MainActs.Count() ? &L.MainActs.Items(MainIndex) : nullptr;
  const TSubActRec* Sub = SubIndex >= 0 && SubIndex < L.SubActs.Count() ? &L.SubActs.Items(SubIndex) : nullptr;
  L.MainActs.SortByID();
  L.SubActs.SortByID();
  MainIdx = Main ? L.MainActs.IndexOf(Main) : 0;
  if (Sub && (!Main || Sub->MainActNo != Main->ActNo)) MainIdx = L.MainActs.IndexOfNo(Sub->MainActNo);
  Lock(true);
  ShowSaveButtons(false);
  ShowMain();
  if (Sub && CurrentMain() && Sub->MainActNo == CurrentMain()->ActNo)
    SelectSubByNumbers(Sub->MainActNo, Sub->ActNo);
  else
    SelectFirstSub();
  UpdateButtons();
  CentreOnWorkArea(this);
}

// ---- sub accounts -----------------------------------------------------------------------------

bool TMainActForm::FieldsDiffer(const TSubActRec& R) const {
  return TrimText(S(NameEdit->text())) != R.Name || S(ContactEdit->text()) != R.Contact ||
         S(AddressEdit->text()) != R.Address || S(SuburbEdit->text()) != R.Suburb ||
         S(StateEdit->text()) != R.State || S(PostCodeEdit->text()) != R.PostCode ||
         S(PhoneEdit->text()) != R.Phone || S(FaxEdit->text()) != R.Fax || S(MobileEdit->text()) != R.Mobile ||
         S(NotesMemo->toPlainText()) != R.Notes;
}

void TMainActForm::WriteFields(TSubActRec& R) const {
  R.Name = CutToChars(TrimText(S(NameEdit->text())), 40);
  R.Contact = CutToChars(S(ContactEdit->text()), 40);
  R.Address = CutToChars(S(AddressEdit->text()), 50);
  R.Suburb = CutToChars(S(SuburbEdit->text()), 35);
  R.State = CutToChars(S(StateEdit->text()), 3);
  R.PostCode = CutToChars(S(PostCodeEdit->text()), 6);
  R.Phone = CutToChars(S(PhoneEdit->text()), 18);
  R.Fax = CutToChars(S(FaxEdit->text()), 18);
  R.Mobile = CutToChars(S(MobileEdit->text()), 18);
  R.Notes = CutToChars(S(NotesMemo->toPlainText()), 255);
}

void TMainActForm::RemovePendingEntry() {
  for (int I = 0; I < SelectBox->ItemCount(); ++I)
    if (!SelectBox->Item(I)->Record) {
      SelectBox->DeleteItem(I);
      break;
    }
  SubIdx = -1;
}

bool TMainActForm::CreatePendingSub() {
  TMainActRec* Main = CurrentMain();
  const std::string Name = TrimText(S(NameEdit->text()));
  const std::string Error = SubNameError(L.SubActs, Main->ActNo, Name);
  if (!Error.empty()) {
    AccountPrompts().Inform(Error);
    NameEdit->setFocus();
    NameEdit->selectAll();
    return false;
  }
  auto Rec = std::make_unique<TSubActRec>();
  WriteFields(*Rec);
  Rec->MainActNo = Main->ActNo;
  Rec->MainAct = Main;
  Rec->ActNo = PendingNo;
  Rec->Kind = Main->Kind;
  Rec->InSelection = true;
  TSubActRec* Raw = Rec.get();
  L.SubActs.Add(std::move(Rec));
  L.SubActs.SortByID();
  SubResortFlag = ChangedFlag = true;
  // The list again, with the new record in place of the pending entry.
  SubIdx = -1;
  const int Keep = MainIdx;
  ShowMain();
  MainIdx = Keep;
  SelectSubByNumbers(Raw->MainActNo, Raw->ActNo);
  ShowSaveButtons(false);
  Lock(true);
  return true;
}

bool TMainActForm::SaveExistingSub() {
  TSubActRec& R = L.SubActs.Items(SubIdx);
  const std::string Name = TrimText(S(NameEdit->text()));
  if (Name != R.Name && !SameTextNoCase(Name, R.Name)) {
    const std::string Error = SubNameError(L.SubActs, R.MainActNo, Name);
    if (!Error.empty()) {
      AccountPrompts().Inform(Error);
      NameEdit->setFocus();
      NameEdit->selectAll();
      return false;
    }
  }
  SelectBox->RenameItem(SelectBox->HighlightedIndex(), Name);
  WriteFields(R);
  L.SubActs.NotifyChanged(SubIdx);
  ChangedFlag = true;
  ShowSaveButtons(false);
  Lock(true);
  return true;
}

bool TMainActForm::ResolvePending(bool FromNewOrList) {
  (void)FromNewOrList;  // a saved new sub account always refills the list (see CreatePendingSub)
  if (FieldsLocked) return true;
  const QString Trimmed = Q(TrimText(S(NameEdit->text())));
  if (NameEdit->text() != Trimmed) NameEdit->setText(Trimmed);
  if (SubIdx == -2) {
    switch (AccountPrompts().Confirm("Save New Sub Account  - '" + EntryText() + "'", true)) {
      case TAskResult::Cancel: return false;
      case TAskResult::No:
        RemovePendingEntry();
        ShowSaveButtons(false);
        Lock(true);
        SelectFirstSub();
        return true;
      case TAskResult::Yes:
        if (!CreatePendingSub()) return false;
        SelectFirstSub();
        return true;
    }
  }
  if (SubIdx >= 0 && FieldsDiffer(L.SubActs.Items(SubIdx))) {
    switch (AccountPrompts().Confirm("Save changes to Sub Account  - '" + EntryText() + "'", true)) {
      case TAskResult::Cancel: return false;
      case TAskResult::No:
        SelectBox->RenameItem(SelectBox->HighlightedIndex(), L.SubActs.Items(SubIdx).Name);
        ShowSaveButtons(false);
        Lock(true);
        LoadFields();
        return true;
      case TAskResult::Yes: return SaveExistingSub();
    }
  }
  ShowSaveButtons(false);
  Lock(true);
  return true;
}

void TMainActForm::NewSubClicked() {
  TMainActRec* Main = CurrentMain();
  if (!Main) return;
  if (!AccountPasswordCheck(poAdding)) return;
  if (!ResolvePending(true)) return;
  Main = CurrentMain();
  FieldsLoaded = false;
  ClearFields();
  Lock(false);
  EditSubBtn->setEnabled(false);
  DelSubBtn->setEnabled(false);
  SubOKBtn->setText("&Save New Sub Account");
  ShowSaveButtons(true);
  PendingNo = L.SubActs.NextSubNo(Main->ActNo);
  SubIdx = -2;
  SelSubNo = -2;
  SelectBox->AddItem(nullptr, "<New Sub Account>", true, PendingNo, Main->ActNo);
  SelectBox->SetHighlightedIndex(SelectBox->ItemCount() - 1);
  NumberLabel->setText(Q(std::to_string(Main->ActNo) + " - " + std::to_string(PendingNo)));
  FieldsLoaded = true;
  NameEdit->setFocus();
}

void TMainActForm::EditSubClicked() {
  if (SubIdx < 0) return;
  if (!AccountPasswordCheck(poEditing)) return;
  Lock(false);
  EditSubBtn->setEnabled(false);
  NewSubBtn->setEnabled(false);
  DelSubBtn->setEnabled(false);
  SubOKBtn->setText("&Save Changes");
  ShowSaveButtons(true);
  NameEdit->setFocus();
}

void TMainActForm::SaveSubClicked() {
  if (SubIdx == -2)
    CreatePendingSub();
  else if (SubIdx >= 0)
    SaveExistingSub();
}

void TMainActForm::CancelSubClicked() {
  if (SubIdx == -2) {
    RemovePendingEntry();
    ShowSaveButtons(false);
    Lock(true);
    SelectFirstSub();
    return;
  }
  if (SubIdx >= 0) {
    SelectBox->RenameItem(SelectBox->HighlightedIndex(), L.SubActs.Items(SubIdx).Name);
    LoadFields();
  }
  ShowSaveButtons(false);
  Lock(true);
}

void TMainActForm::DeleteSubClicked() {
  const bool Pending = SubIdx == -2;
  if (!Pending && !ResolvePending()) return;
  if (SelectBox->HighlightedIndex() < 0) return;
  if (!AccountPasswordCheck(poDeleting)) return;
  if (AccountPrompts().Confirm("Delete Sub Account - '" + EntryText() + "'", true) != TAskResult::Yes) return;
  if (Pending) {
    RemovePendingEntry();
    ShowSaveButtons(false);
    Lock(true);
  } else {
    const TSubActRec& R = L.SubActs.Items(SubIdx);
    if (TransUseSub(L.Trans, R.MainActNo, R.ActNo)) {
      AccountPrompts().Inform("Sub Account - " + R.Name +
                              " - can't be deleted because its being used by one or more transactions.");
      return;
    }
    const int Row = SelectBox->HighlightedIndex();
    Deleted.SubActs.push_back(R.ViewIndex);
    L.SubActs.Delete(SubIdx);
    L.SubActs.Recount();
    SubIdx = -1;
    SelectBox->DeleteItem(Row);
    ChangedFlag = true;
  }
  SelectFirstSub();
  SelectBox->FocusList();
  UpdateButtons();
}

// ---- main accounts ------------------------------------------------------------------------------

void TMainActForm::Navigate(int Step) {
  if (!ResolvePending()) return;
  Lock(true);
  const int To = MainIdx + Step;
  if (To < 0 || To >= L.MainActs.Count()) return;
  MainIdx = To;
  ShowMain();
  SelectFirstSub();
}

void TMainActForm::NewMainClicked() {
  if (!ResolvePending()) return;
  if (!AccountPasswordCheck(poAdding)) return;
  if (!MainDialog->Execute(0, -1)) return;
  auto Rec = std::make_unique<TMainActRec>();
  Rec->ActNo = MainDialog->Number;
  Rec->Name = CutToChars(MainDialog->Name, 40);
  Rec->Kind = static_cast<std::uint8_t>(MainDialog->Kind);
  Rec->CatID = MainDialog->CatID;
  Rec->InSelection = true;
  TMainActRec* Raw = Rec.get();
  L.MainActs.Add(std::move(Rec));
  L.MainActs.SortByID();
  MainIdx = L.MainActs.IndexOf(Raw);
  ShowMain();
  MainResortFlag = ChangedFlag = true;
}

void TMainActForm::EditMainClicked() {
  if (!ResolvePending()) return;
  if (!AccountPasswordCheck(poEditing)) return;
  TMainActRec* R = CurrentMain();
  if (!R || !MainDialog->Execute(1, MainIdx)) return;
  TNewMainActForm& D = *MainDialog;
  bool Store = false;
  if (D.NameChanged || D.CatChanged) {
    // With a confirmed new number the name and category typed in the same dialog are kept too.
    Store = D.Renumbered ||
            AccountPrompts().Confirm("Save Changes to Current Main Account?", true) == TAskResult::Yes;
    if (!Store && !D.Renumbered) return;
  }
  if (Store) {
    R->Name = CutToChars(D.Name, 40);
    if (D.CatChanged) {
      R->CatID = D.CatID;
      CatRecomputeFlag = true;
    }
    L.MainActs.NotifyChanged(L.MainActs.IndexOf(R));
  }
  if (D.Renumbered) {
    L.MainActs.SortByID();
    L.SubActs.SortByID();
    SubResortFlag = true;
  }
  if (!Store && !D.Renumbered) return;
  MainResortFlag = ChangedFlag = true;
  const int KeepSub = SubIdx >= 0 && !D.Renumbered ? L.SubActs.Items(SubIdx).ActNo : -1;
  MainIdx = L.MainActs.IndexOf(R);
  ShowMain();
  if (KeepSub >= 0)
    SelectSubByNumbers(R->ActNo, KeepSub);
  else
    SelectFirstSub();
}

void TMainActForm::DeleteMainClicked() {
  if (!ResolvePending()) return;
  if (!AccountPasswordCheck(poDeleting)) return;
  TMainActRec* R = CurrentMain();
  if (!R) return;
  const std::string Name = R->Name;
  if (AccountPrompts().Confirm("Delete Account - " + Name, true) != TAskResult::Yes) return;
  if (TransUseMain(L.Trans, R->ActNo)) {
    AccountPrompts().Inform("Main Account - " + Name +
                            " - can't be deleted because its being used by one or more transactions.");
    return;
  }
  DeleteMainAccount(L, MainIdx, &Deleted);
  MainResortFlag = SubResortFlag = ChangedFlag = true;
  MainIdx = MainIdx > 0 ? MainIdx - 1 : 0;
  ShowMain();
  SelectFirstSub();
  if (L.MainActs.Count() == 0) AccountPrompts().Inform(NoAccountsText);
}

void TMainActForm::FindClicked() {
  if (!ResolvePending()) return;
  if (!ShowAccountSearch(L, false, this)) return;
  if (FoundIsMain) {
    MainIdx = FoundIndex;
    ShowMain();
    SelectFirstSub();
  } else {
    const TSubActRec& Sub = L.SubActs.Items(FoundIndex);
    MainIdx = L.MainActs.IndexOfNo(Sub.MainActNo);
    const std::int32_t MainNo = Sub.MainActNo, SubNo = Sub.ActNo;
    ShowMain();
    SelectSubByNumbers(MainNo, SubNo);
  }
}

void TMainActForm::CatClicked() {
  if (!ResolvePending()) return;
  if (!ShowCategoryEditor(L, -1, this, &Deleted)) return;
  ChangedFlag = true;
  const int Keep = SubIdx >= 0 ? L.SubActs.Items(SubIdx).ActNo : -1;
  ShowMain();  // the category of the account on show may have been renamed
  if (Keep >= 0 && CurrentMain())
    SelectSubByNumbers(CurrentMain()->ActNo, Keep);
  else
    SelectFirstSub();
}

void TMainActForm::OKClicked() {
  if (ResolvePending()) accept();
}

void TMainActForm::CancelClicked() {
  if (SubIdx == -2) RemovePendingEntry();
  ShowSaveButtons(false);
  Lock(true);
  reject();
}

bool ShowAccountEditor(TBookLists& Lists, int /*Mode*/, int MainIndex, int SubIndex, QWidget* Parent,
                       TDeletedRows* Deleted) {
  TMainActForm Form(Lists, Parent);
  Form.Prepare(MainIndex, SubIndex);
  const bool Ok = Form.exec() == QDialog::Accepted;
  if (Deleted) *Deleted = Form.Deleted;
  if (Form.MainResort()) Lists.MainActs.Recount();
  if (Form.SubResort()) Lists.SubActs.Recount();
  if (Form.CatRecompute()) {
    RecalcCategoryTotals(Lists);
    Lists.Cats.Recount();
  }
  return Ok || Form.Changed();
}

bool FindAccountAndEdit(TBookLists& Lists, bool SubAccounts, QWidget* Parent, TDeletedRows* Deleted) {
  if (!ShowAccountSearch(Lists, SubAccounts, Parent) || FoundIndex < 0) return false;
  if (FoundIsMain) return ShowAccountEditor(Lists, 1, FoundIndex, -1, Parent, Deleted);
  const int Main = Lists.MainActs.IndexOfNo(Lists.SubActs.Items(FoundIndex).MainActNo);
  return ShowAccountEditor(Lists, 1, Main, FoundIndex, Parent, Deleted);
}
