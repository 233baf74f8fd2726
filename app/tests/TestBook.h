#pragma once
// Writes small book files through the file manager, the way the program itself fills a file.
#include <string>

// A book with two cash books, four main accounts with sub accounts, two groups, an opening
// balance per book, eight income and expense transactions (one disabled) and one transfer.
// Returns false when the file manager could not write it.
bool WriteTestBook(const std::string& path);

// Sums the test book's figures are checked against (units of Currency).
struct TTestBookFigures {
  static constexpr int Transactions = 12;  // 2 opening balances, 8 normal, 2 transfer halves
  static constexpr int MainAccounts = 4;  // one of them (Wages) totals 0
  static constexpr int SubAccounts = 6;   // one of them totals 0
  static constexpr int Groups = 2;
};
