#include "BooksForm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "CentreOnWorkArea.h"
#include "DeleteDialog.h"
#include "FileManager.h"
#include "FormColours.h"
#include "MoneyFormat.h"
#include "NewEditBookForm.h"

namespace {

constexpr int BookRole = Qt::UserRole;

// Rows: a selected book in white bold on its colour inside a frame; others black on the
// button face with a swatch of the book's colour at the end of the name column; the opening
// balance right-aligned.
class TBookRowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const override {
    QFont F = Option.font;
    F.setBold(true);
    return QSize(QStyledItemDelegate::sizeHint(Option, Index).width(), QFontMetrics(F).height() + 7);
  }
  void paint(QPainter* P, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override {
    const auto* Book = static_cast<const TBookRec*>(Index.data(BookRole).value<void*>());
    const bool Sel = Option.state & QStyle::State_Selected;
    const QColor BookColour = Book ? ColourOf(static_cast<TColor>(Book->Colour)) : QColor(Qt::gray);
    QRect R = Option.rect;
    QFont F = Option.font;
    P->save();
    if (Sel) {
      P->fillRect(R, BookColour);
      F.setBold(true);
      P->setPen(Qt::white);
    } else {
      P->fillRect(R, Option.palette.color(QPalette::Button));
      P->setPen(Qt::black);
    }
    P->setFont(F);
    const QRect Text = R.adjusted(4, 0, -4, 0);
    if (Index.column() == 0) {
      QRect NameRect = Text;
      if (!Sel) {
        QRect Swatch(R.right() - 33, R.top() + 3, 30, R.height() - 6);
        P->fillRect(Swatch, BookColour);
        P->drawRect(Swatch);
        NameRect.setRight(Swatch.left() - 4);
      }
      P->drawText(NameRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                  QFontMetrics(F).elidedText(Index.data().toString(), Qt::ElideRight, NameRect.width()));
    } else {
      P->drawText(Text, Qt::AlignVCenter | Qt::AlignRight | Qt::TextSingleLine, Index.data().toString());
    }
    if (Sel) {
      P->setPen(QPen(Qt::black, 1, Qt::DotLine));
      P->drawRect(R.adjusted(0, 0, -1, -1));
    }
    P->restore();
  }
};

}  // namespace

TBooksForm::TBooksForm(TTransactHost& Host, QWidget* Parent) : QDialog(Parent), H(Host), L(Host.Lists) {
  setWindowTitle("Books");
  auto* Top = new QHBoxLayout(this);
  BookListView = new QTreeWidget(this);
  BookListView->setColumnCount(2);
  BookListView->setHeaderLabels({"Book Name", "Opening Balance"});
  BookListView->setRootIsDecorated(false);
  BookListView->setUniformRowHeights(true);
  BookListView->setSelectionMode(QAbstractItemView::SingleSelection);
  BookListView->setSelectionBehavior(QAbstractItemView::SelectRows);
  BookListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  BookListView->setItemDelegate(new TBookRowDelegate(BookListView));
  BookListView->header()->setStretchLastSection(false);
  BookListView->header()->resizeSection(0, 200);
  BookListView->header()->resizeSection(1, 150);
  BookListView->setMinimumSize(200 + 150 + 6, 240);
  BookListView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  BookListView->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
  Top->addWidget(BookListView, 1);

  auto* Side = new QVBoxLayout;
  NewBtn = new QPushButton("&New", this);
  EditBtn = new QPushButton("&Edit", this);
  DeleteBtn = new QPushButton("&Delete", this);
  for (QPushButton* B : {NewBtn, EditBtn, DeleteBtn}) {
    B->setAutoDefault(false);
    Side->addWidget(B);
  }
  auto* Arrows = new QHBoxLayout;
  UpBtn = new QToolButton(this);
  UpBtn->setArrowType(Qt::UpArrow);
  UpBtn->setToolTip("Move Book up");
  UpBtn->setAutoRepeat(true);
  DownBtn = new QToolButton(this);
  DownBtn->setArrowType(Qt::DownArrow);
  DownBtn->setToolTip("Move Book down");
  DownBtn->setAutoRepeat(true);
  Arrows->addWidget(UpBtn);
  Arrows->addWidget(DownBtn);
  Side->addLayout(Arrows);
  Side->addStretch(1);
  OKBtn = new QPushButton("&OK", this);
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton("&Cancel", this);
  HelpBtn = new QPushButton("&Help", this);
  for (QPushButton* B : {CancelBtn, HelpBtn}) B->setAutoDefault(false);
  Side->addWidget(OKBtn);
  Side->addWidget(CancelBtn);
  Side->addWidget(HelpBtn);
  Top->addLayout(Side);

  connect(NewBtn, &QPushButton::clicked, this, [this] { NewClick(); });
  connect(EditBtn, &QPushButton::clicked, this, [this] { EditClick(); });
  connect(DeleteBtn, &QPushButton::clicked, this, [this] { DeleteClick(); });
  connect(UpBtn, &QToolButton::clicked, this, [this] { UpClick(); });
  connect(DownBtn, &QToolButton::clicked, this, [this] { DownClick(); });
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(HelpBtn, &QPushButton::clicked, this, [this] {
    if (H.ShowHelp) H.ShowHelp(2000);
  });
  connect(BookListView, &QTreeWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });
  connect(BookListView, &QTreeWidget::itemDoubleClicked, this, [this] { EditClick(); });
}

void TBooksForm::Prepare(int BookIndex) {
  Fill();
  SelectRow(BookIndex >= 0 && BookIndex < static_cast<int>(FRows.size()) ? BookIndex : 0);
  FChanged = false;
  SelectionChanged();
}

void TBooksForm::Fill() {
  BookListView->clear();
  FRows.clear();
  for (TBookRec* Book : L.Books.MasterList()) AddRow(Book);
}

void TBooksForm::AddRow(TBookRec* Book) {
  FRows.push_back(Book);
  auto* Item = new QTreeWidgetItem(BookListView);
  Item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
  RowTexts(static_cast<int>(FRows.size()) - 1);
}

void TBooksForm::RowTexts(int Row) {
  QTreeWidgetItem* Item = BookListView->topLevelItem(Row);
  const TBookRec* Book = FRows[Row];
  Item->setText(0, QString::fromStdString(Book->Name));
  Item->setText(1, QString::fromStdString(FormatMoney(Book->OpenBal ? Book->OpenBal->Amount : 0)));
  Item->setData(0, BookRole, QVariant::fromValue(static_cast<void*>(const_cast<TBookRec*>(Book))));
  Item->setData(1, BookRole, QVariant::fromValue(static_cast<void*>(const_cast<TBookRec*>(Book))));
}

int TBooksForm::SelectedRow() const {
  QTreeWidgetItem* Item = BookListView->currentItem();
  if (!Item || !Item->isSelected()) return -1;
  return BookListView->indexOfTopLevelItem(Item);
}

void TBooksForm::SelectRow(int Row) {
  if (Row < 0 || Row >= BookListView->topLevelItemCount()) {
    BookListView->clearSelection();
    SelectionChanged();
    return;
  }
  QTreeWidgetItem* Item = BookListView->topLevelItem(Row);
  BookListView->setCurrentItem(Item);
  Item->setSelected(true);
}

void TBooksForm::SelectionChanged() {
  const bool Any = SelectedRow() >= 0;
  for (QWidget* W : {static_cast<QWidget*>(EditBtn), static_cast<QWidget*>(DeleteBtn),
                     static_cast<QWidget*>(UpBtn), static_cast<QWidget*>(DownBtn)})
    W->setEnabled(Any);
  // Ten books or more bring a scroll bar; the balance column gives way to it.
  int Width = 150;
  if (FRows.size() >= 10) Width -= BookListView->verticalScrollBar()->sizeHint().width();
  BookListView->header()->resizeSection(1, Width);
}

void TBooksForm::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  CentreOnWorkArea(this);
}

bool TBooksForm::BookDialog(bool New, TBookDetails& D) {
  const int Count = L.Books.Count();
  if (H.BookDialog) return H.BookDialog(this, New, D, Count);
  return ShowBookDialog(this, New, D, Count, H.ChooseColour);
}

TTransRec& TBooksForm::AddOpenBal(TBookRec& Book, const TBookDetails& D) {
  auto OB = std::make_unique<TTransRec>();
  OB->TransNo = L.Trans.NextTransNo();
  OB->Date = D.Date;
  OB->Kind = tkOpenBal;
  OB->BookNo = static_cast<std::int16_t>(Book.BookNo);
  OB->Book = &Book;
  OB->Amount = D.Balance;
  OB->Enabled = true;
  OB->InSelection = true;
  TTransRec& Ref = *OB;
  Book.OpenBalNo = OB->TransNo;
  Book.OpenBal = &Ref;
  L.Trans.Add(std::move(OB));
  return Ref;
}

void TBooksForm::NewClick() {
  if (!H.Password(1)) return;
  TBookDetails D;
  D.Colour = DefaultBookColour(L.Books.Count());
  D.Date = Today();
  if (!BookDialog(true, D)) return;
  if (!L.Books.ValidateName(D.Name, H.Prompts)) return;
  auto Book = std::make_unique<TBookRec>();
  TBookRec& B = *Book;
  B.BookNo = L.Books.NextBookNo();
  B.Name = D.Name;
  B.Colour = static_cast<std::int32_t>(D.Colour);
  B.Shown = true;
  // The book reaches the file before its opening balance, so a file cut short between the two
  // never holds an opening balance of a book it does not know.
  B.OpenBalNo = L.Trans.NextTransNo();
  L.Books.Add(std::move(Book));
  AddOpenBal(B, D);
  L.Books.Renumber();
  L.Trans.SortMasterByDate();
  AddRow(&B);
  SelectRow(static_cast<int>(FRows.size()) - 1);
  FChanged = true;
  SelectionChanged();
}

void TBooksForm::EditClick() {
  const int Row = SelectedRow();
  if (Row < 0) return;
  if (!H.Password(2)) return;
  TBookRec& B = *FRows[Row];
  TBookDetails D;
  D.Name = B.Name;
  D.Colour = static_cast<TColor>(B.Colour);
  D.Balance = B.OpenBal ? B.OpenBal->Amount : 0;
  D.Date = B.OpenBal ? B.OpenBal->Date : Today();
  if (!BookDialog(false, D)) return;
  const QString Old = QString::fromStdString(B.Name);
  if (Old.compare(QString::fromStdString(D.Name).trimmed(), Qt::CaseInsensitive) != 0 &&
      !L.Books.ValidateName(D.Name, H.Prompts))
    return;
  B.Name = QString::fromStdString(D.Name).trimmed().toStdString();
  B.Colour = static_cast<std::int32_t>(D.Colour);
  if (B.OpenBal) {
    B.OpenBal->Amount = D.Balance;
    B.OpenBal->Date = D.Date;
    L.Trans.NotifyChanged(L.Trans.IndexOf(B.OpenBal));
  } else {
    // A book that lost its opening balance gets one again.
    AddOpenBal(B, D);
  }
  L.Books.NotifyChanged(L.Books.IndexOf(&B));
  L.Trans.SortMasterByDate();
  RowTexts(Row);
  BookListView->viewport()->update();
  FChanged = true;
}

void TBooksForm::DeleteClick() {
  const int Row = SelectedRow();
  if (Row < 0) return;
  if (!H.Password(0)) return;
  TBookRec& B = *FRows[Row];
  const std::string Name = B.Name;
  bool Delete = H.Prompts.Ask(TMsgKind::Confirmation, BookDeleteConfirmText(Name), mbYes | mbNo | mbCancel) == mbYes;
  if (Delete) {
    const TBookUse Use = BookUse(L, B.BookNo);
    switch (Use) {
      case buSplitAcrossBooks:
        H.Prompts.ShowMessage(TMsgKind::Information, BookUseText(Use, Name));
        Delete = false;
        break;
      case buTransfer:
        H.Prompts.ShowMessage(TMsgKind::Warning, BookUseText(Use, Name));
        Delete = false;
        break;
      case buTransactions:
        Delete = H.Prompts.Ask(TMsgKind::Warning, BookUseText(Use, Name), mbYes | mbNo | mbCancel) == mbYes &&
                 (H.CtrlConfirm ? H.CtrlConfirm(this) : ShowDeleteDialog(this));
        break;
      case buFree: break;
    }
  }
  if (Delete) {
    DeleteBookAndRecords(L, L.Books.IndexOf(&B));
    FRows.erase(FRows.begin() + Row);
    delete BookListView->takeTopLevelItem(Row);
    FChanged = true;
    SelectRow(std::min(Row, static_cast<int>(FRows.size()) - 1));
    SelectionChanged();
  }
  L.Trans.ApplyFilter();
}

void TBooksForm::Move(int By) {
  const int Row = SelectedRow();
  const int To = Row + By;
  if (Row < 0 || To < 0 || To >= static_cast<int>(FRows.size())) return;
  std::swap(FRows[Row], FRows[To]);
  RowTexts(Row);
  RowTexts(To);
  SelectRow(To);
  FChanged = true;
}

bool TBooksForm::Finish() {
  if (FChanged) {
    for (int I = 0; I < static_cast<int>(FRows.size()); ++I) L.Books.Replace(I, FRows[I]);
    L.Books.Renumber();
    if (H.FileManager) H.FileManager->MarkBooksChanged();
  }
  return FChanged;
}

bool ShowBooksForm(TTransactHost& Host, int BookIndex, QWidget* Parent) {
  TBooksForm F(Host, Parent);
  F.Prepare(BookIndex);
  F.exec();
  const bool Changed = F.Finish();
  if (Changed) {
    // Deleted books took their transactions with them; every total is worked out again.
    Host.Lists.Trans.SortMasterByDate();
    RecalcAll(Host.Lists);
  }
  return Changed;
}
