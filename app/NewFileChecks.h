#pragma once
// The checks of "Make New File" in the "New File from Exitsing File" dialog, without widgets.
#include <string>

enum TNewFromExCheck { nfOk, nfNoExisting, nfNameNotValid, nfNameInUse };

// The new file is the trimmed name plus ".qbk" in the existing file's folder; NewPath receives it
// (also when it is already in use).
TNewFromExCheck CheckNewFromExisting(const std::string& ExistingFile, const std::string& TypedName, std::string& NewPath);

// The information message for a failed check (empty for nfOk).
std::string NewFromExMessage(TNewFromExCheck Check);

// Characters the name box refuses: " * . / : < > ? \ |
bool NewFileNameCharRefused(char32_t C);
constexpr int NewFileNameMaxLength = 150;
