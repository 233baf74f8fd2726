// The File menu's New, Save As / Export and the file dialogs they use.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "BookSession.h"
#include "EntryPoints.h"
#include "FileManager.h"
#include "MainBars.h"
#include "MainWindow.h"
#include "NewFileDialogs.h"
#include "OptionsManager.h"
#include "QBExportFilters.h"
#include "RecentFiles.h"
#include "TransList.h"

namespace {
const QString BookFilter = QStringLiteral("Quimbel Books file (*.qbk)");

QString BooksFolder(TMain* main) {
  const QString folder = QString::fromStdString(main->Options().BooksFolder());
  QDir().mkpath(folder);
  return folder;
}

// The library's "|description|pattern|..." pairs as dialog filters; the default suffix of each.
void ExportFilters(QStringList& filters, QStringList& suffixes) {
  const QStringList parts = QString::fromUtf8(GetExportFilters()).split(QLatin1Char('|'));
  for (int i = 1; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    const int paren = description.indexOf(QLatin1String(" ("));
    if (paren >= 0) description.truncate(paren);
    const QString pattern = parts[i + 1];
    filters << QStringLiteral("%1 (%2)").arg(description, pattern);
    suffixes << pattern.section(QLatin1Char('.'), -1);
  }
}

// Two names of one file: the same text, or the same file reached another way.
bool SameFile(const QString& a, const QString& b) {
  if (a == b) return true;
  const QString ca = QFileInfo(a).canonicalFilePath(), cb = QFileInfo(b).canonicalFilePath();
  return !ca.isEmpty() && ca == cb;
}

// The open book is closed with saving before a new file is made; false when it stayed open.
bool CloseForNewFile(TMain* main) {
  TBookSession& s = main->Session();
  if (!s.FileOpen()) return true;
  const QString name = s.FileName();
  if (!s.Close(true, true)) return false;
  if (!name.isEmpty()) main->Recent->Add(name);
  main->ShowNoBook();
  return true;
}

QString AskNewFileName(TMain* main) {
  QFileDialog dlg(main, QObject::tr("Create New File"), BooksFolder(main), BookFilter);
  dlg.setObjectName(QStringLiteral("SaveDialog"));
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setDefaultSuffix(QStringLiteral("qbk"));
  if (dlg.exec() != QDialog::Accepted) return QString();
  return dlg.selectedFiles().value(0);
}

QString AskExistingFile(TMain* main, const QString& folder) {
  QFileDialog dlg(main, QObject::tr("Open file"), folder.isEmpty() ? BooksFolder(main) : folder,
                  QObject::tr("Quimbel Books files (*.qbk)"));
  dlg.setObjectName(QStringLiteral("OpenDialog"));
  dlg.setFileMode(QFileDialog::ExistingFile);
  dlg.setDefaultSuffix(QStringLiteral("qbk"));
  if (dlg.exec() != QDialog::Accepted) return QString();
  return dlg.selectedFiles().value(0);
}
}  // namespace

bool ShowNewFileDialog(TMain* main, QString& fileName) {
  TFileManager& fm = main->Session().FileManager();
  TNewFile dlg(main);
  switch (dlg.exec()) {
    case TNewFile::ncBlank: {
      const QString name = AskNewFileName(main);
      if (name.isEmpty() || !CloseForNewFile(main)) return false;
      if (!fm.NewFile(name.toStdString())) return false;
      fileName = name;
      return true;
    }
    case TNewFile::ncWizard:
      NotAvailableYet(main, QObject::tr("The New File Wizard"));
      return false;
    case TNewFile::ncExisting: {
      TNewFromExDlg ex(main);
      ex.ChooseExisting = [main](const QString& folder) { return AskExistingFile(main, folder); };
      // The file manager builds the new file in the lists, so the open book is closed first.
      ex.MakeFile = [main, &fm](const QString& newName, const QString& existing) {
        return CloseForNewFile(main) && fm.NewFromExisting(newName.toStdString(), existing.toStdString());
      };
      if (ex.exec() != QDialog::Accepted) return false;
      fileName = ex.NewFileName();
      return true;
    }
    default: return false;
  }
}

void NewFileCommand(TMain* main) {
  TBookSession& s = main->Session();
  if (s.FileOpen() && !main->AskReadOnly()) return;
  QString name;
  if (!ShowNewFileDialog(main, name) || name.isEmpty()) return;
  main->Bars().ClearSelections(true, true);
  main->LoadBook(name);
  if (s.FileOpen() && s.FileName() == name)
    QMessageBox::information(main, QObject::tr("Information"), QObject::tr("New file created."));
}

bool SaveAsExport(TMain* main, bool fromApplication) {
  TBookSession& s = main->Session();
  if (!s.FileOpen()) return false;
  QStringList filters{BookFilter}, suffixes{QStringLiteral("qbk")};
  ExportFilters(filters, suffixes);
  QFileDialog dlg(main, QObject::tr("Save As"), QFileInfo(s.FileName()).absolutePath());
  dlg.setObjectName(QStringLiteral("SaveDialog"));
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setNameFilters(filters);
  QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, [&](const QString& f) {
    dlg.setDefaultSuffix(suffixes.value(filters.indexOf(f), QStringLiteral("qbk")));
  });
  QString name;
  for (;;) {
    dlg.selectNameFilter(filters[0]);
    dlg.setDefaultSuffix(suffixes[0]);
    dlg.selectFile(QString());
    if (dlg.exec() != QDialog::Accepted) return false;
    name = dlg.selectedFiles().value(0);
    if (name.isEmpty()) return false;
    // A file saved or exported over the book that is open would destroy it.
    if (!SameFile(name, s.FileName())) break;
    QMessageBox::warning(main, QObject::tr("Warning"), QObject::tr("Can't save a file as its self!"));
  }
  const int index = int(filters.indexOf(dlg.selectedNameFilter())) + 1;

  if (index == 1) {
    const QString old = s.FileName();
    TFileManager& fm = s.FileManager();
    if (fromApplication || s.ReadOnly()) {
      if (!fm.SaveAsFresh(name.toStdString())) return false;
    } else {
      switch (fm.SaveAsCopy(name.toStdString())) {
        case 0: break;
        case 2:
          QMessageBox::critical(main, QObject::tr("Error"),
                                QObject::tr("An error has occured while trying to load new file.") + QLatin1Char('\n') +
                                    QObject::tr("Restart Quimbel Books and reopen the old file."));
          return false;
        default: return false;
      }
    }
    main->Recent->Add(old);
    main->Recent->Remove(name);  // open now, so not a recently closed file
    main->SetCaption();
    return true;
  }

  // An export: the library reads the lists and column sets while it writes the file.
  TBookLists& l = main->Lists();
  const TGridInfo& transInfo = main->GridInfo(TMain::vTransactions);
  const QByteArray base = s.BaseName().toUtf8();
  GetQBInfo(AnySelectionActive(), IncludeDisabledInCalc, DateRangeActive, UseOpenBalInSel,
            transInfo.SortIndex == 1 && transInfo.SortDirection == sdAscending, &l.Trans, &l.MainActs, &l.SubActs,
            &l.Groups, &l.Cats, &transInfo, &main->GridInfo(TMain::vMainAccounts), &main->GridInfo(TMain::vSubAccounts),
            &main->GridInfo(TMain::vGroups), &main->GridInfo(TMain::vCategories), main->CurrentView(), base.constData());
  ApplyExportFilter(index, QFile::encodeName(name).constData());
  return false;
}
