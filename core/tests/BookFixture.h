#pragma once
// A small book built from tables, linked and recomputed the way the program does after opening.
#include <string>
#include <vector>

#include "BookLists.h"
#include "TestSupport.h"

struct TTransRow {
  int TransNo;
  char Letter;
  int Kind;
  TDateTime Date;
  int BookNo;
  const char* Reference;
  int MainActNo;  // transfers: partner TransNo
  int SubActNo;
  int GroupNo;    // transfers: other book
  double Amount;
  bool Enabled = true;
};

class BookFixture {
 public:
  TBookLists L;
  static constexpr TDateTime D0 = 45000, D1 = 45001, D2 = 45002;

  BookFixture() {
    DateRangeActive = AccountSelActive = GroupSelActive = TransSelActive = false;
    UseOpenBalInSel = IncludeDisabledInCalc = NewTransDisabled = BalanceEndDay = false;
    L.Cats.AddDefaults();
  }
  ~BookFixture() {
    DateRangeActive = AccountSelActive = GroupSelActive = TransSelActive = false;
    UseOpenBalInSel = IncludeDisabledInCalc = NewTransDisabled = BalanceEndDay = false;
  }

  void AddBook(int No, const std::string& Name) {
    auto B = std::make_unique<TBookRec>();
    B->BookNo = No;
    B->Name = Name;
    L.Books.Add(std::move(B));
    L.Books.Renumber();
  }
  void AddMain(int No, const std::string& Name, int Kind, int Cat) {
    auto M = std::make_unique<TMainActRec>();
    M->ActNo = No;
    M->Name = Name;
    M->Kind = static_cast<std::uint8_t>(Kind);
    M->CatID = Cat;
    L.MainActs.Add(std::move(M));
  }
  void AddSub(int Main, int No, const std::string& Name, int Kind) {
    auto S = std::make_unique<TSubActRec>();
    S->MainActNo = Main;
    S->ActNo = No;
    S->Name = Name;
    S->Kind = static_cast<std::uint8_t>(Kind);
    L.SubActs.Add(std::move(S));
  }
  void AddGroup(int No, const std::string& Name) {
    auto G = std::make_unique<TGroupRec>();
    G->GroupNo = No;
    G->Name = Name;
    L.Groups.Add(std::move(G));
  }
  TTransRec* AddTrans(const TTransRow& Row) {
    auto T = std::make_unique<TTransRec>();
    T->TransNo = Row.TransNo;
    T->SplitLetter = Row.Letter;
    T->Kind = static_cast<std::uint8_t>(Row.Kind);
    T->Date = Row.Date;
    T->BookNo = static_cast<std::int16_t>(Row.BookNo);
    T->Reference = Row.Reference;
    T->MainActNo = Row.MainActNo;
    T->SubActNo = Row.SubActNo;
    T->GroupNo = static_cast<std::int16_t>(Row.GroupNo);
    T->Amount = Money(Row.Amount);
    T->Enabled = Row.Enabled;
    TTransRec* Raw = T.get();
    L.Trans.Add(std::move(T));
    return Raw;
  }
  // What the main window does after loading a file.
  void Open() {
    ResolveLinks(L);
    L.Trans.SortBy(1);
    L.Trans.SortMasterByDate();
    L.Trans.SetDateRange(2);
    RecalcAll(L);
  }
  TTransRec& ByNo(int TransNo, char Letter = '0') {
    for (TTransRec* R : L.Trans.MasterList())
      if (R->TransNo == TransNo && R->SplitLetter == Letter) return *R;
    throw std::runtime_error("no transaction " + std::to_string(TransNo));
  }
  std::vector<int> MasterNos() const {
    std::vector<int> Out;
    for (TTransRec* R : L.Trans.MasterList()) Out.push_back(R->TransNo);
    return Out;
  }
};
