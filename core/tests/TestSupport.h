#pragma once
// Shared bits of the core tests: regional settings per test and a messenger that records.
#include <string>
#include <utility>
#include <vector>

#include "Messenger.h"
#include "MoneyFormat.h"

// US-style settings unless a test changes them; restored for the next test.
struct TRegionalScope {
  explicit TRegionalScope(const TRegionalSettings& S = TRegionalSettings{}) { InitMoneyFormat(S); }
  ~TRegionalScope() { InitMoneyFormat(TRegionalSettings{}); }
};

class TRecordingMessenger : public TMessenger {
 public:
  void ShowMessage(TMsgKind Kind, const std::string& Text) override { Messages.emplace_back(Kind, Text); }
  std::vector<std::pair<TMsgKind, std::string>> Messages;
};

inline Currency Money(double Units) { return CurrencyFromDouble(Units); }
