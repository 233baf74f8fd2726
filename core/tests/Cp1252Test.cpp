// Windows-1252 <-> UTF-8 of the file records (and the options file's column titles and fonts).
#include <gtest/gtest.h>

#include "Cp1252.h"

TEST(Cp1252Conversion, EveryByteSurvivesARoundTrip) {
  std::string All;
  for (int B = 1; B < 256; ++B) All += static_cast<char>(B);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(All)), All);
}

TEST(Cp1252Conversion, KnownCharactersAndFallbacks) {
  EXPECT_EQ(Cp1252ToUtf8("\x80\x93\xA3\xFF"), "\xE2\x82\xAC\xE2\x80\x9C\xC2\xA3\xC3\xBF");
  struct TCase {
    const char* Utf8;
    const char* Bytes;
  };
  const TCase Cases[] = {
      {"\xE2\x80\x9Cq\xE2\x80\x9D", "\x93q\x94"},  // curly quotes
      {"\xF0\x9F\x98\x80", "?"},                   // outside the code page
      {"a\xC3", "a?"},                             // cut sequence
      {"\xC0\xAF", "??"},                          // overlong form (not a '/')
      {"\xED\xA0\x80", "???"},                     // surrogate
      {"\xC3" "a", "?a"},                          // lead byte without its continuation
  };
  for (const TCase& K : Cases) EXPECT_EQ(Utf8ToCp1252(K.Utf8), K.Bytes) << K.Utf8;
}
