#pragma once
// One export from start to end: the option dialog, writing the file, the closing message.
// No widgets here: the shared library passes its dialogs in, qbtool passes none.
#include <string>

#include "ExportInfo.h"
#include "Messenger.h"

// The filter indexes of the "Save As" dialog that the exports answer to.
enum TExportKind { ekText = 2, ekHtml = 3 };

// "|Text file (*.TXT)|*.txt|HTML file (*.HTM)|*.htm"
extern const char* const ExportFilterText;

class TExportUI : public TMessenger {
 public:
  // TMessenger::ShowMessage(Kind, Text): a message with an OK button.

  // The option dialog "TTextExDlg": Choice receives the ticked lists (TExportSection bits);
  // false when the user cancelled.
  virtual bool ChooseSections(TExportKind Kind, bool ShowSelectionNote, unsigned& Choice) = 0;
};

struct TExportResult {
  bool Written = false;
  TMsgKind Kind = TMsgKind::Information;
  std::string Message;  // "Text file exported." or the error text
};

// Writes the lists of Choice to FileName (created or overwritten). On failure nothing is left
// where the file was being written, and the result carries the error message.
TExportResult WriteExport(TExportKind Kind, const TQBInfo& Info, unsigned Choice, const std::string& FileName);

// What ApplyExportFilter does: any index but 2 and 3 returns false at once; otherwise asks for
// the lists, writes, shows the outcome and returns whether the file was written.
bool RunExport(int FilterIndex, const std::string& FileName, const TQBInfo& Info, TExportUI& UI);
