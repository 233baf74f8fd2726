// The comma-separated text export, written from the fixture book.
#include <gtest/gtest.h>

#include "ExportFixture.h"
#include "ExportRunner.h"
#include "ExportText.h"
#include "TestFiles.h"

namespace {

std::string Export(const TQBInfo& Info, unsigned Choice, const TTempDir& Dir) {
  std::string Name = Dir.File("out.txt");
  TExportResult R = WriteExport(ekText, Info, Choice, Name);
  EXPECT_TRUE(R.Written) << R.Message;
  EXPECT_EQ(R.Message, "Text file exported.");
  return ReadAll(Name);
}

TEST(TextExport, EverySectionHeaderAndRowsInWorksheetOrder) {
  TExportBook B;
  TTempDir Dir;
  std::vector<std::string> Lines = CrLfLines(Export(B.Info(), esAll, Dir));
  const std::vector<std::string> Expected = {
      "Number,Book Name,Split ID,Date,Reference,Account Number,Account Name,Sub Account Number,Sub Account Name,"
      "Group Number,Group Name,Category,Kind,Amount,Memo,State",
      "1,\"Cheque Account\",0,01-Jan-2024,\"\",0,\"Opening Balance\",0,\"Cheque Account\",0,\"\",\"\","
      "\"Book Opening Balance\",$1000.00,\"\",\"Enabled\"",
      // A negative opening balance: minus, dollar, amount.
      "2,\"Cash Tin\",0,01-Jan-2024,\"\",0,\"Opening Balance\",0,\"Cash Tin\",0,\"\",\"\",\"Book Opening Balance\","
      "-$50.00,\"\",\"Enabled\"",
      "3,\"Cheque Account\",0,05-Mar-2024,\"INV-1\",100,\"Sales\",1,\"Shop\",1,\"" + CafeGroup +
          "\",\"General Income\",\"Income\",$250.50,\"first sale\",\"Enabled\"",
      "4,\"Cheque Account\",0,06-Mar-2024,\"\",200,\"Smith, \"\"Bo\"\" <b>&Co\",1,\"Weekly\",0,\"General\",\"Wages\","
      "\"Expense\",$80.00,\"paid \"\"cash\"\", thanks\",\"Enabled\"",
      "5,\"Cheque Account\",a,06-Mar-2024,\"\",200,\"Smith, \"\"Bo\"\" <b>&Co\",1,\"Weekly\",0,\"General\",\"Wages\","
      "\"Expense\",$12.34,\"\",\"Disabled\"",
      // Transfer halves: no category or group name, the other book as sub account name.
      "6,\"Cheque Account\",0,07-Mar-2024,\"\",7,\"Transfer To\",0,\"Cash Tin\",1,\"\",\"\",\"Transfer Out\",$30.00,"
      "\"\",\"Enabled\"",
      "7,\"Cash Tin\",0,07-Mar-2024,\"\",6,\"Transfer From\",0,\"Cheque Account\",0,\"\",\"\",\"Transfer In\",$30.00,"
      "\"\",\"Enabled\"",
      "\r",
      "Account Number,Account Name,Category,Kind,Total",
      "100,\"Sales\",\"General Income\",\"Income\",$250.50",
      "200,\"Smith, \"\"Bo\"\" <b>&Co\",\"Wages\",\"Expense\",$80.00",
      "\r",
      "Account Number,Account Name,Kind,Main Account Number,Total,Address,Suburb,Post Code,State,Contact,Phone,Fax,"
      "Mobile,Notes",
      "1,\"Shop\",\"Income\",100,$250.50,\"1 Main St, Town\",\"Springfield\",3000,\"VIC\",\"Ann\",555 1234,,,"
      "\"He said \"\"hi\"\"\"",
      // A plain field that holds a comma is quoted so that it stays one field.
      "1,\"Weekly\",\"Expense\",200,$80.00,\"\",\"\",,\"\",\"\",\"03 9, ext 2\",,,\"\"",
      "\r",
      "Group Number,Group Name,Income Total,Expense Total,Memo",
      "0,\"General\",$0.00,$80.00,\"\"",
      "1,\"" + CafeGroup + "\",$250.50,$0.00,\"memo\"",
      "\r",
      "Category Name,Kind,Total",
      "\"General Income\",\"Income\",$250.50",
      "\"Wages\",\"Expense\",$80.00",
  };
  EXPECT_EQ(Lines, Expected);
}

TEST(TextExport, SeparatorLineFollowsEverySectionButCategories) {
  TExportBook B;
  TTempDir Dir;
  struct {
    unsigned Choice;
    int Separators;
    bool EndsWithSeparator;
  } Cases[] = {
      {esCategories, 0, false},
      {esTransactions, 1, true},
      {esGroups | esCategories, 1, false},
      {esMainAccounts | esSubAccounts, 2, true},
      {esAll, 4, false},
  };
  for (const auto& C : Cases) {
    std::string Text = Export(B.Info(), C.Choice, Dir);
    int Count = 0;
    for (std::size_t P = 0; (P = Text.find("\r\r\n", P)) != std::string::npos; P += 3) ++Count;
    EXPECT_EQ(Count, C.Separators) << "choice " << C.Choice;
    EXPECT_EQ(Text.size() >= 3 && Text.compare(Text.size() - 3, 3, "\r\r\n") == 0, C.EndsWithSeparator)
        << "choice " << C.Choice;
    // No bare line feeds: every line ends in CR LF.
    for (std::size_t P = 0; (P = Text.find('\n', P)) != std::string::npos; ++P) ASSERT_EQ(Text[P - 1], '\r');
  }
  std::string OnlyCats = Export(B.Info(), esCategories, Dir);
  EXPECT_EQ(OnlyCats.rfind("Category Name,Kind,Total\r\n", 0), 0u);
}

TEST(TextExport, ListWithoutVisibleRowsStillWritesItsHeader) {
  TExportBook B;
  B.L.Groups.ShowZero = false;
  for (TGroupRec* G : B.L.Groups.MasterList()) G->InSelection = false;  // a group selection that matches none
  B.L.Groups.Recount();
  ASSERT_EQ(B.L.Groups.VisibleCount, 0);
  TTempDir Dir;
  EXPECT_EQ(Export(B.Info(), esGroups, Dir), "Group Number,Group Name,Income Total,Expense Total,Memo\r\n\r\r\n");
}

TEST(TextExport, MoneyAndDateFollowTheRegionalSettings) {
  TExportBook B;
  TRegionalSettings German;
  German.DecimalSeparator = ",";
  German.ThousandSeparator = ".";
  German.ShortMonthNames[2] = "M\xC3\xA4r";
  InitMoneyFormat(German);
  TTempDir Dir;
  std::vector<std::string> Lines = CrLfLines(Export(B.Info(), esCategories | esTransactions, Dir));
  InitMoneyFormat(TRegionalSettings{});
  // A decimal comma makes the amount a quoted field; the month is the regional short name.
  EXPECT_NE(Lines[3].find(",05-M\xC3\xA4r-2024,"), std::string::npos) << Lines[3];
  EXPECT_NE(Lines[3].find(",\"$250,50\","), std::string::npos) << Lines[3];
  EXPECT_NE(Lines[2].find(",\"-$50,00\","), std::string::npos) << Lines[2];
  EXPECT_EQ(Lines.back(), "\"Wages\",\"Expense\",\"$80,00\"");
}

TEST(TextExport, MoneyRoundsHalfAwayFromZeroOnTheScaledInteger) {
  struct {
    Currency Amount;
    const char* Text;
  } Cases[] = {
      {0, "$0.00"},           {50, "$0.01"},          {49, "$0.00"},        {-49, "$0.00"},
      {-50, "-$0.01"},        {10050, "$1.01"},       {-500000, "-$50.00"}, {123456789012345, "$12345678901.23"},
      {-1234567, "-$123.46"},
  };
  InitMoneyFormat(TRegionalSettings{});
  for (const auto& C : Cases) {
    std::string Out;
    AppendMoneyText(Out, C.Amount);
    EXPECT_EQ(Out, C.Text) << C.Amount;
  }
}

}  // namespace
