#pragma once
// Text helpers. Every text in memory is UTF-8; record fields declared string[N] in the book file
// keep at most N characters (not bytes), and the file layer converts to the 8-bit code page.
#include <cstddef>
#include <string>
#include <string_view>

// Number of characters (code points) in a UTF-8 text. A stray byte counts as one character.
std::size_t Utf8Length(std::string_view Text);

// The text cut to at most N characters, never in the middle of a character.
std::string CutToChars(std::string_view Text, std::size_t N);

// Removes leading and trailing spaces and control characters (bytes <= ' ').
std::string TrimText(std::string_view Text);

// Compares two texts without regard to letter case (ASCII, Latin-1 and Latin Extended-A letters,
// which covers everything the book file's code page can hold). Returns <0, 0 or >0.
int CompareTextNoCase(std::string_view A, std::string_view B);
inline bool SameTextNoCase(std::string_view A, std::string_view B) { return CompareTextNoCase(A, B) == 0; }

// Decodes one code point at Pos and advances Pos; a malformed byte decodes as itself.
char32_t NextCodePoint(std::string_view Text, std::size_t& Pos);
// Appends the UTF-8 form of a code point.
void AppendCodePoint(std::string& Out, char32_t Ch);
