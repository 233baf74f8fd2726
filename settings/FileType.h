#pragma once
// Makes *.qbk files known to the desktop: a shared-mime-info type and a desktop entry for the
// program (with its icon) in the user's data folder, once, when the type is not known yet.
#include <functional>
#include <string>

enum class TFileTypeResult { AlreadyKnown, Installed, Failed };

struct TFileTypeSetup {
  std::string DataHome;      // the user's data folder; empty: $XDG_DATA_HOME or ~/.local/share
  std::string ProgramPath;   // the program the desktop entry starts; empty: this program
  std::function<bool()> TypeKnown;  // unset: the MIME database knows a type for "*.qbk"
  bool UpdateCaches = true;  // run update-mime-database / update-desktop-database when present
};

// InstDir holds quimbelbooks.desktop, mime/quimbelbooks.xml and icons/quimbelbooks.svg.
// Writes nothing when the type is known already.
TFileTypeResult RegisterFileType(const std::string& InstDir, const TFileTypeSetup& Setup = {});
bool QbkTypeKnown();
