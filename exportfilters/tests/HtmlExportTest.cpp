// The HTML export, written from the fixture book.
#include <gtest/gtest.h>

#include "ExportFixture.h"
#include "ExportRunner.h"
#include "TestFiles.h"

namespace {

using TRow = std::vector<std::string>;  // the cell lines of one row
using TTable = std::vector<TRow>;       // header row first

std::string Export(const TQBInfo& Info, unsigned Choice, const TTempDir& Dir) {
  std::string Name = Dir.File("out.htm");
  TExportResult R = WriteExport(ekHtml, Info, Choice, Name);
  EXPECT_TRUE(R.Written) << R.Message;
  EXPECT_EQ(R.Message, "HTML file exported.");
  return ReadAll(Name);
}

std::vector<TTable> Tables(const std::vector<std::string>& Lines) {
  std::vector<TTable> Out;
  for (const std::string& L : Lines) {
    if (L.rfind("<table ", 0) == 0) Out.emplace_back();
    else if (L == "<tr>") Out.back().emplace_back();
    else if (L.rfind("<td", 0) == 0) Out.back().back().push_back(L);
  }
  return Out;
}

std::string Header(const std::string& Width, const std::string& Title) {
  return "<td width=\"" + Width + "\" bgcolor=\"#AAAAAA\"><font color=\"#000000\">" + Title + "</font></td>";
}
std::string Cell(const std::string& Back, const std::string& Fore, const std::string& Text) {
  return "<td bgcolor=\"" + Back + "\"><font color=\"" + Fore + "\">" + Text + "</font></td>";
}

TEST(HtmlExport, DocumentFrameAndSectionGaps) {
  TExportBook B;
  TTempDir Dir;
  std::vector<std::string> Lines = CrLfLines(Export(B.Info(), esAll, Dir));
  const std::vector<std::string> Head = {
      "<html>",
      "<head>",
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">",
      "<title>Quimbel Books data - Shop &lt;2024&gt;</title>",
      "<meta name=\"GENERATOR\" content=\"Quimbel Books V2.0\">",
      "</head>",
      "<body style=\"font-family: Arial; font-size: 8\">",
      "<table border=\"0\" width=\"100%\" cellpadding=\"2\" bgcolor=\"#000000\" cellspacing=\"1\">",
  };
  ASSERT_GT(Lines.size(), Head.size());
  EXPECT_EQ(std::vector<std::string>(Lines.begin(), Lines.begin() + Head.size()), Head);
  EXPECT_EQ(std::vector<std::string>(Lines.end() - 4, Lines.end()),
            (std::vector<std::string>{"</tr>", "</table>", "</body>", "</html>"}));
  EXPECT_EQ(std::count(Lines.begin(), Lines.end(), "</table>"), 5);
  EXPECT_EQ(std::count(Lines.begin(), Lines.end(), "<p>&nbsp;</p>"), 4);

  // Only the categories: one table, no gap after it.
  Lines = CrLfLines(Export(B.Info(), esCategories, Dir));
  EXPECT_EQ(std::count(Lines.begin(), Lines.end(), "</table>"), 1);
  EXPECT_EQ(std::count(Lines.begin(), Lines.end(), "<p>&nbsp;</p>"), 0);
  // Only the transactions: a gap after the table.
  Lines = CrLfLines(Export(B.Info(), esTransactions, Dir));
  EXPECT_EQ(Lines[Lines.size() - 3], "<p>&nbsp;</p>");
}

TEST(HtmlExport, TransactionTableHasBookColumnVisibleColumnsAndColours) {
  TExportBook B;
  TTempDir Dir;
  std::vector<TTable> T = Tables(CrLfLines(Export(B.Info(), esTransactions, Dir)));
  ASSERT_EQ(T.size(), 1u);
  ASSERT_EQ(T[0].size(), 1u + 7u);  // header and seven transactions
  // The default transaction columns, "Sub Acct. Number" hidden.
  EXPECT_EQ(T[0][0], (TRow{Header("100", "Book Name"), Header("30", "No."), Header("56", "Date"),
                           Header("50", "Reference"), Header("36", "Acct. No."), Header("93", "Account Name"),
                           Header("80", "Sub Account Name"), Header("50", "Group Number"),
                           Header("100", "Group Name"), Header("80", "Income"), Header("80", "Expense"),
                           Header("80", "Balance")}));
  const std::string Cream = "#FFFFBD", Navy = "#000080", Teal = "#66BFA9";
  // The negative opening balance of the cash tin: in the expense column as a positive amount.
  EXPECT_EQ(T[0][2], (TRow{Cell("#FF0000", "#FFFFFF", "Cash Tin"), Cell(Cream, Navy, "2"),
                           Cell(Cream, Navy, "1/1/2024"), Cell(Cream, Navy, ""), Cell(Cream, Navy, "0"),
                           Cell(Cream, Navy, "Opening Balance"), Cell(Cream, Navy, "Cash Tin"),
                           Cell(Teal, "#0000FF", "G0"), Cell(Teal, "#000080", ""), Cell("#B9FFC0", "#008000", ""),
                           Cell("#FFD6D5", "#FF0000", "$50.00"), Cell("#C4E0FF", "#0000FF", "$950.00")}));
  // An escaped account name; the disabled split part has no balance.
  EXPECT_EQ(T[0][5][0], Cell("#123456", "#FFFFFF", "Cheque Account"));
  EXPECT_EQ(T[0][5][1], Cell(Cream, Navy, "5a"));
  EXPECT_EQ(T[0][5][5], Cell(Cream, Navy, "Smith, &quot;Bo&quot; &lt;b&gt;&amp;Co"));
  EXPECT_EQ(T[0][5][11], Cell("#C4E0FF", "#0000FF", ""));
  EXPECT_EQ(T[0][7][11], Cell("#C4E0FF", "#0000FF", "$1,120.50"));
}

TEST(HtmlExport, BalanceOnlyWhenSortedByDateAscending) {
  TExportBook B;
  TTempDir Dir;
  TQBInfo Info = B.Info();
  Info.SortedByDateAscending = false;
  std::vector<TTable> T = Tables(CrLfLines(Export(Info, esTransactions, Dir)));
  for (std::size_t R = 1; R < T[0].size(); ++R) EXPECT_EQ(T[0][R].back(), Cell("#C4E0FF", "#0000FF", "")) << R;
  // With disabled transactions counted, the disabled part shows the balance it holds.
  Info = B.Info();
  Info.IncludeDisabledInCalc = true;
  T = Tables(CrLfLines(Export(Info, esTransactions, Dir)));
  EXPECT_EQ(T[0][5].back(), Cell("#C4E0FF", "#0000FF", "$1,120.50"));
}

TEST(HtmlExport, HiddenColumnLeftOutAndMovedColumnKeepsItsPlace) {
  TExportBook B;
  TColumns& Cols = B.Grids[1].ColInfo;  // main accounts
  Cols.Items(3).Visible = false;      // "Expense"
  Cols.MoveVisible(3, 0);             // "% of Total" to the front (visible position 3 now that Expense is hidden)
  TTempDir Dir;
  std::vector<TTable> T = Tables(CrLfLines(Export(B.Info(), esMainAccounts, Dir)));
  ASSERT_EQ(T.size(), 1u);
  EXPECT_EQ(T[0][0], (TRow{Header("50", "% of Total"), Header("50", "Acct. No."), Header("150", "Account Name"),
                           Header("100", "Income")}));
  ASSERT_EQ(T[0].size(), 3u);
  EXPECT_EQ(T[0][1], (TRow{Cell("#C4E0FF", "#0000FF", "100.00%"), Cell("#FFFFBD", "#080000", "100"),
                           Cell("#FFFFBD", "#080000", "Sales"), Cell("#B9FFC0", "#008000", "$250.50")}));
  EXPECT_EQ(T[0][2][2], Cell("#FFFFBD", "#080000", "Smith, &quot;Bo&quot; &lt;b&gt;&amp;Co"));
  EXPECT_EQ(T[0][2][3], Cell("#B9FFC0", "#008000", ""));
}

TEST(HtmlExport, AccountGroupAndCategoryRowTexts) {
  TExportBook B;
  TTempDir Dir;
  std::vector<TTable> T = Tables(CrLfLines(Export(B.Info(), esSubAccounts | esGroups | esCategories, Dir)));
  ASSERT_EQ(T.size(), 3u);
  auto Texts = [](const TRow& Row) {
    std::vector<std::string> Out;
    for (const std::string& C : Row) {
      std::size_t Start = C.find("\">", C.find("<font")) + 2;
      Out.push_back(C.substr(Start, C.find("</font>") - Start));
    }
    return Out;
  };
  EXPECT_EQ(Texts(T[0][1]), (std::vector<std::string>{"Sales", "100-1", "Shop", "$250.50", "", "100.00%"}));
  EXPECT_EQ(Texts(T[0][2]), (std::vector<std::string>{"Smith, &quot;Bo&quot; &lt;b&gt;&amp;Co", "200-1", "Weekly", "",
                                                      "$80.00", "100.00%"}));
  EXPECT_EQ(Texts(T[1][1]), (std::vector<std::string>{"G0", "General", "$0.00", "$80.00", "($80.00)", "0.00%", "100.00%"}));
  EXPECT_EQ(Texts(T[1][2]), (std::vector<std::string>{"G1", "Shop &amp; Caf\xC3\xA9", "$250.50", "$0.00", "$250.50",
                                                      "100.00%", "0.00%"}));
  EXPECT_EQ(Texts(T[2][1]), (std::vector<std::string>{"General Income", "$250.50", "", "100.00%"}));
  EXPECT_EQ(Texts(T[2][2]), (std::vector<std::string>{"Wages", "", "$80.00", "100.00%"}));
}

TEST(HtmlExport, ListWithoutVisibleRowsStillWritesItsHeaderRow) {
  TExportBook B;
  for (TCatRec* C : B.L.Cats.MasterList()) C->Total = 0;
  B.L.Cats.Recount();
  ASSERT_EQ(B.L.Cats.VisibleCount, 0);
  TTempDir Dir;
  std::vector<TTable> T = Tables(CrLfLines(Export(B.Info(), esCategories, Dir)));
  ASSERT_EQ(T.size(), 1u);
  ASSERT_EQ(T[0].size(), 1u);
  EXPECT_EQ(T[0][0].size(), 4u);
}

}  // namespace
