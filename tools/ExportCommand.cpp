#include "ExportCommand.h"

#include <cstdio>
#include <exception>
#include <filesystem>

#include "BookLists.h"
#include "CliPrompts.h"
#include "DefaultColumnSets.h"
#include "ExportRunner.h"
#include "FileManager.h"
#include "Helpers.h"
#include "LoadSequence.h"
#include "MoneyFormat.h"
#include "RegionalReader.h"

const char* const ExportUsage =
    "       qbtool export FILE OUT --format text|html [--sections transactions,main,sub,groups,categories]\n"
    "                     [--password P] [--exclude-disabled]\n";

namespace {

int Fail(const std::string& File, const std::string& Text, int Code = 1) {
  std::fprintf(stderr, "qbtool: %s: %s\n", File.c_str(), Text.c_str());
  return Code;
}

int Usage() {
  std::fprintf(stderr, "usage:\n%s", ExportUsage);
  return 64;
}

}  // namespace

int ExportCommand(int Argc, char** Argv, const TBookLoader& Load) {
  if (Argc < 4) return Usage();
  const std::string File = Argv[2], Out = Argv[3];
  std::string Format, Password;
  bool PasswordGiven = false, ExcludeDisabled = false;
  unsigned Choice = esAll;
  for (int I = 4; I < Argc; ++I) {
    std::string Opt = Argv[I];
    bool HasValue = I + 1 < Argc;
    if (Opt == "--format" && HasValue) {
      Format = Argv[++I];
    } else if (Opt == "--sections" && HasValue) {
      if (!ParseSectionList(Argv[++I], Choice)) return Usage();
    } else if (Opt == "--password" && HasValue) {
      Password = Argv[++I];
      PasswordGiven = true;
    } else if (Opt == "--exclude-disabled") {
      ExcludeDisabled = true;
    } else {
      return Usage();
    }
  }
  if (Format != "text" && Format != "html") return Usage();

  // The book is never overwritten by its own export (the program's "Save As" refuses it too).
  std::error_code Ec;
  if (std::filesystem::equivalent(File, Out, Ec)) return Fail(Out, "Can't save a file as its self!");

    // Money and dates as the program shows them to this user.
  InitMoneyFormat(ReadRegionalSettings());

  TBookLists L;
  TCliPrompts P;
  TFileManager FM(L, P);
  if (int E = Load(File, Password, PasswordGiven, L, P, FM)) return E;
  if (FM.Damaged) return Fail(File, "damaged: a list stream ends before its count of records");

  // The worksheets as on a first start: nothing selected, every book shown, default columns and orders.
  DateRangeActive = AccountSelActive = GroupSelActive = TransSelActive = UseOpenBalInSel = false;
  IncludeDisabledInCalc = !ExcludeDisabled;
  for (TBookRec* B : L.Books.MasterList()) B->Shown = true;
  TGridInfo Grids[ColumnSetCount];
  for (int S = 0; S < ColumnSetCount; ++S) LoadDefaultGridInfo(S, Grids[S]);
  try {
    RunLoadSequence(L);
    L.Trans.SortBy(Grids[0].SortIndex);
    L.MainActs.SortBy(Grids[1].SortIndex);
    L.SubActs.SortBy(Grids[2].SortIndex);
    L.Groups.SortBy(Grids[3].SortIndex);
    L.Cats.SortBy(Grids[4].SortIndex);
  } catch (const std::exception& E) {
    return Fail(File, std::string("damaged: ") + E.what() + " (run qbtool check)");
  }

  TQBInfo Info;
  Info.IncludeDisabledInCalc = IncludeDisabledInCalc;
  Info.SortedByDateAscending = Grids[0].SortIndex == 1 && Grids[0].SortDirection == sdAscending;
  Info.Trans = &L.Trans;
  Info.MainActs = &L.MainActs;
  Info.SubActs = &L.SubActs;
  Info.Groups = &L.Groups;
  Info.Cats = &L.Cats;
  Info.TransGrid = &Grids[0];
  Info.MainActGrid = &Grids[1];
  Info.SubActGrid = &Grids[2];
  Info.GroupGrid = &Grids[3];
  Info.CatGrid = &Grids[4];
  Info.BaseName = BaseFileName(File);
  TExportResult R = WriteExport(Format == "text" ? ekText : ekHtml, Info, Choice, Out);
  return R.Written ? 0 : Fail(Out, R.Message);
}
