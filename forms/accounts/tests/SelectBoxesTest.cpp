// The account list boxes and the account search, driven through their widgets.
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "ActSearchForm.h"
#include "NumberBox.h"
#include "AccountsTestSupport.h"
#include "SelectBoxes.h"

namespace {

std::string Names(const TBasicSelectBox& Box) {
  std::string S;
  for (int I = 0; I < Box.ItemCount(); ++I) S += Box.Item(I)->Name + ",";
  return S;
}

int Records[20];

void FillBox(TBasicSelectBox& Box, const std::vector<std::pair<int, std::string>>& Rows) {
  Box.Clear();
  Box.BeginUpdate();
  int I = 0;
  for (const auto& [No, Name] : Rows) Box.AddItem(&Records[I++], Name, true, 0, No);
  Box.EndUpdate();
}

QPoint RowPoint(TSpecialDataListBox* List, int Row, int X) {
  return QPoint(X, (Row - List->TopRow()) * List->ItemHeight() + List->ItemHeight() / 2);
}

}  // namespace

class SelectBoxesTest : public QObject {
  Q_OBJECT

 private slots:
  void RefillSortsByNameAndHeadersResort() {
    TActBox Box;
    Box.resize(300, 200);
    FillBox(Box, {{300, "beta"}, {100, "Alpha"}, {200, "gamma"}});
    QCOMPARE(Names(Box), std::string("Alpha,beta,gamma,"));
    QVERIFY(Box.SortColumn() == TSortColumn::Name && Box.SortAscending());
    QVERIFY(!Box.NameButton()->Glyph.isNull());
    QVERIFY(Box.NumberButton()->Glyph.isNull());
    QTest::mouseClick(Box.NameButton(), Qt::LeftButton);
    QCOMPARE(Names(Box), std::string("gamma,beta,Alpha,"));
    QTest::mouseClick(Box.NumberButton(), Qt::LeftButton);  // direction kept: descending
    QCOMPARE(Names(Box), std::string("beta,gamma,Alpha,"));
    QVERIFY(!Box.NumberButton()->Glyph.isNull() && Box.NameButton()->Glyph.isNull());
  }

  void SortKeepsTheHighlightedRecord() {
    TActBox Box;
    Box.resize(300, 200);
    FillBox(Box, {{300, "beta"}, {100, "Alpha"}, {200, "gamma"}});
    Box.SetHighlightedIndex(1);  // beta
    int Fired = 0;
    Box.OnSelectedPointChange() = [&] { ++Fired; };
    Box.PressNumberButton();
    QCOMPARE(Box.Item(Box.HighlightedIndex())->Name, std::string("beta"));
    QVERIFY(Fired > 0);
  }

  void AskBeforeChangeCanRefuse() {
    TActBox Box;
    Box.resize(300, 200);
    Box.show();
    FillBox(Box, {{1, "a"}, {2, "b"}, {3, "c"}});
    Box.SetHighlightedIndex(0);
    Box.SetAskBeforeChange(true);
    bool Allow = false;
    int Asked = 0;
    Box.OnAllowChange() = [&](QObject*, bool& A) {
      ++Asked;
      A = Allow;
    };
    auto* List = Box.ListBox();
    QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, RowPoint(List, 2, 60));
    QCOMPARE(Asked, 1);
    QCOMPARE(Box.HighlightedIndex(), 0);
    QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, RowPoint(List, 0, 60));  // the highlighted row
    QCOMPARE(Asked, 1);
    QTest::keyClick(List, Qt::Key_Down);  // keys ask as well
    QCOMPARE(Asked, 2);
    QCOMPARE(Box.HighlightedIndex(), 0);
    Allow = true;
    QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, RowPoint(List, 2, 60));
    QCOMPARE(Box.HighlightedIndex(), 2);
    QTest::keyClick(List, Qt::Key_Up);
    QCOMPARE(Box.HighlightedIndex(), 1);
  }

  void KeysAndSelectedPoint() {
    TActBox Box;
    Box.SetNumberBtnWidth(50);
    std::vector<std::pair<int, std::string>> Rows;
    for (int I = 0; I < 20; ++I) Rows.push_back({I, std::string(1, char('a' + I))});
    FillBox(Box, Rows);
    Box.SizeToRows(5);
    Box.resize(300, Box.height());
    Box.show();
    auto* List = Box.ListBox();
    QCOMPARE(List->VisibleRows(), 5);
    QCOMPARE(Box.SelectedPoint(), -1);
    QTest::keyClick(List, Qt::Key_Down);  // nothing highlighted: the caret row, not a move
    QCOMPARE(Box.HighlightedIndex(), 0);
    const int H = List->ItemHeight();
    QCOMPARE(Box.SelectedPoint(), Box.BtnHeight() + H / 2);
    QTest::keyClick(List, Qt::Key_PageDown);  // v - 1 rows
    QCOMPARE(Box.HighlightedIndex(), 4);
    QTest::keyClick(List, Qt::Key_Right);
    QCOMPARE(Box.HighlightedIndex(), 5);
    QCOMPARE(List->SelectedPoint(), 4 * H + H / 2);  // scrolled by one row
    List->verticalScrollBar()->setValue(10);
    QCOMPARE(List->SelectedPoint(), 0);  // above the view
    List->verticalScrollBar()->setValue(0);
    Box.SetHighlightedIndex(17);
    List->verticalScrollBar()->setValue(0);
    QCOMPARE(List->SelectedPoint(), List->viewport()->height());  // below the view
    QTest::keyClick(List, Qt::Key_PageDown);  // no more than v rows below: to the last
    QCOMPARE(Box.HighlightedIndex(), 19);
    QTest::keyClick(List, Qt::Key_PageUp);
    QCOMPARE(Box.HighlightedIndex(), 15);
  }

  void DeleteRenameAndHighlightByNumbers() {
    TActBox Box;
    Box.resize(300, 200);
    Box.Clear();
    Box.BeginUpdate();
    Box.AddItem(&Records[0], "Shop", true, 1, 300);
    Box.AddItem(&Records[1], "Web", true, 2, 300);
    Box.AddItem(&Records[2], "Group", true, -71, 7);
    Box.EndUpdate();
    QCOMPARE(Box.Item(0)->NumberText(), std::string("G7"));
    QCOMPARE(Box.HighlightByNumbers(300, 2), 2);
    Box.RenameItem(2, "Online");
    QCOMPARE(Box.Item(2)->Name, std::string("Online"));
    int Fired = 0;
    Box.OnSelectedPointChange() = [&] { ++Fired; };
    Box.DeleteItem(0);
    QCOMPARE(Fired, 1);
    QCOMPARE(Box.ItemCount(), 2);
    QCOMPARE(Box.Item(Box.HighlightedIndex())->Name, std::string("Online"));
    QVERIFY(Box.Item(5) == nullptr);
  }

  void TicksMenuAndEvents() {
    TSelectionBox Box;
    Box.resize(300, 200);
    Box.show();
    int SelectAllFired = 0, Toggles = 0;
    void* Toggled = nullptr;
    bool TickedNow = false;
    Box.OnSelectAll = [&] { ++SelectAllFired; };
    Box.ListBox()->OnItemToggle = [&](void* R, bool T) {
      ++Toggles;
      Toggled = R;
      TickedNow = T;
    };
    Box.SelectAll();  // empty box: nothing, no event
    QCOMPARE(SelectAllFired, 0);
    Box.Clear();
    Box.BeginUpdate();
    for (int I = 0; I < 3; ++I) Box.AddItem(&Records[I], std::string(1, char('a' + I)), false, 0, I);
    Box.EndUpdate();
    auto* List = Box.ListBox();
    QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, RowPoint(List, 1, 5));  // tick column
    QCOMPARE(Toggles, 1);
    QCOMPARE(Toggled, static_cast<void*>(&Records[1]));
    QVERIFY(TickedNow);
    QCOMPARE(Box.TickedCount(), 1);
    QCOMPARE(Box.HighlightedIndex(), -1);  // ticking does not move the highlight
    QTest::mouseDClick(List->viewport(), Qt::LeftButton, {}, RowPoint(List, 2, 80));  // text: toggles
    QCOMPARE(Box.TickedCount(), 2);
    QTest::keyClick(List, Qt::Key_Down);  // highlights the caret row
    QTest::keyClick(List, Qt::Key_Space);
    QCOMPARE(Box.TickedCount(), 3);
    QCOMPARE(Box.HighlightedRecord(), static_cast<void*>(&Records[0]));
    Toggles = 0;
    Box.UnSelectAll();
    QCOMPARE(Box.TickedCount(), 0);
    Box.SelectAll();
    QCOMPARE(Box.TickedCount(), 3);
    QCOMPARE(SelectAllFired, 1);
    QCOMPARE(Toggles, 0);  // the menu commands fire no OnItemToggle
  }

  void ChecksOffIgnoresEveryTickGesture() {
    TSelectionBox Box;
    Box.resize(300, 200);
    Box.show();
    Box.Clear();
    Box.BeginUpdate();
    for (int I = 0; I < 3; ++I) Box.AddItem(&Records[I], std::string(1, char('a' + I)), false, 0, I);
    Box.EndUpdate();
    Box.SetEnableChecks(false);
    auto* List = Box.ListBox();
    QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, RowPoint(List, 1, 5));
    QTest::mouseDClick(List->viewport(), Qt::LeftButton, {}, RowPoint(List, 2, 80));
    QTest::keyClick(List, Qt::Key_Down);
    QTest::keyClick(List, Qt::Key_Space);
    QCOMPARE(Box.TickedCount(), 0);
    QVERIFY(!Box.SelectAllButton()->isEnabled());
    QTest::mouseClick(List->viewport(), Qt::RightButton, {}, RowPoint(List, 1, 80));
    QVERIFY(!Box.Menu()->isVisible());
    Box.SetEnableChecks(true);
    QTest::mouseClick(List->viewport(), Qt::RightButton, {}, RowPoint(List, 1, 80));
    QVERIFY(Box.Menu()->isVisible());
    Box.Menu()->hide();
  }

  void SearchByNameAndNumber() {
    TSmallBook B;
    B.AddMain(100, "Cash sales", 1, 0);
    B.AddMain(110, "CAR", 1, 0);
    B.AddMain(1000, "Acar", 1, 0);
    B.AddMain(210, "Card fees", 2, 5);
    B.AddMain(120, "Interest", 1, 1);
    TActSearchForm F(B.L);
    F.Prepare(false);
    QVERIFY(F.NatureBtn1->isChecked() && F.TypeBtn1->isChecked() && F.SearchForBtn1->isChecked());
    QCOMPARE(Names(*F.SelectBox), std::string("Acar,CAR,Cash sales,Interest,"));
    QVERIFY(!F.DispBtn->isEnabled());
    QTest::keyClicks(F.SearchSrc, "ca");
    QCOMPARE(Names(*F.SelectBox), std::string("CAR,Cash sales,"));
    F.ToggleSwitch4->click();  // expense accounts
    QCOMPARE(Names(*F.SelectBox), std::string("Card fees,"));
    F.TypeBtn1->click();
    F.ToggleSwitch6->click();  // numbers: the text is emptied, the box right-aligned
    QVERIFY(F.SearchSrc->text().isEmpty());
    QVERIFY(F.SearchSrc->alignment() & Qt::AlignRight);
    QTest::keyClicks(F.SearchSrc, "1x");  // the number box takes digits only
    QCOMPARE(F.SearchSrc->text(), QString("1"));
    QCOMPARE(Names(*F.SelectBox), std::string("Acar,CAR,Cash sales,Interest,"));
    QTest::keyClicks(F.SearchSrc, "1");
    QCOMPARE(Names(*F.SelectBox), std::string("CAR,"));
    QCOMPARE(FoundIndex, -1);
    F.SelectBox->SetHighlightedIndex(0);
    QVERIFY(F.DispBtn->isEnabled());
    F.DispBtn->click();
    QCOMPARE(F.result(), int(QDialog::Accepted));
    QVERIFY(FoundIsMain);
    QCOMPARE(FoundIndex, 1);
  }

  void SearchOnSubAccountsAndReset() {
    TSmallBook B;
    B.AddMain(100, "Sales", 1, 0);
    B.AddMain(200, "Fees", 1, 0);
    B.AddSub(200, 2, "Shop");
    B.AddSub(100, 1, "Shop");
    B.AddSub(100, 2, "Web");
    WhenModal<TActSearchForm>([](TActSearchForm* F) {
      QVERIFY(F->ToggleSwitch2->isChecked());
      QCOMPARE(Names(*F->SelectBox), std::string("Shop,Shop,Web,"));
      F->SelectBox->PressNumberButton();  // sub rows: main number, then sub number
      QCOMPARE(F->SelectBox->Item(0)->NumberText(), std::string("100-1"));
      QCOMPARE(F->SelectBox->Item(1)->NumberText(), std::string("100-2"));
      F->ToggleSwitch6->click();
      QTest::keyClicks(F->SearchSrc, "2");  // a sub account's own number
      QCOMPARE(Names(*F->SelectBox), std::string("Shop,Web,"));
      F->SelectBox->SetHighlightedIndex(0);
      F->DispBtn->click();
    });
    QVERIFY(ShowAccountSearch(B.L, true));
    QVERIFY(!FoundIsMain);
    QCOMPARE(FoundIndex, B.L.SubActs.IndexOfNo(200, 2));  // "Shop" sorts before "Web"

    TActSearchForm F(B.L);
    F.Prepare(true);
    QTest::keyClicks(F.SearchSrc, "w");
    F.Reset();
    QVERIFY(F.NatureBtn1->isChecked());
    QVERIFY(F.SearchSrc->text().isEmpty());
    QCOMPARE(Names(*F.SelectBox), std::string("Fees,Sales,"));
  }
};

QTEST_MAIN(SelectBoxesTest)
#include "SelectBoxesTest.moc"
