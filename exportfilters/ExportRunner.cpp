#include "ExportRunner.h"

#include <exception>

#include "HtmlExport.h"
#include "TextExport.h"

const char* const ExportFilterText = "|Text file (*.TXT)|*.txt|HTML file (*.HTM)|*.htm";

namespace {

std::string FailureText(TExportKind Kind, TExportFailure Failure) {
  if (Failure == TExportFailure::DiskFull) return "Unable to save the text file: Disk is full";
  return Kind == ekText ? "An error was encountered while saving the text file."
                        : "An error was encountered while saving the file.";
}

}  // namespace

TExportResult WriteExport(TExportKind Kind, const TQBInfo& Info, unsigned Choice, const std::string& FileName) {
  TExportResult Result;
  TExportFile File;
  if (File.Open(FileName)) {
    try {
      if (Kind == ekText)
        WriteTextExport(File, Info, Choice);
      else
        WriteHtmlExport(File, Info, Choice);
      Result.Written = File.Finish();
    } catch (const std::exception&) {
      File.Discard(TExportFailure::Other);
    }
  }
  if (Result.Written) {
    Result.Message = Kind == ekText ? "Text file exported." : "HTML file exported.";
  } else {
    Result.Kind = TMsgKind::Error;
    Result.Message = FailureText(Kind, File.Failure());
  }
  return Result;
}

bool RunExport(int FilterIndex, const std::string& FileName, const TQBInfo& Info, TExportUI& UI) {
  if (FilterIndex != ekText && FilterIndex != ekHtml) return false;
  if (!Info.Complete()) return false;  // nothing was handed over
  TExportKind Kind = static_cast<TExportKind>(FilterIndex);
  unsigned Choice = 0;
  if (!UI.ChooseSections(Kind, Info.SelectionActive, Choice)) return false;
  TExportResult Result = WriteExport(Kind, Info, Choice, FileName);
  UI.ShowMessage(Result.Kind, Result.Message);
  return Result.Written;
}
