#include "TextExport.h"

#include <string>

#include "BookLists.h"
#include "ExportText.h"

namespace {

constexpr const char* Eol = "\r\n";
// The separator line holds a single carriage return.
constexpr const char* Separator = "\r\r\n";

// Rows are gathered and handed to the file in large blocks.
void EndRow(TExportFile& F, std::string& Line) {
  if (Line.size() >= (1u << 20)) {
    F.Write(Line);
    Line.clear();
  }
}

void AppendInt(std::string& Out, long long Value) { Out += std::to_string(Value); }

// Money and dates are plain fields, but a decimal comma (or a month name with one) would split
// them: such a field is quoted.
void QuoteTailIfNeeded(std::string& Line, std::size_t Start) {
  if (Line.find_first_of(",\"\r\n", Start) == std::string::npos) return;
  std::string Field = Line.substr(Start);
  Line.resize(Start);
  AppendCsvQuoted(Line, Field);
}
void AppendMoney(std::string& Line, Currency Amount) {
  std::size_t Start = Line.size();
  AppendMoneyText(Line, Amount);
  QuoteTailIfNeeded(Line, Start);
}
void AppendDate(std::string& Line, TDateTime Date) {
  std::size_t Start = Line.size();
  AppendDateText(Line, Date);
  QuoteTailIfNeeded(Line, Start);
}

std::string CategoryName(const TCatList& Cats, std::int32_t CatID) {
  const TCatRec* Cat = Cats.FindPtr(static_cast<std::int16_t>(CatID));
  return Cat ? Cat->Name : std::string();
}

void WriteTransactions(TExportFile& F, const TQBInfo& Info, std::string& Line) {
  F.Write("Number,Book Name,Split ID,Date,Reference,Account Number,Account Name,Sub Account Number,"
          "Sub Account Name,Group Number,Group Name,Category,Kind,Amount,Memo,State\r\n");
  const TTransList& List = *Info.Trans;
  for (int V = 0; V < List.VisibleCount; ++V) {
    const TTransRec* R = List.ViewItems(V);
    if (!R) continue;
    AppendInt(Line, R->TransNo);
    Line += ',';
    AppendCsvQuoted(Line, R->Book ? std::string_view(R->Book->Name) : std::string_view());
    Line += ',';
    AppendCsvPlain(Line, std::string_view(&R->SplitLetter, 1));
    Line += ',';
    AppendDate(Line, R->Date);
    Line += ',';
    AppendCsvQuoted(Line, R->Reference);
    Line += ',';
    AppendInt(Line, R->MainActNo);
    Line += ',';
    AppendCsvQuoted(Line, R->ColumnText(4));
    Line += ',';
    AppendInt(Line, R->SubActNo);
    Line += ',';
    AppendCsvQuoted(Line, R->ColumnText(6));
    Line += ',';
    AppendInt(Line, R->GroupNo);
    Line += ',';
    AppendCsvQuoted(Line, R->ColumnText(8));
    Line += ',';
    AppendCsvQuoted(Line, R->MainAct ? CategoryName(*Info.Cats, R->MainAct->CatID) : std::string());
    Line += ',';
    Line += QuotedKindName(R->Kind);
    Line += ',';
    AppendMoney(Line, R->Amount);
    Line += ',';
    AppendCsvQuoted(Line, R->Details);
    Line += R->Enabled ? ",\"Enabled\"\r\n" : ",\"Disabled\"\r\n";
    EndRow(F, Line);
  }
  F.Write(Line);
  Line.clear();
}

void WriteMainAccounts(TExportFile& F, const TQBInfo& Info, std::string& Line) {
  F.Write("Account Number,Account Name,Category,Kind,Total\r\n");
  const TMainActList& List = *Info.MainActs;
  for (int V = 0; V < List.VisibleCount; ++V) {
    const TMainActRec* R = List.ViewItems(V);
    if (!R) continue;
    AppendInt(Line, R->ActNo);
    Line += ',';
    AppendCsvQuoted(Line, R->Name);
    Line += ',';
    AppendCsvQuoted(Line, CategoryName(*Info.Cats, R->CatID));
    Line += ',';
    Line += QuotedKindName(R->Kind);
    Line += ',';
    AppendMoney(Line, R->Total);
    Line += Eol;
    EndRow(F, Line);
  }
  F.Write(Line);
  Line.clear();
}

void WriteSubAccounts(TExportFile& F, const TQBInfo& Info, std::string& Line) {
  F.Write("Account Number,Account Name,Kind,Main Account Number,Total,Address,Suburb,Post Code,State,Contact,"
          "Phone,Fax,Mobile,Notes\r\n");
  const TSubActList& List = *Info.SubActs;
  for (int V = 0; V < List.VisibleCount; ++V) {
    const TSubActRec* R = List.ViewItems(V);
    if (!R) continue;
    AppendInt(Line, R->ActNo);
    Line += ',';
    AppendCsvQuoted(Line, R->Name);
    Line += ',';
    Line += QuotedKindName(R->Kind);
    Line += ',';
    AppendInt(Line, R->MainActNo);
    Line += ',';
    AppendMoney(Line, R->Total);
    Line += ',';
    AppendCsvQuoted(Line, R->Address);
    Line += ',';
    AppendCsvQuoted(Line, R->Suburb);
    Line += ',';
    AppendCsvPlain(Line, R->PostCode);
    Line += ',';
    AppendCsvQuoted(Line, R->State);
    Line += ',';
    AppendCsvQuoted(Line, R->Contact);
    Line += ',';
    AppendCsvPlain(Line, R->Phone);
    Line += ',';
    AppendCsvPlain(Line, R->Fax);
    Line += ',';
    AppendCsvPlain(Line, R->Mobile);
    Line += ',';
    AppendCsvQuoted(Line, R->Notes);
    Line += Eol;
    EndRow(F, Line);
  }
  F.Write(Line);
  Line.clear();
}

void WriteGroups(TExportFile& F, const TQBInfo& Info, std::string& Line) {
  F.Write("Group Number,Group Name,Income Total,Expense Total,Memo\r\n");
  const TGroupList& List = *Info.Groups;
  for (int V = 0; V < List.VisibleCount; ++V) {
    const TGroupRec* R = List.ViewItems(V);
    if (!R) continue;
    AppendInt(Line, R->GroupNo);
    Line += ',';
    AppendCsvQuoted(Line, R->Name);
    Line += ',';
    AppendMoney(Line, R->IncomeTotal);
    Line += ',';
    AppendMoney(Line, R->ExpenseTotal);
    Line += ',';
    AppendCsvQuoted(Line, R->Note);
    Line += Eol;
    EndRow(F, Line);
  }
  F.Write(Line);
  Line.clear();
}

void WriteCategories(TExportFile& F, const TQBInfo& Info, std::string& Line) {
  F.Write("Category Name,Kind,Total\r\n");
  const TCatList& List = *Info.Cats;
  for (int V = 0; V < List.VisibleCount; ++V) {
    const TCatRec* R = List.ViewItems(V);
    if (!R) continue;
    AppendCsvQuoted(Line, R->Name);
    Line += ',';
    Line += QuotedKindName(R->Kind);
    Line += ',';
    AppendMoney(Line, R->Total);
    Line += Eol;
    EndRow(F, Line);
  }
  F.Write(Line);
  Line.clear();
}

}  // namespace

void WriteTextExport(TExportFile& File, const TQBInfo& Info, unsigned Choice) {
  std::string Line;
  Line.reserve((1u << 20) + 4096);
  if (Choice & esTransactions) {
    WriteTransactions(File, Info, Line);
    File.Write(Separator);
  }
  if (Choice & esMainAccounts) {
    WriteMainAccounts(File, Info, Line);
    File.Write(Separator);
  }
  if (Choice & esSubAccounts) {
    WriteSubAccounts(File, Info, Line);
    File.Write(Separator);
  }
  if (Choice & esGroups) {
    WriteGroups(File, Info, Line);
    File.Write(Separator);
  }
  if (Choice & esCategories) WriteCategories(File, Info, Line);
}
