// Grabs the export option dialog, with and without the selection note, to PNG files in a folder.
#include <QApplication>
#include <QPixmap>

#include <QCheckBox>

#include "TextExDlg.h"

int main(int argc, char** argv) {
  QApplication App(argc, argv);
  QString Dir = argc > 1 ? QString(argv[1]) : QString(".");
  struct {
    TExportKind Kind;
    bool Selection;
    const char* Name;
  } Shots[] = {{ekText, false, "export-options-text.png"}, {ekHtml, true, "export-options-html-selection.png"}};
  for (const auto& S : Shots) {
    TTextExDlg Dlg(S.Kind, S.Selection);
    if (S.Selection) Dlg.CheckBoxes[0]->setChecked(false);
    Dlg.show();
    App.processEvents();
    if (!Dlg.grab().save(Dir + "/" + S.Name)) return 1;
  }
  return 0;
}
