#pragma once
// Windows-1252 <-> UTF-8 at the book file's record boundary. Table driven: one table of the 256
// code points, one reverse table for the 27 characters of 0x80..0x9F.
#include <cstddef>
#include <string>
#include <string_view>

// Appends the UTF-8 form of Len bytes of Windows-1252 text. The five bytes the code page leaves
// undefined (81 8D 8F 90 9D) map to the control characters of the same value.
void Cp1252ToUtf8(const char* Bytes, std::size_t Len, std::string& Out);
std::string Cp1252ToUtf8(std::string_view Bytes);

// Writes at most MaxChars characters of UTF-8 Text as Windows-1252 bytes into Out; characters
// the code page lacks become '?'. Returns the number of bytes written (one per character).
std::size_t Utf8ToCp1252(std::string_view Text, char* Out, std::size_t MaxChars);
std::string Utf8ToCp1252(std::string_view Text);
