#include "TextExOptions.h"

const std::array<const char*, TTextExOptions::SectionCount> TTextExOptions::SectionCaptions = {
    "Transactions", "Main Accounts", "Sub Accounts", "Groups", "Categories"};
