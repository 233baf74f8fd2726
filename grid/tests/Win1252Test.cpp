#include "Win1252.h"

#include <gtest/gtest.h>

TEST(Win1252, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += char(b);
  EXPECT_EQ(Utf8ToWin1252(Win1252ToUtf8(all)), all);
}

TEST(Win1252, KnownCharactersAndFallbacks) {
  EXPECT_EQ(Win1252ToUtf8("\x80\x93\xA3\xFF"), "\xE2\x82\xAC\xE2\x80\x9C\xC2\xA3\xC3\xBF");
  struct Case { const char* utf8; const char* bytes; };
  const Case cases[] = {
      {"\xE2\x80\x9Cq\xE2\x80\x9D", "\x93q\x94"},  // curly quotes
      {"\xF0\x9F\x98\x80", "?"},                   // outside the code page
      {"a\xC3", "a?"},                             // cut sequence
      {"\xC0\xAF", "??"},                          // overlong form
      {"\xED\xA0\x80", "???"},                     // surrogate
  };
  for (const Case& k : cases) EXPECT_EQ(Utf8ToWin1252(k.utf8), k.bytes) << k.utf8;
}
