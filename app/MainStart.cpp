// Start-up steps of the main window: the command-line file, the welcome screen, a file handed
// over by a second start, and the restore request.
#include <QApplication>
#include <QFileInfo>

#include "OptionsManager.h"
#include "BookSession.h"
#include "EntryPoints.h"
#include "Helpers.h"
#include "MainWindow.h"
#include "RecentFiles.h"
#include "WelcomeScreen.h"

namespace {
void ProcessPending() { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }
}  // namespace

// All arguments together name one file: a path with blanks may arrive split over several.
QString JoinCommandLine(const QStringList& arguments) {
  QString joined;
  for (const QString& a : arguments) joined += a + QLatin1Char(' ');
  joined.chop(1);  // the trailing blank is not part of the name
  return joined;
}

void TMain::StartUp(const QStringList& arguments) {
  const QString name = JoinCommandLine(arguments);
  if (!name.isEmpty() && QFileInfo(name).isFile()) {
    LayoutClient();
    ProcessPending();
    OpenBookFile(QString::fromStdString(LongPathName(name.toStdString())));
  }
  // The welcome screen comes once the window is up and the start has finished.
  QMetaObject::invokeMethod(this, [this] { WelcomeScreenMessage(); }, Qt::QueuedConnection);
}

void TMain::WelcomeScreenMessage() {
  if (session_->FileOpen()) return;
  lastFile_.clear();
  switch (options_->WelcomeWanted()) {
    case 10: OpenCommand(QString::fromStdString(options_->BooksFolder())); break;
    case 11: ActionNew->trigger(); break;
    case 12: OpenCommand(QString::fromStdString(options_->ExampleFolder())); break;
    case 13:
      if (!lastFile_.isEmpty()) {
        Recent->Remove(lastFile_);
        OpenRecentFile(lastFile_);
      }
      break;
    default: break;
  }
}

void TMain::RestoreRequest() {
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

void TMain::HandOver(const QString& fileName) {
  RestoreRequest();
  if (fileName.isEmpty()) return;
  if (welcome_ && welcome_->isVisible()) {
    welcome_->hide();
    ProcessPending();
    activateWindow();
    welcome_->done(-1);
  }
  if (session_->FileOpen() && !AskReadOnly()) return;
  OpenBookFile(QString::fromStdString(LongPathName(fileName.toStdString())));
}
