// Program entry: single instance, splash screen, main window, start step, message loop.
#include <QApplication>
#include <QMessageBox>
#include <QScopedPointer>

#include "MainWindow.h"
#include "MoneyFormat.h"
#include "SingleInstance.h"
#include "SplashScreen.h"

QString JoinCommandLine(const QStringList& arguments);

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quimbel Books 2"));
  QApplication::setOrganizationName(QStringLiteral("QuimbelSoftware"));
  QApplication::setApplicationVersion(QStringLiteral(QB_VERSION));

  const QStringList arguments = app.arguments().mid(1);
  TSingleInstance instance;
  if (instance.HandOverToRunning(JoinCommandLine(arguments))) return 0;

  QScopedPointer<TSplashScrn> splash(new TSplashScrn);
  splash->show();
  splash->repaint();
  QApplication::processEvents();

  TMain main;
  instance.OnRestore = [&main] { main.RestoreRequest(); };
  instance.OnFile = [&main](const QString& file) { main.HandOver(file); };
  QApplication::processEvents();
  splash.reset();
  if (ColourMode == cm16Colour) QMessageBox::information(&main, QObject::tr("Information"), SixteenColourMessage());

  main.show();
  main.StartUp(arguments);
  return app.exec();
}
