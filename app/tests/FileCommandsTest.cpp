// The File menu on real book files: recent files, Save As (copy, fresh, onto itself), export, New
// (blank and from an existing file), a version-1 file converted on opening, and Send.
#include <QFileInfo>
#include <QMenu>
#include <QLineEdit>
#include <QRadioButton>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

#include "AppSettings.h"
#include "BookRecords.h"
#include "BookSession.h"
#include "CfbStorage.h"
#include "ConvertWizard.h"
#include "EntryPoints.h"
#include "FileManager.h"
#include "Helpers.h"
#include "MainWindow.h"
#include "MoneyFormat.h"
#include "ModalScript.h"
#include "NewFileChecks.h"
#include "NewFileDialogs.h"
#include "RecentFiles.h"
#include "ScriptedPrompts.h"
#include "SendMail.h"
#include "TestBook.h"
#include "TestSupport.h"

namespace {
QByteArray Bytes(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QAction* RecentEntry(TMain& w, const QString& path) {
  for (QAction* a : w.FileMenu->actions())
    if (a->data().toString() == path) return a;
  return nullptr;
}

// Lists of a book file as read by a file manager of its own.
struct TReadBack {
  TBookLists L;
  TScriptedPrompts P;
  TFileManager FM{L, P};
  explicit TReadBack(const QString& file) { ok = FM.Open(file.toStdString(), true); }
  ~TReadBack() { FM.Close(true, false); }
  bool ok = false;
};

template <class TRec>
std::string Encoded(const TRec& r, std::size_t size, void (*enc)(const TRec&, unsigned char*)) {
  std::string s(size, '\0');
  enc(r, reinterpret_cast<unsigned char*>(s.data()));
  return s;
}

// A version-1 book: no "Books" stream, the counts in "FileInfo" ending in the opening balance,
// one custom category of each kind.
void WriteVersion1(const QString& file) {
  std::string cats;
  std::int16_t id = 0;
  const auto cat = [&](const char* name, int kind, bool isDefault) {
    TCatRec c;
    c.CatID = id++;
    c.Name = name;
    c.Kind = std::uint8_t(kind);
    c.IsDefault = isDefault;
    cats += Encoded(c, CatRecSize, EncodeCat);
  };
  for (const char* n : {"General Income", "Other Income"}) cat(n, 1, true);
  for (const char* n : {"Equipment", "Overheads", "Stock", "Wages", "Tax", "Other"}) cat(n, 2, true);
  cat("Consulting", 1, false);
  cat("Travel", 2, false);
  TTransRec t;
  t.TransNo = 1;
  t.Date = EncodeDate(2020, 5, 4);
  t.Kind = tkExpense;
  t.MainActNo = 200;
  t.SubActNo = 1;
  t.Amount = CurrencyFromDouble(12.5);
  TMainActRec m;
  m.ActNo = 200;
  m.Name = "Rent";
  m.Kind = 2;
  m.CatID = 3;
  TSubActRec s;
  s.ActNo = 1;
  s.MainActNo = 200;
  s.Name = "Landlord";
  s.Kind = 2;
  TGroupRec g;
  g.Name = "General";
  const std::int32_t counts[5] = {1, 1, 1, 1, id};
  const Currency openBal = CurrencyFromDouble(-250);
  std::string info(V1FileInfoSize, '\0');
  std::memcpy(info.data(), counts, sizeof counts);
  std::memcpy(info.data() + 20, &openBal, sizeof openBal);
  const std::pair<const char*, std::string> streams[] = {
      {"Transactions", Encoded(t, TransRecSize, EncodeTrans)}, {"MainActs", Encoded(m, MainActRecSize, EncodeMainAct)},
      {"SubActs", Encoded(s, SubActRecSize, EncodeSubAct)},    {"Groups", Encoded(g, GroupRecSize, EncodeGroup)},
      {"Categories", cats},                                    {"FileInfo", info},
      {"FileSettings", std::string(SettingsRecSize, '\0')},   {"Comments", std::string("\0", 1)}};
  cfb::Storage root;
  QVERIFY(cfb::Storage::createFile(file.toStdString(), root) == cfb::Result::Ok);
  for (const auto& [name, bytes] : streams) {
    cfb::Stream st;
    QVERIFY(root.createStream(name, st) == cfb::Result::Ok);
    QVERIFY(st.write(bytes.data(), bytes.size()) == cfb::Result::Ok);
  }
}
}  // namespace

class FileCommandsTest : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;
  QString book_;
  TScriptedPrompts prompts_;

  // With prompts null the program's own dialogs answer the file manager.
  std::unique_ptr<TMain> Window(TPrompts* prompts) {
    const TOptionsEnvironment env = TestOptionsEnv();
    auto w = std::make_unique<TMain>(nullptr, prompts, &env);
    w->RestorePlacement = false;
    w->resize(1000, 600);
    w->show();
    return w;
  }
  std::unique_ptr<TMain> Window() { return Window(&prompts_); }
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

  static void Run(TModalScript& script, const std::function<void()>& command) {
    command();
    QTRY_VERIFY_WITH_TIMEOUT(script.Done(), 5000);
    QVERIFY2(script.Unexpected.isEmpty(), qPrintable(script.Unexpected.join(QStringLiteral(" | "))));
  }

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    UseOwnSettings(dir_.path());
    book_ = Path("Shop Book.qbk");
  }
  void init() {
    QFile::remove(book_);
    QVERIFY(WriteTestBook(book_.toStdString()));
    prompts_.ClearShown();
    prompts_.Answers.clear();
    prompts_.PasswordAnswers.clear();
    WriteRecentFiles({});
  }

  void recentFileDeletedMeanwhileIsReportedAndLeavesTheList() {
    const QString gone = Path("Gone.qbk");
    QVERIFY(WriteTestBook(gone.toStdString()));
    WriteRecentFiles({gone, book_});
    auto w = Window();
    QFile::remove(gone);
    QAction* entry = RecentEntry(*w, gone);
    QVERIFY(entry);
    TModalScript script;
    script.Message();
    Run(script, [&] { entry->trigger(); });
    QCOMPARE(script.Seen, QStringList{QStringLiteral("Can't find file - ") + gone});
    QCOMPARE(w->Recent->Paths(), QStringList{book_});
    QVERIFY(!RecentEntry(*w, gone));
    QVERIFY(!w->Session().FileOpen());
  }

  void recentFileWithPasswordCancelledGoesBackOnTop() {
    const QString locked = Path("Locked.qbk");
    QVERIFY(WriteTestBook(locked.toStdString()));
    {
      TReadBack r(locked);
      QVERIFY(r.ok);
      r.FM.Settings.Password = "secret";
      r.FM.Settings.ProtectOpening = true;
      QVERIFY(r.FM.WriteSettings());
    }
    WriteRecentFiles({book_, locked});
    auto w = Window();
    prompts_.PasswordAnswers = {false};  // the password dialog cancelled
    RecentEntry(*w, locked)->trigger();
    QVERIFY(!w->Session().FileOpen());
    QCOMPARE(w->Recent->Paths(), (QStringList{locked, book_}));
    // The right password opens it and takes it off the list.
    prompts_.PasswordAnswers = {true};
    RecentEntry(*w, locked)->trigger();
    QVERIFY(w->Session().FileOpen());
    QCOMPARE(w->Recent->Paths(), QStringList{book_});
    QCOMPARE(w->windowTitle(), QStringLiteral("Quimbel Books - Locked"));
  }

  // The open file's own name (confirmed in the overwrite question) is refused and the dialog
  // shows again; the file is not touched.
  void saveAsOntoItselfAsksAgain() {
    auto w = Window();
    QVERIFY(w->OpenBookFile(book_));
    const QByteArray before = Bytes(book_);
    TModalScript script;
    script.File(book_, 0).Message(QMessageBox::Yes).Message();
    script.Window("QFileDialog", [](QWidget* d) { QMetaObject::invokeMethod(d, "reject", Qt::QueuedConnection); });
    bool result = true;
    Run(script, [&] { result = SaveAsExport(w.get(), false); });
    QVERIFY(!result);
    QCOMPARE(script.Seen.value(2), QStringLiteral("Can't save a file as its self!"));
    QCOMPARE(script.Seen.value(0), QStringLiteral("Save As"));
    QCOMPARE(w->Session().FileName(), book_);
    QVERIFY(w->Recent->Paths().isEmpty());
    w->ActionClose->trigger();
    QCOMPARE(Bytes(book_), before);
  }

  // A writable book saved as a copy: the copy is the open file from then on, the old name goes to
  // the recent files, and later changes reach the copy only.
  void saveAsCopyContinuesInTheCopy() {
    auto w = Window();
    QVERIFY(w->OpenBookFile(book_));
    const QString copy = Path("Copy Book.qbk");
    TModalScript script;
    script.File(copy, 0);
    bool result = false;
    Run(script, [&] { result = SaveAsExport(w.get(), false); });
    QVERIFY(result);
    QCOMPARE(w->Session().FileName(), copy);
    QCOMPARE(w->windowTitle(), QStringLiteral("Quimbel Books - Copy Book"));
    QCOMPARE(w->Recent->Paths(), QStringList{book_});
    QVERIFY(!w->Session().ReadOnly());

    // Disabling transaction 2 now is written to the copy.
    int row = -1;
    for (int r = 0; r < w->ViewCount(0); ++r)
      if (w->Lists().Trans.ViewItems(w->ViewRow(r))->TransNo == 2) row = r;
    QVERIFY(row >= 0);
    w->ToggleEnabledRow(row);
    w->ActionClose->trigger();
    const auto enabledOf2 = [](const QString& file) {
      TReadBack r(file);
      for (const TTransRec* t : r.L.Trans.MasterList())
        if (t->TransNo == 2) return int(t->Enabled);
      return -1;
    };
    QCOMPARE(enabledOf2(copy), 0);
    QCOMPARE(enabledOf2(book_), 1);
  }

  // In read-only mode (a book on a CD) Save As writes everything anew and the new file is writable.
  void saveAsFreshFromReadOnlyMode() {
    auto w = Window();
    w->Session().FileManager().DriveKindProbe = [](const std::string&) { return dkCDROM; };
    QVERIFY(w->OpenBookFile(book_));
    QVERIFY(w->Session().ReadOnly());
    QVERIFY(prompts_.Texts().back().find("read only mode") != std::string::npos);
    w->ToggleEnabledRow(0);
    QVERIFY(w->Session().Changed());
    const bool firstEnabled = w->Lists().Trans.ViewItems(w->ViewRow(0))->Enabled;
    const std::int32_t firstNo = w->Lists().Trans.ViewItems(w->ViewRow(0))->TransNo;
    const QByteArray before = Bytes(book_);

    w->Session().FileManager().DriveKindProbe = [](const std::string&) { return dkFixed; };
    const QString fresh = Path("Fresh.qbk");
    TModalScript script;
    script.File(fresh, 0);
    bool result = false;
    Run(script, [&] { result = SaveAsExport(w.get(), false); });
    QVERIFY(result);
    QVERIFY(!w->Session().ReadOnly());
    QCOMPARE(w->Session().FileName(), fresh);
    QCOMPARE(w->windowTitle(), QStringLiteral("Quimbel Books - Fresh"));
    QCOMPARE(w->Recent->Paths(), QStringList{book_});
    prompts_.ClearShown();
    w->ActionClose->trigger();
    QVERIFY(prompts_.Texts().empty());  // no read-only question any more
    QCOMPARE(Bytes(book_), before);
    TReadBack r(fresh);
    QVERIFY(r.ok);
    QCOMPARE(r.L.Trans.Count(), TTestBookFigures::Transactions);
    for (const TTransRec* t : r.L.Trans.MasterList())
      if (t->TransNo == firstNo) QCOMPARE(t->Enabled, firstEnabled);
  }

  // The read-only question before closing: Yes runs Save As; an export chosen there does not
  // count as saved, so the book stays open.
  void readOnlyQuestionRunsSaveAs() {
    auto w = Window();
    w->Session().FileManager().DriveKindProbe = [](const std::string&) { return dkCDROM; };
    QVERIFY(w->OpenBookFile(book_));
    w->ToggleEnabledRow(0);
    w->Session().FileManager().DriveKindProbe = [](const std::string&) { return dkFixed; };
    prompts_.Answers = {mbYes};
    TModalScript script;
    script.Window("QFileDialog", [](QWidget* d) { QMetaObject::invokeMethod(d, "reject", Qt::QueuedConnection); });
    Run(script, [&] { w->ActionClose->trigger(); });
    QVERIFY(w->Session().FileOpen());
    prompts_.Answers = {mbYes};
    TModalScript save;
    save.File(Path("Saved.qbk"), 0);
    Run(save, [&] { w->ActionClose->trigger(); });
    QVERIFY(!w->Session().FileOpen());
    QCOMPARE(w->Recent->Paths().value(0), Path("Saved.qbk"));
  }

  // Text and HTML exports through the library: the file is written, the book, its caption and the
  // recent files stay as they were.
  void exportLeavesBookCaptionAndRecentUnchanged_data() {
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("mark");
    QTest::newRow("text") << 1 << QStringLiteral("Export.txt") << QStringLiteral("Office Supplies");
    QTest::newRow("html") << 2 << QStringLiteral("Export.htm") << QStringLiteral("<html");
  }
  void exportLeavesBookCaptionAndRecentUnchanged() {
    QFETCH(int, filter);
    QFETCH(QString, name);
    QFETCH(QString, mark);
    WriteRecentFiles({Path("Other.qbk")});
    auto w = Window();
    QVERIFY(w->OpenBookFile(book_));
    const QString caption = w->windowTitle();
    const QString out = dir_.filePath(name);
    TModalScript script;
    script.File(out, filter);
    script.Window("TTextExDlg", [](QWidget* d) {
      QMetaObject::invokeMethod(d->findChild<QPushButton*>(QStringLiteral("OKBtn")), "click", Qt::QueuedConnection);
    });
    script.Message();  // the library's outcome
    bool result = true;
    Run(script, [&] { result = SaveAsExport(w.get(), false); });
    QVERIFY(!result);
    QVERIFY2(QString::fromUtf8(Bytes(out)).contains(mark), qPrintable(script.Seen.join(QLatin1Char('|'))));
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->Session().FileName(), book_);
    QVERIFY(w->Session().FileOpen());
    QCOMPARE(w->Recent->Paths(), QStringList{Path("Other.qbk")});
    QCOMPARE(w->Lists().Trans.Count(), TTestBookFigures::Transactions);
  }

  // Opening a version-1 file runs the "File Convert Wizard"; the book name and the custom
  // categories' classes given there are in the converted file.
  void version1FileConvertedOnOpening() {
    const QString old = Path("Version One.qbk");
    WriteVersion1(old);
    auto w = Window(nullptr);
    bool finishEnabledTooEarly = true;
    TModalScript script;
    script.Window("TFileConvertForm", [&](QWidget* d) {
      auto* f = static_cast<TFileConvertForm*>(d);
      QVERIFY(!f->BackBtn->isEnabled());
      f->NextBtn->click();
      f->BookNameEdit->setText(QStringLiteral("  Old Cheques "));
      QCOMPARE(f->NextBtn->text(), QStringLiteral("&Next"));
      f->NextBtn->click();
      QCOMPARE(f->CatList->count(), 2);
      QCOMPARE(f->NextBtn->text(), QStringLiteral("&Finish"));
      finishEnabledTooEarly = f->NextBtn->isEnabled();
      const auto choose = [f](int row, const QString& caption) {
        f->CatList->setCurrentRow(row);
        for (QRadioButton* r : f->findChildren<QRadioButton*>())
          if (r->isVisible() && r->text() == caption) r->click();
      };
      choose(0, QStringLiteral("Other Income"));
      QVERIFY(!f->NextBtn->isEnabled());
      choose(1, QStringLiteral("Company Tax"));
      QVERIFY(f->NextBtn->isEnabled());
      QMetaObject::invokeMethod(f->NextBtn, "click", Qt::QueuedConnection);
    });
    script.Message();  // "Conversion Done"
    bool opened = false;
    Run(script, [&] { opened = w->OpenBookFile(old); });
    QVERIFY(opened);
    QVERIFY(!finishEnabledTooEarly);
    QCOMPARE(script.Seen.value(1), QStringLiteral("Conversion Done"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Quimbel Books - Version One"));
    TBookLists& l = w->Lists();
    QCOMPARE(l.Books.Count(), 1);
    QCOMPARE(QString::fromStdString(l.Books.Items(0).Name), QStringLiteral("Old Cheques"));
    QCOMPARE(l.Cats.Count(), 13);
    for (const TCatRec* c : l.Cats.MasterList()) {
      if (c->Name == "Consulting") QCOMPARE(int(c->ReportClass), 3);
      if (c->Name == "Travel") QCOMPARE(int(c->ReportClass), 4);
    }
    Currency openBal = 0;
    for (const TTransRec* t : l.Trans.MasterList())
      if (t->Kind == tkOpenBal) openBal = t->Amount;
    QCOMPARE(openBal, CurrencyFromDouble(-250));
  }

  void version1ConversionCancelledLeavesTheFile() {
    const QString old = Path("Version One Kept.qbk");
    WriteVersion1(old);
    const QByteArray before = Bytes(old);
    auto w = Window(nullptr);
    TModalScript script;
    script.Window("TFileConvertForm", [](QWidget* d) { QMetaObject::invokeMethod(d, "reject", Qt::QueuedConnection); });
    script.Message();
    bool opened = true;
    Run(script, [&] { opened = w->OpenBookFile(old); });
    QVERIFY(!opened);
    QCOMPARE(script.Seen.value(1), QStringLiteral("File conversion canceled"));
    QCOMPARE(Bytes(old), before);
  }

  // "&New", "&Blank File": the open book is closed (and goes to the recent files), the new file
  // is made in the name given and opened, then "New file created.".
  void newBlankFile() {
    auto w = Window();
    QVERIFY(w->OpenBookFile(book_));
    const QString blank = Path("Blank Book.qbk");
    TModalScript script;
    script.Window("TNewFile", [](QWidget* d) {
      if (const QByteArray shots = qgetenv("QB_SCREENSHOTS"); !shots.isEmpty())
        d->grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/wire_new_file.png"));
      QMetaObject::invokeMethod(static_cast<TNewFile*>(d)->BlankBtn, "click", Qt::QueuedConnection);
    });
    script.File(blank).Message();
    Run(script, [&] { w->ActionNew->trigger(); });
    QCOMPARE(script.Seen.value(1), QStringLiteral("Create New File"));
    QCOMPARE(script.Seen.value(2), QStringLiteral("New file created."));
    QCOMPARE(w->windowTitle(), QStringLiteral("Quimbel Books - Blank Book"));
    QCOMPARE(w->Recent->Paths(), QStringList{book_});
    QCOMPARE(w->Lists().Books.Count(), 1);
    QCOMPARE(w->Lists().MainActs.Count(), 0);
    QCOMPARE(w->Lists().Cats.Count(), 11);
  }

  // Closing the New File dialog, or cancelling the name of a blank file, leaves the open book open.
  void newCancelledKeepsTheOpenBook() {
    auto w = Window();
    QVERIFY(w->OpenBookFile(book_));
    TModalScript closed;
    closed.Window("TNewFile", [](QWidget* d) {
      QMetaObject::invokeMethod(static_cast<TNewFile*>(d)->CloseBtn, "click", Qt::QueuedConnection);
    });
    Run(closed, [&] { w->ActionNew->trigger(); });
    TModalScript noName;
    noName.Window("TNewFile", [](QWidget* d) {
      QMetaObject::invokeMethod(static_cast<TNewFile*>(d)->BlankBtn, "click", Qt::QueuedConnection);
    });
    noName.Window("QFileDialog", [](QWidget* d) { QMetaObject::invokeMethod(d, "reject", Qt::QueuedConnection); });
    Run(noName, [&] { w->ActionNew->trigger(); });
    QVERIFY(w->Session().FileOpen());
    QCOMPARE(w->Session().FileName(), book_);
    QVERIFY(w->Recent->Paths().isEmpty());
  }

  // "&From Existing File": the structure of the existing book in a new file beside it; the books
  // keep their names and start from zero opening balances.
  void newFromExistingFile() {
    auto w = Window();
    QVERIFY(w->OpenBookFile(book_));
    TModalScript script;
    script.Window("TNewFile", [](QWidget* d) {
      QMetaObject::invokeMethod(static_cast<TNewFile*>(d)->ExistingBtn, "click", Qt::QueuedConnection);
    });
    script.Window("TNewFromExDlg", [](QWidget* d) {
      auto* f = static_cast<TNewFromExDlg*>(d);
      QMetaObject::invokeMethod(f->BrowseBtn, "click", Qt::QueuedConnection);
    });
    script.File(book_);
    script.Window("TNewFromExDlg", [](QWidget* d) {
      auto* f = static_cast<TNewFromExDlg*>(d);
      QCOMPARE(f->ExistingEdit->text(), QStringLiteral("Shop Book.qbk"));
      QTest::keyClicks(f->NameEdit, QStringLiteral("Next: Year.2027"));  // refused characters are dropped
      QCOMPARE(f->NameEdit->text(), QStringLiteral("Next Year2027"));
      if (const QByteArray shots = qgetenv("QB_SCREENSHOTS"); !shots.isEmpty())
        d->grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/wire_new_from_existing.png"));
      QMetaObject::invokeMethod(f->MakeBtn, "click", Qt::QueuedConnection);
    });
    script.Message();
    Run(script, [&] { w->ActionNew->trigger(); });
    QCOMPARE(script.Seen.last(), QStringLiteral("New file created."));
    QCOMPARE(w->windowTitle(), QStringLiteral("Quimbel Books - Next Year2027"));
    QCOMPARE(w->Session().FileName(), Path("Next Year2027.qbk"));
    QCOMPARE(w->Recent->Paths(), QStringList{book_});
    TBookLists& l = w->Lists();
    QCOMPARE(l.MainActs.Count(), TTestBookFigures::MainAccounts);
    QCOMPARE(l.SubActs.Count(), TTestBookFigures::SubAccounts);
    QCOMPARE(l.Books.Count(), 2);
    QCOMPARE(l.Trans.Count(), 2);
    for (const TTransRec* t : l.Trans.MasterList()) {
      QCOMPARE(int(t->Kind), int(tkOpenBal));
      QCOMPARE(t->Amount, Currency(0));
    }
  }

  void newFromExistingChecks_data() {
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("check");
    QTest::addColumn<QString>("newFile");
    QTest::newRow("fine") << "Shop Book.qbk" << "  Spring " << int(nfOk) << "Spring.qbk";
    QTest::newRow("no existing chosen") << "" << "Spring" << int(nfNoExisting) << "";
    QTest::newRow("existing deleted") << "Missing.qbk" << "Spring" << int(nfNoExisting) << "";
    QTest::newRow("blank name") << "Shop Book.qbk" << "   " << int(nfNameNotValid) << "";
    QTest::newRow("name with a folder") << "Shop Book.qbk" << "../Spring" << int(nfNameNotValid) << "";
    QTest::newRow("name in use") << "Shop Book.qbk" << "Shop Book" << int(nfNameInUse) << "Shop Book.qbk";
  }
  void newFromExistingChecks() {
    QFETCH(QString, existing);
    QFETCH(QString, name);
    QFETCH(int, check);
    QFETCH(QString, newFile);
    std::string newPath;
    const QString existingPath = existing.isEmpty() ? QString() : dir_.filePath(existing);
    QCOMPARE(int(CheckNewFromExisting(existingPath.toStdString(), name.toStdString(), newPath)), check);
    QCOMPARE(QString::fromStdString(newPath), newFile.isEmpty() ? QString() : dir_.filePath(newFile));
  }

  // The dialog shows the check's message and stays open.
  void newFromExistingMessages() {
    TNewFromExDlg d;
    bool made = false;
    d.MakeFile = [&](const QString&, const QString&) { return made = true; };
    d.show();
    TModalScript script;
    script.Message().Message();
    d.MakeNewFileClicked();
    d.SetExistingFile(book_);
    d.NameEdit->setText(QStringLiteral("Shop Book"));
    d.MakeNewFileClicked();
    QTRY_VERIFY(script.Done());
    QCOMPARE(script.Seen,
             (QStringList{QStringLiteral("Unable to find the Existing file you have chosen.  Use the 'Browse...' button to help you locate a file."),
                          QStringLiteral("The New filename you have chosen is already in use.  Please enter a different new filename.")}));
    QVERIFY(!made);
    QVERIFY(d.isVisible());
  }

  // "&Send..." hands the book file to xdg-email (a stand-in here that records its arguments);
  // its exit codes become the mail messages; without it the item is hidden.
  void sendHandsTheFileToTheMailProgram() {
    const QString bin = Path("bin");
    QVERIFY(QDir().mkpath(bin));
    const QString argsFile = Path("mail-args.txt");
    QFile script(bin + QStringLiteral("/xdg-email"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '%1'\nexit ${FAKE_MAIL_EXIT:-0}\n")
                     .arg(argsFile)
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.toUtf8() + ':' + path);
    auto w = Window();
    QVERIFY(w->ActionSend->isVisible());
    QVERIFY(w->OpenBookFile(book_));
    QVERIFY(w->ActionSend->isEnabled());

    w->ActionSend->trigger();
    QTRY_VERIFY(QFileInfo::exists(argsFile));
    QTRY_VERIFY(!w->findChild<QProcess*>());
    QCOMPARE(QString::fromUtf8(Bytes(argsFile)).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             (QStringList{QStringLiteral("--body"), QStringLiteral("Quimbel Books Data "), QStringLiteral("--attach"), book_}));

    qputenv("FAKE_MAIL_EXIT", "2");
    TModalScript failed;
    failed.Message();
    Run(failed, [&] { w->ActionSend->trigger(); });
    QCOMPARE(failed.Seen, QStringList{QStringLiteral("Error sending file - The specified attachment was not found. No message was sent.")});
    qunsetenv("FAKE_MAIL_EXIT");
    w.reset();

    qputenv("PATH", QFile::encodeName(Path("nowhere")));
    auto without = Window();
    QVERIFY(!without->ActionSend->isVisible());
    qputenv("PATH", path);
  }

  void mailExitCodesMapToTheMailTexts() {
    QCOMPARE(MailCodeOfExit(0), 0);
    QCOMPARE(MailErrorText(MailCodeOfExit(1)), QStringLiteral("One or more unspecified errors occurred; no message was sent."));
    QCOMPARE(MailErrorText(MailCodeOfExit(3)), QStringLiteral("MAPI not supported"));
    QCOMPARE(MailErrorText(MailCodeOfExit(4)), QStringLiteral("One or more unspecified errors occurred; no message was sent."));
    QCOMPARE(MailErrorText(MailCodeOfExit(5)), QStringLiteral("The specified attachment could not be open; no message was sent."));
    QCOMPARE(MailErrorText(99), QString());
  }
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
