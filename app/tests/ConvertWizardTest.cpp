// The conversion wizard's pages: the book name, and a report class for every custom category
// before "&Finish" can be pressed.
#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest>

#include "ConvertWizard.h"

class ConvertWizardTest : public QObject {
  Q_OBJECT
 private slots:
  void withoutCustomCategoriesTheNamePageFinishes() {
    std::vector<TConvertCategory> none;
    TFileConvertForm w(none);
    QVERIFY(!w.BackBtn->isEnabled());
    QCOMPARE(w.NextBtn->text(), QStringLiteral("&Next"));
    w.NextBtn->click();
    QCOMPARE(w.Pages->currentIndex(), 1);
    QCOMPARE(w.NextBtn->text(), QStringLiteral("&Finish"));
    w.BookNameEdit->setText(QStringLiteral("  Shop Account  "));
    w.NextBtn->click();
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QCOMPARE(w.BookName().trimmed(), QStringLiteral("Shop Account"));
  }

  void finishWaitsForEveryCategoryType() {
    std::vector<TConvertCategory> cats = {{20, "Market Takings", 1, 0}, {21, "Stall Fees", 2, 0}};
    TFileConvertForm w(cats);
    w.show();
    w.NextBtn->click();
    w.NextBtn->click();
    QCOMPARE(w.Pages->currentIndex(), 2);
    QCOMPARE(w.NextBtn->text(), QStringLiteral("&Finish"));
    QVERIFY(!w.NextBtn->isEnabled());
    QCOMPARE(w.CatList->item(0)->checkState(), Qt::Unchecked);

    // The income category offers the income types; "Other Income" is class 3.
    w.CatList->setCurrentRow(0);
    QRadioButton* other = nullptr;
    for (QRadioButton* rb : w.findChildren<QRadioButton*>())
      if (rb->text() == QStringLiteral("Other Income") && rb->isVisible()) other = rb;
    QVERIFY(other);
    other->click();
    QCOMPARE(cats[0].ReportClass, 3);
    QCOMPARE(w.CatList->item(0)->checkState(), Qt::Checked);
    QVERIFY(!w.NextBtn->isEnabled());

    w.CatList->setCurrentRow(1);
    QRadioButton* tax = nullptr;
    for (QRadioButton* rb : w.findChildren<QRadioButton*>())
      if (rb->text() == QStringLiteral("Company Tax") && rb->isVisible()) tax = rb;
    QVERIFY(tax);
    tax->click();
    QCOMPARE(cats[1].ReportClass, 4);
    QVERIFY(w.NextBtn->isEnabled());
    w.NextBtn->click();
    QCOMPARE(w.result(), int(QDialog::Accepted));
  }
};

QTEST_MAIN(ConvertWizardTest)
#include "ConvertWizardTest.moc"
