#include "AccountRules.h"

#include <algorithm>
#include <charconv>

#include "FixedText.h"

bool MainNumberFree(const TMainActList& Mains, std::int32_t No) {
  return No != 0 && Mains.IndexOfNo(No) < 0;
}

namespace {

std::int32_t NextFreeHundredAbove(const TMainActList& Mains, std::int32_t No) {
  std::int32_t N = No + 100;
  while (!MainNumberFree(Mains, N)) N += 100;
  return N;
}

bool ParseInt(const std::string& Text, std::int64_t& Out) {
  std::string T = TrimText(Text);
  if (T.empty()) return false;
  auto R = std::from_chars(T.data(), T.data() + T.size(), Out);
  return R.ec == std::errc() && R.ptr == T.data() + T.size();
}

}  // namespace

std::string StepMainNumber(const TMainActList& Mains, const std::string& Text, bool Up) {
  std::int64_t Value = 0;
  if (TrimText(Text).empty()) return "100";
  if (!ParseInt(Text, Value)) Value = 0;
  Value = std::clamp<std::int64_t>(Value, 0, 999999900);
  auto No = static_cast<std::int32_t>(Value - Value % 100);
  if (Up || !MainNumberFree(Mains, No)) return std::to_string(NextFreeHundredAbove(Mains, No));
  for (std::int32_t N = No - 100; N > 0; N -= 100)
    if (MainNumberFree(Mains, N)) return std::to_string(N);
  return std::to_string(No);
}

std::int32_t ZeroReplacement(const TMainActList& Mains) {
  std::int32_t N = 101;
  while (!MainNumberFree(Mains, N)) N += 100;
  return N;
}

TMainActCheck CheckMainAccount(const TMainActList& Mains, const std::string& NumberText,
                               const std::string& Name, bool CategoryChosen, std::int32_t OwnNo,
                               const TMainActRec* Own) {
  TMainActCheck C;
  std::int64_t Value = 1;
  if (!TrimText(NumberText).empty() && !ParseInt(NumberText, Value)) Value = 0;
  C.Number = static_cast<std::int32_t>(std::clamp<std::int64_t>(Value, INT32_MIN, INT32_MAX));
  if (!(MainNumberFree(Mains, C.Number) || (OwnNo >= 0 && C.Number == OwnNo))) {
    C.Message = "The Account number you have entered already in use.";
    C.Field = 0;
    return C;
  }
  C.Name = TrimText(Name);
  if (C.Name.empty()) {
    C.Message = "'' is not a valid Account Name.";
    C.Field = 1;
    return C;
  }
  for (const TMainActRec* Rec : Mains.MasterList()) {
    if (Rec != Own && SameTextNoCase(Rec->Name, C.Name)) {
      C.Message = "The name '" + C.Name + "' is already being used.";
      C.Field = 1;
      return C;
    }
  }
  if (!CategoryChosen) {
    C.Message = "You Must Select an Accounting Category";
    C.Field = 2;
  }
  return C;
}

std::string SubNameError(const TSubActList& Subs, std::int32_t MainActNo, const std::string& Name) {
  if (Name.empty()) return "'' is not a valid Account Name.";
  for (const TSubActRec* Rec : Subs.MasterList())
    if (Rec->MainActNo == MainActNo && SameTextNoCase(Rec->Name, Name))
      return "The Sub Account name '" + Name + "' is already in use.";
  return {};
}

bool TransUseMain(const TTransList& Trans, std::int32_t MainActNo) {
  return std::any_of(Trans.MasterList().begin(), Trans.MasterList().end(),
                     [&](const TTransRec* T) { return T->IsNormal() && T->MainActNo == MainActNo; });
}

bool TransUseSub(const TTransList& Trans, std::int32_t MainActNo, std::int32_t SubActNo) {
  return std::any_of(Trans.MasterList().begin(), Trans.MasterList().end(), [&](const TTransRec* T) {
    return T->IsNormal() && T->MainActNo == MainActNo && T->SubActNo == SubActNo;
  });
}

bool TransUseGroup(const TTransList& Trans, std::int32_t GroupNo) {
  return std::any_of(Trans.MasterList().begin(), Trans.MasterList().end(),
                     [&](const TTransRec* T) { return T->GroupNo == GroupNo; });
}

const TMainActRec* CategoryUser(const TMainActList& Mains, std::int16_t CatID) {
  for (const TMainActRec* Rec : Mains.MasterList())
    if (Rec->CatID == CatID) return Rec;
  return nullptr;
}

int RenumberMainAccount(TBookLists& L, int MainIndex, std::int32_t NewNo) {
  TMainActRec& Main = L.MainActs.Items(MainIndex);
  const std::int32_t OldNo = Main.ActNo;
  if (OldNo == NewNo) return 0;
  TChangeBatch Batch(L.Batch);  // one drive check before, one sync after
  Main.ActNo = NewNo;
  L.MainActs.NotifyChanged(MainIndex);
  int Changed = 0;
  for (int I = 0; I < L.SubActs.Count(); ++I) {
    TSubActRec& Sub = L.SubActs.Items(I);
    if (Sub.MainActNo != OldNo) continue;
    Sub.MainActNo = NewNo;
    Sub.MainAct = &Main;
    L.SubActs.NotifyChanged(I);
    ++Changed;
  }
  for (int I = 0; I < L.Trans.Count(); ++I) {
    TTransRec& T = L.Trans.Items(I);
    if (!T.IsNormal() || T.MainActNo != OldNo) continue;
    T.MainActNo = NewNo;
    L.Trans.NotifyChanged(I);
    ++Changed;
  }
  return Changed;
}

void DeleteMainAccount(TBookLists& L, int MainIndex, TDeletedRows* Deleted) {
  const std::int32_t No = L.MainActs.Items(MainIndex).ActNo;
  for (int I = L.SubActs.Count() - 1; I >= 0; --I) {
    if (L.SubActs.Items(I).MainActNo != No) continue;
    if (Deleted) Deleted->SubActs.push_back(L.SubActs.Items(I).ViewIndex);
    L.SubActs.Delete(I);
  }
  L.SubActs.Recount();
  if (Deleted) Deleted->MainActs.push_back(L.MainActs.Items(MainIndex).ViewIndex);
  L.MainActs.Delete(MainIndex);
  L.MainActs.Recount();
}

std::string LowerAscii(std::string Text) {
  for (char& C : Text)
    if (C >= 'A' && C <= 'Z') C = static_cast<char>(C - 'A' + 'a');
  return Text;
}

bool SearchNameMatches(const std::string& Name, const std::string& Text) {
  if (Text.size() > Name.size()) return false;
  return LowerAscii(Name.substr(0, Text.size())) == LowerAscii(Text);
}

bool SearchNumberMatches(std::int32_t No, const std::string& Text) {
  const std::string Digits = std::to_string(No);
  return Text.size() <= Digits.size() && Digits.compare(0, Text.size(), Text) == 0;
}

std::string CategoryDescription(const std::string& Name) {
  static const std::pair<const char*, const char*> Table[] = {
      {"General Income", "For any income related to the sale of goods or services."},
      {"Other Income", "For other income such as intrest from bank accounts."},
      {"Assets Sold", "For income related to the sale of assets."},
      {"Funds Injection", "For any special funds or loans to the business."},
      {"Assets Purchased", "For any asset purchases."},
      {"Overheads", "For any overhead related expenses."},
      {"Stock Purchased", "For any stock purchases."},
      {"Wages", "For wages."},
      {"Company Tax", "For company tax."},
      {"Other Expenses", "For other expenses not related to overheads or the cost of doing business."},
      {"Funds Repayment", "For the repayment of any special funds or loans to the business."},
  };
  for (const auto& [N, D] : Table)
    if (Name == N) return D;
  return {};
}

std::string CategoryNameError(const TCatList& Cats, const std::string& Typed, const std::string& Original) {
  for (const TCatRec* Rec : Cats.MasterList())
    if (SameTextNoCase(Rec->Name, Typed) && !SameTextNoCase(Typed, Original))
      return "The name '" + Typed + "' is already being used";
  return {};
}

const std::vector<int>& ReportClassesFor(int Kind) {
  static const std::vector<int> Income{1, 3, 5, 6};
  static const std::vector<int> Expense{1, 2, 3, 4, 5, 6};
  return Kind == 1 ? Income : Expense;
}
