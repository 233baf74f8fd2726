#include "NewFileDialogs.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QValidator>
#include <QVBoxLayout>

#include "CentreOnWorkArea.h"
#include "NewFileChecks.h"

namespace {
// The folder of the existing file chosen last: "Browse..." starts there next time.
QString LastExistingFolder;

QLabel* Caption(const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setWordWrap(true);
  return l;
}

QLabel* StepNumber(const QString& n, QWidget* parent) {
  auto* l = new QLabel(n, parent);
  QFont f = l->font();
  f.setPointSize(f.pointSize() * 2);
  f.setBold(true);
  l->setFont(f);
  l->setAlignment(Qt::AlignCenter);
  l->setFixedWidth(32);
  return l;
}

// The name box takes no character a file name here may not hold.
class TFileNameValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    for (const QChar c : input)
      if (NewFileNameCharRefused(c.unicode())) return Invalid;
    return Acceptable;
  }
};
}  // namespace

TNewFile::TNewFile(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("NewFile"));
  setWindowTitle(tr("New File"));
  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(14);
  grid->setVerticalSpacing(12);
  const auto big = [this](const QString& text, const char* name, int choice) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QLatin1String(name));
    b->setMinimumSize(150, 44);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    connect(b, &QPushButton::clicked, this, [this, choice] { done(choice); });
    return b;
  };
  WizardBtn = big(tr("&File Wizard"), "WizardBtn", ncWizard);
  BlankBtn = big(tr("&Blank File"), "BlankBtn", ncBlank);
  ExistingBtn = big(tr("&From Existing File"), "ExistingBtn", ncExisting);
  grid->addWidget(WizardBtn, 0, 0);
  grid->addWidget(Caption(tr("Let the Quimbel Books file Wizard guide you through the setup of your file.  (recommended)"), this), 0, 1);
  grid->addWidget(BlankBtn, 1, 0);
  grid->addWidget(Caption(tr("Create a file from scratch"), this), 1, 1);
  grid->addWidget(ExistingBtn, 2, 0);
  grid->addWidget(Caption(tr("Create a new file based on the account structure of an existing Quimbel Books file."), this), 2, 1);
  CloseBtn = new QPushButton(tr("&Close"), this);
  CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
  connect(CloseBtn, &QPushButton::clicked, this, [this] { done(ncClose); });
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(CloseBtn);
  grid->addLayout(row, 3, 0, 1, 2);
  grid->setColumnMinimumWidth(1, 260);
  WizardBtn->setDefault(true);
}

void TNewFile::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  CentreOnWorkArea(this);
}

TNewFromExDlg::TNewFromExDlg(QWidget* parent) : QDialog(parent), folder_(LastExistingFolder) {
  setObjectName(QStringLiteral("NewFromExDlg"));
  setWindowTitle(tr("New File from Exitsing File"));
  auto* grid = new QGridLayout(this);
  grid->setVerticalSpacing(10);

  grid->addWidget(StepNumber(QStringLiteral("1"), this), 0, 0, 2, 1);
  grid->addWidget(Caption(tr("Click the 'Browse' button to select your existing file"), this), 0, 1, 1, 2);
  ExistingEdit = new QLineEdit(this);
  ExistingEdit->setObjectName(QStringLiteral("ExistingEdit"));
  ExistingEdit->setReadOnly(true);
  ExistingEdit->setMinimumWidth(280);
  BrowseBtn = new QPushButton(tr("Browse..."), this);
  BrowseBtn->setObjectName(QStringLiteral("BrowseBtn"));
  grid->addWidget(ExistingEdit, 1, 1);
  grid->addWidget(BrowseBtn, 1, 2);

  grid->addWidget(StepNumber(QStringLiteral("2"), this), 2, 0, 2, 1);
  grid->addWidget(Caption(tr("Type in a name for your new file"), this), 2, 1, 1, 2);
  NameEdit = new QLineEdit(this);
  NameEdit->setObjectName(QStringLiteral("NameEdit"));
  NameEdit->setMaxLength(NewFileNameMaxLength);
  NameEdit->setValidator(new TFileNameValidator(NameEdit));
  grid->addWidget(NameEdit, 3, 1, 1, 2);

  grid->addWidget(StepNumber(QStringLiteral("3"), this), 4, 0);
  MakeBtn = new QPushButton(tr("Make New File"), this);
  MakeBtn->setObjectName(QStringLiteral("MakeBtn"));
  MakeBtn->setDefault(true);
  grid->addWidget(MakeBtn, 4, 1, Qt::AlignLeft);
  CancelBtn = new QPushButton(tr("Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  grid->addWidget(CancelBtn, 5, 2);

  connect(BrowseBtn, &QPushButton::clicked, this, [this] {
    if (!ChooseExisting) return;
    const QString chosen = ChooseExisting(folder_);
    if (!chosen.isEmpty()) SetExistingFile(chosen);
  });
  connect(MakeBtn, &QPushButton::clicked, this, [this] { MakeNewFileClicked(); });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TNewFromExDlg::SetExistingFile(const QString& path) {
  existing_ = path;
  ExistingEdit->setText(QFileInfo(path).fileName());
  folder_ = LastExistingFolder = QFileInfo(path).absolutePath();
}

void TNewFromExDlg::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  CentreOnWorkArea(this);
}

void TNewFromExDlg::MakeNewFileClicked() {
  std::string newPath;
  const TNewFromExCheck check = CheckNewFromExisting(existing_.toStdString(), NameEdit->text().toStdString(), newPath);
  if (check != nfOk) {
    QMessageBox::information(this, tr("Information"), QString::fromStdString(NewFromExMessage(check)));
    return;
  }
  newName_ = QString::fromStdString(newPath);
  const bool made = MakeFile && MakeFile(newName_, existing_);
  if (!made) newName_.clear();
  done(made ? Accepted : Rejected);
}
