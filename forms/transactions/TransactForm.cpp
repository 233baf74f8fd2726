// TTransact: the controls, the combos and how a part is shown and stored. The commands are in
// TransactActions.cpp.
#include "TransactForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "CentreOnWorkArea.h"
#include "FormColours.h"
#include "Helpers.h"
#include "Keybd.h"
#include "MoneyFormat.h"
#include "NumPad.h"
#include "NumberBox.h"
#include "PasswordGate.h"

namespace {

// Split tabs: upright letters centred in a 10-point font, the selected one bold in blue.
class TSplitTabs : public QTabBar {
 public:
  explicit TSplitTabs(QWidget* Parent) : QTabBar(Parent) {
    setShape(QTabBar::RoundedWest);
    setExpanding(false);
    setDrawBase(false);
  }

 protected:
  QSize tabSizeHint(int) const override { return QSize(30, 30); }
  void paintEvent(QPaintEvent*) override {
    QPainter P(this);
    for (int I = 0; I < count(); ++I) {
      QRect R = tabRect(I).adjusted(1, 1, -1, -1);
      bool Sel = I == currentIndex();
      P.fillRect(R, Sel ? palette().color(QPalette::Window) : palette().color(QPalette::Button));
      P.setPen(palette().color(QPalette::Mid));
      P.drawRect(R);
      QFont F = font();
      F.setPointSize(10);
      F.setBold(Sel);
      P.setFont(F);
      P.setPen(Sel ? QColor(Qt::blue) : palette().color(QPalette::WindowText));
      P.drawText(R, Qt::AlignCenter, tabText(I));
    }
  }
};

// Book entries on the book's colour, white bold text when selected.
class TBookDelegate : public QStyledItemDelegate {
 public:
  TBookDelegate(TBookLists& L, QObject* Parent) : QStyledItemDelegate(Parent), L(L) {}
  void paint(QPainter* P, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override {
    if (!(Option.state & QStyle::State_Selected)) {
      QStyledItemDelegate::paint(P, Option, Index);
      return;
    }
    const TBookRec* Book = L.Books.FindPtr(Index.data(Qt::UserRole).toInt());
    P->fillRect(Option.rect, Book ? ColourOf(static_cast<TColor>(Book->Colour)) : Option.palette.highlight().color());
    QFont F = Option.font;
    F.setBold(true);
    P->setFont(F);
    P->setPen(Qt::white);
    QRect R = Option.rect.adjusted(3, 0, -3, 0);
    P->drawText(R, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                QFontMetrics(F).elidedText(Index.data().toString(), Qt::ElideRight, R.width()));
  }

 private:
  TBookLists& L;
};

// The book box: while it has the focus the chosen book shows on its own colour, as in the list.
class TBookCombo : public QComboBox {
 public:
  TBookCombo(TBookLists& L, QWidget* Parent) : QComboBox(Parent), L(L) {}

 protected:
  void paintEvent(QPaintEvent* Event) override {
    QComboBox::paintEvent(Event);
    if (!hasFocus() || currentIndex() < 0) return;
    const TBookRec* Book = L.Books.FindPtr(currentData().toInt());
    if (!Book) return;
    QStyleOptionComboBox Opt;
    initStyleOption(&Opt);
    QRect R = style()->subControlRect(QStyle::CC_ComboBox, &Opt, QStyle::SC_ComboBoxEditField, this);
    QPainter P(this);
    P.fillRect(R, ColourOf(static_cast<TColor>(Book->Colour)));
    QFont F = font();
    F.setBold(true);
    P.setFont(F);
    P.setPen(Qt::white);
    R.adjust(3, 0, -3, 0);
    P.drawText(R, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
               QFontMetrics(F).elidedText(currentText(), Qt::ElideRight, R.width()));
  }

 private:
  TBookLists& L;
};

QComboBox* MakeCombo(QWidget* Parent, int Width) {
  auto* C = new QComboBox(Parent);
  C->setMinimumWidth(Width);
  C->setMaxVisibleItems(16);
  return C;
}

// The entry whose item data is Value, -1 when none.
int FindData(QComboBox* C, int Value) { return C->findData(Value); }

}  // namespace

bool TTransactHost::Password(int Op) const {
  if (CheckPassword) return CheckPassword(Op);
  return ::CheckPassword(Op);
}

TTransact::TTransact(TTransactHost& Host, QWidget* Parent) : QDialog(Parent), H(Host), L(Host.Lists) {
  BuildControls();
  ConnectControls();
}

TTransact::~TTransact() = default;

void TTransact::BuildControls() {
  setWindowTitle("Transactions");
  auto* Top = new QVBoxLayout(this);

  // Commands.
  auto* Cmds = new QHBoxLayout;
  NewBtn = new QPushButton("&New", this);
  FindBtn = new QPushButton("&Find", this);
  DeleteBtn = new QPushButton("&Delete", this);
  EditBtn = new QPushButton("&Unlock", this);
  for (QPushButton* B : {NewBtn, FindBtn, DeleteBtn, EditBtn}) {
    B->setAutoDefault(false);
    Cmds->addWidget(B);
  }
  Cmds->addStretch(1);
  Top->addLayout(Cmds);

  // Kind and number.
  auto* Head = new QHBoxLayout;
  TransKindPanel = new QLabel(this);
  TransKindPanel->setAutoFillBackground(true);
  TransKindPanel->setAlignment(Qt::AlignCenter);
  TransKindPanel->setFrameShape(QFrame::Panel);
  TransKindPanel->setFrameShadow(QFrame::Sunken);
  TransKindPanel->setMinimumHeight(26);
  QFont Bold = TransKindPanel->font();
  Bold.setBold(true);
  Bold.setPointSize(Bold.pointSize() + 2);
  TransKindPanel->setFont(Bold);
  TransNoPanel = new QLabel(this);
  TransNoPanel->setAutoFillBackground(true);
  TransNoPanel->setAlignment(Qt::AlignCenter);
  TransNoPanel->setFrameShape(QFrame::Panel);
  TransNoPanel->setFrameShadow(QFrame::Sunken);
  TransNoPanel->setFont(Bold);
  TransNoPanel->setMinimumWidth(90);
  Head->addWidget(TransKindPanel, 1);
  Head->addWidget(TransNoPanel);
  Top->addLayout(Head);

  // Tabs on the left, the detail area, split buttons on the right.
  auto* Middle = new QHBoxLayout;
  TabControl = new TSplitTabs(this);
  auto* TabCol = new QVBoxLayout;
  TabCol->addWidget(TabControl);
  TabCol->addStretch(1);
  TabControl->setFixedWidth(32);
  Middle->addLayout(TabCol);

  DetailArea = new QWidget(this);
  auto* G = new QGridLayout(DetailArea);
  G->setContentsMargins(4, 4, 4, 4);
  int Row = 0;
  G->addWidget(new QLabel("Book:", DetailArea), Row, 0);
  BookCombo = new TBookCombo(L, DetailArea);
  BookCombo->setMinimumWidth(180);
  BookCombo->setItemDelegate(new TBookDelegate(L, BookCombo));
  G->addWidget(BookCombo, Row, 1, 1, 2);
  ++Row;
  G->addWidget(new QLabel("Main Account:", DetailArea), Row, 0);
  ComboMainNum = MakeCombo(DetailArea, 80);
  ComboMainName = MakeCombo(DetailArea, 220);
  G->addWidget(ComboMainNum, Row, 1);
  G->addWidget(ComboMainName, Row, 2);
  ++Row;
  G->addWidget(new QLabel("Sub Account:", DetailArea), Row, 0);
  ComboSubNum = MakeCombo(DetailArea, 80);
  ComboSubName = MakeCombo(DetailArea, 220);
  NewSubBtn = new QPushButton("New", DetailArea);
  NewSubBtn->setAutoDefault(false);
  G->addWidget(ComboSubNum, Row, 1);
  G->addWidget(ComboSubName, Row, 2);
  G->addWidget(NewSubBtn, Row, 3);
  ++Row;
  G->addWidget(new QLabel("Group:", DetailArea), Row, 0);
  ComboGrpNum = MakeCombo(DetailArea, 80);
  ComboGrpName = MakeCombo(DetailArea, 220);
  NewGrpBtn = new QPushButton("New", DetailArea);
  NewGrpBtn->setAutoDefault(false);
  G->addWidget(ComboGrpNum, Row, 1);
  G->addWidget(ComboGrpName, Row, 2);
  G->addWidget(NewGrpBtn, Row, 3);
  ++Row;
  DetailLabel = new QLabel(DetailArea);
  DetailLabel->setTextFormat(Qt::PlainText);
  G->addWidget(DetailLabel, Row, 0, 1, 4);
  ++Row;
  G->addWidget(new QLabel("Date:", DetailArea), Row, 0);
  DateEditBtn = new QDateEdit(DetailArea);
  DateEditBtn->setCalendarPopup(true);
  DateEditBtn->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
  G->addWidget(DateEditBtn, Row, 1, 1, 1);
  DisableCheck = new QCheckBox("Disable Transaction", DetailArea);
  G->addWidget(DisableCheck, Row, 2);
  ++Row;
  G->addWidget(new QLabel("Amount:", DetailArea), Row, 0);
  NbrBoxAmount = new TNumberBox(DetailArea, bsCurrency);
  G->addWidget(NbrBoxAmount, Row, 1);
  ++Row;
  G->addWidget(new QLabel("Reference:", DetailArea), Row, 0);
  EditReference = new TEditBtn(DetailArea);
  EditReference->setMaxLength(20);
  G->addWidget(EditReference, Row, 1, 1, 2);
  ++Row;
  G->addWidget(new QLabel("Notes:", DetailArea), Row, 0, Qt::AlignTop);
  MemoMemo = new QPlainTextEdit(DetailArea);
  MemoMemo->setTabChangesFocus(true);
  MemoMemo->setFixedHeight(60);
  G->addWidget(MemoMemo, Row, 1, 1, 3);
  Middle->addWidget(DetailArea, 1);

  auto* SplitCol = new QVBoxLayout;
  SplitBtn = new QPushButton("&Split", this);
  AddSplitBtn = new QPushButton("&Add Split", this);
  DeleteSplitBtn = new QPushButton("D&elete Split", this);
  for (QPushButton* B : {SplitBtn, AddSplitBtn, DeleteSplitBtn}) {
    B->setAutoDefault(false);
    SplitCol->addWidget(B);
  }
  TotalAmountPanel = new QFrame(this);
  TotalAmountPanel->setFrameShape(QFrame::Panel);
  TotalAmountPanel->setFrameShadow(QFrame::Sunken);
  auto* TotalLay = new QVBoxLayout(TotalAmountPanel);
  TotalLay->addWidget(new QLabel("Total Amount", TotalAmountPanel), 0, Qt::AlignHCenter);
  TotalAmountLabel = new QLabel(TotalAmountPanel);
  TotalAmountLabel->setAlignment(Qt::AlignCenter);
  TotalAmountLabel->setFont(Bold);
  TotalLay->addWidget(TotalAmountLabel);
  SplitCol->addWidget(TotalAmountPanel);
  TotalAmountPanel->hide();
  SplitCol->addStretch(1);
  Middle->addLayout(SplitCol);
  Top->addLayout(Middle);

  // Arrows and closing buttons.
  auto* Bottom = new QHBoxLayout;
  BackBtn = new QToolButton(this);
  BackBtn->setArrowType(Qt::LeftArrow);
  BackBtn->setAutoRepeat(true);
  ForwardBtn = new QToolButton(this);
  ForwardBtn->setArrowType(Qt::RightArrow);
  ForwardBtn->setAutoRepeat(true);
  Bottom->addWidget(BackBtn);
  Bottom->addWidget(ForwardBtn);
  Bottom->addStretch(1);
  OKBtn = new QPushButton("&OK", this);
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton("&Cancel", this);
  CancelBtn->setAutoDefault(false);
  HelpBtn = new QPushButton("&Help", this);
  HelpBtn->setAutoDefault(false);
  Bottom->addWidget(OKBtn);
  Bottom->addWidget(CancelBtn);
  Bottom->addWidget(HelpBtn);
  Top->addLayout(Bottom);
}

void TTransact::ConnectControls() {
  connect(NewBtn, &QPushButton::clicked, this, [this] { NewClick(); });
  connect(FindBtn, &QPushButton::clicked, this, [this] { FindClick(); });
  connect(DeleteBtn, &QPushButton::clicked, this, [this] { DeleteClick(); });
  connect(EditBtn, &QPushButton::clicked, this, [this] { EditClick(); });
  connect(SplitBtn, &QPushButton::clicked, this, [this] { SplitClick(); });
  connect(AddSplitBtn, &QPushButton::clicked, this, [this] { AddSplitClick(); });
  connect(DeleteSplitBtn, &QPushButton::clicked, this, [this] { DeleteSplitClick(); });
  connect(BackBtn, &QToolButton::clicked, this, [this] { BackClick(); });
  connect(ForwardBtn, &QToolButton::clicked, this, [this] { ForwardClick(); });
  connect(OKBtn, &QPushButton::clicked, this, [this] { OKClick(); });
  connect(CancelBtn, &QPushButton::clicked, this, [this] { reject(); });
  connect(HelpBtn, &QPushButton::clicked, this, [this] {
    if (H.ShowHelp) H.ShowHelp(5000);
  });
  connect(NewSubBtn, &QPushButton::clicked, this, [this] { NewSubClick(); });
  connect(NewGrpBtn, &QPushButton::clicked, this, [this] { NewGrpClick(); });
  connect(TabControl, &QTabBar::currentChanged, this, [this](int I) { TabChanged(I); });

  for (QComboBox* C : {ComboMainNum, ComboMainName})
    connect(C, &QComboBox::currentIndexChanged, this, [this, C] { MainChanged(C); });
  for (QComboBox* C : {ComboSubNum, ComboSubName})
    connect(C, &QComboBox::currentIndexChanged, this, [this, C] { SubChanged(C); });
  for (QComboBox* C : {ComboGrpNum, ComboGrpName})
    connect(C, &QComboBox::currentIndexChanged, this, [this, C] { GroupChanged(C); });
  connect(BookCombo, &QComboBox::currentIndexChanged, this, [this] { FieldEdited(); });
  connect(DateEditBtn, &QDateEdit::dateChanged, this, [this] { FieldEdited(); });
  connect(NbrBoxAmount, &TNumberBox::Change, this, [this] { AmountEdited(); });
  connect(NbrBoxAmount, &TNumberBox::editingFinished, this, [this] { UpdateTotal(); });
  connect(NbrBoxAmount, &TEditBtn::BtnClick, this, [this] { ShowNumPad(NbrBoxAmount, TPopupPlace::Above); });
  connect(EditReference, &QLineEdit::textChanged, this, [this] { FieldEdited(); });
  connect(EditReference, &TEditBtn::BtnClick, this, [this] { ShowKeyboard(EditReference, TPopupPlace::Above); });
  connect(MemoMemo, &QPlainTextEdit::textChanged, this, [this] {
    if (MemoMemo->toPlainText().size() > 255) {
      QString T = MemoMemo->toPlainText().left(255);
      MemoMemo->setPlainText(T);
      MemoMemo->moveCursor(QTextCursor::End);
    }
    FieldEdited();
  });
  connect(DisableCheck, &QCheckBox::toggled, this, [this] { FieldEdited(); });
}

void TTransact::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  CentreOnWorkArea(this);
  if (FMode == tmNew)
    ComboMainName->setFocus();
  else
    NewBtn->setFocus();
  if (!AnyNormal() && !DetailArea->isEnabled() && !FAskedEmpty) {
    FAskedEmpty = true;
    QTimer::singleShot(0, this, [this] { Inform("There are no Transactions.  Click the 'New' button to create some."); });
  }
}

// ---------------------------------------------------------------- combos

void TTransact::FillMainCombos() {
  const bool Was = FLoading;
  FLoading = true;
  QSignalBlocker B1(ComboMainNum), B2(ComboMainName);
  ComboMainNum->clear();
  ComboMainName->clear();
  std::vector<const TMainActRec*> Names;
  for (const TMainActRec* M : L.MainActs.MasterList()) {
    if (M->Kind != FKind) continue;
    ComboMainNum->addItem(QString::number(M->ActNo), M->ActNo);
    Names.push_back(M);
  }
  std::stable_sort(Names.begin(), Names.end(), [](auto* A, auto* B) { return A->Name < B->Name; });
  for (const TMainActRec* M : Names) ComboMainName->addItem(QString::fromStdString(M->Name), M->ActNo);
  ComboMainNum->setCurrentIndex(-1);
  ComboMainName->setCurrentIndex(-1);
  FLoading = Was;
  MainChanged(ComboMainNum);
}

void TTransact::FillSubCombos() {
  QSignalBlocker B1(ComboSubNum), B2(ComboSubName);
  ComboSubNum->clear();
  ComboSubName->clear();
  const int Main = ComboMainNum->currentData().isValid() ? ComboMainNum->currentData().toInt() : 0;
  std::vector<const TSubActRec*> Names;
  for (const TSubActRec* S : L.SubActs.MasterList()) {
    if (S->MainActNo != Main || ComboMainNum->currentIndex() < 0) continue;
    ComboSubNum->addItem(QString::fromStdString(S->NumberText()), S->ActNo);
    Names.push_back(S);
  }
  std::stable_sort(Names.begin(), Names.end(), [](auto* A, auto* B) { return A->Name < B->Name; });
  for (const TSubActRec* S : Names) ComboSubName->addItem(QString::fromStdString(S->Name), S->ActNo);
  ComboSubNum->setCurrentIndex(-1);
  ComboSubName->setCurrentIndex(-1);
}

void TTransact::FillGroupCombos() {
  QSignalBlocker B1(ComboGrpNum), B2(ComboGrpName);
  ComboGrpNum->clear();
  ComboGrpName->clear();
  const auto& Groups = L.Groups.MasterList();
  if (Groups.empty()) return;
  std::vector<const TGroupRec*> Rest(Groups.begin() + 1, Groups.end());
  for (const TGroupRec* G : Rest) ComboGrpNum->addItem(QString::fromStdString(G->NumberText()), G->GroupNo);
  std::stable_sort(Rest.begin(), Rest.end(), [](auto* A, auto* B) { return A->Name < B->Name; });
  for (const TGroupRec* G : Rest) ComboGrpName->addItem(QString::fromStdString(G->Name), G->GroupNo);
  // The lowest-numbered group is always the first entry: the default of a new part.
  const TGroupRec* First = Groups.front();
  ComboGrpNum->insertItem(0, QString::fromStdString(First->NumberText()), First->GroupNo);
  ComboGrpName->insertItem(0, QString::fromStdString(First->Name) + " <default>", First->GroupNo);
  ComboGrpNum->setCurrentIndex(-1);
  ComboGrpName->setCurrentIndex(-1);
}

void TTransact::FillBookCombo() {
  QSignalBlocker B(BookCombo);
  BookCombo->clear();
  std::vector<const TBookRec*> Books(L.Books.MasterList().begin(), L.Books.MasterList().end());
  std::stable_sort(Books.begin(), Books.end(), [](auto* A, auto* B) { return A->BookNo < B->BookNo; });
  for (const TBookRec* Bk : Books) BookCombo->addItem(QString::fromStdString(Bk->Name), Bk->BookNo);
  BookCombo->setCurrentIndex(-1);
}

void TTransact::MainChanged(QComboBox* From) {
  QComboBox* Other = From == ComboMainNum ? ComboMainName : ComboMainNum;
  const int Idx = From->currentIndex();
  {
    QSignalBlocker B(Other);
    Other->setCurrentIndex(Idx < 0 ? -1 : FindData(Other, From->itemData(Idx).toInt()));
  }
  const bool Chosen = Idx >= 0;
  if (!Chosen) {
    QSignalBlocker B1(ComboMainNum), B2(ComboMainName);
    ComboMainNum->setCurrentIndex(-1);
    ComboMainName->setCurrentIndex(-1);
  }
  FillSubCombos();
  for (QWidget* W : {static_cast<QWidget*>(ComboSubNum), static_cast<QWidget*>(ComboSubName),
                     static_cast<QWidget*>(NewSubBtn)})
    W->setEnabled(Chosen);
  SetFieldColours();
  UpdateDetailLabel();
  if (!FLoading) FModified = true;
}

void TTransact::SubChanged(QComboBox* From) {
  QComboBox* Other = From == ComboSubNum ? ComboSubName : ComboSubNum;
  const int Idx = From->currentIndex();
  {
    QSignalBlocker B(Other);
    Other->setCurrentIndex(Idx < 0 ? -1 : FindData(Other, From->itemData(Idx).toInt()));
  }
  UpdateDetailLabel();
  if (!FLoading) FModified = true;
}

void TTransact::GroupChanged(QComboBox* From) {
  QComboBox* Other = From == ComboGrpNum ? ComboGrpName : ComboGrpNum;
  const int Idx = From->currentIndex();
  {
    QSignalBlocker B(Other);
    Other->setCurrentIndex(Idx < 0 ? -1 : FindData(Other, From->itemData(Idx).toInt()));
  }
  if (!FLoading) FModified = true;
}

void TTransact::UpdateDetailLabel() {
  if (ComboMainName->currentIndex() < 0) {
    DetailLabel->clear();
    return;
  }
  // A plain-text label shows "&" as it is; the doubling keeps the text as the program writes it.
  QString Text = ComboMainName->currentText();
  if (ComboSubName->currentIndex() >= 0) Text += ", " + ComboSubName->currentText();
  DetailLabel->setText(Text);
}

bool TTransact::ChooseMain(int ActNo) {
  int I = FindData(ComboMainNum, ActNo);
  if (I < 0) return false;
  ComboMainNum->setCurrentIndex(I);
  return true;
}

bool TTransact::ChooseSub(int SubNo) {
  int I = FindData(ComboSubNum, SubNo);
  if (I < 0) return false;
  ComboSubNum->setCurrentIndex(I);
  return true;
}

bool TTransact::ChooseGroup(int GroupNo) {
  int I = FindData(ComboGrpNum, GroupNo);
  if (I < 0) return false;
  ComboGrpNum->setCurrentIndex(I);
  return true;
}

bool TTransact::ChooseBook(int BookNo) {
  int I = FindData(BookCombo, BookNo);
  if (I < 0) return false;
  BookCombo->setCurrentIndex(I);
  return true;
}

// ---------------------------------------------------------------- colours

void TTransact::SetKindColours() {
  const bool Income = FKind == tkIncome;
  const QColor Back = Income ? IncomeColour() : ExpenseColour();
  const QColor Text = Income ? QColor(Qt::black) : QColor(Qt::white);
  for (QLabel* P : {TransKindPanel, TransNoPanel}) {
    QPalette Pal = P->palette();
    Pal.setColor(QPalette::Window, Back);
    Pal.setColor(QPalette::WindowText, Text);
    P->setPalette(Pal);
  }
  for (QComboBox* C : {ComboMainNum, ComboMainName, ComboSubNum, ComboSubName}) {
    QPalette Pal = C->palette();
    Pal.setColor(QPalette::Highlight, Back);
    Pal.setColor(QPalette::HighlightedText, Text);
    C->setPalette(Pal);
  }
  SetKindCaption();
}

void TTransact::SetKindCaption() {
  QString Caption = FKind == tkExpense ? "Expense Transaction" : "Income Transaction";
  if (TabControl->count() > 0) Caption = "Split " + Caption;
  TransKindPanel->setText(Caption);
}

void TTransact::SetFieldColours() {
  const QColor Window = palette().color(QPalette::Base);
  QColor ComboTint = FLocked ? LockedComboColour() : Window;
  QColor FieldTint = FLocked ? LockedFieldColour() : Window;
  auto Paint = [](QWidget* W, const QColor& C) {
    QPalette Pal = W->palette();
    Pal.setColor(QPalette::Base, C);
    Pal.setColor(QPalette::Button, C);
    W->setPalette(Pal);
  };
  for (QComboBox* C : {BookCombo, ComboMainNum, ComboMainName, ComboGrpNum, ComboGrpName}) Paint(C, ComboTint);
  // Sub account boxes without a main account are painted like buttons.
  const QColor SubTint = ComboMainNum->currentIndex() < 0 ? palette().color(QPalette::Button) : ComboTint;
  for (QComboBox* C : {ComboSubNum, ComboSubName}) Paint(C, SubTint);
  for (QWidget* W : {static_cast<QWidget*>(DateEditBtn), static_cast<QWidget*>(NbrBoxAmount),
                     static_cast<QWidget*>(EditReference), static_cast<QWidget*>(MemoMemo)})
    Paint(W, FieldTint);
}

// ---------------------------------------------------------------- parts

int TTransact::LivePart(int Tab) const {
  int Seen = 0;
  for (int I = 0; I < static_cast<int>(FParts.size()); ++I) {
    if (FParts[I].Deleted) continue;
    if (Seen == Tab) return I;
    ++Seen;
  }
  return -1;
}

int TTransact::PartCount() const {
  return static_cast<int>(std::count_if(FParts.begin(), FParts.end(), [](const TPart& P) { return !P.Deleted; }));
}

int TTransact::CurrentTab() const { return TabControl->count() > 0 ? TabControl->currentIndex() : 0; }

TTransRec& TTransact::Shown() { return *FParts[FShownPart].Rec; }

void TTransact::ClearFields() {
  const bool Was = FLoading;
  FLoading = true;
  {
    QSignalBlocker B1(ComboMainNum), B2(ComboMainName);
    ComboMainNum->setCurrentIndex(-1);
    ComboMainName->setCurrentIndex(-1);
  }
  MainChanged(ComboMainNum);
  {
    QSignalBlocker B1(ComboGrpNum), B2(ComboGrpName);
    ComboGrpNum->setCurrentIndex(ComboGrpNum->count() > 0 ? 0 : -1);
    ComboGrpName->setCurrentIndex(ComboGrpName->count() > 0 ? 0 : -1);
  }
  BookCombo->setCurrentIndex(-1);
  NbrBoxAmount->SetValue(0);
  EditReference->clear();
  MemoMemo->clear();
  DetailLabel->clear();
  DisableCheck->setChecked(NewTransDisabled);
  FLoading = Was;
}

void TTransact::ShowPart(int Part) {
  if (Part < 0 || Part >= static_cast<int>(FParts.size())) return;
  FShownPart = Part;
  const TTransRec& R = *FParts[Part].Rec;
  const bool Was = FLoading;
  FLoading = true;
  if (!ChooseMain(R.MainActNo)) {
    ComboMainNum->setCurrentIndex(-1);
    MainChanged(ComboMainNum);
  }
  if (!ChooseSub(R.SubActNo)) ComboSubNum->setCurrentIndex(-1);
  if (!ChooseGroup(R.GroupNo)) ComboGrpNum->setCurrentIndex(-1);
  QString No = QString::number(R.TransNo);
  if (R.SplitLetter != '0') No += QChar(R.SplitLetter);
  TransNoPanel->setText(No);
  DateEditBtn->setDate(QDateOf(R.Date));
  NbrBoxAmount->SetValue(R.Amount);
  EditReference->setText(QString::fromStdString(R.Reference));
  MemoMemo->setPlainText(QString::fromStdString(R.Details));
  DisableCheck->setChecked(!R.Enabled);
  BookCombo->setCurrentIndex(R.Book ? FindData(BookCombo, R.BookNo) : -1);
  UpdateDetailLabel();
  FLoading = Was;
}

void TTransact::StorePart() {
  if (FShownPart < 0 || FShownPart >= static_cast<int>(FParts.size())) return;
  TTransRec& R = Shown();
  R.Date = std::floor(DateTimeOf(DateEditBtn->date()));
  R.Kind = static_cast<std::uint8_t>(FKind);
  R.Reference = EditReference->text().left(20).toStdString();
  R.MainActNo = ComboMainNum->currentIndex() >= 0 ? ComboMainNum->currentData().toInt() : 0;
  R.MainAct = L.MainActs.FindByNo(R.MainActNo);
  R.SubActNo = ComboSubName->currentIndex() >= 0 ? ComboSubNum->currentData().toInt() : 0;
  R.SubAct = L.SubActs.FindByNo(R.MainActNo, R.SubActNo);
  R.GroupNo = static_cast<std::int16_t>(ComboGrpName->currentIndex() >= 0 ? ComboGrpNum->currentData().toInt() : 0);
  R.Group = L.Groups.FindPtr(R.GroupNo);
  if (BookCombo->currentIndex() >= 0) {
    R.BookNo = static_cast<std::int16_t>(BookCombo->currentData().toInt());
    R.Book = L.Books.FindPtr(R.BookNo);
  } else {
    R.BookNo = 0;
    R.Book = nullptr;
  }
  R.Amount = NbrBoxAmount->Value();
  R.Balance = 0;
  R.Details = MemoMemo->toPlainText().left(255).toStdString();
  R.InSelection = true;
  R.Enabled = !DisableCheck->isChecked();
}

void TTransact::TabChanged(int Index) {
  if (FLoading || Index < 0) return;
  StorePart();
  ShowPart(LivePart(Index));
  TabControl->update();
}

void TTransact::FieldEdited() {
  if (FLoading) return;
  FModified = true;
  StorePart();
}

void TTransact::AmountEdited() {
  if (FLoading) return;
  FModified = true;
  FAmountsChanged = true;
  StorePart();
  UpdateTotal();
}

void TTransact::UpdateTotal() {
  if (TabControl->count() == 0) return;
  Currency Total = 0;
  for (const TPart& P : FParts)
    if (!P.Deleted) Total += P.Rec->Amount;
  TotalAmountLabel->setText(QString::fromStdString(FormatMoney(Total)));
}

void TTransact::Warn(const std::string& Text) { H.Prompts.ShowMessage(TMsgKind::Warning, Text); }
void TTransact::Inform(const std::string& Text) { H.Prompts.ShowMessage(TMsgKind::Information, Text); }

TMsgButton TTransact::Ask(const std::string& Text) {
  return H.Prompts.Ask(TMsgKind::Confirmation, Text, mbYes | mbNo | mbCancel);
}
