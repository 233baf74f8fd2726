// The form rules that need no window.
#include <gtest/gtest.h>

#include <memory>

#include "MoneyFormat.h"
#include "Helpers.h"
#include "TransactLogic.h"

namespace {

struct TBook {
  TBookLists L;
  TBook() {
    for (int No : {0, 1}) {
      auto B = std::make_unique<TBookRec>();
      B->BookNo = No;
      B->Name = No ? "Tin" : "Bank";
      L.Books.Add(std::move(B));
    }
    auto M = std::make_unique<TMainActRec>();
    M->ActNo = 100;
    M->Name = "Sales";
    M->Kind = tkIncome;
    L.MainActs.Add(std::move(M));
    auto S = std::make_unique<TSubActRec>();
    S->MainActNo = 100;
    S->ActNo = 1;
    S->Name = "Shop";
    S->Kind = tkIncome;
    L.SubActs.Add(std::move(S));
  }
  TTransRec& Add(int Kind, int No, int BookNo = 0, char Letter = '0', TDateTime Date = 0) {
    auto R = std::make_unique<TTransRec>();
    R->Kind = static_cast<std::uint8_t>(Kind);
    R->TransNo = No;
    R->BookNo = static_cast<std::int16_t>(BookNo);
    R->Book = L.Books.FindPtr(BookNo);
    R->SplitLetter = Letter;
    R->Date = Date;
    TTransRec& Ref = *R;
    L.Trans.Add(std::move(R));
    if (Kind == tkOpenBal) L.Books.FindPtr(BookNo)->OpenBal = &Ref;
    return Ref;
  }
};

}  // namespace

TEST(TransactSplitLetters, SinglePartIsPlainOthersFromA) {
  EXPECT_EQ(SplitLetterFor(0, 1), '0');
  EXPECT_EQ(SplitLetterFor(0, 2), 'A');
  EXPECT_EQ(SplitLetterFor(9, 10), 'J');
}

TEST(TransactStepping, PassesOverOpeningBalancesTransfersAndOtherParts) {
  TBook B;
  B.Add(tkOpenBal, 0);                 // 0
  B.Add(tkIncome, 1);                  // 1
  B.Add(tkTransferFrom, 2);            // 2
  B.Add(tkTransferTo, 3, 1);           // 3
  B.Add(tkExpense, 4, 0, 'A');         // 4
  B.Add(tkExpense, 4, 0, 'B');         // 5
  B.Add(tkOpenBal, 5, 1);              // 6
  B.Add(tkIncome, 6);                  // 7
  const TTransList& T = B.L.Trans;
  EXPECT_EQ(StepTransaction(T, 1, true), 4);
  EXPECT_EQ(StepTransaction(T, 4, true), 7);
  EXPECT_EQ(StepTransaction(T, 5, true), 7);
  EXPECT_EQ(StepTransaction(T, 7, false), 5);  // lands on the last part of the split
  EXPECT_EQ(StepTransaction(T, 5, false), 1);
  EXPECT_EQ(StepTransaction(T, 1, false), 1);   // nothing earlier: stays
  EXPECT_EQ(StepTransaction(T, 7, true), 7);
  EXPECT_EQ(StepTransaction(T, 99, false), 5);  // beyond the end: limited first
  EXPECT_FALSE(HasOtherTransaction(T, 1, false));
  EXPECT_TRUE(HasOtherTransaction(T, 5, false));
  EXPECT_FALSE(HasOtherTransaction(T, 7, true));
}

TEST(TransactStepping, PositionAfterDeleteCountsTheRemovedParts) {
  TBook B;
  B.Add(tkOpenBal, 0);             // 0
  B.Add(tkIncome, 1);              // 1
  B.Add(tkExpense, 2, 0, 'A');     // 2
  B.Add(tkExpense, 2, 0, 'B');     // 3
  B.Add(tkIncome, 3);              // 4
  const TTransList& T = B.L.Trans;
  EXPECT_EQ(PositionAfterDelete(T, 2), 1);  // the earlier one
  EXPECT_EQ(PositionAfterDelete(T, 1), 1);  // no earlier: the later one, at its index after removal
  EXPECT_EQ(PositionAfterDelete(T, 4), 3);  // earlier is the split; its last part
  TBook C;
  C.Add(tkOpenBal, 0);
  C.Add(tkIncome, 1);
  EXPECT_EQ(PositionAfterDelete(C.L.Trans, 1), -1);
}

TEST(TransactValidation, ChecksInOrderAndDateAsWholeDay) {
  TBook B;
  B.Add(tkOpenBal, 0, 0, '0', 45000);
  TTransRec P;
  P.Kind = tkIncome;
  EXPECT_EQ(CheckPart(P, B.L), pcMainAccount);
  P.MainActNo = 100;
  EXPECT_EQ(CheckPart(P, B.L), pcSubAccount);
  P.SubActNo = 2;
  EXPECT_EQ(CheckPart(P, B.L), pcSubAccount);
  P.SubActNo = 1;
  EXPECT_EQ(CheckPart(P, B.L), pcBook);
  P.Book = B.L.Books.FindPtr(0);
  P.Date = 44999.9;
  EXPECT_EQ(CheckPart(P, B.L), pcDate);
  P.Date = 45000;
  EXPECT_EQ(CheckPart(P, B.L), pcAmount);
  P.Amount = -1;
  EXPECT_EQ(CheckPart(P, B.L), pcAmount);
  P.Amount = 1;
  EXPECT_EQ(CheckPart(P, B.L), pcOk);
  EXPECT_NE(PartCheckMessage(pcDate, 45000).find("'" + FormatDate(45000) + "'"), std::string::npos);
}

TEST(BookRules, DefaultColoursWrapAfterTen) {
  EXPECT_EQ(DefaultBookColour(0), RGBColour(0, 128, 0));
  EXPECT_EQ(DefaultBookColour(9), RGBColour(231, 1, 133));
  EXPECT_EQ(DefaultBookColour(10), DefaultBookColour(0));
}

TEST(BookRules, UseCheckedInOrder) {
  TBook B;
  B.Add(tkOpenBal, 0, 0);
  B.Add(tkOpenBal, 1, 1);
  EXPECT_EQ(BookUse(B.L, 1), buFree);
  B.Add(tkIncome, 2, 1);
  EXPECT_EQ(BookUse(B.L, 1), buTransactions);
  B.Add(tkTransferTo, 3, 1);
  EXPECT_EQ(BookUse(B.L, 1), buTransfer);
  B.Add(tkIncome, 4, 1, 'A');
  B.Add(tkIncome, 4, 1, 'B');
  EXPECT_EQ(BookUse(B.L, 1), buTransfer);  // split within one book
  B.Add(tkIncome, 4, 0, 'C');
  EXPECT_EQ(BookUse(B.L, 1), buSplitAcrossBooks);
  EXPECT_EQ(BookUse(B.L, 0), buSplitAcrossBooks);

  std::string Events;  // the deletes happen inside one change batch
  B.L.Batch = {[&] { Events += "{"; }, [&] { Events += "}"; }};
  B.L.Trans.OnChange = [&](TChangeAction A, int, TTransRec&) { Events += A == caDeleting ? "t" : "?"; };
  B.L.Books.OnChange = [&](TChangeAction A, int, TBookRec&) { Events += A == caDeleting ? "b" : "?"; };
  DeleteBookAndRecords(B.L, 1);
  EXPECT_EQ(Events, "{tttttb}");  // the five records of book 1, then the book
  EXPECT_EQ(B.L.Books.Count(), 1);
  for (const TTransRec* R : B.L.Trans.MasterList()) EXPECT_EQ(R->BookNo, 0);
  EXPECT_EQ(B.L.Trans.Count(), 2);  // book 0's opening balance and part C
}
