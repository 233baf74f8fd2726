#include "ExampleBook.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "CliPrompts.h"
#include "FileManager.h"
#include "Helpers.h"
#include "MoneyFormat.h"

namespace {
// A small generator with fixed arithmetic, so the book is the same on every platform.
struct TRandom {
  std::uint64_t State;
  explicit TRandom(unsigned Seed) : State(0x9E3779B97F4A7C15ull ^ (Seed * 0xBF58476D1CE4E5B9ull)) {}
  std::uint32_t Next() {
    State = State * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::uint32_t>(State >> 33);
  }
  int Below(int N) { return static_cast<int>(Next() % static_cast<std::uint32_t>(N)); }
  bool Chance(int Percent) { return Below(100) < Percent; }
};

struct TSubDef {
  const char* Name;
  const char* Address;
  const char* Suburb;
  const char* PostCode;
  const char* State;
  const char* Contact;
  const char* Phone;
};
struct TMainDef {
  std::int32_t No;
  const char* Name;
  int Kind;
  const char* Category;  // category name
  int Weight;            // how often it is used
  int MinCents, MaxCents;
  const char* Reference;  // printf pattern
  std::vector<TSubDef> Subs;
  std::vector<const char*> Details;
};

const std::vector<TMainDef>& Mains() {
  static const std::vector<TMainDef> M = {
      {100, "Sales", 1, "General Income", 30, 1500, 250000, "INV-%05d",
       {{"Counter Sales", "", "", "", "", "", ""},
        {"Online Orders", "", "", "", "", "", ""},
        {"Brown & Co Wholesale", "14 Market St", "Fitzroy", "3065", "VIC", "Jenny Brown", "03 9417 2200"}},
       {"Daily takings", "Weekly online orders", "Wholesale order", "Market day sales", "Caf\xC3\xA9 counter sales"}},
      {200, "Interest Received", 1, "Other Income", 2, 100, 9000, "INT %03d",
       {{"Bank Interest", "", "", "", "", "", ""}}, {"Monthly interest"}},
      {300, "Consulting Fees", 1, "Consulting Income", 6, 20000, 450000, "CF%04d",
       {{"Harbour City Council", "1 Civic Plaza", "Wollongong", "2500", "NSW", "Mark Ellis", "02 4227 7111"},
        {"Greenleaf Landscapes", "88 Orchard Rd", "Doncaster", "3108", "VIC", "Priya Shah", "03 9840 1234"}},
       {"Design consultation", "Site survey and report", "Quarterly advice retainer"}},
      {400, "Stock Purchases", 2, "Stock Purchased", 18, 2000, 180000, "CHQ %06d",
       {{"Smith Wholesalers", "2 Dock Rd", "Port Melbourne", "3207", "VIC", "Alan Smith", "03 9645 0000"},
        {"Caf\xC3\xA9 Direct Supplies", "45 Bean St", "Brunswick", "3056", "VIC", "Lucia Rossi", "03 9380 5555"},
        {"Pacific Packaging", "7 Industrial Ave", "Dandenong", "3175", "VIC", "Tom Nguyen", "03 9791 8080"}},
       {"Stock order", "Restock shelves", "Packaging materials", "Coffee beans \xE2\x80\x93 bulk"}},
      {500, "Rent", 2, "Overheads", 4, 120000, 220000, "DD %04d",
       {{"Collins Property Group", "Level 3, 100 Collins St", "Melbourne", "3000", "VIC", "Property Manager",
         "03 9650 1000"}},
       {"Shop rent", "Storage unit rent"}},
      {600, "Wages", 2, "Wages", 10, 40000, 160000, "PAY %04d",
       {{"Casual Staff", "", "", "", "", "", ""}, {"Manager Salary", "", "", "", "", "", ""}},
       {"Fortnightly pay run", "Casual wages", "Holiday pay"}},
      {700, "Electricity & Gas", 2, "Overheads", 3, 8000, 65000, "EG%05d",
       {{"Citywide Energy", "PO Box 1000", "Melbourne", "3001", "VIC", "", "13 12 45"}}, {"Quarterly electricity", "Gas bill"}},
      {800, "Telephone & Internet", 2, "Overheads", 3, 5000, 22000, "TEL%04d",
       {{"Telco Australia", "PO Box 88", "Sydney", "2001", "NSW", "", "13 22 00"}}, {"Mobile phones", "NBN internet"}},
      {900, "Motor Vehicle", 2, "Vehicle Expenses", 5, 3000, 90000, "MV%04d",
       {{"Fuel", "", "", "", "", "", ""}, {"Servicing & Repairs", "", "", "", "", "", ""},
        {"Registration & Insurance", "", "", "", "", "", ""}},
       {"Fuel for van", "Van service", "Rego renewal", "Tyres"}},
      {1000, "Office Supplies", 2, "Other Expenses", 4, 800, 30000, "OS%04d",
       {{"Officeworks", "", "", "", "", "", ""}}, {"Printer paper and toner", "Stationery", "Postage"}},
      {1100, "Equipment", 2, "Assets Purchased", 1, 50000, 800000, "EQ%04d",
       {{"Tech Traders", "12 Chip Lane", "Clayton", "3168", "VIC", "Sam Lee", "03 9544 3000"}},
       {"New laptop", "Espresso machine", "Shelving"}},
      {1200, "Income Tax", 2, "Company Tax", 1, 100000, 900000, "ATO%04d",
       {{"Australian Taxation Office", "", "", "", "", "", "13 28 66"}}, {"Quarterly instalment"}},
  };
  return M;
}

const char* const BookNames[] = {"Business Cheque Account", "Cash Tin", "Savings Account", "Credit Card",
                                 "Online Account", "Petty Cash"};
const std::int32_t BookColours[] = {0xFF0000, 0x008000, 0x0080FF, 0x800080, 0x808000, 0x000080};
const char* const GroupNames[] = {"Shop", "Market Stall", "Online Shop", "Workshop"};
}  // namespace

bool MakeExampleBook(const std::string& FileName, const TExampleOptions& O, std::string& Error) {
  if (O.Transactions < O.Books || O.Books < 1 || O.Books > 100) {
    Error = "need 1 to 100 books and at least one transaction per book";
    return false;
  }
  TBookLists L;
  TCliPrompts P;
  TFileManager FM(L, P);
  FM.SyncWrites = false;  // one sync when the file is closed
  FM.DriveKindProbe = [](const std::string&) { return dkFixed; };
  FM.InstallWriteThrough();
  if (!FM.NewFile(FileName) || !FM.Open(FileName, true)) {
    Error = "cannot create " + FileName + (P.LastMessage.empty() ? "" : ": " + OneLine(P.LastMessage));
    return false;
  }
  // The blank file's backup is of no use next to an example book.
  std::remove((FileName.substr(0, FileName.find_last_of('/') + 1) + BaseFileName(FileName) + ".~bk").c_str());
  TRandom R(O.Seed);
  const TDateTime Start = EncodeDate(2021, 7, 1);
  const int Days = 3 * 365 + 180;

  // The blank file's book and opening balance become the first of ours.
  TBookRec& Book0 = L.Books.Items(0);
  Book0.Name = BookNames[0];
  L.Books.NotifyChanged(0);
  TTransRec& OB0 = L.Trans.Items(0);
  OB0.Date = Start;
  OB0.Amount = 1250000000;  // 125,000.00
  L.Trans.NotifyChanged(0);
  std::int32_t NextTrans = 1;
  for (int B = 1; B < O.Books; ++B) {
    auto OB = std::make_unique<TTransRec>();
    OB->TransNo = NextTrans++;
    OB->Date = Start;
    OB->Kind = tkOpenBal;
    OB->BookNo = static_cast<std::int16_t>(B);
    OB->Amount = B == 3 ? -35000000 : static_cast<Currency>(R.Below(500000)) * 1000;  // a credit card owes
    TTransRec* OBRec = OB.get();
    L.Trans.Add(std::move(OB));
    auto Book = std::make_unique<TBookRec>();
    Book->BookNo = B;
    Book->Name = B < 6 ? BookNames[B] : "Book " + std::to_string(B + 1);
    Book->Colour = BookColours[B % 6];
    Book->OpenBalNo = OBRec->TransNo;
    Book->OpenBal = OBRec;
    L.Books.Add(std::move(Book));
  }
  for (const char* G : GroupNames) L.Groups.NewGroup(G);
  L.Groups.Items(0).Note = "Everything not tied to one part of the business";
  L.Groups.NotifyChanged(0);
  L.Cats.AddCategory("Consulting Income", 1, 1, false);
  L.Cats.AddCategory("Vehicle Expenses", 2, 2, false);
  auto CatOf = [&](const char* Name) -> std::int32_t {
    for (const TCatRec* C : L.Cats.MasterList())
      if (C->Name == Name) return C->CatID;
    return 0;
  };
  int TotalWeight = 0;
  for (const TMainDef& M : Mains()) {
    TotalWeight += M.Weight;
    auto Main = std::make_unique<TMainActRec>();
    Main->ActNo = M.No;
    Main->Name = M.Name;
    Main->Kind = static_cast<std::uint8_t>(M.Kind);
    Main->CatID = CatOf(M.Category);
    L.MainActs.Add(std::move(Main));
    int SubNo = 1;
    for (const TSubDef& S : M.Subs) {
      auto Sub = std::make_unique<TSubActRec>();
      Sub->MainActNo = M.No;
      Sub->ActNo = SubNo++;
      Sub->Name = S.Name;
      Sub->Kind = static_cast<std::uint8_t>(M.Kind);
      Sub->Address = S.Address;
      Sub->Suburb = S.Suburb;
      Sub->PostCode = S.PostCode;
      Sub->State = S.State;
      Sub->Contact = S.Contact;
      Sub->Phone = S.Phone;
      if (S.Contact[0]) Sub->Notes = "Account since 2019.";
      L.SubActs.Add(std::move(Sub));
    }
  }

  auto Add = [&](std::int32_t No, char Split, TDateTime Date, int Kind, std::int32_t Main, std::int32_t Sub,
                 std::int16_t Group, std::int16_t Book, Currency Amount, std::string Ref, std::string Details,
                 bool Enabled) {
    auto T = std::make_unique<TTransRec>();
    T->TransNo = No;
    T->SplitLetter = Split;
    T->Date = Date;
    T->Kind = static_cast<std::uint8_t>(Kind);
    T->MainActNo = Main;
    T->SubActNo = Sub;
    T->GroupNo = Group;
    T->BookNo = Book;
    T->Amount = Amount;
    T->Reference = std::move(Ref);
    T->Details = std::move(Details);
    T->Enabled = Enabled;
    L.Trans.Add(std::move(T));
  };
  const int Wanted = O.Transactions;
  const int Planned = Wanted - O.Books;
  int Made = 0;
  char RefBuf[32];
  while (L.Trans.Count() < Wanted && !FM.ReadOnly) {
    TDateTime Date = Start + 1 + static_cast<double>(static_cast<long long>(Made) * Days / (Planned > 0 ? Planned : 1));
    // Recent transactions have not all cleared the bank yet.
    bool Recent = Date > Start + Days - 45;
    bool Enabled = !(Recent ? R.Chance(35) : R.Chance(1));
    std::int16_t Book = static_cast<std::int16_t>(O.Books > 1 && R.Chance(20) ? 1 + R.Below(O.Books - 1) : 0);
    int Left = Wanted - L.Trans.Count();
    if (O.Books > 1 && Left >= 2 && R.Chance(4)) {
      // A transfer: the kind-5 half leaves From, the kind-4 half arrives in To.
      std::int16_t From = static_cast<std::int16_t>(R.Below(O.Books));
      std::int16_t To = static_cast<std::int16_t>((From + 1 + R.Below(O.Books - 1)) % O.Books);
      Currency Amount = static_cast<Currency>(50 + R.Below(2000)) * 100 * CurrencyScale / 100 * 10;
      std::int32_t A = NextTrans++, B = NextTrans++;
      std::string Text = std::string("Transfer to ") + L.Books.FindByNo(To).Name;
      Add(A, '0', Date, tkTransferTo, B, 0, To, From, Amount, "TRF", Text, Enabled);
      Add(B, '0', Date, tkTransferFrom, A, 0, From, To, Amount, "TRF",
          std::string("Transfer from ") + L.Books.FindByNo(From).Name, Enabled);
      Made += 2;
      continue;
    }
    int Pick = R.Below(TotalWeight);
    const TMainDef* M = &Mains()[0];
    for (const TMainDef& D : Mains()) {
      if (Pick < D.Weight) {
        M = &D;
        break;
      }
      Pick -= D.Weight;
    }
    std::int32_t No = NextTrans++;
    std::snprintf(RefBuf, sizeof RefBuf, M->Reference, No % 100000);
    int Parts = (Left >= 3 && R.Chance(8)) ? 2 + R.Below(2) : 1;
    for (int Part = 0; Part < Parts; ++Part) {
      Currency Cents = M->MinCents + R.Below(M->MaxCents - M->MinCents + 1);
      std::int32_t Sub = 1 + R.Below(static_cast<int>(M->Subs.size()));
      std::int16_t Group = static_cast<std::int16_t>(R.Chance(40) ? 0 : 1 + R.Below(4));
      std::string Details = M->Details[R.Below(static_cast<int>(M->Details.size()))];
      Add(No, Parts > 1 ? static_cast<char>('A' + Part) : '0', Date, M->Kind, M->No, Sub, Group, Book,
          Cents * (CurrencyScale / 100), RefBuf, Details, Enabled);
      ++Made;
    }
  }
  if (FM.ReadOnly) {
    Error = "cannot write " + FileName + (P.LastMessage.empty() ? "" : ": " + OneLine(P.LastMessage));
    return false;
  }
  FM.Settings = TFileSettings{};
  FM.WriteComment("Example book made by qbtool (seed " + std::to_string(O.Seed) + ").");
  if (!FM.Close(true, true)) {
    Error = "cannot save " + FileName;
    return false;
  }
  return true;
}
