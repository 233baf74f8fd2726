#pragma once
// A realistic, deterministic example book written through the file manager (write-through):
// several years of income and expense, splits, transfers between books, disabled transactions,
// opening balances. The same arguments always give the same records.
#include <string>

struct TExampleOptions {
  int Transactions = 2000;  // transaction records, opening balances included
  int Books = 2;
  unsigned Seed = 1;
};

// False with a one-line reason.
bool MakeExampleBook(const std::string& FileName, const TExampleOptions& Options, std::string& Error);
