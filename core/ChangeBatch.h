#pragma once
// Several record changes the user confirmed as one (an account renumbered across its sub accounts
// and transactions, a book deleted with its transactions). Whoever writes the lists through to a
// file hooks in here: it checks its drive once before the batch instead of before every record,
// and makes the whole batch durable once at the end.
#include <functional>

struct TChangeBatchHooks {
  std::function<void()> Begin;
  std::function<void()> End;
};

// One batch for the life of the object; a batch made while another lasts is part of it.
class TChangeBatch {
 public:
  explicit TChangeBatch(const TChangeBatchHooks& Hooks) : Hooks(Hooks) {
    if (Hooks.Begin) Hooks.Begin();
  }
  ~TChangeBatch() {
    if (Hooks.End) Hooks.End();
  }
  TChangeBatch(const TChangeBatch&) = delete;
  TChangeBatch& operator=(const TChangeBatch&) = delete;

 private:
  const TChangeBatchHooks& Hooks;
};
