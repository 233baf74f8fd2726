#include "Choice.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "CentreOnWorkArea.h"

TChoice::TChoice(QWidget* Parent, const QString& Caption, const QString& Label)
    : QDialog(Parent), FIncome(new QPushButton(tr("&Income"), this)), FExpense(new QPushButton(tr("&Expense"), this)) {
  setWindowTitle(Caption);
  auto* Text = new QLabel(Label, this);
  QFont Bold = Text->font();
  Bold.setBold(true);
  Text->setFont(Bold);

  for (QPushButton* Btn : {FIncome, FExpense}) {
    Btn->setCheckable(true);
    Btn->setAutoDefault(false);
    Btn->setMinimumSize(110, 34);
    Btn->installEventFilter(this);
  }
  // The kind colours of the whole program: income lime with black text, expense red with white.
  FIncome->setStyleSheet(QStringLiteral("QPushButton:checked { background: #00ff00; color: black; font-weight: bold; border: 1px solid #006000; border-radius: 2px; }"));
  FExpense->setStyleSheet(QStringLiteral("QPushButton:checked { background: #ff0000; color: white; font-weight: bold; border: 1px solid #600000; border-radius: 2px; }"));
  auto* Group = new QButtonGroup(this);
  Group->setExclusive(true);
  Group->addButton(FIncome);
  Group->addButton(FExpense);
  FIncome->setChecked(true);

  auto* Ok = new QPushButton(tr("&OK"), this);
  auto* Cancel = new QPushButton(tr("&Cancel"), this);
  Ok->setDefault(true);
  Ok->setProperty("HelpContext", 10);
  Cancel->setProperty("HelpContext", 20);
  connect(Ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* Toggles = new QHBoxLayout;
  Toggles->addWidget(FIncome);
  Toggles->addWidget(FExpense);
  auto* Buttons = new QHBoxLayout;
  Buttons->addStretch();
  Buttons->addWidget(Ok);
  Buttons->addWidget(Cancel);
  auto* Layout = new QVBoxLayout(this);
  Layout->addWidget(Text);
  Layout->addLayout(Toggles);
  Layout->addSpacing(6);
  Layout->addLayout(Buttons);
  setFixedSize(sizeHint());
}

int TChoice::Kind() const { return FExpense->isChecked() ? 1 : 0; }

void TChoice::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  CentreOnWorkArea(this);
}

// A double-click on a toggle chooses it and closes as OK would.
bool TChoice::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() == QEvent::MouseButtonDblClick && (Watched == FIncome || Watched == FExpense)) {
    static_cast<QPushButton*>(Watched)->setChecked(true);
    accept();
    return true;
  }
  return QDialog::eventFilter(Watched, Event);
}

int ShowChoice(QWidget* Parent, const QString& Caption, const QString& Label) {
  TChoice Dlg(Parent, Caption, Label);
  return Dlg.exec() == QDialog::Accepted ? Dlg.Kind() : -1;
}
