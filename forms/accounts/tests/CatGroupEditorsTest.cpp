// The category and group editors and their small dialogs, driven on lists whose every
// notification is recorded.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "AccountsTestSupport.h"
#include "CatForm.h"
#include "GroupForm.h"
#include "NewEditCat.h"
#include "SelectBoxes.h"
#include "TextInputForm.h"

namespace {

QStringList ListTexts(QListWidget* L) {
  QStringList T;
  for (int I = 0; I < L->count(); ++I) T << L->item(I)->text();
  return T;
}

int RowOf(QListWidget* L, const QString& Text) {
  for (int I = 0; I < L->count(); ++I)
    if (L->item(I)->text() == Text) return I;
  return -1;
}

int BoxRowOf(TActBox* Box, const std::string& Name) {
  for (int I = 0; I < Box->ItemCount(); ++I)
    if (Box->Item(I)->Name == Name) return I;
  return -1;
}

}  // namespace

class CatGroupEditorsTest : public QObject {
  Q_OBJECT
  TScriptPrompts Prompts;
  std::vector<int> GateAsked;
  bool GateAnswer = true;

 private slots:
  void init() {
    Prompts = TScriptPrompts();
    SetAccountPrompts(&Prompts);
    GateAsked.clear();
    GateAnswer = true;
    SetAccountPasswordGate([this](int Op) {
      GateAsked.push_back(Op);
      return GateAnswer;
    });
  }
  void cleanup() {
    SetAccountPrompts(nullptr);
    SetAccountPasswordGate(nullptr);
  }

  void CategoryClassesFollowTheKind() {
    TSmallBook B;
    TNewEditCat D(B.L.Cats);
    D.Prepare("", 0, true, true);
    QVERIFY(!D.IncomeGroup->isHidden() && D.ExpenseGroup->isHidden());
    QCOMPARE(D.windowTitle(), QString("New Category"));
    for (int Class = 1; Class <= 6; ++Class) QCOMPARE(D.ClassButton(Class) != nullptr, Class != 2 && Class != 4);
    QCOMPARE(D.ClassButton(5)->text(), QString("Asset && Liability"));
    QCOMPARE(D.ClassButton(1)->text(), QString("Sales Income"));
    D.Prepare("Rent", 2, false, false);
    QCOMPARE(D.windowTitle(), QString("Edit Category"));
    QVERIFY(D.ClassButton(2)->isChecked());
    QCOMPARE(D.ClassButton(2)->text(), QString("Normal Operating Expenses"));
  }

  void CategoryDialogRefusals() {
    TSmallBook B;
    TNewEditCat D(B.L.Cats);
    D.Prepare("", 0, false, true);
    D.NameEdit->setText("wages");
    D.OKClicked();
    QCOMPARE(Prompts.LastMessage(), std::string("The name 'wages' is already being used"));
    D.NameEdit->setText("Rent");
    D.OKClicked();
    QCOMPARE(Prompts.LastMessage(), std::string("You must select a Category Type"));
    D.NameEdit->setText("");
    D.OKClicked();
    QCOMPARE(Prompts.LastMessage(), std::string("'' is not a valid name"));
    QCOMPARE(D.result(), 0);
    D.NameEdit->setText("Rent");
    D.ClassButton(2)->click();
    D.OKClicked();
    QCOMPARE(D.result(), int(QDialog::Accepted));
    QCOMPARE(D.ReportClass(), 2);
  }

  void NewCategoryTakesTheNextIdentifierAndIsWritten() {
    TSmallBook B;
    B.L.Cats.AddCategory("Spare", 2, 3, false);   // CatID 11
    B.L.Cats.AddCategory("Spare 2", 2, 3, false);  // CatID 12
    B.L.Cats.Delete(B.L.Cats.IndexOfID(11));       // a gap below the highest
    TChangeLog Log(B.L);
    TCatForm F(B.L);
    F.Prepare(-1);
    QVERIFY(F.InToggle->isChecked());
    QCOMPARE(F.ListBox->currentRow(), 0);
    F.ExToggle->click();
    QVERIFY(ListTexts(F.ListBox).contains("Wages"));
    WhenModal<TNewEditCat>([](TNewEditCat* D) {
      D->NameEdit->setText("Rent");
      D->ClassButton(2)->click();
      D->OKClicked();
    });
    F.NewBtn->click();
    QCOMPARE(GateAsked, std::vector<int>{poAdding});
    TCatRec* Rent = B.L.Cats.FindPtr(13);
    QVERIFY(Rent);
    QCOMPARE(Rent->Name, std::string("Rent"));
    QCOMPARE(int(Rent->Kind), 2);
    QCOMPARE(int(Rent->ReportClass), 2);
    QVERIFY(!Rent->IsDefault);
    QCOMPARE(Log.Entries, std::vector<std::string>{"cat+ 13"});
    QCOMPARE(F.ListBox->currentItem()->text(), QString("Rent"));
    QVERIFY(F.EditBtn->isEnabled() && F.DeleteBtn->isEnabled());
    QVERIFY(F.Changed());
  }

  void DefaultCategoriesAreFixed() {
    TSmallBook B;
    TCatForm F(B.L);
    F.Prepare(-1);
    F.show();
    F.ListBox->setCurrentRow(RowOf(F.ListBox, "Other Income"));
    QVERIFY(!F.EditBtn->isEnabled() && !F.DeleteBtn->isEnabled());
    bool Opened = false;
    WhenModal<TNewEditCat>([&](TNewEditCat*) { Opened = true; }, 5);
    QTest::keyClick(F.ListBox, Qt::Key_Return);
    QTest::qWait(80);
    QVERIFY(!Opened);
    QVERIFY(GateAsked.empty());
    F.DeleteClicked();  // reached anyway: refused with its message
    QCOMPARE(Prompts.LastMessage(), std::string("You can't delete a default Category"));
    QCOMPARE(B.L.Cats.Count(), 11);
  }

  void EditAndDeleteUserCategories() {
    TSmallBook B;
    TCatRec& Rent = B.L.Cats.AddCategory("Rent", 2, 2, false);
    const std::int16_t RentID = Rent.CatID;
    B.L.Cats.AddCategory("Spare", 2, 3, false);
    B.AddMain(200, "Office rent", 2, RentID);
    TChangeLog Log(B.L);
    TCatForm F(B.L);
    F.Prepare(-1);
    F.ExToggle->click();
    F.ListBox->setCurrentRow(RowOf(F.ListBox, "Rent"));
    WhenModal<TNewEditCat>([](TNewEditCat* D) {
      QCOMPARE(D->NameEdit->text(), QString("Rent"));
      QVERIFY(D->ClassButton(2)->isChecked());
      D->NameEdit->setText("RENT");  // its own name in another case
      D->ClassButton(4)->click();
      D->OKClicked();
    });
    F.EditBtn->click();
    QCOMPARE(B.L.Cats.FindByID(RentID).Name, std::string("RENT"));
    QCOMPARE(int(B.L.Cats.FindByID(RentID).ReportClass), 4);
    QCOMPARE(F.ListBox->currentItem()->text(), QString("RENT"));

    Prompts.Answers = {TAskResult::No};
    F.DeleteBtn->click();
    QCOMPARE(Prompts.Confirmations.back(), std::string("Do you really want to delete category 'RENT'?"));
    QVERIFY(B.L.Cats.FindPtr(RentID));
    F.DeleteBtn->click();
    QCOMPARE(Prompts.LastMessage(),
             std::string("Category 'RENT' can't be deleted because it is being used by Main Account 'Office rent'"));
    QVERIFY(B.L.Cats.FindPtr(RentID));
    F.ListBox->setCurrentRow(RowOf(F.ListBox, "Spare"));
    F.DeleteBtn->click();
    QCOMPARE(RowOf(F.ListBox, "Spare"), -1);
    QCOMPARE(F.ListBox->currentRow(), 0);
    QCOMPARE(Log.Entries, (std::vector<std::string>{"cat~ " + std::to_string(RentID), "cat- " + std::to_string(RentID + 1)}));
    QCOMPARE(GateAsked, (std::vector<int>{poEditing, poDeleting, poDeleting, poDeleting}));
  }

  void RefusedPasswordDoesNothing() {
    TSmallBook B;
    B.AddGroup(1, "Home");
    GateAnswer = false;
    TChangeLog Log(B.L);
    TCatForm F(B.L);
    F.Prepare(-1);
    F.NewBtn->click();
    TGroup G(B.L);
    G.Prepare(-1);
    G.SelectBox->SetHighlightedIndex(BoxRowOf(G.SelectBox, "Home"));
    G.NewBtn->click();
    G.EditBtn->click();
    G.DelBtn->click();
    QCOMPARE(GateAsked, (std::vector<int>{poAdding, poAdding, poEditing, poDeleting}));
    QVERIFY(Log.Entries.empty());
    QVERIFY(Prompts.Confirmations.empty());
  }

  void CategoryEditorOpensAtAWorksheetRow() {
    TSmallBook B;
    B.L.Cats.ShowZero = true;
    B.L.Cats.SortBy(1);  // kind then name
    B.L.Cats.Recount();
    const TCatRec* Row6 = B.L.Cats.ViewItems(6);
    QVERIFY(Row6 && Row6->Kind == 2);
    TCatForm F(B.L);
    F.Prepare(6);
    QVERIFY(F.ExToggle->isChecked());
    QCOMPARE(F.ListBox->currentItem()->text().toStdString(), Row6->Name);
  }

  void TextInputEnablesOkOnlyForANewText() {
    TTextInputForm D;
    std::vector<std::string> Checked;
    D.Prepare("Edit Group Name", "Enter the new Name for the Group", "Home", [&](std::string& T) {
      Checked.push_back(T);
      return T != "Taken";
    });
    QVERIFY(!D.OKBtn->isEnabled());
    D.Edit1->setText(" Home ");
    QVERIFY(!D.OKBtn->isEnabled());
    D.Edit1->setText("HOME");  // letter case only: accepted without the check
    QVERIFY(D.OKBtn->isEnabled() && D.OKBtn->isDefault());
    D.OKClicked();
    QCOMPARE(D.result(), int(QDialog::Accepted));
    QVERIFY(Checked.empty());
    D.setResult(0);
    D.Edit1->setText("  Taken ");
    D.OKClicked();
    QCOMPARE(Checked, std::vector<std::string>{"Taken"});
    QCOMPARE(D.result(), 0);
    D.Edit1->setText("   ");
    QVERIFY(!D.OKBtn->isEnabled() && D.CancelBtn->isDefault());
    D.OKClicked();
    QCOMPARE(Prompts.LastMessage(), std::string("'' is not a valid name"));
    QVERIFY(D.Edit1->text().isEmpty());
    D.Edit1->setText(" Garden ");
    D.OKClicked();
    QCOMPARE(D.Result(), std::string("Garden"));
    QCOMPARE(D.Edit1->text(), QString("Garden"));
  }

  void GroupEditorNumbersRenamesAndProtectsGroupZero() {
    TSmallBook B;
    B.AddGroup(1, "Home");
    B.AddGroup(3, "Car");
    TChangeLog Log(B.L);
    TGroup G(B.L);
    G.Prepare(-1);
    QCOMPARE(G.SelectBox->Item(0)->Name, std::string("Car"));  // by name
    QCOMPARE(G.SelectBox->Item(0)->NumberText(), std::string("G3"));
    G.SelectBox->SetHighlightedIndex(BoxRowOf(G.SelectBox, "General"));
    QVERIFY(!G.EditBtn->isEnabled() && !G.DelBtn->isEnabled());
    G.SelectBox->SetHighlightedIndex(BoxRowOf(G.SelectBox, "Home"));
    QVERIFY(G.EditBtn->isEnabled() && G.DelBtn->isEnabled());

    WhenModal<TTextInputForm>([](TTextInputForm* D) {
      QCOMPARE(D->windowTitle(), QString("New Group"));
      QCOMPARE(D->Label1->text(), QString("Enter the Name of the new Group"));
      D->Edit1->setText("home");  // taken in another case: the group check refuses
      D->OKClicked();
      D->Edit1->setText(" Garden ");
      D->OKClicked();
    });
    G.NewBtn->click();
    QCOMPARE(Prompts.Messages, std::vector<std::string>{"Group name 'home' is already in use."});
    TGroupRec* Garden = B.L.Groups.FindPtr(2);
    QVERIFY(Garden);
    QCOMPARE(Garden->Name, std::string("Garden"));
    QVERIFY(Garden->InSelection);
    QCOMPARE(G.SelectedGroup(), Garden);
    QCOMPARE(BoxRowOf(G.SelectBox, "Garden"), 1);  // sorted in: Car, Garden, General, Home

    G.SelectBox->SetHighlightedIndex(BoxRowOf(G.SelectBox, "Home"));
    WhenModal<TTextInputForm>([](TTextInputForm* D) {
      QCOMPARE(D->windowTitle(), QString("Edit Group Name"));
      QCOMPARE(D->Edit1->text(), QString("Home"));
      D->Edit1->setText("HOME");
      D->OKClicked();
    });
    G.EditBtn->click();
    QCOMPARE(B.L.Groups.FindByNo(1).Name, std::string("HOME"));
    QCOMPARE(G.SelectBox->Item(G.SelectBox->HighlightedIndex())->Name, std::string("HOME"));
    QCOMPARE(Log.Entries, (std::vector<std::string>{"group+ 2", "group~ 1"}));
    QVERIFY(G.Changed());
  }

  void GroupDeletingRefusedWhileInUse() {
    TSmallBook B;
    B.AddGroup(1, "Home");
    B.AddGroup(2, "Car");
    B.AddGroup(4, "Boat");
    B.AddMain(100, "Sales", 1, 0);
    B.AddTrans(1, tkIncome, 100, 1, 1);
    B.AddTrans(2, tkTransferTo, 9, 0, 4);  // a transfer half holding book 4 in its group field
    B.L.Groups.ShowZero = true;
    B.L.Groups.SortBy(0);
    B.L.Groups.Recount();
    TChangeLog Log(B.L);
    TGroup G(B.L);
    G.Prepare(-1);
    for (const char* Name : {"Home", "Boat"}) {
      G.SelectBox->SetHighlightedIndex(BoxRowOf(G.SelectBox, Name));
      G.DelBtn->click();
      QCOMPARE(Prompts.Confirmations.back(), "Delete Group - '" + std::string(Name) + "'?");
      QCOMPARE(Prompts.LastMessage(), "Group - '" + std::string(Name) +
                                          "' can't be deleted because it is being used by one or more Transactions.");
    }
    G.SelectBox->SetHighlightedIndex(BoxRowOf(G.SelectBox, "Car"));
    G.DelBtn->click();
    QCOMPARE(B.L.Groups.FindPtr(2), nullptr);
    QCOMPARE(BoxRowOf(G.SelectBox, "Car"), -1);
    QCOMPARE(G.SelectBox->HighlightedIndex(), 0);
    QCOMPARE(Log.Entries, std::vector<std::string>{"group- 2"});
    QCOMPARE(G.Deleted.Groups, std::vector<int>{2});  // its worksheet row (G0, G1, G2, G4)
  }
};

QTEST_MAIN(CatGroupEditorsTest)
#include "CatGroupEditorsTest.moc"
