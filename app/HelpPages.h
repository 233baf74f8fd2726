#pragma once
// The user guide: HTML pages in the program's data folder, opened in the desktop's browser.
#include <QString>

// The page for a help context (every context leads to the contents page for now).
QString HelpPage(int context = 0);
// False when the page or a browser could not be found.
bool OpenHelp(int context = 0);
// The program's read-only data folder (help, icons).
QString DataFolder();
