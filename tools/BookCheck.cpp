#include "BookCheck.h"

#include <cmath>
#include <map>
#include <set>
#include <utility>

namespace {
std::string TransName(const TTransRec& T) {
  return "transaction " + std::to_string(T.TransNo) + (T.SplitLetter != '0' ? std::string(1, T.SplitLetter) : "");
}
}  // namespace

std::vector<std::string> CheckBookLinks(const TBookLists& L) {
  std::vector<std::string> P;
  std::set<std::int32_t> Mains, Books, Groups, Cats;
  std::set<std::pair<std::int32_t, std::int32_t>> Subs;
  for (const auto* M : L.MainActs.MasterList()) {
    if (!Mains.insert(M->ActNo).second) P.push_back("main account " + std::to_string(M->ActNo) + " appears twice");
    if (M->Kind != 1 && M->Kind != 2) P.push_back("main account " + std::to_string(M->ActNo) + " has kind " + std::to_string(M->Kind));
  }
  for (const auto* C : L.Cats.MasterList()) Cats.insert(C->CatID);
  for (const auto* M : L.MainActs.MasterList())
    if (!Cats.count(M->CatID))
      P.push_back("main account " + std::to_string(M->ActNo) + " refers to missing category " + std::to_string(M->CatID));
  for (const auto* S : L.SubActs.MasterList()) {
    std::string Name = "sub account " + std::to_string(S->MainActNo) + "-" + std::to_string(S->ActNo);
    if (!Subs.insert({S->MainActNo, S->ActNo}).second) P.push_back(Name + " appears twice");
    if (!Mains.count(S->MainActNo)) P.push_back(Name + " belongs to a missing main account");
  }
  for (const auto* G : L.Groups.MasterList())
    if (!Groups.insert(G->GroupNo).second) P.push_back("group " + std::to_string(G->GroupNo) + " appears twice");
  for (const auto* B : L.Books.MasterList())
    if (!Books.insert(B->BookNo).second) P.push_back("book " + std::to_string(B->BookNo) + " appears twice");

  std::map<std::int32_t, const TTransRec*> OpenBals, TransferHalves;
  for (const auto* T : L.Trans.MasterList()) {
    std::string Name = TransName(*T);
    if (!std::isfinite(T->Date) || T->Date < -693593 || T->Date > 2958465) P.push_back(Name + " has no valid date");
    if (!Books.count(T->BookNo)) P.push_back(Name + " refers to missing book " + std::to_string(T->BookNo));
    switch (T->Kind) {
      case tkIncome:
      case tkExpense:
        if (!Mains.count(T->MainActNo))
          P.push_back(Name + " refers to missing main account " + std::to_string(T->MainActNo));
        else if (!Subs.count({T->MainActNo, T->SubActNo}))
          P.push_back(Name + " refers to missing sub account " + std::to_string(T->MainActNo) + "-" +
                      std::to_string(T->SubActNo));
        if (!Groups.count(T->GroupNo)) P.push_back(Name + " refers to missing group " + std::to_string(T->GroupNo));
        if (T->Amount < 0) P.push_back(Name + " has a negative amount");
        break;
      case tkOpenBal:
        if (!OpenBals.emplace(T->BookNo, T).second)
          P.push_back("book " + std::to_string(T->BookNo) + " has more than one opening balance");
        break;
      case tkTransferFrom:
      case tkTransferTo:
        if (!Books.count(T->GroupNo)) P.push_back(Name + " refers to missing book " + std::to_string(T->GroupNo));
        TransferHalves[T->TransNo] = T;
        break;
      default: P.push_back(Name + " has kind " + std::to_string(T->Kind));
    }
  }
  for (const auto& [No, T] : TransferHalves) {
    auto It = TransferHalves.find(T->MainActNo);
    if (It == TransferHalves.end() || It->second->MainActNo != No || It->second->Kind == T->Kind)
      P.push_back(TransName(*T) + " is a transfer without its other half");
  }
  for (const auto* B : L.Books.MasterList()) {
    auto It = OpenBals.find(B->BookNo);
    if (It == OpenBals.end())
      P.push_back("book " + std::to_string(B->BookNo) + " has no opening balance");
    else if (It->second->TransNo != B->OpenBalNo)
      P.push_back("book " + std::to_string(B->BookNo) + " names opening balance " + std::to_string(B->OpenBalNo) +
                  " but its opening balance is transaction " + std::to_string(It->second->TransNo));
  }
  return P;
}
