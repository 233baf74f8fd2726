#include "AboutBox.h"

#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "HelpPages.h"

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(tr("About Quimbel Books"));
  auto* layout = new QVBoxLayout(this);
  auto* icon = new QLabel(this);
  icon->setPixmap(QIcon(DataFolder() + QStringLiteral("/icons/quimbelbooks.svg")).pixmap(64, 64));
  icon->setAlignment(Qt::AlignCenter);
  layout->addWidget(icon);
  auto* name = new QLabel(tr("<h2>Quimbel Books 2</h2>"), this);
  name->setAlignment(Qt::AlignCenter);
  layout->addWidget(name);
  auto* version = new QLabel(tr("Version %1").arg(QStringLiteral(QB_VERSION)), this);
  version->setObjectName(QStringLiteral("VersionLabel"));
  version->setAlignment(Qt::AlignCenter);
  layout->addWidget(version);
  auto* text = new QLabel(tr("A cash book for a small business or a household."), this);
  text->setAlignment(Qt::AlignCenter);
  layout->addWidget(text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}
