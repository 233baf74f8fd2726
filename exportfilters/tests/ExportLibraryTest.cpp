// The option dialog and the shared library's entry points, driven as the program drives them.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "ExportFixture.h"
#include "QBExportFilters.h"
#include "TestFiles.h"
#include "TextExDlg.h"

namespace {

// Runs Handler on the next modal window that opens (the caller then starts the modal loop).
void OnNextModal(std::function<void(QWidget*)> Handler, int TriesLeft = 500) {
  QTimer::singleShot(10, [Handler, TriesLeft] {
    QWidget* W = QApplication::activeModalWidget();
    if (W && W->isVisible())
      Handler(W);
    else if (TriesLeft > 0)
      OnNextModal(Handler, TriesLeft - 1);
  });
}

// Answers the option dialog with the given boxes ticked (or cancels it), then records the text of
// the message that follows and closes it.
struct TScript {
  bool SawDialog = false;
  QString DialogCaption;
  bool NoteVisible = false;
  QString Message;
  QMessageBox::Icon Icon = QMessageBox::NoIcon;

  void Run(bool Accept, unsigned Choice) {
    OnNextModal([this, Accept, Choice](QWidget* W) {
      auto* Dlg = qobject_cast<QDialog*>(W);
      QVERIFY(Dlg);
      SawDialog = true;
      DialogCaption = Dlg->windowTitle();
      NoteVisible = Dlg->findChild<QLabel*>("NoteLabel")->isVisible();
      for (int I = 0; I < 5; ++I) {
        auto* Box = Dlg->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(I + 1));
        if (Box->isChecked() != bool(Choice & (1u << I))) Box->click();
      }
      if (!Accept) {
        Dlg->findChild<QPushButton*>("CancelBtn")->click();
        return;
      }
      OnNextModal([this](QWidget* M) {
        auto* Box = qobject_cast<QMessageBox*>(M);
        QVERIFY(Box);
        Message = Box->text();
        Icon = Box->icon();
        Box->button(QMessageBox::Ok)->click();
      });
      Dlg->findChild<QPushButton*>("OKBtn")->click();
    });
  }
};

void HandOver(const TExportBook& B, bool Selection, const char* BaseName) {
  const TQBInfo I = B.Info();
  GetQBInfo(Selection, false, false, false, I.SortedByDateAscending, I.Trans, I.MainActs, I.SubActs, I.Groups, I.Cats,
            I.TransGrid, I.MainActGrid, I.SubActGrid, I.GroupGrid, I.CatGrid, 0, BaseName);
}

}  // namespace

class ExportLibraryTest : public QObject {
  Q_OBJECT
 private slots:
  void dialogLayoutWithAndWithoutNote() {
    for (bool Selection : {false, true}) {
      TTextExDlg Dlg(ekHtml, Selection);
      Dlg.show();
      QCOMPARE(Dlg.windowTitle(), QString("Export data as HTML..."));
      QCOMPARE(Dlg.GroupBox1->title(), QString("Select what to export"));
      QCOMPARE(Dlg.NoteLabel->isVisible(), Selection);
      QCOMPARE(Dlg.NoteLabel->text(),
               QString("Note: Only data from the current selection will be exported.  To export all data clear the "
                       "selection."));
      QCOMPARE(Dlg.GroupBox1->height(), 135);
      QCOMPARE(Dlg.OKBtn->y(), Selection ? 200 : 146);
      QCOMPARE(Dlg.height(), Selection ? 254 : 200);
      QCOMPARE(Dlg.OKBtn->text(), QString("&OK"));
      QCOMPARE(Dlg.CancelBtn->text(), QString("&Cancel"));
      // The note must not run into the buttons.
      if (Selection) QVERIFY(Dlg.NoteLabel->geometry().bottom() < Dlg.OKBtn->y());
    }
    TTextExDlg Text(ekText, false);
    QCOMPARE(Text.windowTitle(), QString("Export data as Plain Text..."));
  }

  void okNeedsAtLeastOneTick() {
    TTextExDlg Dlg(ekText, false);
    Dlg.show();
    const char* Captions[] = {"Transactions", "Main Accounts", "Sub Accounts", "Groups", "Categories"};
    for (int I = 0; I < 5; ++I) {
      QCOMPARE(Dlg.CheckBoxes[I]->text(), QString(Captions[I]));
      QVERIFY(Dlg.CheckBoxes[I]->isChecked());
    }
    QCOMPARE(Dlg.Choice(), unsigned(esAll));
    for (int I = 0; I < 5; ++I) {
      QVERIFY(Dlg.OKBtn->isEnabled());
      Dlg.CheckBoxes[I]->click();
    }
    QVERIFY(!Dlg.OKBtn->isEnabled());
    Dlg.CheckBoxes[3]->click();
    QVERIFY(Dlg.OKBtn->isEnabled());
    QCOMPARE(Dlg.Choice(), unsigned(esGroups));
  }

  void filterText() {
    QCOMPARE(QString(GetExportFilters()), QString("|Text file (*.TXT)|*.txt|HTML file (*.HTM)|*.htm"));
  }

  void exportThroughTheLibrary() {
    TExportBook B;
    TTempDir Dir;
    const int VisibleBefore = B.L.Trans.VisibleCount;
    const Currency BalanceBefore = B.L.Trans.Items(B.L.Trans.Count() - 1).Balance;
    TRegionalSettings Euro;
    Euro.CurrencySymbol = "EUR";
    InitMoneyFormat(Euro);
    QCOMPARE(FormatMoney(2505000), std::string("EUR250.50"));
        char Name[] = "Shop";
    HandOver(B, true, Name);
    Name[0] = 'X';  // the library keeps its own copy of the text

    TScript S;
    S.Run(true, esGroups | esCategories);
    QVERIFY(ApplyExportFilter(3, Dir.File("out.htm").c_str()));
    QVERIFY(S.SawDialog);
    QCOMPARE(S.DialogCaption, QString("Export data as HTML..."));
    QVERIFY(S.NoteVisible);
    QCOMPARE(S.Message, QString("HTML file exported."));
    QCOMPARE(S.Icon, QMessageBox::Information);
    std::string Html = ReadAll(Dir.File("out.htm"));
    QVERIFY(Html.find("<title>Quimbel Books data - Shop</title>") != std::string::npos);
    QCOMPARE(std::count(Html.begin(), Html.end(), '\n') > 0, true);
    QVERIFY(Html.find(">Group Name</font></td>") != std::string::npos);
    QVERIFY(Html.find(">Category</font></td>") != std::string::npos);
    QVERIFY(Html.find(">Book Name</font></td>") == std::string::npos);  // no transactions table
    // The library's own money format (built from the locale when it was loaded) formats the
    // totals, whatever the program's copy of the data-model code was given.
    QVERIFY(Html.find(">$250.50</font></td>") != std::string::npos);

    TScript T;
    T.Run(true, esCategories);
    HandOver(B, false, "Shop");
    QVERIFY(ApplyExportFilter(2, Dir.File("out.txt").c_str()));
    QVERIFY(!T.NoteVisible);
    QCOMPARE(T.DialogCaption, QString("Export data as Plain Text..."));
    QCOMPARE(T.Message, QString("Text file exported."));
    InitMoneyFormat(TRegionalSettings{});
    QCOMPARE(ReadAll(Dir.File("out.txt")),
             std::string("Category Name,Kind,Total\r\n\"General Income\",\"Income\",$250.50\r\n"
                         "\"Wages\",\"Expense\",$80.00\r\n"));

    // The lists read are left as they were.
    QCOMPARE(B.L.Trans.VisibleCount, VisibleBefore);
    QCOMPARE(B.L.Trans.Items(B.L.Trans.Count() - 1).Balance, BalanceBefore);
  }

  void cancelAndOtherIndexesWriteNothing() {
    TExportBook B;
    TTempDir Dir;
    HandOver(B, false, "Shop");
    TScript S;
    S.Run(false, esAll);
    QVERIFY(!ApplyExportFilter(2, Dir.File("c.txt").c_str()));
    QVERIFY(S.SawDialog);
    QVERIFY(S.Message.isEmpty());
    // Index 1 is the book file itself: no dialog, nothing shown. A window that opened anyway is
    // closed by the watch and counted.
    int Opened = 0;
    QTimer Watch;
    connect(&Watch, &QTimer::timeout, [&Opened] {
      if (QWidget* W = QApplication::activeModalWidget()) {
        ++Opened;
        W->close();
      }
    });
    Watch.start(10);
    QVERIFY(!ApplyExportFilter(1, Dir.File("d.txt").c_str()));
    QVERIFY(!ApplyExportFilter(4, Dir.File("e.txt").c_str()));
    QTest::qWait(50);
    Watch.stop();
    QCOMPARE(Opened, 0);
    QVERIFY(std::filesystem::is_empty(Dir.Path));
  }

  void unwritablePathShowsTheErrorAndLeavesNoFile() {
    TExportBook B;
    TTempDir Dir;
    HandOver(B, false, "Shop");
    TScript S;
    S.Run(true, esAll);
    QVERIFY(!ApplyExportFilter(3, Dir.File("no/such/folder.htm").c_str()));
    QCOMPARE(S.Message, QString("An error was encountered while saving the file."));
    QCOMPARE(S.Icon, QMessageBox::Critical);
    QVERIFY(std::filesystem::is_empty(Dir.Path));
  }
};

QTEST_MAIN(ExportLibraryTest)
#include "ExportLibraryTest.moc"
