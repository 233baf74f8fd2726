#pragma once
// Where the program finds its read-only data (help pages) and the user's book folders.
#include <QString>

// The folder holding help/, icons/ ...: $QB_DATA_DIR, the installed share folder, or the
// source tree's data/ when run from the build tree.
QString DataFolder();
// The help page for a help context (the contents page for 0 and the window contexts).
QString HelpPage(int context = 0);
// Opens the help in the desktop's browser; false when no page or no browser was found.
bool OpenHelp(int context = 0);
// The user's "Books" folder and its "Example Files" sub-folder (the installation's "Books").
QString BooksFolder();
QString ExampleBooksFolder();
