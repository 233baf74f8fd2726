#include "HtmlExport.h"

#include <string>
#include <type_traits>
#include <vector>

#include "BookLists.h"
#include "ExportText.h"
#include "GridInfo.h"
#include "MoneyFormat.h"

namespace {

constexpr int RowTextCount = 13;  // row texts are indexed by the columns' LinkIndex

// What is constant for a column over all rows.
struct TCellColumn {
  std::string Prefix;  // <td bgcolor="#..."><font color="#...">
  int Link = -1;
};

std::string CellPrefix(TColor Back, TColor Text) {
  return "<td bgcolor=\"" + ColourText(Back) + "\"><font color=\"" + ColourText(Text) + "\">";
}

constexpr const char* CellEnd = "</font></td>\r\n";

// The header row and the column list of one table.
std::vector<TCellColumn> WriteTableStart(TExportFile& F, const TGridInfo& Grid, bool BookColumn, std::string& Line) {
  F.Write("<table border=\"0\" width=\"100%\" cellpadding=\"2\" bgcolor=\"#000000\" cellspacing=\"1\">\r\n<tr>\r\n");
  if (BookColumn) F.Write("<td width=\"100\" bgcolor=\"#AAAAAA\"><font color=\"#000000\">Book Name</font></td>\r\n");
  std::vector<TCellColumn> Columns;
  const TColumns& Cols = Grid.ColInfo;
  for (int I = 0; I < Cols.Count(); ++I) {
    const TColProperty& C = Cols.Items(I);
    if (!C.Visible) continue;
    Line.clear();
    Line += "<td width=\"";
    Line += std::to_string(C.Width);
    Line += "\" bgcolor=\"#AAAAAA\"><font color=\"#000000\">";
    AppendHtmlText(Line, C.Title);
    Line += CellEnd;
    F.Write(Line);
    Columns.push_back({CellPrefix(C.Color, C.FontCol), C.LinkIndex});
  }
  F.Write("</tr>\r\n");
  return Columns;
}

void AppendCell(std::string& Line, const std::string& Prefix, std::string_view Text) {
  Line += Prefix;
  AppendHtmlText(Line, Text);
  Line += CellEnd;
}

// Rows of one list: Text(Rec, Link) gives the row text at a link index.
template <class TList, class TText>
void WriteRows(TExportFile& F, const TList& List, const std::vector<TCellColumn>& Columns, std::string& Line,
               TText Text, bool BookColumn) {
  for (int V = 0; V < List.VisibleCount; ++V) {
    const auto* R = List.ViewItems(V);
    if (!R) continue;
    Line += "<tr>\r\n";
    if constexpr (std::is_same_v<std::decay_t<decltype(*R)>, TTransRec>) {
      if (BookColumn) {
        const TBookRec* Book = R->Book;
        AppendCell(Line, CellPrefix(Book ? static_cast<TColor>(Book->Colour) : 0u, 0xFFFFFFu),
                   Book ? std::string_view(Book->Name) : std::string_view());
      }
    }
    for (const TCellColumn& C : Columns)
      AppendCell(Line, C.Prefix, C.Link >= 0 && C.Link < RowTextCount ? Text(*R, C.Link) : std::string());
    Line += "</tr>\r\n";
    if (Line.size() >= (1u << 20)) {  // rows go to the file in large blocks
      F.Write(Line);
      Line.clear();
    }
  }
  F.Write(Line);
  Line.clear();
}

template <class TList, class TText>
void WriteTable(TExportFile& F, const TGridInfo& Grid, const TList& List, bool BookColumn, std::string& Line,
                TText Text) {
  std::vector<TCellColumn> Columns = WriteTableStart(F, Grid, BookColumn, Line);
  Line.clear();
  WriteRows(F, List, Columns, Line, Text, BookColumn);
  F.Write("</table>\r\n");
}

}  // namespace

void WriteHtmlExport(TExportFile& File, const TQBInfo& Info, unsigned Choice) {
  std::string Line;
  Line.reserve((1u << 20) + 16384);
  Line = "<html>\r\n<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
         "<title>Quimbel Books data - ";
  AppendHtmlText(Line, Info.BaseName);
  Line += "</title>\r\n<meta name=\"GENERATOR\" content=\"Quimbel Books V2.0\">\r\n</head>\r\n"
          "<body style=\"font-family: Arial; font-size: 8\">\r\n";
  File.Write(Line);
  constexpr const char* Gap = "<p>&nbsp;</p>\r\n";

  if (Choice & esTransactions) {
    const bool Balances = Info.SortedByDateAscending, Disabled = Info.IncludeDisabledInCalc;
    TDateTime LastDate = -1e300;
    std::string LastDateText;
    WriteTable(File, *Info.TransGrid, *Info.Trans, true, Line, [&](const TTransRec& R, int Link) -> std::string {
      if (Link == 1) {  // rows come in date order mostly: format each date once
        if (R.Date != LastDate) {
          LastDate = R.Date;
          LastDateText = R.ColumnText(1);
        }
        return LastDateText;
      }
      if (Link <= 10) return R.ColumnText(Link);
      if (Link == 11) return Balances && (R.Enabled || Disabled) ? FormatMoney(R.Balance) : std::string();
      return R.BookName();
    });
    File.Write(Gap);
  }
  if (Choice & esMainAccounts) {
    const TMainActList& L = *Info.MainActs;
    WriteTable(File, *Info.MainActGrid, L, false, Line, [&](const TMainActRec& R, int Link) -> std::string {
      switch (Link) {
        case 0: return R.NumberText();
        case 1: return R.Name;
        case 2: return R.AmountText(0);
        case 3: return R.AmountText(1);
        case 4: return PercentText(R.Total, R.Kind == 1 ? L.IncomeTotal : L.ExpenseTotal, ppAccount);
        default: return {};
      }
    });
    File.Write(Gap);
  }
  if (Choice & esSubAccounts) {
    const TSubActList& L = *Info.SubActs;
    const TMainActList& Mains = *Info.MainActs;
    WriteTable(File, *Info.SubActGrid, L, false, Line, [&](const TSubActRec& R, int Link) -> std::string {
      switch (Link) {
        case 0: return Mains.NameOf(R.MainActNo);
        case 1: return R.NumberText();
        case 2: return R.Name;
        case 3: return R.AmountText(0);
        case 4: return R.AmountText(1);
        case 5: return PercentText(R.Total, R.Kind == 1 ? L.IncomeTotal : L.ExpenseTotal, ppAccount);
        default: return {};
      }
    });
    File.Write(Gap);
  }
  if (Choice & esGroups) {
    const TGroupList& L = *Info.Groups;
    WriteTable(File, *Info.GroupGrid, L, false, Line, [&](const TGroupRec& R, int Link) -> std::string {
      switch (Link) {
        case 0: return R.NumberText();
        case 1: return R.Name;
        case 2: return FormatMoney(R.IncomeTotal);
        case 3: return FormatMoney(R.ExpenseTotal);
        case 4: return FormatMoney(R.IncomeTotal - R.ExpenseTotal);
        case 5: return PercentText(R.IncomeTotal, L.IncomeTotal, ppGroup);
        case 6: return PercentText(R.ExpenseTotal, L.ExpenseTotal, ppGroup);
        default: return {};
      }
    });
    File.Write(Gap);
  }
  if (Choice & esCategories) {
    const TCatList& L = *Info.Cats;
    WriteTable(File, *Info.CatGrid, L, false, Line, [&](const TCatRec& R, int Link) -> std::string {
      if (Link <= 2) return R.ColumnText(Link);
      if (Link == 3) return R.ShareText(R.Kind == 1 ? L.IncomeTotal : L.ExpenseTotal);
      return {};
    });
  }
  File.Write("</body>\r\n</html>\r\n");
}
