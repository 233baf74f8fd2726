// Number box, button edit box and the small dialogs, driven as a user would.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "CentreOnWorkArea.h"
#include "Choice.h"
#include "DeleteDialog.h"
#include "EditBtn.h"
#include "InputDlg.h"
#include "Keybd.h"
#include "MoneyFormat.h"
#include "NumPad.h"
#include "NumberBox.h"

namespace {

void SetRegional(const char* Symbol, int Positive, int Negative, const char* Decimal, const char* Thousand) {
  TRegionalSettings S;
  S.CurrencySymbol = Symbol;
  S.PositiveCurrencyFormat = Positive;
  S.NegativeCurrencyFormat = Negative;
  S.DecimalSeparator = Decimal;
  S.ThousandSeparator = Thousand;
  InitMoneyFormat(S);
}

// A window with a box and a second widget to move the focus to.
struct Form {
  QWidget Window;
  TNumberBox* Box;
  QLineEdit* Other;
  explicit Form(TBoxState State) {
    Box = new TNumberBox(&Window, State);
    Other = new QLineEdit(&Window);
    Box->setGeometry(10, 10, 150, 24);
    Other->setGeometry(10, 40, 150, 24);
    Window.resize(200, 80);
    Window.show();
    QApplication::setActiveWindow(&Window);
    QVERIFY(QTest::qWaitForWindowActive(&Window));
    Leave();  // the box took the focus when the window came up
  }
  void Enter() { Box->setFocus(Qt::TabFocusReason); }
  void Leave() { Other->setFocus(Qt::TabFocusReason); }
};

// Runs Action once the next modal dialog is up.
void WhenModal(std::function<void(QWidget*)> Action) {
  QTimer::singleShot(0, [Action] {
    QWidget* Modal = QApplication::activeModalWidget();
    QVERIFY(Modal);
    Action(Modal);
  });
}

}  // namespace

class CommonWidgetsTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { SetRegional("$", 0, 1, ".", ","); }
  void cleanupTestCase() { InitMoneyFormat(TRegionalSettings{}); }

  void AmountBoxEditingFormAndBack() {
    Form F(bsCurrency);
    F.Box->SetValue(12345000);
    QCOMPARE(F.Box->text(), QString("$1,234.50"));
    F.Enter();
    QCOMPARE(F.Box->text(), QString("1234.5"));
    QCOMPARE(F.Box->selectedText(), QString("1234.5"));
    F.Leave();
    QCOMPARE(F.Box->text(), QString("$1,234.50"));
    QCOMPARE(F.Box->Value(), Currency(12345000));
  }

  void TypedAmountBecomesValue() {
    Form F(bsCurrency);
    F.Enter();
    QCOMPARE(F.Box->text(), QString());  // 0 shows as an empty box with a leading minus
    QTest::keyClicks(F.Box, "12.5.6x");
    QCOMPARE(F.Box->text(), QString("12.56"));
    QCOMPARE(F.Box->Value(), Currency(125600));
    QTest::keyClick(F.Box, Qt::Key_Backspace);
    QCOMPARE(F.Box->Value(), Currency(125000));
    F.Leave();
    QCOMPARE(F.Box->text(), QString("$12.50"));
    // Emptied box: 0, shown as the money format of zero.
    F.Enter();
    QTest::keyClick(F.Box, Qt::Key_Backspace);  // everything was selected
    QCOMPARE(F.Box->text(), QString());
    F.Leave();
    QCOMPARE(F.Box->text(), QString("$0.00"));
    QCOMPARE(F.Box->Value(), Currency(0));
  }

  void NegativeAmountTrailingMinus() {
    SetRegional("$", 0, 3, ".", ",");  // $1.00- : minus after the number
    Form F(bsCurrency);
    F.Box->SetAllowNegative(true);
    F.Box->SetValue(-125000);
    QCOMPARE(F.Box->text(), QString("$12.50-"));
    F.Enter();
    QCOMPARE(F.Box->text(), QString("12.5-"));
    QTest::keyClick(F.Box, Qt::Key_End);
    QTest::keyClicks(F.Box, "0");  // goes in before the minus
    QCOMPARE(F.Box->text(), QString("12.50-"));
    QCOMPARE(F.Box->Value(), Currency(-125000));
    QTest::keyClicks(F.Box, "-");
    QCOMPARE(F.Box->Value(), Currency(125000));
    QTest::keyClicks(F.Box, "-");
    F.Leave();
    QCOMPARE(F.Box->text(), QString("$12.50-"));
    QCOMPARE(F.Box->Value(), Currency(-125000));
  }

  void NegativeAmountLeadingMinus() {
    Form F(bsCurrency);
    F.Box->SetAllowNegative(true);
    F.Enter();
    QTest::keyClicks(F.Box, "5-0");
    QCOMPARE(F.Box->text(), QString("-50"));
    F.Leave();
    QCOMPARE(F.Box->text(), QString("-$50.00"));
    F.Enter();
    QCOMPARE(F.Box->text(), QString("-50"));
    // Without AllowNegative the minus does nothing.
    Form G(bsCurrency);
    G.Enter();
    QTest::keyClicks(G.Box, "-5-");
    QCOMPARE(G.Box->Value(), Currency(50000));
  }

  // With "," as the decimal separator a typed "." still means the decimal point.
  void CommaSeparatorRegion() {
    SetRegional("\u20ac", 3, 8, ",", ".");
    Form F(bsCurrency);
    F.Enter();
    QTest::keyClicks(F.Box, "1234.5");
    QCOMPARE(F.Box->text(), QString("1234,5"));
    QCOMPARE(F.Box->Value(), Currency(12345000));
    F.Leave();
    QCOMPARE(F.Box->text(), QString("1.234,50 \u20ac"));
    F.Enter();
    QCOMPARE(F.Box->text(), QString("1234,5"));
    QTest::keyClick(F.Box, Qt::Key_End);
    QTest::keyClicks(F.Box, ",.");  // a second separator of either kind is dropped
    QCOMPARE(F.Box->Value(), Currency(12345000));
  }

  void NumberBoxAndChangeEvent() {
    Form F(bsNumber);
    QList<int> Seen;
    connect(F.Box, &TNumberBox::Change, F.Box, [&] { Seen << F.Box->IntValue(); });
    F.Enter();
    QTest::keyClicks(F.Box, "1x2.3-");
    QCOMPARE(F.Box->text(), QString("123"));
    QCOMPARE(F.Box->IntValue(), 123);
    QCOMPARE(Seen, (QList<int>{1, 12, 123}));  // the handler sees the new number
    QTest::keyClicks(F.Box, "4567890");
    QCOMPARE(F.Box->text(), QString("123456789"));  // 9 characters
    F.Box->SetIntValue(7);
    QCOMPARE(F.Box->text(), QString("7"));
    QCOMPARE(Seen.last(), 7);
  }

  void PasteIsFiltered() {
    Form F(bsCurrency);
    F.Enter();
    QGuiApplication::clipboard()->setText("$1,234.5x.6");
    QTest::keySequence(F.Box, QKeySequence::Paste);
    QCOMPARE(F.Box->text(), QString("1234.56"));
    QCOMPARE(F.Box->Value(), Currency(12345600));
  }

  void EnterFiresAndInsertsNothing() {
    Form F(bsCurrency);
    QSignalSpy Spy(F.Box, &TNumberBox::EnterPress);
    F.Enter();
    QTest::keyClicks(F.Box, "5");
    QTest::keyClick(F.Box, Qt::Key_Return);
    QCOMPARE(Spy.count(), 1);
    QCOMPARE(F.Box->text(), QString("5"));
  }

  void MoneyFormatNotCutByTheTypingLimit() {
    Form F(bsCurrency);
    F.Box->SetValue(123456789012LL * 10000);  // 12 digits typed, longer when formatted
    QCOMPARE(F.Box->text(), QString("$123,456,789,012.00"));
    QCOMPARE(F.Box->Value(), 123456789012LL * 10000);
  }

  void EditBtnButton() {
    QWidget Window;
    auto* Box = new TEditBtn(&Window);
    auto* Other = new QLineEdit(&Window);
    Box->setGeometry(10, 10, 160, 24);
    Other->move(10, 40);
    Box->setText("abc");
    Window.show();
    QApplication::setActiveWindow(&Window);
    QVERIFY(QTest::qWaitForWindowActive(&Window));
    Other->setFocus();
    QSignalSpy Spy(Box, &TEditBtn::BtnClick);
    QToolButton* Btn = Box->Button();
    QVERIFY(Btn->geometry().right() < Box->width());
    QCOMPARE(Box->textMargins().right(), Btn->width() + 2);  // text stops before the button
    QTest::mouseClick(Btn, Qt::LeftButton);
    QCOMPARE(Spy.count(), 1);
    QVERIFY(Box->hasFocus());
    QCOMPARE(Box->selectedText(), QString("abc"));
    Box->setEnabled(false);
    QVERIFY(!Btn->isEnabled());
    Box->setEnabled(true);
    Box->SetShowButton(false);
    QCOMPARE(Box->textMargins().right(), 0);
  }

  // "Delete" works only while Ctrl is held.
  void DeleteDialogArmedOnlyWithCtrl() {
    TDeleteDialog Dlg;
    Dlg.show();
    QApplication::setActiveWindow(&Dlg);
    QVERIFY(QTest::qWaitForWindowActive(&Dlg));
    QVERIFY(!Dlg.Armed());
    QTest::mouseClick(Dlg.DeleteBtn(), Qt::LeftButton);
    QVERIFY(Dlg.isVisible());  // not armed: nothing happens
    QWidget* Focus = QApplication::focusWidget();
    QVERIFY(Focus);
    QTest::keyPress(Focus, Qt::Key_Control);
    QVERIFY(Dlg.Armed());
    QTest::keyRelease(Focus, Qt::Key_Control);
    QVERIFY(!Dlg.Armed());
    QTest::keyPress(Focus, Qt::Key_Control);
    QVERIFY(Dlg.Armed());
    // Losing and regaining activation disarms it (Ctrl may be let go elsewhere).
    QWidget Elsewhere;
    Elsewhere.show();
    QApplication::setActiveWindow(&Elsewhere);
    QVERIFY(QTest::qWaitForWindowActive(&Elsewhere));
    QApplication::setActiveWindow(&Dlg);
    QVERIFY(QTest::qWaitForWindowActive(&Dlg));
    QVERIFY(!Dlg.Armed());
    QTest::keyPress(QApplication::focusWidget(), Qt::Key_Control);
    QTest::mouseClick(Dlg.DeleteBtn(), Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(Dlg.result(), int(QDialog::Accepted));
  }

  void DeleteDialogEnterDoesNotDelete() {
    WhenModal([](QWidget* W) { QTest::keyClick(W, Qt::Key_Return); });
    QVERIFY(!ShowDeleteDialog(nullptr));
  }

  void NumPadFillsTheBox() {
    Form F(bsCurrency);
    WhenModal([](QWidget* W) {
      auto* Pad = qobject_cast<TNumPad*>(W);
      QVERIFY(Pad);
      for (QChar K : QString("12.345")) QTest::mouseClick(Pad->KeyButton(K), Qt::LeftButton);
      QCOMPARE(Pad->Display(), QString("12.34"));
      QTest::mouseClick(Pad->OkBtn(), Qt::LeftButton);
    });
    QVERIFY(ShowNumPad(F.Box));
    QCOMPARE(F.Box->Value(), Currency(123400));
    QCOMPARE(F.Box->text(), QString("$12.34"));

    Form N(bsNumber);
    WhenModal([](QWidget* W) {
      auto* Pad = qobject_cast<TNumPad*>(W);
      QVERIFY(!Pad->KeyButton(u'.')->isEnabled());
      QTest::keyClicks(Pad, "1234567890");
      QCOMPARE(Pad->Display(), QString("123456789"));
      QTest::mouseClick(Pad->OkBtn(), Qt::LeftButton);
    });
    QVERIFY(ShowNumPad(N.Box));
    QCOMPARE(N.Box->IntValue(), 123456789);

    // OK on an empty display leaves the box alone.
    WhenModal([](QWidget* W) { QTest::mouseClick(qobject_cast<TNumPad*>(W)->OkBtn(), Qt::LeftButton); });
    QVERIFY(!ShowNumPad(N.Box));
    QCOMPARE(N.Box->IntValue(), 123456789);
  }

  void ChoiceResults() {
    WhenModal([](QWidget* W) {
      auto* Dlg = qobject_cast<TChoice*>(W);
      QVERIFY(Dlg->IncomeBtn()->isChecked());
      QTest::mouseClick(Dlg->ExpenseBtn(), Qt::LeftButton);
      QVERIFY(!Dlg->IncomeBtn()->isChecked());
      QTest::keyClick(W, Qt::Key_Return);
    });
    QCOMPARE(ShowChoice(nullptr, "New Transaction", "Select Transaction Kind"), 1);
    WhenModal([](QWidget* W) { QTest::keyClick(W, Qt::Key_Escape); });
    QCOMPARE(ShowChoice(nullptr, "New Transaction", "Select Transaction Kind"), -1);
    WhenModal([](QWidget* W) {
      auto* Dlg = qobject_cast<TChoice*>(W);
      QTest::mouseClick(Dlg->ExpenseBtn(), Qt::LeftButton);
      QTest::mouseDClick(Dlg->IncomeBtn(), Qt::LeftButton);
    });
    QCOMPARE(ShowChoice(nullptr, "New Transaction", "Select Transaction Kind"), 0);
  }

  void InputDlgAsksTheCallback() {
    QStringList Asked;
    auto Check = [&](const QString& Name) {
      Asked << Name;
      return Name != "Taken";
    };
    WhenModal([](QWidget* W) {
      auto* Box = W->findChild<QLineEdit*>();
      Box->setText("Taken");
      QTest::keyClick(W, Qt::Key_Return);  // refused: stays open
      QVERIFY(W->isVisible());
      Box->setText(QString(50, u'x'));
      QTest::keyClick(W, Qt::Key_Return);
    });
    QString Name;
    QVERIFY(ShowInputDlg(nullptr, "New Group", "Enter new Group name", Name, Check));
    QCOMPARE(Name, QString(40, u'x'));
    QCOMPARE(Asked.size(), 2);
    WhenModal([](QWidget* W) { QTest::keyClick(W, Qt::Key_Escape); });
    QString Kept = "Old";
    QVERIFY(!ShowInputDlg(nullptr, "New Group", "Enter new Group name", Kept, Check));
    QCOMPARE(Kept, QString("Old"));
  }

  void KeyboardTypesIntoItsBox() {
    QLineEdit Box;
    Box.setMaxLength(5);
    Box.setText("ab");
    TKeybd Keys(&Box, nullptr);
    Keys.Press("Shift");
    Keys.Press("c");
    Keys.Press("d");
    Keys.Press("Space");
    Keys.Press("Back");
    QCOMPARE(Box.text(), QString("abCd"));
    Keys.Press("1");
    Keys.Press("2");
    QCOMPARE(Box.text(), QString("abCd1"));  // the box's limit holds
    WhenModal([](QWidget* W) {
      for (QPushButton* Btn : W->findChildren<QPushButton*>())
        if (Btn->text() == "q") QTest::mouseClick(Btn, Qt::LeftButton);
      QCOMPARE(qobject_cast<TKeybd*>(W)->Shifted(), false);
      for (QPushButton* Btn : W->findChildren<QPushButton*>())
        if (Btn->text() == "Cancel") QTest::mouseClick(Btn, Qt::LeftButton);
    });
    Box.setText("x");
    QVERIFY(!ShowKeyboard(&Box));
    QCOMPARE(Box.text(), QString("x"));  // cancel puts the text back
  }

  void CentredOnTheWorkArea() {
    QCOMPARE(CentredRect(QRect(0, 0, 1000, 700), 301, 200, false), QRect(349, 250, 301, 200));
    // A panel on the left: the free area starts at x 60.
    QCOMPARE(CentredRect(QRect(60, 0, 940, 700), 300, 200, false), QRect(380, 250, 300, 200));
    QCOMPARE(CentredRect(QRect(0, 30, 1000, 670), 10, 10, true), QRect(0, 30, 1000, 670));
    QDialog Dlg;
    Dlg.resize(300, 200);
    CentreOnWorkArea(&Dlg);
    QRect Work = Dlg.screen()->availableGeometry();
    QCOMPARE(Dlg.frameGeometry().center().x() / 2, Work.center().x() / 2);
  }
};

QTEST_MAIN(CommonWidgetsTest)
#include "CommonWidgetsTest.moc"
