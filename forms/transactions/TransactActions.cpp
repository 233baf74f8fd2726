// TTransact: opening, the commands (new, save, delete, splits, arrows, new sub accounts and
// groups) and closing.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>
#include <algorithm>

#include "Choice.h"
#include "DeleteDialog.h"
#include "FormColours.h"
#include "InputDlg.h"
#include "MoneyFormat.h"
#include "NumberBox.h"
#include "TransactForm.h"

namespace {
std::string Trimmed(const QString& S) { return S.trimmed().toStdString(); }
bool SameNoCase(const std::string& A, const std::string& B) {
  return QString::fromStdString(A).compare(QString::fromStdString(B), Qt::CaseInsensitive) == 0;
}
}  // namespace

int TTransact::CurrentPosition() const { return FCurrent ? L.Trans.IndexOf(FCurrent) : -1; }

// ---------------------------------------------------------------- opening and closing

bool TTransact::Begin(int Mode, int Index) {
  FModified = FSavedSomething = FNewRecords = FAmountsChanged = false;
  FDeletedCount = FDeletedAboveTop = 0;
  FWorksheetReset = FAskedEmpty = FFindApplied = FAccepted = false;
  FCurrent = FRemembered = nullptr;
  FParts.clear();
  FShownPart = -1;
  RecomputeRange();

  // With no records at all an edit request opens on nothing, locked; a request for a new
  // transaction is honoured.
  if (L.Trans.Count() == 0 && Mode != tmNew) {
    Mode = tmEditMaster;
    Index = -1;
  }
  FMode = Mode;
  if (Mode == tmNew) {
    setWindowTitle("New Transaction");
    if (!ChooseKind()) return false;
  } else {
    setWindowTitle("Transactions");
    int Pos = Index;
    if (Mode == tmEditViewRow) {
      const TTransRec* Rec = L.Trans.ViewItems(Index);
      Pos = Rec ? L.Trans.IndexOf(Rec) : -1;
    }
    if (Pos >= 0 && Pos < L.Trans.Count()) FCurrent = &L.Trans.Items(Pos);
  }

  FillGroupCombos();
  FillBookCombo();
  if (Mode == tmNew) {
    StartNew();
  } else {
    if (FCurrent) FKind = FCurrent->IsNormal() ? FCurrent->Kind : FKind;
    FillMainCombos();
    LoadAt(CurrentPosition());
  }
  return true;
}

bool TTransact::Execute(int Mode, int Index) {
  if (!Begin(Mode, Index)) return false;
  exec();
  return Finish();
}

bool TTransact::Finish() {
  FAccepted = FAccepted || result() == QDialog::Accepted;
  if (FSavedSomething) {
    if (FNewRecords && AnySelectionActive())
      Inform("New Record(s) you have entered might not be visible because there is a Selection on.");
    if (TransSelActive && H.ReapplyTransactionSelection) H.ReapplyTransactionSelection();
    if (!DateRangeActive) L.Trans.SetDateRange(0);
    auto Code = [this](int Ws) { return H.SortCode ? H.SortCode(Ws) : (Ws == wsTransactions ? 1 : 0); };
    if (FAmountsChanged) {
      L.MainActs.SortBy(Code(wsMainActs));
      L.SubActs.SortBy(Code(wsSubActs));
      L.Groups.SortBy(Code(wsGroups));
    }
    L.Trans.SortBy(Code(wsTransactions));
    // Selection, visibility, balances and every total from the lists as they now stand, so
    // the worksheets agree with the transactions whatever was saved or deleted.
    RecalcAll(L);
    if (H.DateRangeChanged) H.DateRangeChanged(L.Trans.DateFrom, L.Trans.DateTo);
    if (H.HideProgress) H.HideProgress();
  }
  if (FDeletedCount > 0) {
    if (H.Worksheet() == wsTransactions) {
      if (H.TransRowsDeleted) H.TransRowsDeleted(FDeletedCount, FDeletedAboveTop);
    } else if (H.ResetScroll) {
      H.ResetScroll(wsTransactions);
    }
  }
  RecomputeRange();
  if (H.EnableTransactionButtons) H.EnableTransactionButtons(AnyNormal());
  if (FWorksheetReset && H.FirstRowCurrent) H.FirstRowCurrent();
  return FAccepted || FSavedSomething || FDeletedCount > 0;
}

bool ShowTransactForm(TTransact& Form, int Mode, int Index) { return Form.Execute(Mode, Index); }

bool TTransact::ChooseKind() {
  if (int Forced = ForcedKind(L.MainActs)) {
    Inform(OnlyKindMessage(Forced));
    FKind = Forced;
    return true;
  }
  int Answer = H.ChooseKind ? H.ChooseKind(this) : ShowChoice(this, "New Transaction", "Select Transaction Kind");
  if (Answer < 0) return false;
  FKind = Answer == 0 ? tkIncome : tkExpense;
  return true;
}

void TTransact::RecomputeRange() { L.Trans.NormalIndexRange(FFirst, FLast); }

// ---------------------------------------------------------------- new and load

void TTransact::StartNew() {
  FLoading = true;
  {
    QSignalBlocker B(TabControl);
    while (TabControl->count() > 0) TabControl->removeTab(0);
  }
  SetKindColours();
  FillMainCombos();
  ClearFields();
  const bool Today_ = H.NewTransDateOption || !AnyNormal();
  DateEditBtn->setDate(QDateOf(Today_ ? Today() : L.Trans.DateTo));
  TotalAmountPanel->hide();
  FParts.clear();
  auto Rec = std::make_unique<TTransRec>();
  Rec->TransNo = L.Trans.NextTransNo();
  Rec->Kind = static_cast<std::uint8_t>(FKind);
  Rec->Enabled = !NewTransDisabled;
  Rec->InSelection = true;
  FParts.push_back({std::move(Rec), nullptr, false});
  FShownPart = 0;
  TransNoPanel->setText(QString::number(FParts[0].Rec->TransNo));
  TransKindPanel->show();
  TransNoPanel->show();

  FMode = tmNew;
  setWindowTitle("New Transaction");
  if (FCurrent) {
    FRemembered = FCurrent;
    FRememberedSet = true;
  }
  FCurrent = nullptr;
  // The first book shown in the book bar.
  for (const TBookRec* Bk : L.Books.MasterList())
    if (Bk->Shown) {
      ChooseBook(Bk->BookNo);
      break;
    }
  StorePart();
  FLoading = false;
  SetLocked(false);
  UpdateButtons();
  ComboMainName->setFocus();
  // Nothing typed yet: leaving an untouched new transaction asks nothing.
  FModified = false;
}

void TTransact::LoadAt(int Position) {
  FLoading = true;
  FParts.clear();
  FShownPart = -1;
  {
    QSignalBlocker B(TabControl);
    while (TabControl->count() > 0) TabControl->removeTab(0);
  }
  TotalAmountPanel->hide();
  if (FMode == tmNew) FMode = tmEditMaster;
  setWindowTitle("Transactions");
  RecomputeRange();
  if (Position > FLast) Position = FLast;
  if (Position >= 0 && !L.Trans.Items(Position).IsNormal()) {
    int Next = L.Trans.NextNormalIndex(Position);
    Position = Next != Position ? Next : L.Trans.PrevNormalIndex(Position);
  }
  if (!AnyNormal() || Position < 0 || !L.Trans.Items(Position).IsNormal()) {
    FCurrent = nullptr;
    ClearFields();
    TransKindPanel->hide();
    TransNoPanel->hide();
    FLoading = false;
    SetLocked(true);
    UpdateButtons();
    FModified = false;
    return;
  }
  TransKindPanel->show();
  TransNoPanel->show();
  TTransRec& Rec = L.Trans.Items(Position);
  FCurrent = &Rec;
  FKind = Rec.Kind;
  int Select = 0;
  if (Rec.SplitLetter == '0') {
    auto Copy = std::make_unique<TTransRec>();
    Copy->Assign(Rec);
    FParts.push_back({std::move(Copy), &Rec, false});
  } else {
    QSignalBlocker B(TabControl);
    for (int I : PartsOf(L.Trans, Rec.TransNo)) {
      TTransRec& Part = L.Trans.Items(I);
      auto Copy = std::make_unique<TTransRec>();
      Copy->Assign(Part);
      if (&Part == &Rec) Select = static_cast<int>(FParts.size());
      FParts.push_back({std::move(Copy), &Part, false});
      TabControl->addTab(QString(QChar(Part.SplitLetter)));
    }
    TabControl->setCurrentIndex(Select);
    TotalAmountPanel->show();
  }
  SetKindColours();
  FillMainCombos();
  ShowPart(Select);
  UpdateTotal();
  FLoading = false;
  SetLocked(true);
  UpdateButtons();
  FModified = false;
}

// ---------------------------------------------------------------- locking and buttons

void TTransact::SetLocked(bool Locked) {
  FLocked = Locked;
  DetailArea->setEnabled(!Locked);
  const bool Tabs = TabControl->count() > 0;
  SplitBtn->setEnabled(!Locked && !Tabs);
  AddSplitBtn->setEnabled(!Locked && Tabs && TabControl->count() < MaxSplitParts);
  DeleteSplitBtn->setEnabled(!Locked && Tabs);
  if (!Locked) {
    NewGrpBtn->setEnabled(true);
    NewSubBtn->setEnabled(ComboMainNum->currentIndex() >= 0);
  }
  SetFieldColours();
}

void TTransact::UpdateButtons() {
  RecomputeRange();
  const bool Edit = FMode != tmNew;
  DeleteBtn->setEnabled(Edit && AnyNormal() && FCurrent);
  EditBtn->setEnabled(Edit && AnyNormal() && FCurrent && FLocked);
  FindBtn->setEnabled(AnyNormal());
  UpdateArrows();
}

void TTransact::UpdateArrows() {
  if (!AnyNormal()) {
    BackBtn->setEnabled(false);
    ForwardBtn->setEnabled(false);
    return;
  }
  if (FMode == tmNew) {
    ForwardBtn->setEnabled(false);
    BackBtn->setEnabled(true);
    return;
  }
  const int Pos = CurrentPosition();
  ForwardBtn->setEnabled(Pos >= 0 && HasOtherTransaction(L.Trans, Pos, true));
  BackBtn->setEnabled(Pos >= 0 && HasOtherTransaction(L.Trans, Pos, false));
}

void TTransact::EditClick() {
  if (!H.Password(2)) return;
  SetLocked(false);
  EditBtn->setEnabled(false);
  ComboMainName->setFocus();
}

// ---------------------------------------------------------------- saving

bool TTransact::ValidatePart(int Part) {
  TTransRec& R = *FParts[Part].Rec;
  TPartCheck Check = CheckPart(R, L);
  if (Check == pcOk) return true;
  // Show the offending part first.
  int Tab = 0;
  for (int I = 0; I < Part; ++I)
    if (!FParts[I].Deleted) ++Tab;
  if (TabControl->count() > 0 && TabControl->currentIndex() != Tab) {
    QSignalBlocker B(TabControl);
    TabControl->setCurrentIndex(Tab);
  }
  if (FShownPart != Part) ShowPart(Part);
  const TDateTime OpenBal = OpenBalDateOf(L, R.BookNo);
  Warn(PartCheckMessage(Check, OpenBal));
  switch (Check) {
    case pcMainAccount: ComboMainName->setFocus(); break;
    case pcSubAccount: ComboSubName->setFocus(); break;
    case pcBook: BookCombo->setFocus(); break;
    case pcDate:
      FLoading = true;
      DateEditBtn->setDate(QDateOf(OpenBal));
      FLoading = false;
      StorePart();
      DateEditBtn->setFocus();
      break;
    case pcAmount: NbrBoxAmount->setFocus(); break;
    case pcOk: break;
  }
  return false;
}

TMsgButton TTransact::SaveStep() {
  if (!FModified) return mbYes;
  TMsgButton Answer = Ask(FMode == tmNew ? "Save new Transaction?" : "Save changes to current Transaction?");
  if (Answer != mbYes) return Answer == mbNo ? mbNo : mbCancel;
  StorePart();
  if (!ValidatePart(FShownPart)) return mbCancel;
  if (PartCount() > 1)
    for (int I = 0; I < static_cast<int>(FParts.size()); ++I)
      if (!FParts[I].Deleted && !ValidatePart(I)) return mbCancel;

  for (TPart& P : FParts) {
    if (P.Deleted) continue;
    if (!P.Master) {
      auto Rec = std::make_unique<TTransRec>();
      Rec->Assign(*P.Rec);
      Rec->InSelection = (!AccountSelActive || (Rec->SubAct && Rec->SubAct->InSelection)) &&
                         (!GroupSelActive || L.Groups.IsSelected(Rec->GroupNo));
      TTransRec* Raw = Rec.get();
      L.Trans.Add(std::move(Rec));
      DepositTotals(L, *Raw);
      if (Raw->SplitLetter == 'A' || Raw->SplitLetter == '0') FCurrent = Raw;
      P.Master = Raw;
      FMode = tmEditMaster;
      FNewRecords = true;
    } else {
      TTransRec& Old = *P.Master;
      const TTransRec& New = *P.Rec;
      unsigned Changed = 0;
      if (Old.MainActNo != New.MainActNo) Changed |= 1u << wsMainActs | 1u << wsCategories;
      if (Old.MainActNo != New.MainActNo || Old.SubActNo != New.SubActNo) Changed |= 1u << wsSubActs;
      if (Old.GroupNo != New.GroupNo) Changed |= 1u << wsGroups;
      EmptyRowCheck(Old, Changed);
      WithdrawTotals(L, Old);
      const bool Sel = Old.InSelection;
      const bool Match = Old.FindMatch;
      Old.Assign(New);
      Old.InSelection = Sel;
      Old.FindMatch = Match;
      L.Trans.NotifyChanged(L.Trans.IndexOf(&Old));
      DepositTotals(L, Old);
    }
    RecomputeRange();
  }
  for (int I = static_cast<int>(FParts.size()) - 1; I >= 0; --I)
    if (FParts[I].Deleted && FParts[I].Master) DeleteMaster(L.Trans.IndexOf(FParts[I].Master));
  // Parts deleted in the form are gone now.
  int ShownLive = CurrentTab();
  FParts.erase(std::remove_if(FParts.begin(), FParts.end(), [](const TPart& P) { return P.Deleted; }), FParts.end());
  FShownPart = std::min(ShownLive, static_cast<int>(FParts.size()) - 1);
  if (!FCurrent && !FParts.empty()) FCurrent = FParts.front().Master;

  FModified = false;
  FSavedSomething = true;
  L.Trans.ApplyFilter();
  // The saved transaction is followed by identity, so the arrows step on from wherever the
  // date order put it.
  L.Trans.SortMasterByDate();
  RecomputeRange();
  UpdateButtons();
  return mbYes;
}

void TTransact::EmptyRowCheck(const TTransRec& Rec, unsigned Owners) {
  unsigned Mask = RowsThatMayEmpty(L, Rec) & Owners;
  for (int Ws = wsMainActs; Ws <= wsCategories; ++Ws) {
    if (!(Mask & (1u << Ws))) continue;
    if (H.Worksheet() == Ws)
      FWorksheetReset = true;
    else if (H.ResetScroll)
      H.ResetScroll(Ws);
  }
}

void TTransact::DeleteMaster(int Index) {
  TTransRec& Rec = L.Trans.Items(Index);
  if (Rec.ViewIndex >= 0 && H.TransTopRow && Rec.ViewIndex < H.TransTopRow()) ++FDeletedAboveTop;
  EmptyRowCheck(Rec, ~0u);
  WithdrawTotals(L, Rec);
  if (FCurrent == &Rec) FCurrent = nullptr;
  if (FRemembered == &Rec) FRemembered = nullptr;
  L.Trans.Delete(Index);
  ++FDeletedCount;
  RecomputeRange();
}

// ---------------------------------------------------------------- commands

void TTransact::OKClick() {
  if (SaveStep() == mbCancel) return;
  FAccepted = true;
  accept();
}

void TTransact::NewClick() {
  if (!H.Password(1)) return;
  if (SaveStep() == mbCancel) return;
  if (!ChooseKind()) return;
  if (FMode == tmNew) FCurrent = FRemembered;  // an unsaved new one was dropped
  StartNew();
}

void TTransact::FindClick() {
  if (SaveStep() == mbCancel) return;
  if (H.FindTransactions && H.FindTransactions(this)) {
    FFindApplied = true;
    FAccepted = true;
    accept();
  }
}

void TTransact::DeleteClick() {
  if (!FCurrent || FMode == tmNew) return;
  if (!H.Password(0)) return;
  if (Ask("Delete this Transaction.") != mbYes) return;
  if (!(H.CtrlConfirm ? H.CtrlConfirm(this) : ShowDeleteDialog(this))) return;
  const int Pos = CurrentPosition();
  const int Next = PositionAfterDelete(L.Trans, Pos);
  const std::int32_t No = FCurrent->TransNo;
  if (FCurrent->SplitLetter == '0') {
    DeleteMaster(Pos);
  } else {
    for (int I = L.Trans.Count() - 1; I >= 0; --I) {
      const TTransRec& R = L.Trans.Items(I);
      if (R.IsNormal() && R.TransNo == No) DeleteMaster(I);
    }
  }
  FSavedSomething = true;
  FAmountsChanged = true;
  L.Trans.ApplyFilter();
  RecomputeRange();
  LoadAt(Next < 0 ? -1 : std::min(Next, FLast));
  if (AnySelectionActive()) RecalcAll(L);
}

void TTransact::Navigate(bool Forward) {
  const TMsgButton Answer = SaveStep();
  if (Answer == mbCancel) return;
  int Start = CurrentPosition();
  if (FMode == tmNew) {
    RecomputeRange();
    if (Answer == mbNo) {
      // Back to what was on show when New was pressed.
      int To = FRemembered ? L.Trans.IndexOf(FRemembered) : FFirst;
      if (To < 0 || To > FLast) To = FLast;
      LoadAt(To);
      return;
    }
    Start = FLast;
    Forward = false;
  }
  LoadAt(StepTransaction(L.Trans, Start, Forward));
}

// ---------------------------------------------------------------- splits

void TTransact::SplitClick() {
  if (FLocked || TabControl->count() > 0) return;
  StorePart();
  FParts[FShownPart].Rec->SplitLetter = 'A';
  {
    QSignalBlocker B(TabControl);
    TabControl->addTab("A");
    TabControl->setCurrentIndex(0);
  }
  TotalAmountPanel->show();
  SplitBtn->setEnabled(false);
  SetKindCaption();
  AddSplitClick();
}

void TTransact::AddSplitClick() {
  if (FLocked || TabControl->count() == 0 || TabControl->count() >= MaxSplitParts) return;
  StorePart();
  const int Tabs = TabControl->count();
  const TTransRec& First = *FParts[LivePart(0)].Rec;
  auto Rec = std::make_unique<TTransRec>();
  Rec->TransNo = First.TransNo;
  Rec->Kind = First.Kind;
  Rec->Date = First.Date;
  Rec->SplitLetter = static_cast<char>('A' + Tabs);
  Rec->InSelection = true;
  Rec->Enabled = !NewTransDisabled;
  FParts.push_back({std::move(Rec), nullptr, false});
  {
    QSignalBlocker B(TabControl);
    TabControl->addTab(QString(QChar('A' + Tabs)));
    TabControl->setCurrentIndex(Tabs);
  }
  FLoading = true;
  ShowPart(static_cast<int>(FParts.size()) - 1);
  ComboGrpNum->setCurrentIndex(ComboGrpNum->count() > 0 ? 0 : -1);
  for (const TBookRec* Bk : L.Books.MasterList())
    if (Bk->Shown) {
      ChooseBook(Bk->BookNo);
      break;
    }
  FLoading = false;
  StorePart();
  UpdateTotal();
  AddSplitBtn->setEnabled(TabControl->count() < MaxSplitParts);
  DeleteSplitBtn->setEnabled(true);
  BookCombo->setFocus();
  FModified = true;
}

void TTransact::DeleteSplitClick() {
  if (FLocked || TabControl->count() == 0) return;
  const int Tab = TabControl->currentIndex();
  const char Letter = FParts[FShownPart].Rec->SplitLetter;
  if (Ask(std::string("Delete Split ") + Letter + ".") != mbYes) return;
  StorePart();
  FParts[FShownPart].Deleted = true;
  const int Live = PartCount();
  {
    QSignalBlocker B(TabControl);
    TabControl->removeTab(Tab);
    int N = 0;
    for (TPart& P : FParts) {
      if (P.Deleted) continue;
      P.Rec->SplitLetter = SplitLetterFor(N, Live);
      if (N < TabControl->count()) TabControl->setTabText(N, QString(QChar(P.Rec->SplitLetter)));
      ++N;
    }
    if (Live <= 1) {
      while (TabControl->count() > 0) TabControl->removeTab(0);
    } else {
      TabControl->setCurrentIndex(0);
    }
  }
  if (Live <= 1) {
    TotalAmountPanel->hide();
    AddSplitBtn->setEnabled(false);
    DeleteSplitBtn->setEnabled(false);
    SplitBtn->setEnabled(true);
  } else {
    AddSplitBtn->setEnabled(TabControl->count() < MaxSplitParts);
  }
  SetKindCaption();
  ShowPart(LivePart(0));
  UpdateTotal();
  FModified = true;
  ComboMainName->setFocus();
}

// ---------------------------------------------------------------- new sub account and group

void TTransact::NewSubClick() {
  if (ComboMainNum->currentIndex() < 0) return;
  const int Main = ComboMainNum->currentData().toInt();
  auto Check = [this, Main](const QString& Name) {
    const std::string N = Trimmed(Name);
    if (N.empty()) {
      Inform("'' is not a valid Account Name.");
      return false;
    }
    for (const TSubActRec* S : L.SubActs.MasterList())
      if (S->MainActNo == Main && SameNoCase(S->Name, N)) {
        Inform("The Sub Account name '" + N + "' is already in use.");
        return false;
      }
    return true;
  };
  QString Name;
  const bool Ok = H.InputName ? H.InputName(this, "New Sub Account", "Enter new Sub Account name", Name, Check)
                              : ShowInputDlg(this, "New Sub Account", "Enter new Sub Account name", Name, Check);
  if (!Ok) return;
  auto Sub = std::make_unique<TSubActRec>();
  Sub->MainActNo = Main;
  Sub->ActNo = L.SubActs.NextSubNo(Main);
  Sub->Name = Trimmed(Name);
  Sub->Kind = static_cast<std::uint8_t>(FKind);
  Sub->MainAct = L.MainActs.FindByNo(Main);
  Sub->InSelection = !AnySelectionActive();
  const int No = Sub->ActNo;
  L.SubActs.Add(std::move(Sub));
  L.SubActs.SortByID();
  FillSubCombos();
  ChooseSub(No);
  ComboSubName->setFocus();
}

void TTransact::NewGrpClick() {
  auto Check = [this](const QString& Name) {
    std::string N = Name.toStdString();
    return L.Groups.ValidateName(N, H.Prompts);
  };
  QString Name;
  const bool Ok = H.InputName ? H.InputName(this, "New Group", "Enter new Group name", Name, Check)
                              : ShowInputDlg(this, "New Group", "Enter new Group name", Name, Check);
  if (!Ok) return;
  auto Group = std::make_unique<TGroupRec>();
  Group->GroupNo = L.Groups.NextGroupNo();
  Group->Name = Trimmed(Name);
  Group->InSelection = !AnySelectionActive();
  const int No = Group->GroupNo;
  L.Groups.Add(std::move(Group));
  L.Groups.SortByID();
  const int Keep = ComboGrpNum->currentIndex();
  (void)Keep;
  FillGroupCombos();
  ChooseGroup(No);
  ComboGrpName->setFocus();
}
