// The account editor and the main account dialog, driven on a real book file that is read back
// after the editing to see what was written through.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "AccountsTestSupport.h"
#include "ActSearchForm.h"
#include "BookFileFixture.h"
#include "CatForm.h"
#include "GroupForm.h"
#include "MainActForm.h"
#include "NewEditCat.h"
#include "NewMainActForm.h"
#include "NumberBox.h"
#include "SelectBoxes.h"
#include "TextInputForm.h"

namespace {

int CatIDOf(const TBookLists& L, const std::string& Name) {
  for (const TCatRec* C : L.Cats.MasterList())
    if (C->Name == Name) return C->CatID;
  return -1;
}

int ListRow(QListWidget* W, const QString& Text) {
  for (int I = 0; I < W->count(); ++I)
    if (W->item(I)->text() == Text) return I;
  return -1;
}

std::string Entries(const TActBox* Box) {
  std::string S;
  for (int I = 0; I < Box->ItemCount(); ++I) S += Box->Item(I)->NumberText() + " " + Box->Item(I)->Name + ",";
  return S;
}

}  // namespace

class AccountEditorTest : public QObject {
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

  void MainDialogProposesAndStepsNumbers() {
    TBookFile B;
    TNewMainActForm D(B.L);
    D.Prepare(0, -1);
    QCOMPARE(D.windowTitle(), QString("New Main Account"));
    QCOMPARE(D.NumberEdit->text(), QString("100"));
    QVERIFY(D.InToggle->isChecked() && D.InToggle->isEnabled());
    QCOMPARE(D.CatListBox->count(), 4);  // the income categories
    B.AddMain(100, "Sales", 1, 0);
    B.AddMain(200, "Fees", 1, 0);
    D.Prepare(0, -1);
    QCOMPARE(D.NumberEdit->text(), QString("300"));
    D.NumberEdit->setText("250");
    QTest::keyClick(D.NumberEdit, Qt::Key_Up);
    QCOMPARE(D.NumberEdit->text(), QString("300"));
    D.NumberEdit->setText("450");
    D.DownBtn->click();  // 400 is free: the nearest free multiple below it
    QCOMPARE(D.NumberEdit->text(), QString("300"));
    D.UpBtn->click();
    QCOMPARE(D.NumberEdit->text(), QString("400"));
    D.show();
    D.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&D));
    D.NumberEdit->setFocus();
    D.NumberEdit->setText("0");
    D.NameEdit->setFocus();  // leaving "0" gives the first free of 101, 201 ...
    QCOMPARE(D.NumberEdit->text(), QString("101"));
    D.ExToggle->click();
    QCOMPARE(ListRow(D.CatListBox, "Wages") >= 0, true);
    D.CatListBox->setCurrentRow(ListRow(D.CatListBox, "Wages"));
    QCOMPARE(D.Memo1->toPlainText(), QString("For wages."));
  }

  void MainDialogRefusals() {
    TBookFile B;
    B.AddMain(100, "Sales", 1, 0);
    TNewMainActForm D(B.L);
    D.Prepare(0, -1);
    D.CatListBox->setCurrentRow(-1);
    D.CatListBox->clearSelection();
    D.NumberEdit->setText("100");
    D.OKClicked();
    D.NumberEdit->setText("300");
    D.NameEdit->setText("  ");
    D.OKClicked();
    D.NameEdit->setText("SALES");
    D.OKClicked();
    D.NameEdit->setText("Interest");
    D.OKClicked();
    QCOMPARE(Prompts.Messages, (std::vector<std::string>{"The Account number you have entered already in use.",
                                                          "'' is not a valid Account Name.",
                                                          "The name 'SALES' is already being used.",
                                                          "You Must Select an Accounting Category"}));
    QCOMPARE(D.result(), 0);
    D.CatListBox->setCurrentRow(ListRow(D.CatListBox, "Other Income"));
    D.OKClicked();
    QCOMPARE(D.result(), int(QDialog::Accepted));
    QCOMPARE(D.Number, 300);
    QCOMPARE(D.CatID, std::int16_t(CatIDOf(B.L, "Other Income")));
    // Editing keeps its own number and name without a refusal.
    D.Prepare(1, 0);
    QCOMPARE(D.windowTitle(), QString("Edit Main Account"));
    QVERIFY(!D.InToggle->isEnabled() && !D.ExToggle->isEnabled());
    D.CatListBox->setCurrentRow(0);
    D.OKClicked();
    QCOMPARE(D.result(), int(QDialog::Accepted));
    QCOMPARE(Prompts.Messages.size(), std::size_t(4));
  }

  void NewAccountsAreWrittenThrough() {
    TBookFile B;
    TMainActForm F(B.L);
    F.Prepare(0, -1);
    QVERIFY(!F.NewSubBtn->isEnabled() && !F.EditBtn->isEnabled() && F.NewBtn->isEnabled());
    F.show();
    QTest::qWait(20);
    QCOMPARE(Prompts.LastMessage(), std::string("There a no Accounts.  Click the 'New' button to create some"));
    WhenModal<TNewMainActForm>([](TNewMainActForm* D) {
      D->ExToggle->click();
      D->NameEdit->setText("Rent");
      D->CatListBox->setCurrentRow(ListRow(D->CatListBox, "Overheads"));
      D->OKClicked();
    });
    F.NewBtn->click();
    QCOMPARE(F.ActNoPanel->text(), QString("#100"));
    QCOMPARE(F.ActNamePanel->text(), QString("Rent"));
    QCOMPARE(F.ActCatPanel->text(), QString("Overheads"));

    for (const char* Name : {"Office", "Shed", "Garage"}) {
      F.NewSubBtn->click();
      QVERIFY(F.SubOKBtn->isVisible());
      QCOMPARE(F.SubOKBtn->text(), QString("&Save New Sub Account"));
      QCOMPARE(F.SelectBox->Item(F.SelectBox->HighlightedIndex())->Name, std::string("<New Sub Account>"));
      QTest::keyClicks(F.NameEdit, Name);
      QCOMPARE(F.SelectBox->Item(F.SelectBox->HighlightedIndex())->Name, std::string(Name));  // renamed as typed
      F.PhoneEdit->setText("555 0100");
      F.SuburbEdit->setText("A suburb with a name longer than thirty-five letters");
      F.SaveSubClicked();
      QVERIFY(F.Locked());
      QVERIFY(!F.SubOKBtn->isVisible());
    }
    QCOMPARE(Entries(F.SelectBox), std::string("100-3 Garage,100-1 Office,100-2 Shed,"));
    // Deleting 1 frees its number for the next new sub account.
    F.SelectBox->SetHighlightedIndex(1);
    F.DelSubBtn->click();
    QCOMPARE(Prompts.Confirmations.back(), std::string("Delete Sub Account - 'Office'"));
    F.NewSubBtn->click();
    QCOMPARE(F.NumberLabel->text(), QString("100 - 1"));
    QTest::keyClicks(F.NameEdit, "shed");
    F.SaveSubClicked();
    QCOMPARE(Prompts.LastMessage(), std::string("The Sub Account name 'shed' is already in use."));
    F.NameEdit->setText("Yard");
    F.SaveSubClicked();
    F.accept();
    QVERIFY(F.Changed());
    QCOMPARE(GateAsked, (std::vector<int>{poAdding, poAdding, poAdding, poAdding, poDeleting, poAdding}));

    TBookLists R;
    QVERIFY(B.ReadBack(R));
    QCOMPARE(R.MainActs.Count(), 1);
    const TMainActRec& Rent = R.MainActs.Items(0);
    QCOMPARE(Rent.ActNo, 100);
    QCOMPARE(Rent.Name, std::string("Rent"));
    QCOMPARE(int(Rent.Kind), 2);
    QCOMPARE(Rent.CatID, CatIDOf(R, "Overheads"));
    QCOMPARE(R.SubActs.Count(), 3);
    const TSubActRec* Yard = R.SubActs.FindByNo(100, 1);
    QVERIFY(Yard && Yard->Name == "Yard");
    const TSubActRec* Shed = R.SubActs.FindByNo(100, 2);
    QVERIFY(Shed && Shed->Name == "Shed");
    QCOMPARE(Shed->Phone, std::string("555 0100"));
    QCOMPARE(Shed->Suburb, std::string("A suburb with a name longer than th"));  // cut to 35
    QCOMPARE(int(Shed->Kind), 2);
  }

  void RenumberingCarriesIntoSubAccountsAndTransactions() {
    TBookFile B;
    const int Sales = CatIDOf(B.L, "General Income");
    B.AddMain(100, "Sales", 1, Sales);
    B.AddMain(200, "Fees", 1, Sales);
    B.AddSub(100, 1, "Shop");
    B.AddSub(100, 2, "Web");
    B.AddSub(200, 1, "Bank");
    B.AddTrans(1, tkIncome, 100, 1, 0);
    B.AddTrans(2, tkIncome, 100, 2, 0);
    B.AddTrans(3, tkIncome, 200, 1, 0);
    B.AddTrans(100, tkTransferFrom, 101, 0, 0);  // a transfer pair: partners 100 and 101
    B.AddTrans(101, tkTransferTo, 100, 0, 0);
    TMainActForm F(B.L);
    F.Prepare(0, -1);
    WhenModal<TNewMainActForm>([](TNewMainActForm* D) {
      D->NumberEdit->setText("200");
      D->OKClicked();  // taken: refused, the dialog stays
      D->NumberEdit->setText("700");
      D->NameEdit->setText("Shop sales");
      D->OKClicked();
    });
    F.EditBtn->click();
    QCOMPARE(Prompts.Messages, std::vector<std::string>{"The Account number you have entered already in use."});
    QCOMPARE(Prompts.Confirmations,
             std::vector<std::string>{"The Account Number has been changed.  Do you want to save the changes to the Account Number?"});
    QCOMPARE(F.ActNoPanel->text(), QString("#700"));
    QCOMPARE(F.MainIndex(), 1);  // after 200 in number order
    QCOMPARE(Entries(F.SelectBox), std::string("700-1 Shop,700-2 Web,"));
    F.accept();

    TBookLists R;
    QVERIFY(B.ReadBack(R));
    QVERIFY(R.MainActs.FindByNo(100) == nullptr);
    QCOMPARE(R.MainActs.FindByNo(700)->Name, std::string("Shop sales"));  // kept with the new number
    QVERIFY(R.SubActs.FindByNo(700, 1) && R.SubActs.FindByNo(700, 2) && R.SubActs.FindByNo(200, 1));
    QCOMPARE(R.SubActs.Count(), 3);
    std::map<int, int> MainOf;
    for (const TTransRec* T : R.Trans.MasterList()) MainOf[T->TransNo] = T->MainActNo;
    QCOMPARE(MainOf[1], 700);
    QCOMPARE(MainOf[2], 700);
    QCOMPARE(MainOf[3], 200);
    QCOMPARE(MainOf[101], 100);  // the transfer half names its partner, not an account
    QCOMPARE(MainOf[100], 101);
  }

  void NameChangeWithoutNewNumberAsksFirst() {
    TBookFile B;
    B.AddMain(100, "Sales", 1, CatIDOf(B.L, "General Income"));
    TMainActForm F(B.L);
    F.Prepare(0, -1);
    auto Rename = [](TNewMainActForm* D) {
      D->NameEdit->setText("Takings");
      D->CatListBox->setCurrentRow(ListRow(D->CatListBox, "Other Income"));
      D->OKClicked();
    };
    Prompts.Answers = {TAskResult::No};
    WhenModal<TNewMainActForm>(Rename);
    F.EditBtn->click();
    QCOMPARE(B.L.MainActs.Items(0).Name, std::string("Sales"));
    QVERIFY(!F.Changed());
    WhenModal<TNewMainActForm>(Rename);
    F.EditBtn->click();
    QCOMPARE(Prompts.Confirmations.back(), std::string("Save Changes to Current Main Account?"));
    QCOMPARE(F.ActNamePanel->text(), QString("Takings"));
    QCOMPARE(F.ActCatPanel->text(), QString("Other Income"));
    QVERIFY(F.CatRecompute());
    TBookLists R;
    QVERIFY(B.ReadBack(R));
    QCOMPARE(R.MainActs.Items(0).Name, std::string("Takings"));
    QCOMPARE(R.MainActs.Items(0).CatID, CatIDOf(R, "Other Income"));
  }

  void DeletingAccounts() {
    TBookFile B;
    const int Cat = CatIDOf(B.L, "Overheads");
    B.AddMain(100, "Power", 2, Cat);
    B.AddMain(200, "Rent", 2, Cat);
    B.AddMain(300, "Water", 2, Cat);
    B.AddSub(100, 1, "Grid");
    B.AddSub(200, 1, "Office");
    B.AddSub(200, 2, "Shed");
    B.AddSub(300, 1, "Town");
    B.AddTrans(1, tkExpense, 100, 1, 0);
    B.L.MainActs.ShowZero = B.L.SubActs.ShowZero = true;
    B.L.MainActs.SortBy(0);
    B.L.MainActs.Recount();
    B.L.SubActs.SortBy(1);
    B.L.SubActs.Recount();
    TMainActForm F(B.L);
    F.Prepare(0, -1);
    F.DeleteBtn->click();  // Power: used by a transaction
    QCOMPARE(Prompts.Confirmations.back(), std::string("Delete Account - Power"));
    QCOMPARE(Prompts.LastMessage(),
             std::string("Main Account - Power - can't be deleted because its being used by one or more transactions."));
    F.DelSubBtn->click();
    QCOMPARE(Prompts.LastMessage(),
             std::string("Sub Account - Grid - can't be deleted because its being used by one or more transactions."));
    F.ForwardBtn->click();
    QCOMPARE(F.ActNamePanel->text(), QString("Rent"));
    Prompts.Answers = {TAskResult::Cancel};
    F.DeleteBtn->click();
    QCOMPARE(B.L.MainActs.Count(), 3);
    F.DeleteBtn->click();  // Rent with two sub accounts and no transactions
    QCOMPARE(F.ActNamePanel->text(), QString("Power"));  // the previous one is shown
    QVERIFY(F.Changed());
    // The worksheet rows they had, for the main window's scroll correction (sub accounts from
    // the end of the list backwards).
    QCOMPARE(F.Deleted.MainActs, std::vector<int>{1});
    QCOMPARE(F.Deleted.SubActs, (std::vector<int>{2, 1}));
    TBookLists R;
    QVERIFY(B.ReadBack(R));
    QCOMPARE(R.MainActs.Count(), 2);
    QVERIFY(R.MainActs.FindByNo(200) == nullptr);
    QCOMPARE(R.SubActs.Count(), 2);
    QVERIFY(R.SubActs.FindByNo(200, 1) == nullptr && R.SubActs.FindByNo(200, 2) == nullptr);
    QVERIFY(R.SubActs.FindByNo(100, 1) && R.SubActs.FindByNo(300, 1));
  }

  void PendingEditsAreResolvedBeforeMoving() {
    TBookFile B;
    B.AddMain(100, "Sales", 1, 0);
    B.AddMain(200, "Fees", 1, 0);
    B.AddSub(100, 1, "Shop");
    B.AddSub(100, 2, "Web");
    TMainActForm F(B.L);
    F.Prepare(0, B.L.SubActs.IndexOfNo(100, 2));
    F.show();
    QCOMPARE(F.NameEdit->text(), QString("Web"));
    F.EditSubBtn->click();
    QVERIFY(!F.Locked());
    F.NameEdit->setText("WEB");  // letter case only: no uniqueness check
    F.ContactEdit->setText("Jo");
    Prompts.Answers = {TAskResult::Cancel};
    F.ForwardBtn->click();
    QCOMPARE(F.ActNamePanel->text(), QString("Sales"));  // Cancel stays
    QVERIFY(!F.Locked());
    F.ForwardBtn->click();  // Yes: saved, locked, moved on
    QCOMPARE(Prompts.Confirmations.back(), std::string("Save changes to Sub Account  - 'WEB'"));
    QVERIFY(F.Locked());
    QCOMPARE(F.ActNamePanel->text(), QString("Fees"));
    F.BackBtn->click();
    // A new sub account pending while the list is clicked: No drops it.
    F.NewSubBtn->click();
    QTest::keyClicks(F.NameEdit, "Stall");
    Prompts.Answers = {TAskResult::No};
    auto* List = F.SelectBox->ListBox();
    const int H = List->ItemHeight();
    QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, QPoint(60, H / 2));
    QCOMPARE(Prompts.Confirmations.back(), std::string("Save New Sub Account  - 'Stall'"));
    QCOMPARE(Entries(F.SelectBox), std::string("100-1 Shop,100-2 WEB,"));
    // Edited and then abandoned: the stored name comes back.
    F.SelectBox->SetHighlightedIndex(0);
    F.EditSubBtn->click();
    QTest::keyClicks(F.NameEdit, "s");
    QCOMPARE(F.SelectBox->Item(0)->Name, std::string("Shops"));
    F.SubCancelBtn->click();
    QCOMPARE(F.SelectBox->Item(0)->Name, std::string("Shop"));
    QCOMPARE(F.NameEdit->text(), QString("Shop"));
    // Password refused: nothing opens.
    GateAnswer = false;
    F.NewSubBtn->click();
    F.EditSubBtn->click();
    QVERIFY(F.Locked());
    TBookLists R;
    F.accept();
    QVERIFY(B.ReadBack(R));
    QCOMPARE(R.SubActs.FindByNo(100, 2)->Name, std::string("WEB"));
    QCOMPARE(R.SubActs.FindByNo(100, 2)->Contact, std::string("Jo"));
    QCOMPARE(R.SubActs.Count(), 2);
  }

  void FindShowsTheFoundSubAccount() {
    TBookFile B;
    B.AddMain(100, "Sales", 1, 0);
    B.AddMain(200, "Fees", 1, 0);
    B.AddSub(100, 1, "Shop");
    B.AddSub(200, 1, "Bank");
    B.AddSub(200, 2, "Card");
    TMainActForm F(B.L);
    F.Prepare(0, -1);
    WhenModal<TActSearchForm>([](TActSearchForm* S) {
      QVERIFY(S->NatureBtn1->isChecked());  // the editor searches main accounts first
      S->ToggleSwitch2->click();
      QTest::keyClicks(S->SearchSrc, "CA");
      QCOMPARE(S->SelectBox->ItemCount(), 1);
      S->SelectBox->SetHighlightedIndex(0);
      S->DispBtn->click();
    });
    F.FindBtn->click();
    QCOMPARE(F.ActNamePanel->text(), QString("Fees"));
    QCOMPARE(F.NameEdit->text(), QString("Card"));
    QCOMPARE(F.SubIndex(), B.L.SubActs.IndexOfNo(200, 2));
  }

  void FindAnAccountOpensTheEditorThere() {
    TBookFile B;
    B.AddMain(100, "Sales", 1, 0);
    B.AddMain(200, "Fees", 1, 0);
    B.AddSub(100, 1, "Shop");
    B.AddSub(200, 1, "Bank");
    B.AddSub(200, 2, "Card");
    WhenModal<TActSearchForm>([](TActSearchForm* S) {
      QVERIFY(S->ToggleSwitch2->isChecked());
      S->ToggleSwitch6->click();
      QTest::keyClicks(S->SearchSrc, "2");
      QCOMPARE(S->SelectBox->ItemCount(), 1);
      S->SelectBox->SetHighlightedIndex(0);
      S->DispBtn->click();
    });
    QString Shown, Sub;
    WhenModal<TMainActForm>([&](TMainActForm* F) {
      Shown = F->ActNamePanel->text();
      Sub = F->NameEdit->text();
      F->CancelClicked();
    });
    QVERIFY(!FindAccountAndEdit(B.L, true));  // cancelled without changes
    QCOMPARE(Shown, QString("Fees"));
    QCOMPARE(Sub, QString("Card"));
  }

  void HelpButtonsAskForTheirTopics() {
    TSmallBook B;
    B.AddMain(100, "Sales", 1, 0);
    std::vector<int> Topics;
    SetAccountHelp([&](int T) { Topics.push_back(T); });
    TMainActForm F(B.L);
    F.Prepare(0, -1);
    F.HelpBtn->click();
    F.MainDialog->Prepare(0, -1);
    F.MainDialog->HelpBtn->click();
    F.MainDialog->Prepare(1, 0);
    F.MainDialog->HelpBtn->click();
    TCatForm C(B.L);
    C.HelpBtn->click();
    TGroup G(B.L);
    G.HelpBtn->click();
    TActSearchForm S(B.L);
    S.HelpBtn->click();
    SetAccountHelp(nullptr);
    QCOMPARE(Topics, (std::vector<int>{10000, 9000, 9001, 7000, 11000, 8000}));
  }

  void CategoriesAndGroupsOnTheBookFile() {
    TBookFile B;
    TCatForm C(B.L);
    C.Prepare(-1);
    WhenModal<TNewEditCat>([](TNewEditCat* D) {
      QVERIFY(D->ClassButton(2) == nullptr && D->ClassButton(4) == nullptr);  // not for income
      D->NameEdit->setText("Grants");
      D->ClassButton(6)->click();
      D->OKClicked();
    });
    C.NewBtn->click();
    C.ExToggle->click();
    WhenModal<TNewEditCat>([](TNewEditCat* D) {
      D->NameEdit->setText("Rent");
      D->ClassButton(2)->click();
      D->OKClicked();
    });
    C.NewBtn->click();
    TGroup G(B.L);
    G.Prepare(-1);
    WhenModal<TTextInputForm>([](TTextInputForm* D) {
      D->Edit1->setText("Home");
      D->OKClicked();
    });
    G.NewBtn->click();
    TBookLists R;
    QVERIFY(B.ReadBack(R));
    const TCatRec* Grants = R.Cats.FindPtr(11);
    QVERIFY(Grants && Grants->Name == "Grants" && Grants->Kind == 1 && Grants->ReportClass == 6 && !Grants->IsDefault);
    const TCatRec* Rent = R.Cats.FindPtr(12);
    QVERIFY(Rent && Rent->Name == "Rent" && Rent->Kind == 2 && Rent->ReportClass == 2);
    QVERIFY(R.Groups.FindPtr(1) && R.Groups.FindPtr(1)->Name == "Home");
  }
};

QTEST_MAIN(AccountEditorTest)
#include "AccountEditorTest.moc"
