#include "Messenger.h"

namespace {
class TSilentMessenger : public TMessenger {
 public:
  void ShowMessage(TMsgKind, const std::string&) override {}
};
TSilentMessenger Silent;
TMessenger* Current = &Silent;
}  // namespace

TMessenger& AppMessenger() { return *Current; }
void SetAppMessenger(TMessenger* Messenger) { Current = Messenger ? Messenger : &Silent; }
