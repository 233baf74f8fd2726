// The two password dialogs, driven as a user drives them (offscreen), and the options manager's
// adapters over real widgets.
#include "FontCheck.h"
#include "Grid3.h"
#include "NewPasswordDlg.h"
#include "OptionsAdapters.h"
#include "PasswordDlg.h"
#include "PasswordRules.h"
#include "TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

void Shot(QWidget& w, const char* name) {
  const QByteArray dir = qgetenv("QB_SCREENSHOT_DIR");
  if (!dir.isEmpty()) w.grab().save(QString::fromLocal8Bit(dir) + "/" + name);
}

void Type(QLineEdit* box, const QString& text) {
  box->clear();
  QTest::keyClicks(box, text);
}

}  // namespace

class PasswordDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void windowPlacementKeepsNormalBoundsWhileMaximized() {
    QWidget window;
    TWidgetPlacement placement(&window);
    placement.SetNormalBounds({40, 50, 500, 300});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(placement.ShowState(), TWindowShowState::Normal);
    QCOMPARE(placement.NormalBounds().Width, 500);
    QCOMPARE(placement.NormalBounds().Height, 300);
    placement.ShowMaximized();
    QTRY_VERIFY(window.isMaximized());
    QCOMPARE(placement.ShowState(), TWindowShowState::Maximized);
    QCOMPARE(placement.NormalBounds().Width, 500);
    window.showMinimized();
    QCOMPARE(placement.ShowState(), TWindowShowState::Minimized);
  }

  // The set-up script installs Liberation Sans, which the font configuration puts in Arial's place.
  void arialOrItsStandInIsFound() {
    QVERIFY2(ArialFontAvailable(), qPrintable(QFontInfo(QFont("Arial")).family()));
  }

  void gridAppearanceRoundTrip() {
    TGrid3 grid;
    TGrid3Appearance look(&grid);
    const TGridSettings wanted{0x00336699u, "DejaVu Sans", 11, fsBold | fsUnderline};
    look.SetAppearance(wanted);
    QCOMPARE(grid.GridColor(), TColor(0x00336699u));
    QCOMPARE(grid.font().pointSize(), 11);
    QVERIFY(grid.font().bold() && grid.font().underline() && !grid.font().italic());
    QVERIFY(look.Appearance() == wanted);
  }

  void passwordDialogLooksAsDesigned() {
    TPasswordDlg dlg("Secret");
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(dlg.size(), QSize(258, 235));
    QVERIFY(dlg.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(dlg.windowTitle(), QString("Password"));
    QCOMPARE(dlg.OKBtn->text(), QString("OK"));
    QCOMPARE(dlg.CancelBtn->text(), QString("Cancel"));
    bool labelFound = false;
    for (QLabel* l : dlg.findChildren<QLabel*>()) labelFound |= l->text() == "Enter password:";
    QVERIFY(labelFound);
    QCOMPARE(dlg.PasswordEdit->echoMode(), QLineEdit::Password);
    QCOMPARE(dlg.focusWidget(), dlg.PasswordEdit);
    QTest::keyClicks(dlg.PasswordEdit, "Secr");
    Shot(dlg, "password.png");
  }

  void passwordDialogAcceptsOnlyTheExactPassword() {
    TRecordingMessenger messages;
    TPasswordDlg dlg("Secret", nullptr, &messages);
    dlg.show();
    for (const char* wrong : {"secret", "SECRET", "Secre", ""}) {
      Type(dlg.PasswordEdit, wrong);
      dlg.OKBtn->setFocus();  // where a click puts it
      QTest::mouseClick(dlg.OKBtn, Qt::LeftButton);
      QVERIFY2(dlg.isVisible(), wrong);
      QCOMPARE(dlg.focusWidget(), dlg.PasswordEdit);
    }
    QCOMPARE(int(messages.Messages.size()), 4);
    for (auto& [kind, text] : messages.Messages) {
      QCOMPARE(int(kind), int(TMsgKind::Warning));
      QCOMPARE(QString::fromStdString(text), QString("Password incorrect"));
    }
    Type(dlg.PasswordEdit, "Secret");
    QTest::keyClick(dlg.PasswordEdit, Qt::Key_Return);  // OK is the default button
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(int(messages.Messages.size()), 4);
  }

  void passwordDialogCancelRefuses() {
    TRecordingMessenger messages;
    TPasswordDlg dlg("Secret", nullptr, &messages);
    dlg.show();
    Type(dlg.PasswordEdit, "Secret");
    QTest::mouseClick(dlg.CancelBtn, Qt::LeftButton);
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QVERIFY(messages.Messages.empty());
  }

  void newPasswordChecksInOrder_data() {
    QTest::addColumn<QString>("newText");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<QString>("message");
    QTest::newRow("differ") << "abc" << "abd" << "New Password and Confirm Password don't match";
    QTest::newRow("differ before spaces") << "a b" << "ab" << "New Password and Confirm Password don't match";
    QTest::newRow("letter case") << "Secret" << "secret" << "New Password and Confirm Password don't match";
    QTest::newRow("empty") << "" << "" << "Password not valid";
    QTest::newRow("space") << "a b" << "a b" << "Password can't contain spaces";
  }

  void newPasswordChecksInOrder() {
    QFETCH(QString, newText);
    QFETCH(QString, confirm);
    QFETCH(QString, message);
    TRecordingMessenger messages;
    TNewPasswordDlg dlg(nullptr, &messages);
    dlg.show();
    Type(dlg.NewPasswordEdit, newText);
    dlg.ConfirmPasswordEdit->setFocus();  // the user tabs on and types the confirmation
    Type(dlg.ConfirmPasswordEdit, confirm);
    QCOMPARE(dlg.focusWidget(), dlg.ConfirmPasswordEdit);
    dlg.OKBtn->setFocus();
    QTest::mouseClick(dlg.OKBtn, Qt::LeftButton);
    QVERIFY(dlg.isVisible());
    QCOMPARE(int(messages.Messages.size()), 1);
    QCOMPARE(int(messages.Messages[0].first), int(TMsgKind::Warning));
    QCOMPARE(QString::fromStdString(messages.Messages[0].second), message);
    QVERIFY(dlg.ConfirmPasswordEdit->text().isEmpty());
    QCOMPARE(dlg.NewPasswordEdit->text(), newText);
    QCOMPARE(dlg.focusWidget(), dlg.NewPasswordEdit);
  }

  void newPasswordAcceptedAndCutToEight() {
    TRecordingMessenger messages;
    TNewPasswordDlg dlg(nullptr, &messages);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(dlg.windowTitle(), QString("New Password"));
    QCOMPARE(dlg.OKBtn->text(), QString("&OK"));
    QCOMPARE(dlg.CancelBtn->text(), QString("&Cancel"));
    QCOMPARE(dlg.focusWidget(), dlg.NewPasswordEdit);
    QTest::keyClicks(dlg.NewPasswordEdit, "abcdefghij");
    QTest::keyClicks(dlg.ConfirmPasswordEdit, "abcdefghij");
    QCOMPARE(dlg.NewPasswordEdit->text(), QString("abcdefgh"));  // the box takes what the file keeps
    Shot(dlg, "new-password.png");
    QTest::mouseClick(dlg.OKBtn, Qt::LeftButton);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QVERIFY(messages.Messages.empty());
    QCOMPARE(QString::fromStdString(dlg.Password()), QString("abcdefgh"));
    // And the password dialog opens with exactly that.
    TPasswordDlg ask(dlg.Password(), nullptr, &messages);
    ask.show();
    QTest::keyClicks(ask.PasswordEdit, "abcdefghij");
    QTest::mouseClick(ask.OKBtn, Qt::LeftButton);
    QCOMPARE(ask.result(), int(QDialog::Accepted));
  }

  void newPasswordCancel() {
    TRecordingMessenger messages;
    TNewPasswordDlg dlg(nullptr, &messages);
    dlg.show();
    QTest::keyClicks(dlg.NewPasswordEdit, "x y");
    QTest::mouseClick(dlg.CancelBtn, Qt::LeftButton);
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QVERIFY(messages.Messages.empty());
  }
};

QTEST_MAIN(PasswordDialogsTest)
#include "PasswordDialogsTest.moc"
