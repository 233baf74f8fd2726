#pragma once
// qbtool export FILE OUT --format text|html [--sections LIST] [--password P] [--exclude-disabled]
// Writes the book's worksheets as the export library does, without a window: every list as on a
// first start (nothing selected, default worksheet orders and columns), the lists of --sections
// ("transactions,main,sub,groups,categories", all when not given).
#include <functional>
#include <string>

struct TBookLists;
class TCliPrompts;
class TFileManager;

// Opens FILE read-only and loads it into the lists; 0, or the exit code after the error line.
using TBookLoader = std::function<int(const std::string& File, const std::string& Password, bool PasswordGiven,
                                      TBookLists& Lists, TCliPrompts& Prompts, TFileManager& Manager)>;

extern const char* const ExportUsage;

// Exit codes as the other commands: 0 written, 1 the book or the output failed, 2 password, 64 usage.
int ExportCommand(int Argc, char** Argv, const TBookLoader& Load);
