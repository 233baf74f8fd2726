// Entry points of the shared library and the dialogs it shows.
#include "QBExportFilters.h"

#include <QApplication>
#include <QMessageBox>

#include "ExportRunner.h"
#include "MoneyFormat.h"
#include "RegionalReader.h"
#include "TextExDlg.h"

namespace {

// The library keeps its own money format, built from the regional settings when it is loaded.
struct TLibraryState {
  TQBInfo Info;
  TLibraryState() { InitMoneyFormat(ReadRegionalSettings()); }
  ~TLibraryState() { Info.BaseName.clear(); }
};
TLibraryState State;

class TQtExportUI : public TExportUI {
 public:
  bool ChooseSections(TExportKind Kind, bool ShowSelectionNote, unsigned& Choice) override {
    return TTextExDlg::Execute(Kind, ShowSelectionNote, Choice, QApplication::activeWindow());
  }
  void ShowMessage(TMsgKind Kind, const std::string& Text) override {
    QMessageBox::Icon Icon = QMessageBox::Information;
    QString Title = QStringLiteral("Information");
    switch (Kind) {
      case TMsgKind::Error: Icon = QMessageBox::Critical; Title = QStringLiteral("Error"); break;
      case TMsgKind::Warning: Icon = QMessageBox::Warning; Title = QStringLiteral("Warning"); break;
      case TMsgKind::Confirmation: Icon = QMessageBox::Question; Title = QStringLiteral("Confirm"); break;
      case TMsgKind::Information: break;
    }
    QMessageBox Box(Icon, Title, QString::fromStdString(Text), QMessageBox::Ok, QApplication::activeWindow());
    Box.exec();
  }
};

}  // namespace

extern "C" {

const char* GetExportFilters() { return ExportFilterText; }

bool ApplyExportFilter(std::int32_t FilterIndex, const char* FileName) {
  if (FilterIndex != ekText && FilterIndex != ekHtml) return false;
  // The option dialog needs the program's widgets application.
  if (!FileName || !qobject_cast<QApplication*>(QCoreApplication::instance())) return false;
  TQtExportUI UI;
  return RunExport(FilterIndex, FileName, State.Info, UI);
}

void GetQBInfo(bool AnySelectionActive, bool IncludeDisabledInCalc, bool DateRangeActive, bool UseOpenBalInSel,
               bool SortedByDateAscending, const TTransList* Trans, const TMainActList* MainActs,
               const TSubActList* SubActs, const TGroupList* Groups, const TCatList* Cats, const TGridInfo* TransGrid,
               const TGridInfo* MainActGrid, const TGridInfo* SubActGrid, const TGridInfo* GroupGrid,
               const TGridInfo* CatGrid, std::int32_t CurrentTab, const char* BaseName) {
  TQBInfo& I = State.Info;
  I.SelectionActive = AnySelectionActive;
  I.IncludeDisabledInCalc = IncludeDisabledInCalc;
  I.DateRangeActive = DateRangeActive;
  I.UseOpenBalInSel = UseOpenBalInSel;
  I.SortedByDateAscending = SortedByDateAscending;
  I.Trans = Trans;
  I.MainActs = MainActs;
  I.SubActs = SubActs;
  I.Groups = Groups;
  I.Cats = Cats;
  I.TransGrid = TransGrid;
  I.MainActGrid = MainActGrid;
  I.SubActGrid = SubActGrid;
  I.GroupGrid = GroupGrid;
  I.CatGrid = CatGrid;
  I.CurrentTab = CurrentTab;
  I.BaseName = BaseName ? BaseName : "";
}

}  // extern "C"
