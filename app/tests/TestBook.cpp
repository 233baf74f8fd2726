#include "TestBook.h"

#include "BookLists.h"
#include "FileManager.h"
#include "MoneyFormat.h"
#include "ScriptedPrompts.h"

namespace {
Currency Money(double units) { return CurrencyFromDouble(units); }

TTransRec* Trans(TBookLists& L, int no, int kind, TDateTime date, int book, const char* ref, int main, int sub, int group,
                 double amount, bool enabled = true) {
  auto t = std::make_unique<TTransRec>();
  t->TransNo = no;
  t->Kind = std::uint8_t(kind);
  t->Date = date;
  t->BookNo = std::int16_t(book);
  t->Reference = ref;
  t->MainActNo = main;
  t->SubActNo = sub;
  t->GroupNo = std::int16_t(group);
  t->Amount = Money(amount);
  t->Enabled = enabled;
  TTransRec* raw = t.get();
  L.Trans.Add(std::move(t));
  return raw;
}
}  // namespace

bool WriteTestBook(const std::string& path) {
  TBookLists L;
  TScriptedPrompts prompts;
  prompts.DefaultAnswer = mbNo;
  TFileManager fm(L, prompts);
  fm.SyncWrites = false;
  fm.InstallWriteThrough();
  if (!fm.NewFile(path) || !fm.Open(path, true)) return false;

  const TDateTime d0 = EncodeDate(2026, 3, 1);
  // The blank file brings "Cashbook 1" with an opening balance; give it a figure and a colour.
  TBookRec& cheque = L.Books.Items(0);
  cheque.Name = "Cheque Account";
  cheque.Colour = 0x00C08040;
  L.Books.NotifyChanged(0);
  for (int i = 0; i < L.Trans.Count(); ++i)
    if (L.Trans.Items(i).Kind == tkOpenBal) {
      L.Trans.Items(i).Amount = Money(1500);
      L.Trans.Items(i).Date = d0;
      L.Trans.NotifyChanged(i);
    }
  auto cash = std::make_unique<TBookRec>();
  cash->BookNo = 1;
  cash->Name = "Cash Tin";
  cash->Colour = 0x004080E0;
  cash->OpenBalNo = 1;
  L.Books.Add(std::move(cash));
  Trans(L, 1, tkOpenBal, d0, 1, "", 0, 0, 0, 200);

  const auto main = [&](int no, const char* name, int kind, int cat) {
    auto m = std::make_unique<TMainActRec>();
    m->ActNo = no;
    m->Name = name;
    m->Kind = std::uint8_t(kind);
    m->CatID = cat;
    L.MainActs.Add(std::move(m));
  };
  const auto sub = [&](int mainNo, int no, const char* name, int kind) {
    auto s = std::make_unique<TSubActRec>();
    s->MainActNo = mainNo;
    s->ActNo = no;
    s->Name = name;
    s->Kind = std::uint8_t(kind);
    L.SubActs.Add(std::move(s));
  };
  main(100, "Sales", 1, 0);
  main(200, "Rent", 2, 6);
  main(300, "Office Supplies", 2, 6);
  main(400, "Wages", 2, 7);  // never used: total 0
  sub(100, 1, "Shop Counter", 1);
  sub(100, 2, "Online Orders", 1);
  sub(200, 1, "Premises", 2);
  sub(300, 1, "Stationery", 2);
  sub(300, 2, "Printer Ink", 2);
  sub(400, 1, "Casual Staff", 2);
  auto g = std::make_unique<TGroupRec>();
  g->GroupNo = 1;
  g->Name = "Household";
  L.Groups.Add(std::move(g));

  Trans(L, 2, tkIncome, d0 + 1, 0, "INV 101", 100, 1, 0, 820.50);
  Trans(L, 3, tkExpense, d0 + 2, 0, "CHQ 2001", 200, 1, 0, 650);
  Trans(L, 4, tkIncome, d0 + 2, 0, "INV 102", 100, 2, 0, 310.25);
  Trans(L, 5, tkExpense, d0 + 4, 1, "", 300, 1, 1, 42.80);
  Trans(L, 6, tkExpense, d0 + 5, 0, "CHQ 2002", 300, 2, 0, 89.99, false);
  Trans(L, 7, tkIncome, d0 + 7, 1, "", 100, 1, 1, 125);
  Trans(L, 8, tkExpense, d0 + 9, 0, "CHQ 2003", 200, 1, 0, 650);
  Trans(L, 9, tkIncome, d0 + 10, 0, "INV 103", 100, 2, 0, 1200);
  // 100.00 from the cheque account into the cash tin.
  Trans(L, 10, tkTransferTo, d0 + 6, 0, "TFR", 11, 0, 1, 100);
  Trans(L, 11, tkTransferFrom, d0 + 6, 1, "TFR", 10, 0, 0, 100);
  return fm.Close(true, true);
}
