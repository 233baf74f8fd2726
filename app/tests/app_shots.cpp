// Screenshots of the program for the documentation: the welcome screen and the five worksheets
// of a book. Usage: app_shots OUTDIR [BOOK.qbk]  (a missing book is written as the test book).
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>

#include "Grid3.h"
#include "MainWindow.h"
#include "SettingsStore.h"
#include "TestBook.h"
#include "WelcomeScreen.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2) return 2;
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  QTemporaryDir tmp;
  SetSettingsStoreFile((tmp.path() + QStringLiteral("/settings.conf")).toStdString());
  qputenv("QB_USER_DATA_DIR", (tmp.path() + QStringLiteral("/user")).toUtf8());
  qputenv("XDG_DATA_HOME", (tmp.path() + QStringLiteral("/xdg")).toUtf8());
  QString book = argc > 2 ? QString::fromLocal8Bit(argv[2]) : tmp.filePath(QStringLiteral("Example.qbk"));
  if (!QFile::exists(book) && !WriteTestBook(book.toStdString())) return 1;

  {
    TWelcomeScreen welcome;
    welcome.show();
    QApplication::processEvents();
    welcome.grab().save(out + QStringLiteral("/welcome.png"));
  }

  TMain main;
  main.RestorePlacement = false;
  main.resize(1100, 640);
  main.show();
  QApplication::processEvents();
  main.grab().save(out + QStringLiteral("/no-book.png"));
  if (!main.OpenBookFile(book)) return 1;
  const char* const names[5] = {"transactions", "main-accounts", "sub-accounts", "groups", "quick-summary"};
  for (int v = 0; v < 5; ++v) {
    main.TabControl()->setCurrentIndex(v);
    QApplication::processEvents();
    main.grab().save(out + QStringLiteral("/worksheet-%1.png").arg(QString::fromLatin1(names[v])));
  }
  main.TabControl()->setCurrentIndex(0);
  main.Grid()->ScrollToTop();
  QApplication::processEvents();
  main.grab().save(out + QStringLiteral("/worksheet-transactions-top.png"));
  // The transaction pop-up on a row.
  QMenu* popup = main.PreparePopup(3);
  popup->popup(main.mapToGlobal(QPoint(300, 220)));
  QApplication::processEvents();
  popup->grab().save(out + QStringLiteral("/transaction-popup.png"));
  popup->hide();
  // The tool bar's charts pop-up with its second item under the mouse.
  main.ChartsPopup->popup(main.mapToGlobal(QPoint(444, 36)));
  main.ChartsPopup->setActiveAction(main.ChartsPopup->actions()[1]);
  QApplication::processEvents();
  main.ChartsPopup->grab().save(out + QStringLiteral("/charts-popup.png"));
  main.ChartsPopup->hide();
  return 0;
}
