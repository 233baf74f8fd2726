#include "ConvertWizard.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
QLabel* Text(const QString& s, QWidget* parent) {
  auto* l = new QLabel(s, parent);
  l->setWordWrap(true);
  return l;
}
}  // namespace

TFileConvertForm::TFileConvertForm(std::vector<TConvertCategory>& custom, QWidget* parent)
    : QDialog(parent), custom_(custom) {
  setObjectName(QStringLiteral("FileConvertForm"));
  setWindowTitle(tr("File Convert Wizard"));
  resize(520, 380);
  auto* layout = new QVBoxLayout(this);
  Pages = new QStackedWidget(this);
  layout->addWidget(Pages);

  auto* intro = new QWidget(Pages);
  auto* il = new QVBoxLayout(intro);
  il->addWidget(Text(tr("Quimbel Books has detected that the file being opened is a Quimbel Books version 1 File."), intro));
  il->addWidget(Text(tr("This Wizard will guide you through the simple steps of converting it to a Quimbel Books version 2 file."), intro));
  il->addWidget(Text(tr("To continue click the 'Next' button to continue."), intro));
  il->addStretch();
  Pages->addWidget(intro);

  auto* name = new QWidget(Pages);
  auto* nl = new QVBoxLayout(name);
  nl->addWidget(Text(tr("Enter Book name"), name));
  nl->addWidget(Text(tr("Quimbel Books version 2 allows you to run multiple books in the same file.  In the box below type a "
                        "name for the book in the file you are converting.  e.g. \"Busines Check Account 1\".  The book "
                        "name can be changed at any time."),
                     name));
  BookNameEdit = new QLineEdit(name);
  nl->addWidget(BookNameEdit);
  nl->addWidget(Text(tr("If you leave the box empty Quimbel Books will create a name for you."), name));
  nl->addStretch();
  Pages->addWidget(name);

  auto* cats = new QWidget(Pages);
  auto* cl = new QVBoxLayout(cats);
  cl->addWidget(Text(tr("To enable more detailed reporting, Quimbel Books 2 now requires each Category to be of a specific type."), cats));
  cl->addWidget(Text(tr("In the box below you will see a list of all the custom categories created in the file you are "
                        "converting.  You need to give each Category a type."),
                     cats));
  cl->addWidget(Text(tr("Select a Category from the box on the left and pick the Category type the fits best from the box on "
                        "the right.  "),
                     cats));
  auto* row = new QHBoxLayout;
  CatList = new QListWidget(cats);
  for (const TConvertCategory& c : custom_) {
    auto* item = new QListWidgetItem(QString::fromStdString(c.Name), CatList);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);  // the tick follows the class only
    item->setCheckState(c.ReportClass != 0 ? Qt::Checked : Qt::Unchecked);
  }
  row->addWidget(CatList);
  const auto makeBox = [&](const QString& title, const std::vector<std::pair<const char*, int>>& items, QButtonGroup*& group) {
    auto* box = new QGroupBox(title, cats);
    auto* bl = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    for (const auto& [caption, cls] : items) {
      auto* rb = new QRadioButton(tr(caption), box);
      group->addButton(rb, cls);
      bl->addWidget(rb);
    }
    row->addWidget(box);
    box->hide();
    connect(group, &QButtonGroup::idClicked, this, [this](int cls) {
      const int r = CatList->currentRow();
      if (r < 0) return;
      custom_[std::size_t(r)].ReportClass = std::int16_t(cls);
      CatList->item(r)->setCheckState(Qt::Checked);
      UpdateFinish();
    });
    return box;
  };
  incomeBox_ = makeBox(tr("Income Category Type"), {{"Sales Income", 1}, {"Other Income", 3}, {"Asset && Liability", 5}, {"Funds", 6}},
                       incomeGroup_);
  expenseBox_ = makeBox(tr("Expense Category Type"),
                        {{"Cost of Sales", 1}, {"Normal Operating Expenses", 2}, {"Other Expenses", 3}, {"Company Tax", 4},
                         {"Asset && Liability", 5}, {"Funds", 6}},
                        expenseGroup_);
  cl->addLayout(row);
  Pages->addWidget(cats);
  connect(CatList, &QListWidget::currentRowChanged, this, [this](int r) { ShowCategory(r); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  BackBtn = new QPushButton(tr("&Back"), this);
  NextBtn = new QPushButton(tr("&Next"), this);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  buttons->addWidget(BackBtn);
  buttons->addWidget(NextBtn);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  connect(BackBtn, &QPushButton::clicked, this, [this] { ShowPage(Pages->currentIndex() - 1); });
  connect(NextBtn, &QPushButton::clicked, this, [this] { Next(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  ShowPage(0);
}

QString TFileConvertForm::BookName() const { return BookNameEdit->text(); }

void TFileConvertForm::ShowPage(int page) {
  Pages->setCurrentIndex(qBound(0, page, 2));
  BackBtn->setEnabled(Pages->currentIndex() > 0);
  const bool last = Pages->currentIndex() == 2 || (Pages->currentIndex() == 1 && custom_.empty());
  NextBtn->setText(last ? tr("&Finish") : tr("&Next"));
  UpdateFinish();
}

void TFileConvertForm::Next() {
  const int page = Pages->currentIndex();
  if (page == 2 || (page == 1 && custom_.empty())) accept();
  else ShowPage(page + 1);
}

void TFileConvertForm::ShowCategory(int r) {
  incomeBox_->hide();
  expenseBox_->hide();
  if (r < 0) return;
  const TConvertCategory& c = custom_[std::size_t(r)];
  QGroupBox* box = c.Kind == 1 ? incomeBox_ : expenseBox_;
  QButtonGroup* group = c.Kind == 1 ? incomeGroup_ : expenseGroup_;
  group->setExclusive(false);
  for (QAbstractButton* b : group->buttons()) b->setChecked(group->id(b) == c.ReportClass);
  group->setExclusive(true);
  box->show();
}

void TFileConvertForm::UpdateFinish() {
  if (Pages->currentIndex() != 2) {
    NextBtn->setEnabled(true);
    return;
  }
  bool all = true;
  for (const TConvertCategory& c : custom_) all = all && c.ReportClass != 0;
  NextBtn->setEnabled(all);
}
