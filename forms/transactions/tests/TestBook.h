#pragma once
// A real book file in a temporary folder, opened as the program opens it, with the lists, the
// scripted message boxes and a host whose small dialogs answer from a script.
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <string>

#include "BookLists.h"
#include "FileManager.h"
#include "Helpers.h"
#include "MoneyFormat.h"
#include "ScriptedPrompts.h"
#include "TransactHost.h"

struct TTestBook {
  QTemporaryDir Dir;
  std::string Path;
  TScriptedPrompts Prompts;
  std::unique_ptr<TBookLists> L;
  std::unique_ptr<TFileManager> Fm;
  std::unique_ptr<TTransactHost> Host;
  // Script of the small dialogs.
  std::deque<int> Kinds;        // 0 income, 1 expense, -1 cancel; empty: income
  std::deque<bool> CtrlAnswers; // empty: true
  std::deque<std::string> Names;  // names typed into the input dialog; empty: cancel
  std::vector<std::string> CtrlAsked;
  bool PasswordOk = true;

  TTestBook() {
    Path = Dir.filePath("book.qbk").toStdString();
    TBookLists Tmp;
    TFileManager Maker(Tmp, Prompts);
    Maker.NewFile(Path);
    Open();
  }
  ~TTestBook() { Close(); }

  void Open() {
    L = std::make_unique<TBookLists>();
    Fm = std::make_unique<TFileManager>(*L, Prompts);
    Fm->SyncWrites = false;
    if (!Fm->Open(Path, true)) throw std::runtime_error("open failed");
    Fm->InstallWriteThrough();
    ResolveLinks(*L);
    L->Trans.SortBy(1);
    L->Trans.SortMasterByDate();
    L->Trans.SetDateRange(2);
    InstallTotalsHooks(*L);
    RecalcAll(*L);
    Host = std::make_unique<TTransactHost>(*L, Prompts);
    Host->FileManager = Fm.get();
    Host->CheckPassword = [this](int) { return PasswordOk; };
    Host->ChooseKind = [this](QWidget*) {
      if (Kinds.empty()) return 0;
      int K = Kinds.front();
      Kinds.pop_front();
      return K;
    };
    Host->CtrlConfirm = [this](QWidget*) {
      CtrlAsked.push_back("ctrl");
      if (CtrlAnswers.empty()) return true;
      bool A = CtrlAnswers.front();
      CtrlAnswers.pop_front();
      return A;
    };
    Host->InputName = [this](QWidget*, const QString&, const QString&, QString& Name,
                             std::function<bool(const QString&)> Check) {
      while (!Names.empty()) {
        Name = QString::fromStdString(Names.front());
        Names.pop_front();
        if (Check(Name)) return true;
      }
      return false;
    };
  }
  // Closes without the compaction of a normal close: what the file then holds is what the
  // write-through put there.
  void Close(bool Save = false) {
    if (Fm && Fm->FileOpen) Fm->Close(true, Save);
    Host.reset();
    Fm.reset();
    L.reset();
  }
  void Reopen(bool Save = false) {
    Close(Save);
    Open();
  }

  TMainActRec& AddMain(int No, const std::string& Name, int Kind, int Cat) {
    auto M = std::make_unique<TMainActRec>();
    M->ActNo = No;
    M->Name = Name;
    M->Kind = static_cast<std::uint8_t>(Kind);
    M->CatID = Cat;
    TMainActRec& R = *M;
    L->MainActs.Add(std::move(M));
    L->MainActs.SortByID();
    return R;
  }
  TSubActRec& AddSub(int Main, int No, const std::string& Name) {
    auto S = std::make_unique<TSubActRec>();
    S->MainActNo = Main;
    S->ActNo = No;
    S->Name = Name;
    S->MainAct = L->MainActs.FindByNo(Main);
    S->Kind = S->MainAct->Kind;
    TSubActRec& R = *S;
    L->SubActs.Add(std::move(S));
    L->SubActs.SortByID();
    return R;
  }
  // The standard accounts: income 100 Sales (100-1 Shop, 100-2 Online), expense 200 Rent
  // (200-1 Landlord), expense 300 Wages (300-1 Staff); the first book's opening balance on
  // 1 January 2024.
  void StandardAccounts() {
    AddMain(100, "Sales", tkIncome, 0);
    AddSub(100, 1, "Shop");
    AddSub(100, 2, "Online");
    AddMain(200, "Rent", tkExpense, 6);
    AddSub(200, 1, "Landlord");
    AddMain(300, "Wages", tkExpense, 7);
    AddSub(300, 1, "Staff");
    SetOpenBal(0, EncodeDate(2024, 1, 1), 0);
  }
  void SetOpenBal(int BookNo, TDateTime Date, Currency Amount) {
    TBookRec& B = L->Books.FindByNo(BookNo);
    B.OpenBal->Date = Date;
    B.OpenBal->Amount = Amount;
    L->Trans.NotifyChanged(L->Trans.IndexOf(B.OpenBal));
    L->Trans.SortMasterByDate();
  }
  // A record put straight into the list (transfers and the like).
  TTransRec& AddRaw(int Kind, int TransNo, TDateTime Date, Currency Amount, int BookNo, int MainActNo = 0,
                    int SubActNo = 0, int GroupNo = 0, char Letter = '0') {
    auto R = std::make_unique<TTransRec>();
    R->Kind = static_cast<std::uint8_t>(Kind);
    R->TransNo = TransNo;
    R->Date = Date;
    R->Amount = Amount;
    R->BookNo = static_cast<std::int16_t>(BookNo);
    R->Book = L->Books.FindPtr(BookNo);
    R->MainActNo = MainActNo;
    R->SubActNo = SubActNo;
    R->GroupNo = static_cast<std::int16_t>(GroupNo);
    R->SplitLetter = Letter;
    if (R->IsNormal()) {
      R->MainAct = L->MainActs.FindByNo(MainActNo);
      R->SubAct = L->SubActs.FindByNo(MainActNo, SubActNo);
      R->Group = L->Groups.FindPtr(GroupNo);
    }
    TTransRec& Ref = *R;
    L->Trans.Add(std::move(R));
    L->Trans.SortMasterByDate();
    return Ref;
  }
  int CountKind(int Kind) const {
    int N = 0;
    for (const TTransRec* R : L->Trans.MasterList()) N += R->Kind == Kind;
    return N;
  }
};

inline Currency Money(double Units) { return static_cast<Currency>(Units * CurrencyScale + (Units >= 0 ? 0.5 : -0.5)); }
