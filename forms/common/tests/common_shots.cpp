// Grabs the number box and the small dialogs to PNG files for a look: formscommon_shots <folder>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Choice.h"
#include "DeleteDialog.h"
#include "InputDlg.h"
#include "Keybd.h"
#include "MoneyFormat.h"
#include "NumPad.h"
#include "NumberBox.h"

static void Save(QWidget& W, const QString& Folder, const QString& Name) {
  W.show();
  QApplication::processEvents();
  W.grab().save(QDir(Folder).filePath(Name));
}

int main(int argc, char** argv) {
  QApplication App(argc, argv);
  QString Folder = argc > 1 ? argv[1] : ".";
  InitMoneyFormat(TRegionalSettings{});

  QWidget Boxes;
  auto* Layout = new QVBoxLayout(&Boxes);
  auto* Amount = new TNumberBox(&Boxes, bsCurrency);
  Amount->SetValue(12345000);
  auto* Editing = new TNumberBox(&Boxes, bsCurrency);
  Editing->SetAllowNegative(true);
  Editing->setText("-42.5");  // as while being edited
  auto* Number = new TNumberBox(&Boxes, bsNumber);
  Number->SetIntValue(12);
  Number->SetShowButton(false);
  auto* Text = new TNumberBox(&Boxes, bsText);
  Text->setText("Ref 2001/7");
  for (auto [Caption, Box] : {std::pair<const char*, QWidget*>{"Amount (left):", Amount},
                              {"Amount (editing):", Editing},
                              {"Number, no button:", Number},
                              {"Text with button:", Text}}) {
    Layout->addWidget(new QLabel(Caption, &Boxes));
    Layout->addWidget(Box);
  }
  Boxes.resize(220, Boxes.sizeHint().height());
  Boxes.show();
  Text->setFocus();  // the amount box above shows the money format once left
  Save(Boxes, Folder, "numberbox.png");

  TChoice Choice(nullptr, "New Transaction", "Select Transaction Kind");
  Save(Choice, Folder, "choice_income.png");
  Choice.ExpenseBtn()->setChecked(true);
  Save(Choice, Folder, "choice_expense.png");

  TInputDlg Input(nullptr, "New Sub Account", "Enter new Sub Account name", nullptr);
  Input.NameBox()->setText("Stationery");
  Save(Input, Folder, "inputdlg.png");

  TDeleteDialog Delete(nullptr);
  Save(Delete, Folder, "deletedialog.png");
  Delete.DeleteBtn()->setEnabled(true);  // as while Ctrl is held
  for (QLabel* L : Delete.findChildren<QLabel*>())
    if (L->text().isEmpty()) L->setVisible(true);
  QApplication::processEvents();
  Delete.grab().save(QDir(Folder).filePath("deletedialog_armed.png"));

  TNumPad Pad(nullptr, true);
  for (QChar K : QString("1234.5")) Pad.Press(K);
  Save(Pad, Folder, "numpad.png");

  QLineEdit Ref;
  TKeybd Keys(&Ref, nullptr);
  Save(Keys, Folder, "keyboard.png");
  return 0;
}
