#pragma once
// Windows-1252 text of the file records <-> UTF-8 text in memory. Table driven; a character
// that Windows-1252 cannot hold, or a malformed UTF-8 sequence, becomes "?".
#include <string>
#include <string_view>

std::string Win1252ToUtf8(std::string_view bytes);
std::string Utf8ToWin1252(std::string_view utf8);
