#pragma once
// The export option dialog: which lists to export, with a note when a selection is in force.
#include <QDialog>

#include "TextExOptions.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

class TTextExDlg : public QDialog {
  Q_OBJECT
 public:
  TTextExDlg(TExportKind Kind, bool SelectionActive, QWidget* Parent = nullptr);

  // Shows the dialog modally; true with the chosen lists on OK, false on Cancel.
  static bool Execute(TExportKind Kind, bool SelectionActive, unsigned& Choice, QWidget* Parent = nullptr);

  unsigned Choice() const { return Options.Choice(); }

  QGroupBox* GroupBox1 = nullptr;
  QCheckBox* CheckBoxes[TTextExOptions::SectionCount] = {};
  QLabel* NoteLabel = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  void showEvent(QShowEvent* Event) override;

 private:
  void CheckBoxClick(int Section, bool On);
  TTextExOptions Options;
};
