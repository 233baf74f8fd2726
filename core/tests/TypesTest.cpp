#include "Types.h"
#include <gtest/gtest.h>

TEST(Types, CurrencyHoldsFourImpliedDecimals) {
  Currency a = 12345678;  // 1234.5678
  EXPECT_EQ(a / CurrencyScale, 1234);
  EXPECT_EQ(a % CurrencyScale, 5678);
  EXPECT_EQ(sizeof(Currency), 8u);
}
