#include "CatForm.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "AccountPrompts.h"
#include "AccountRules.h"
#include "CentreOnWorkArea.h"
#include "DialogHelpers.h"
#include "FixedText.h"
#include "NewEditCat.h"

namespace {

constexpr int DefaultRole = Qt::UserRole + 1;

// The mark drawn in front of a default category (and in the legend).
void DrawDefaultMark(QPainter& P, const QRect& R) {
  P.save();
  P.setRenderHint(QPainter::Antialiasing);
  P.setPen(QColor(0, 0, 128));
  P.setBrush(QColor(255, 215, 0));
  const int D = std::min(R.width(), R.height()) - 4;
  P.drawRect(QRect(R.left() + (R.width() - D) / 2, R.top() + (R.height() - D) / 2, D, D));
  P.restore();
}

class TCatDelegate : public QStyledItemDelegate {
 public:
  TCatDelegate(const int* Kind, QObject* Parent) : QStyledItemDelegate(Parent), Kind(Kind) {}
  void paint(QPainter* P, const QStyleOptionViewItem& O, const QModelIndex& I) const override {
    const bool Sel = O.state & QStyle::State_Selected;
    P->fillRect(O.rect, Sel ? KindColour(*Kind) : O.palette.color(QPalette::Base));
    if (I.data(DefaultRole).toBool()) DrawDefaultMark(*P, QRect(O.rect.left(), O.rect.top(), 12, O.rect.height()));
    QFont F = O.font;
    F.setBold(Sel);
    P->setFont(F);
    P->setPen(Sel ? KindTextColour(*Kind) : O.palette.color(QPalette::Text));
    P->drawText(O.rect.adjusted(12, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, I.data().toString());
  }
  QSize sizeHint(const QStyleOptionViewItem& O, const QModelIndex&) const override {
    return QSize(100, QFontMetrics(O.font).boundingRect("X").height() + 1);
  }

 private:
  const int* Kind;
};

class TDefaultLegend : public QWidget {
 public:
  using QWidget::QWidget;
  QSize sizeHint() const override { return QSize(14, 14); }
  void paintEvent(QPaintEvent*) override {
    QPainter P(this);
    DrawDefaultMark(P, rect());
  }
};

}  // namespace

TCatForm::TCatForm(TBookLists& Lists, QWidget* Parent) : QDialog(Parent), L(Lists) {
  setWindowTitle("Categories");
  InToggle = new QPushButton("&Income", this);
  ExToggle = new QPushButton("E&xpense", this);
  StyleKindToggle(InToggle, 1);
  StyleKindToggle(ExToggle, 2);
  InToggle->setAutoExclusive(true);
  ExToggle->setAutoExclusive(true);
  for (QPushButton* B : {InToggle, ExToggle}) B->setAutoDefault(false);
  ListBox = new QListWidget(this);
  ListBox->setItemDelegate(new TCatDelegate(&CurrentKind, ListBox));
  ListBox->installEventFilter(this);
  NewBtn = new QPushButton("&New", this);
  EditBtn = new QPushButton("&Edit", this);
  DeleteBtn = new QPushButton("&Delete", this);
  OKBtn = new QPushButton("&Close", this);
  HelpBtn = new QPushButton("&Help", this);
  OKBtn->setDefault(true);
  for (QPushButton* B : {NewBtn, EditBtn, DeleteBtn, HelpBtn}) B->setAutoDefault(false);

  auto* Toggles = new QHBoxLayout;
  Toggles->addWidget(InToggle);
  Toggles->addWidget(ExToggle);
  auto* Legend = new QHBoxLayout;
  Legend->addWidget(new TDefaultLegend(this));
  Legend->addWidget(new QLabel("= Default Category", this));
  Legend->addStretch();
  auto* Left = new QVBoxLayout;
  Left->addLayout(Toggles);
  Left->addWidget(ListBox, 1);
  Left->addLayout(Legend);
  auto* Right = new QVBoxLayout;
  for (QPushButton* B : {NewBtn, EditBtn, DeleteBtn}) Right->addWidget(B);
  Right->addStretch();
  Right->addWidget(OKBtn);
  Right->addWidget(HelpBtn);
  auto* Lay = new QHBoxLayout(this);
  Lay->addLayout(Left, 1);
  Lay->addLayout(Right);
  resize(380, 320);

  connect(InToggle, &QPushButton::clicked, this, [this] { ShowKind(1); });
  connect(ExToggle, &QPushButton::clicked, this, [this] { ShowKind(2); });
  connect(ListBox, &QListWidget::currentRowChanged, this, [this] { SelectionChanged(); });
  connect(ListBox, &QListWidget::itemDoubleClicked, this, [this] {
    if (EditBtn->isEnabled()) EditClicked();
  });
  connect(NewBtn, &QPushButton::clicked, this, [this] { NewClicked(); });
  connect(EditBtn, &QPushButton::clicked, this, [this] { EditClicked(); });
  connect(DeleteBtn, &QPushButton::clicked, this, [this] { DeleteClicked(); });
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(HelpBtn, &QPushButton::clicked, this, [] { ShowAccountHelp(7000); });
}

bool TCatForm::eventFilter(QObject* Watched, QEvent* E) {
  if (Watched == ListBox && E->type() == QEvent::KeyPress) {
    const int Key = static_cast<QKeyEvent*>(E)->key();
    if (Key == Qt::Key_Return || Key == Qt::Key_Enter || Key == Qt::Key_Space) {
      if (EditBtn->isEnabled()) EditClicked();
      return true;
    }
  }
  return QDialog::eventFilter(Watched, E);
}

void TCatForm::Prepare(int Row) {
  ChangedFlag = false;
  Deleted = TDeletedRows();
  const TCatRec* Rec = Row >= 0 ? L.Cats.ViewItems(Row) : nullptr;
  ShowKind(Rec ? Rec->Kind : 1);
  if (Rec) SelectName(Rec->Name);
  CentreOnWorkArea(this);
}

void TCatForm::ShowKind(int Kind) {
  CurrentKind = Kind == 1 ? 1 : 2;
  (CurrentKind == 1 ? InToggle : ExToggle)->setChecked(true);
  std::vector<const TCatRec*> Recs;
  for (const TCatRec* R : L.Cats.MasterList())
    if (R->Kind == CurrentKind) Recs.push_back(R);
  std::stable_sort(Recs.begin(), Recs.end(),
                   [](const TCatRec* A, const TCatRec* B) { return CompareTextNoCase(A->Name, B->Name) < 0; });
  ListBox->clear();
  for (const TCatRec* R : Recs) {
    auto* It = new QListWidgetItem(Q(R->Name), ListBox);
    It->setData(DefaultRole, R->IsDefault);
  }
  ListBox->setCurrentRow(ListBox->count() > 0 ? 0 : -1);
  SelectionChanged();
}

TCatRec* TCatForm::Selected() const {
  QListWidgetItem* It = ListBox->currentItem();
  if (!It) return nullptr;
  const std::string Name = S(It->text());
  for (TCatRec* R : L.Cats.MasterList())
    if (R->Kind == CurrentKind && R->Name == Name) return R;
  return nullptr;
}

void TCatForm::SelectName(const std::string& Name) {
  for (int I = 0; I < ListBox->count(); ++I)
    if (S(ListBox->item(I)->text()) == Name) ListBox->setCurrentRow(I);
  SelectionChanged();
}

void TCatForm::SelectionChanged() {
  const TCatRec* R = Selected();
  EditBtn->setEnabled(R && !R->IsDefault);
  DeleteBtn->setEnabled(R && !R->IsDefault);
}

void TCatForm::NewClicked() {
  if (!AccountPasswordCheck(poAdding)) return;
  std::string Name;
  int Class = 0;
  if (!ShowCategoryDialog(L.Cats, Name, Class, CurrentKind == 1, true, this)) return;
  L.Cats.AddCategory(CutToChars(Name, 40), CurrentKind, Class, false);
  L.Cats.Recount();
  ShowKind(CurrentKind);
  SelectName(CutToChars(Name, 40));
  ChangedFlag = true;
}

void TCatForm::EditClicked() {
  TCatRec* R = Selected();
  if (!R || R->IsDefault) return;
  if (!AccountPasswordCheck(poEditing)) return;
  std::string Name = R->Name;
  int Class = R->ReportClass;
  if (!ShowCategoryDialog(L.Cats, Name, Class, CurrentKind == 1, false, this)) return;
  R->Name = CutToChars(Name, 40);
  R->ReportClass = static_cast<std::int16_t>(Class);
  L.Cats.NotifyChanged(L.Cats.IndexOf(R));
  ListBox->currentItem()->setText(Q(R->Name));
  ChangedFlag = true;
}

void TCatForm::DeleteClicked() {
  TCatRec* R = Selected();
  if (!R) return;
  if (!AccountPasswordCheck(poDeleting)) return;
  const std::string Name = R->Name;
  if (AccountPrompts().Confirm("Do you really want to delete category '" + Name + "'?", true) != TAskResult::Yes)
    return;
  if (R->IsDefault) {
    AccountPrompts().Inform("You can't delete a default Category");
    return;
  }
  if (const TMainActRec* User = CategoryUser(L.MainActs, R->CatID)) {
    AccountPrompts().Inform("Category '" + Name + "' can't be deleted because it is" +
                            " being used by Main Account '" + User->Name + "'");
    return;
  }
  Deleted.Cats.push_back(R->ViewIndex);
  L.Cats.Delete(L.Cats.IndexOf(R));
  L.Cats.Recount();
  ShowKind(CurrentKind);
  ChangedFlag = true;
}

bool ShowCategoryEditor(TBookLists& Lists, int Row, QWidget* Parent, TDeletedRows* Deleted) {
  TCatForm Form(Lists, Parent);
  Form.Prepare(Row);
  Form.exec();
  if (Deleted) Deleted->Cats.insert(Deleted->Cats.end(), Form.Deleted.Cats.begin(), Form.Deleted.Cats.end());
  return Form.Changed();
}
