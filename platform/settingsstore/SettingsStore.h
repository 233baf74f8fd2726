#pragma once
// Where the settings store keeps its file. Every TRegistry reads and writes this one file, so
// values written by one accessor are seen by the next at once (also across processes).
#include <string>

// The store's file: the override when one is set, else $QB_SETTINGS_FILE when set, else
// "<XDG config folder>/QuimbelSoftware/QuimbelBooks.conf".
std::string SettingsStoreFile();
// Tests and tools point the store at a file of their own; an empty path restores the default.
void SetSettingsStoreFile(const std::string& Path);
