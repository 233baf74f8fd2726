#pragma once
// Where the program's folders are on this system.
//
// "InstDir" is the program's read-only data folder (help pages, wizard files): under the install
// prefix (<prefix>/share/quimbelbooks beside <prefix>/bin) or, when run from the build tree, the
// source tree's data/ folder. The install prefix is not writable, so the options files and the
// Books folders live in the user's data folder (~/.local/share/QuimbelBooks).
#include <string>

// The read-only data folder, without a trailing separator; empty when none can be found.
// Looked for in this order: $QB_DATA_DIR, <folder of the program>/../share/quimbelbooks, the
// source tree's data/ folder this build came from.
std::string FindInstDir();

// The user's data folder for the options files and books ($QB_USER_DATA_DIR when set, else the
// application data location, normally ~/.local/share/QuimbelBooks); created when missing.
std::string UserDataDir();

// The options file for a screen of that width: "Options.Dat" when wider than 640 pixels, else
// "Options640.Dat", in Folder.
std::string OptionsFilePath(const std::string& Folder, int ScreenWidth);
bool IsSmallScreenOptionsFile(const std::string& Path);  // names "Options640.Dat"

// Initial folder of the open and save dialogs, and the example books below it; both are created
// when missing.
std::string BooksFolder(const std::string& UserFolder);
std::string ExampleFolder(const std::string& UserFolder);
