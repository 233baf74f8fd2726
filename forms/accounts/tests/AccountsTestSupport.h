#pragma once
// Shared pieces of the editor tests: a small book, a record of every list notification, scripted
// message boxes, and a way to act on a nested modal dialog.
#include <QApplication>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AccountPrompts.h"
#include "BookLists.h"

// Records every message and confirmation; confirmations take the scripted answers in turn
// (Yes once the script is used up).
class TScriptPrompts : public TAccountPrompts {
 public:
  std::vector<std::string> Messages;       // ShowMessage texts
  std::vector<std::string> Confirmations;  // Confirm texts
  std::deque<TAskResult> Answers;

  void ShowMessage(TMsgKind, const std::string& Text) override { Messages.push_back(Text); }
  TAskResult Confirm(const std::string& Text, bool) override {
    Confirmations.push_back(Text);
    if (Answers.empty()) return TAskResult::Yes;
    TAskResult R = Answers.front();
    Answers.pop_front();
    return R;
  }
  std::string LastMessage() const { return Messages.empty() ? std::string() : Messages.back(); }
};

// "main+ 300", "sub~ 300-1", "trans~ 7", "group- 3", "cat+ 11" for added, changed, deleting.
class TChangeLog {
 public:
  std::vector<std::string> Entries;
  explicit TChangeLog(TBookLists& L) {
    L.MainActs.OnChange = [this](TChangeAction A, int, TMainActRec& R) { Log("main", A, std::to_string(R.ActNo)); };
    L.SubActs.OnChange = [this](TChangeAction A, int, TSubActRec& R) { Log("sub", A, R.NumberText()); };
    L.Groups.OnChange = [this](TChangeAction A, int, TGroupRec& R) { Log("group", A, std::to_string(R.GroupNo)); };
    L.Cats.OnChange = [this](TChangeAction A, int, TCatRec& R) { Log("cat", A, std::to_string(R.CatID)); };
    L.Trans.OnChange = [this](TChangeAction A, int, TTransRec& R) { Log("trans", A, std::to_string(R.TransNo)); };
    L.Batch = {[this] { Entries.push_back("batch {"); }, [this] { Entries.push_back("}"); }};
  }
  bool Has(const std::string& E) const {
    for (const auto& X : Entries)
      if (X == E) return true;
    return false;
  }

 private:
  void Log(const char* List, TChangeAction A, const std::string& Id) {
    Entries.push_back(std::string(List) + (A == caAdded ? "+ " : A == caChanged ? "~ " : "- ") + Id);
  }
};

// A small book: default categories, accounts, groups and transactions.
struct TSmallBook {
  TBookLists L;
  TSmallBook() {
    L.Cats.AddDefaults();
    AddGroup(0, "General");
  }
  TMainActRec& AddMain(int No, const std::string& Name, int Kind, int Cat) {
    auto M = std::make_unique<TMainActRec>();
    M->ActNo = No;
    M->Name = Name;
    M->Kind = static_cast<std::uint8_t>(Kind);
    M->CatID = static_cast<std::int16_t>(Cat);
    TMainActRec& R = *M;
    L.MainActs.Add(std::move(M));
    return R;
  }
  TSubActRec& AddSub(int Main, int No, const std::string& Name) {
    auto S = std::make_unique<TSubActRec>();
    S->MainActNo = Main;
    S->ActNo = No;
    S->Name = Name;
    S->MainAct = L.MainActs.FindByNo(Main);
    S->Kind = S->MainAct ? S->MainAct->Kind : 1;
    TSubActRec& R = *S;
    L.SubActs.Add(std::move(S));
    return R;
  }
  TGroupRec& AddGroup(int No, const std::string& Name) {
    auto G = std::make_unique<TGroupRec>();
    G->GroupNo = No;
    G->Name = Name;
    TGroupRec& R = *G;
    L.Groups.Add(std::move(G));
    return R;
  }
  TTransRec& AddTrans(int TransNo, int Kind, int Main, int Sub, int Group) {
    auto T = std::make_unique<TTransRec>();
    T->TransNo = TransNo;
    T->Kind = static_cast<std::uint8_t>(Kind);
    T->MainActNo = Main;
    T->SubActNo = Sub;
    T->GroupNo = static_cast<std::int16_t>(Group);
    T->Amount = 10000;
    TTransRec& R = *T;
    L.Trans.Add(std::move(T));
    return R;
  }
};

// Runs Act on the next modal dialog of type T once it is up (polling the event loop). A dialog
// that Act left open (a failed check inside it) is rejected so the test cannot hang.
template <class T>
void WhenModal(std::function<void(T*)> Act, int Tries = 200) {
  QTimer::singleShot(5, [Act, Tries] {
    if (T* D = dynamic_cast<T*>(QApplication::activeModalWidget())) {
      Act(D);
      if (D->isVisible() && QApplication::activeModalWidget() == D) D->reject();
    } else if (Tries > 0)
      WhenModal<T>(Act, Tries - 1);
  });
}
