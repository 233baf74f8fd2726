#include "FontWarn.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFontWarn::TFontWarn(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FontWarn"));
  setWindowTitle(tr("Information"));
  auto* layout = new QVBoxLayout(this);
  for (const char* text : {"Quimbel Books was unable to locate the 'Arial' font.",
                           "Quimbel Books needs the 'Arial' font to display its windows in the best possible way.  Some "
                           "screens may look messy or jumbled.",
                           "This problem will not cause any damage to your data.",
                           "The Arial font is installed by default when Windows is installed."}) {
    auto* l = new QLabel(tr(text), this);
    l->setWordWrap(true);
    layout->addWidget(l);
  }
  DontShowBox = new QCheckBox(tr("Don't display this message again"), this);
  layout->addWidget(DontShowBox);
  auto* ok = new QPushButton(tr("&OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignRight);
  setFixedWidth(420);
}
