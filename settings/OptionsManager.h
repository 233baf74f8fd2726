#pragma once
// The program's settings: the worksheet sets of the options file and the values under the
// program's key in the settings store (window placement, the nine options, the set in force).
#include "GridInfo.h"
#include "Messenger.h"
#include "OptionsFile.h"
#include "OptionsHooks.h"

#include <array>
#include <functional>
#include <string>

// The nine on/off options, by index.
enum TOptionIndex {
  optNewTransDate = 0,
  optFontWarn = 1,
  optShowWelcome = 2,
  optAutoBak = 3,
  optGradients = 4,
  optOpenToLast = 5,
  optIncludeDisabledInCalc = 6,
  optNewTransDisabled = 7,
  optBalanceEndDay = 8,
};
constexpr int OptionCount = 9;
extern const char* const OptionValueNames[OptionCount];

// Everything the manager takes from its surroundings; the defaults are the real ones.
struct TOptionsEnvironment {
  std::string InstDir;          // empty: FindInstDir()
  std::string UserDataDir;      // where the options files go; empty: UserDataDir()
  std::function<int()> ScreenWidth;            // width of the screen in pixels; unset: the primary screen's
  std::function<void()> RegisterFileType;      // unset: the desktop registration of *.qbk
  std::function<bool()> FontAvailable;         // unset: ArialFontAvailable()
  // Shows the font warning; returns whether "Don't display this message again" was ticked.
  std::function<bool()> ShowFontWarning;
  std::function<int()> ShowWelcome;            // the welcome screen's result
  TMessenger* Messenger = nullptr;             // unset: AppMessenger()
};

class TOptionsManager {
 public:
  // Construction: finds the installation folder (message when there is none), picks the options
  // file for the screen width, and registers the book file type.
  explicit TOptionsManager(TOptionsEnvironment Env = {});

  std::string OptionsFileName;
  std::array<TColumns*, OptionsWorksheetCount> Columns{};  // set by the main window before StartUp
  TOptionsGrid* Grid = nullptr;
  TWindowPlacement* MainForm = nullptr;
  TColourMode ColourMode = ::ColourMode;
  int CurrentSet = 0;
  std::string InstDir;
  bool OptionsError = false;
  std::string LastFile;  // the last used book, kept here by the welcome screen

  bool GetOption(int Index);
  void SetOption(int Index, bool Value);

  void StartUp();
  void SelectSet(int Set);
  void LoadSet();
  void SaveSet(int Set);
  void StoreCurrentSet();
  void RestoreWindow();
  void StoreWindow();
  bool CheckScreenSize();
  void CheckFont();
  int WelcomeWanted();
  std::string WizardFolder() const;
  std::string BooksFolder() const;
  std::string ExampleFolder() const;
  const std::string& UserFolder() const { return userDir_; }

 private:
  int ScreenWidth() const;
  TMessenger& Messenger() const;
  // A new options file holding the built-in worksheet sets, and the grid's look, as both sets.
  void CreateFromBuiltIns();
  TGridSettings GridAppearance() const;

  TOptionsEnvironment env_;
  std::string userDir_;
};

// The fixed texts.
extern const char* const MsgNoInstDir;
extern const char* const MsgCreateFileFailed;
extern const char* const MsgCreateSubFileFailed;
extern const char* const MsgOptionsReadError;
extern const char* const MsgOptionsWriteError;
