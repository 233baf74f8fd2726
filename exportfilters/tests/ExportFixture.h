#pragma once
// A small book with every kind of row the exports write: two books (one with a negative opening
// balance), income, expense, a disabled split part, a transfer, and names that need quoting and
// escaping. Lists are recomputed and sorted as the worksheets show them.
#include <memory>
#include <string>

#include "BookLists.h"
#include "DefaultColumnSets.h"
#include "ExportInfo.h"
#include "MoneyFormat.h"

// Names that break an unescaped comma-separated line or an unescaped HTML page.
inline const std::string TrickyName = "Smith, \"Bo\" <b>&Co";
inline const std::string TrickyMemo = "paid \"cash\", thanks";
inline const std::string CafeGroup = "Shop & Caf\xC3\xA9";  // UTF-8 e acute

struct TExportBook {
  TBookLists L;
  TGridInfo Grids[ColumnSetCount];

  TExportBook() {
    InitMoneyFormat(TRegionalSettings{});
    IncludeDisabledInCalc = false;
    AddBook(0, "Cheque Account", 0x563412, 1);
    AddBook(1, "Cash Tin", 0x0000FF, 2);
    L.Books.Renumber();
    L.Cats.AddDefaults();  // 0 "General Income" ... 7 "Wages"
    AddMain(100, "Sales", 1, 0);
    AddMain(200, TrickyName, 2, 7);
    TSubActRec& Shop = AddSub(100, 1, "Shop", 1);
    Shop.Address = "1 Main St, Town";
    Shop.Suburb = "Springfield";
    Shop.PostCode = "3000";
    Shop.State = "VIC";
    Shop.Contact = "Ann";
    Shop.Phone = "555 1234";
    Shop.Notes = "He said \"hi\"";
    AddSub(200, 1, "Weekly", 2).Phone = "03 9, ext 2";
    AddGroup(0, "General", "");
    AddGroup(1, CafeGroup, "memo");

    const TDateTime Jan1 = EncodeDate(2024, 1, 1), Mar5 = EncodeDate(2024, 3, 5), Mar6 = EncodeDate(2024, 3, 6),
                    Mar7 = EncodeDate(2024, 3, 7);
    AddTrans(1, '0', tkOpenBal, Jan1, 0, 0, 0, 0, 10000000);
    AddTrans(2, '0', tkOpenBal, Jan1, 1, 0, 0, 0, -500000);  // -50.00
    TTransRec& Sale = AddTrans(3, '0', tkIncome, Mar5, 0, 100, 1, 1, 2505000);
    Sale.Reference = "INV-1";
    Sale.Details = "first sale";
    AddTrans(4, '0', tkExpense, Mar6, 0, 200, 1, 0, 800000).Details = TrickyMemo;
    AddTrans(5, 'a', tkExpense, Mar6, 0, 200, 1, 0, 123400).Enabled = false;
    // A transfer of 30.00 from the cheque account to the cash tin: two halves naming each other.
    AddTrans(6, '0', tkTransferTo, Mar7, 0, 7, 0, 1, 300000);
    AddTrans(7, '0', tkTransferFrom, Mar7, 1, 6, 0, 0, 300000);

    for (int S = 0; S < ColumnSetCount; ++S) LoadDefaultGridInfo(S, Grids[S]);
    L.MainActs.SortByID();
    L.SubActs.SortByID();
    L.Groups.SortByID();
    ResolveLinks(L);
    L.Trans.SortMasterByDate();
    L.Trans.SetDateRange(2);
    Recalc();
  }

  // What the main window does after a change: recompute, then each worksheet in its order.
  void Recalc() {
    RecalcAll(L);
    L.Trans.SortBy(Grids[0].SortIndex);
    L.MainActs.SortBy(Grids[1].SortIndex);
    L.SubActs.SortBy(Grids[2].SortIndex);
    L.Groups.SortBy(Grids[3].SortIndex);
    L.Cats.SortBy(Grids[4].SortIndex);
  }

  TQBInfo Info(bool Selection = false) const {
    TQBInfo I;
    I.SelectionActive = Selection;
    I.IncludeDisabledInCalc = false;
    I.SortedByDateAscending = Grids[0].SortIndex == 1 && Grids[0].SortDirection == sdAscending;
    I.Trans = &L.Trans;
    I.MainActs = &L.MainActs;
    I.SubActs = &L.SubActs;
    I.Groups = &L.Groups;
    I.Cats = &L.Cats;
    I.TransGrid = &Grids[0];
    I.MainActGrid = &Grids[1];
    I.SubActGrid = &Grids[2];
    I.GroupGrid = &Grids[3];
    I.CatGrid = &Grids[4];
    I.BaseName = "Shop <2024>";
    return I;
  }

 private:
  void AddBook(int No, const std::string& Name, std::int32_t Colour, int OpenBalNo) {
    auto R = std::make_unique<TBookRec>();
    R->BookNo = No;
    R->Name = Name;
    R->Colour = Colour;
    R->OpenBalNo = OpenBalNo;
    L.Books.Add(std::move(R));
  }
  void AddMain(int No, const std::string& Name, int Kind, int CatID) {
    auto R = std::make_unique<TMainActRec>();
    R->ActNo = No;
    R->Name = Name;
    R->Kind = static_cast<std::uint8_t>(Kind);
    R->CatID = CatID;
    L.MainActs.Add(std::move(R));
  }
  TSubActRec& AddSub(int Main, int No, const std::string& Name, int Kind) {
    auto R = std::make_unique<TSubActRec>();
    R->MainActNo = Main;
    R->ActNo = No;
    R->Name = Name;
    R->Kind = static_cast<std::uint8_t>(Kind);
    TSubActRec& Ref = *R;
    L.SubActs.Add(std::move(R));
    return Ref;
  }
  void AddGroup(int No, const std::string& Name, const std::string& Note) {
    auto R = std::make_unique<TGroupRec>();
    R->GroupNo = No;
    R->Name = Name;
    R->Note = Note;
    L.Groups.Add(std::move(R));
  }
  TTransRec& AddTrans(int No, char Split, std::uint8_t Kind, TDateTime Date, int Book, int MainNo, int SubNo,
                      int GroupNo, Currency Amount) {
    auto R = std::make_unique<TTransRec>();
    R->TransNo = No;
    R->SplitLetter = Split;
    R->Kind = Kind;
    R->Date = Date;
    R->BookNo = static_cast<std::int16_t>(Book);
    R->MainActNo = MainNo;
    R->SubActNo = SubNo;
    R->GroupNo = static_cast<std::int16_t>(GroupNo);
    R->Amount = Amount;
    TTransRec& Ref = *R;
    L.Trans.Add(std::move(R));
    return Ref;
  }
};
