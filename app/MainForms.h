#pragma once
// The long-lived forms of the main window: the transaction form with the host it works through,
// and the prompts and help the account, category and group editors use. One set per main window,
// made on first use and freed with the window.
#include <QObject>
#include <memory>

class TMain;
class TTransact;
struct TTransactHost;
class TPromptsAdapter;

class TMainForms : public QObject {
  Q_OBJECT
 public:
  explicit TMainForms(TMain* main);
  ~TMainForms() override;

  TTransactHost& Host() { return *host_; }
  TTransact& Transact() { return *transact_; }
  // The transaction form's "&Find" applied a transaction selection during this opening.
  bool FindApplied = false;

 private:
  void FillHost();
  TMain* main_;
  std::unique_ptr<TTransactHost> host_;
  std::unique_ptr<TPromptsAdapter> accountPrompts_;
  TTransact* transact_ = nullptr;  // a child of the main window, freed here before the host
};

// The forms of a main window (made when first asked for).
TMainForms& MainForms(TMain* main);
