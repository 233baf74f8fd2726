// Writes PNG pictures of the account, category, group and search dialogs with a small real book,
// for looking at (not a test). Usage: accounts_shots <output folder>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "AccountsTestSupport.h"
#include "ActSearchForm.h"
#include "CatForm.h"
#include "GroupForm.h"
#include "MainActForm.h"
#include "NewMainActForm.h"
#include "NumberBox.h"
#include "DialogHelpers.h"
#include "SelectBoxes.h"

namespace {

void Save(QWidget& W, const QString& Folder, const char* Name) {
  W.show();
  QTest::qWait(30);
  W.grab().save(QDir(Folder).filePath(Name));
}

void Fill(TSmallBook& B) {
  auto Cat = [&](const char* N) {
    for (const TCatRec* C : B.L.Cats.MasterList())
      if (C->Name == N) return int(C->CatID);
    return 0;
  };
  B.L.Cats.AddCategory("Rent & Rates", 2, 2, false);
  B.L.Cats.AddCategory("Grants", 1, 6, false);
  B.AddMain(100, "Cash Sales", 1, Cat("General Income"));
  B.AddMain(200, "Interest", 1, Cat("Other Income"));
  B.AddMain(500, "Motor Vehicle", 2, Cat("Overheads"));
  B.AddMain(600, "Rent & Rates", 2, Cat("Rent & Rates"));
  B.AddMain(700, "Wages", 2, Cat("Wages"));
  const char* Subs[] = {"Fuel", "Registration", "Insurance", "Repairs & Service", "Tyres", "Parking fees"};
  int No = 1;
  for (const char* S : Subs) {
    TSubActRec& R = B.AddSub(500, No++, S);
    R.Contact = "Jo Brennan";
    R.Address = "14 Harbour Street";
    R.Suburb = "Port Fairy";
    R.State = "VIC";
    R.PostCode = "3284";
    R.Phone = "03 5568 1234";
    R.Mobile = "0412 345 678";
    R.Notes = "Account number 55-1203. Pays on the 15th.";
  }
  B.AddSub(100, 1, "Shop counter");
  B.AddSub(100, 2, "Market stall");
  B.AddSub(200, 1, "Bank");
  B.AddGroup(1, "Home");
  B.AddGroup(2, "Business");
  B.AddGroup(3, "Car");
  B.AddGroup(4, "Garden & Pool");
}

}  // namespace

int main(int argc, char** argv) {
  QApplication App(argc, argv);
  const QString Folder = argc > 1 ? argv[1] : ".";
  TScriptPrompts Prompts;  // keeps message boxes out of the pictures
  SetAccountPrompts(&Prompts);
  TSmallBook B;
  Fill(B);

  TMainActForm Editor(B.L);
  Editor.Prepare(B.L.MainActs.IndexOfNo(500), B.L.SubActs.IndexOfNo(500, 4));
  Save(Editor, Folder, "accounts_editor.png");
  Editor.EditSubClicked();
  Editor.PhoneEdit->setText("03 5568 9999");
  Save(Editor, Folder, "accounts_editor_editing.png");
  Editor.CancelSubClicked();
  Editor.Prepare(B.L.MainActs.IndexOfNo(100), -1);
  Save(Editor, Folder, "accounts_editor_income.png");
  Editor.hide();

  TNewMainActForm Dlg(B.L);
  Dlg.Prepare(0, -1);
  Dlg.ExToggle->click();
  Dlg.NameEdit->setText("Telephone");
  Dlg.CatListBox->setCurrentRow(3);
  Save(Dlg, Folder, "accounts_new_main.png");
  Dlg.hide();

  TCatForm Cats(B.L);
  Cats.Prepare(-1);
  Cats.ExToggle->click();
  Cats.ListBox->setCurrentRow(4);
  Save(Cats, Folder, "categories_editor.png");
  Cats.hide();

  TGroup Groups(B.L);
  Groups.Prepare(-1);
  Groups.SelectBox->SetHighlightedIndex(2);
  Save(Groups, Folder, "groups_editor.png");
  Groups.hide();

  TActSearchForm Search(B.L);
  Search.Prepare(true);
  Search.ToggleSwitch4->click();
  QTest::keyClicks(Search.SearchSrc, "r");
  Search.SelectBox->SetHighlightedIndex(1);
  Save(Search, Folder, "account_search.png");
  Search.hide();

  // The selection box the selection dialogs use: ticks, highlight, sort arrow on the number column.
  TSelectionBox Sel;
  Sel.SetNumberCaption("No.");
  Sel.SetNameCaption("Account Name");
  Sel.SetListColours(NoteColour(), KindColour(2), KindTextColour(2));
  Sel.Clear();
  Sel.BeginUpdate();
  for (TMainActRec* M : B.L.MainActs.MasterList()) Sel.AddItem(M, M->Name, M->ActNo % 200 == 0, 0, M->ActNo);
  Sel.EndUpdate();
  Sel.PressNumberButton();
  Sel.SetHighlightedIndex(2);
  Sel.resize(260, 10);
  Sel.SizeToRows(7);
  Save(Sel, Folder, "selection_box.png");
  return 0;
}
