// Two real processes: this test is the running copy (the real main window behind the real
// single-instance server); the program started a second time hands its file over and ends.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "AppSettings.h"
#include "BookSession.h"
#include "MainWindow.h"
#include "ScriptedPrompts.h"
#include "SingleInstance.h"
#include "TestBook.h"
#include "TestSupport.h"

class SingleInstanceTest : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;
  QString program_;
  TScriptedPrompts prompts_;
  std::unique_ptr<TMain> main_;
  std::unique_ptr<TSingleInstance> instance_;
  QProcess* second_ = nullptr;
  int restores_ = 0;
  QStringList files_;
  bool secondWaited_ = true;

  QProcess* StartSecond(const QStringList& args) {
    auto* p = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p->setProcessEnvironment(env);
    p->start(program_, args);
    return p;
  }

 private slots:
  void initTestCase() {
    program_ = qEnvironmentVariable("QB_PROGRAM");
    if (program_.isEmpty()) QSKIP("QB_PROGRAM (the QuimbelBooks program) is not set");
    QVERIFY(dir_.isValid());
    UseOwnSettings(dir_.path());
    qputenv("QB_INSTANCE_NAME", dir_.filePath(QStringLiteral("instance")).toUtf8());
    prompts_.DefaultAnswer = mbNo;

    instance_ = std::make_unique<TSingleInstance>();
    QVERIFY(!instance_->HandOverToRunning(QString()));  // nobody runs yet: this copy listens
    const TOptionsEnvironment env = TestOptionsEnv();
    main_ = std::make_unique<TMain>(nullptr, &prompts_, &env);
    main_->RestorePlacement = false;
    main_->show();
    instance_->OnRestore = [this] {
      ++restores_;
      main_->RestoreRequest();
    };
    instance_->OnFile = [this](const QString& f) {
      files_ << f;
      // The second start must still be waiting for the answer.
      secondWaited_ = secondWaited_ && second_ && second_->state() == QProcess::Running;
      main_->HandOver(f);
    };
  }

  void secondStartWithFileHandsItOverAndWaits() {
    // A path with a blank, split over two arguments as an unquoted command line arrives.
    const QString book = dir_.filePath(QStringLiteral("My Shop.qbk"));
    QVERIFY(WriteTestBook(book.toStdString()));
    const int blank = book.indexOf(QLatin1Char(' '));
    second_ = StartSecond({book.left(blank), book.mid(blank + 1)});
    QTRY_VERIFY_WITH_TIMEOUT(second_->state() == QProcess::NotRunning, 30000);
    QCOMPARE(second_->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second_->exitCode(), 0);
    QCOMPARE(files_, QStringList{book});
    QVERIFY(secondWaited_);
    QCOMPARE(restores_, 1);
    QCOMPARE(main_->windowTitle(), QStringLiteral("Quimbel Books - My Shop"));
    QVERIFY(main_->Session().FileOpen());
    QCOMPARE(ReadAppString(QStringLiteral("FileMessageInfo")).value_or(QString()), book);
  }

  void secondStartWithoutFileOnlyRestores() {
    WriteAppString(QStringLiteral("FileMessageInfo"), QStringLiteral("untouched"));
    main_->showMinimized();
    second_ = StartSecond({});
    QTRY_VERIFY_WITH_TIMEOUT(second_->state() == QProcess::NotRunning, 30000);
    QCOMPARE(second_->exitCode(), 0);
    QTRY_COMPARE(restores_, 2);
    QCOMPARE(files_.size(), 1);
    QVERIFY(!main_->isMinimized());
    QCOMPARE(ReadAppString(QStringLiteral("FileMessageInfo")).value_or(QString()), QStringLiteral("untouched"));
    QVERIFY(main_->Session().FileOpen());  // the open book stays
  }

  void cleanupTestCase() {
    main_.reset();
    instance_.reset();
  }
};

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
