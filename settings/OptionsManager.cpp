#include "OptionsManager.h"

#include "AppPaths.h"
#include "DefaultColumnSets.h"
#include "FileType.h"
#include "FontCheck.h"
#include "Registry.h"
#include "WorksheetColours.h"

#include <filesystem>
#include <memory>

const char* const OptionValueNames[OptionCount] = {
    "NewTransDateOption", "FontWarn",  "ShowWelcome",           "AutoBak",       "Gradients",
    "OpenToLast",         "IncludeDisabledInCalc", "NewTransDisabled", "BalanceEndDay"};

const char* const MsgNoInstDir = "Unable to determine intallation dir.  Re-Install Quimbel Books to fix this";
const char* const MsgCreateFileFailed = "Unable to create Structured storage file.";
const char* const MsgCreateSubFileFailed = "Unable to create Structured storage sub file.";
const char* const MsgOptionsReadError =
    "There has been a disk error while reading the Worksheet options file.  Make sure your hard drive is free of "
    "errors.  You may need to re-install Quimbel Books to correct this error.";
const char* const MsgOptionsWriteError =
    "There has been a disk error while writing the Worksheet options file.  Make sure your hard drive is free of "
    "errors.  You may need to re-install Quimbel Books to correct this error.";

namespace {

std::unique_ptr<TRegistry> AppKey() {
  std::unique_ptr<TRegistry> reg;
  OpenAppKey(reg);  // a key that cannot be made reads as missing values
  return reg;
}

// The grid look a new options file gets when no grid is connected.
TGridSettings DesignedGrid() { return TGridSettings{0x00A0A0A0u, "Arial", 8, 0}; }

}  // namespace

TOptionsManager::TOptionsManager(TOptionsEnvironment Env) : env_(std::move(Env)) {
  InstDir = env_.InstDir.empty() ? FindInstDir() : env_.InstDir;
  if (InstDir.empty()) Messenger().ShowMessage(TMsgKind::Information, MsgNoInstDir);
  userDir_ = env_.UserDataDir.empty() ? UserDataDir() : env_.UserDataDir;
  std::error_code ec;
  std::filesystem::create_directories(userDir_, ec);  // a failure shows when the file is made
  OptionsFileName = OptionsFilePath(userDir_, ScreenWidth());
  if (env_.RegisterFileType)
    env_.RegisterFileType();
  else
    RegisterFileType(InstDir);
}

int TOptionsManager::ScreenWidth() const { return env_.ScreenWidth ? env_.ScreenWidth() : PrimaryScreenWidth(); }

TMessenger& TOptionsManager::Messenger() const { return env_.Messenger ? *env_.Messenger : AppMessenger(); }

bool TOptionsManager::GetOption(int Index) {
  if (Index < 0 || Index >= OptionCount) return false;
  auto reg = AppKey();
  if (auto v = reg->ReadInteger(OptionValueNames[Index])) return *v != 0;
  reg->WriteInteger(OptionValueNames[Index], 1);
  return true;
}

void TOptionsManager::SetOption(int Index, bool Value) {
  if (Index < 0 || Index >= OptionCount) return;
  AppKey()->WriteInteger(OptionValueNames[Index], Value ? 1 : 0);
}

TGridSettings TOptionsManager::GridAppearance() const { return Grid ? Grid->Appearance() : DesignedGrid(); }

void TOptionsManager::CreateFromBuiltIns() {
  switch (CreateOptionsFile(OptionsFileName)) {
    case TOptionsFileResult::Ok:
      break;
    case TOptionsFileResult::FileFailed:
      Messenger().ShowMessage(TMsgKind::Information, MsgCreateFileFailed);
      break;
    case TOptionsFileResult::SubFileFailed:
      Messenger().ShowMessage(TMsgKind::Information, MsgCreateSubFileFailed);
      break;
  }
  // Both sets start as the program's own worksheet settings, whatever the worksheets show now.
  std::array<TColumns, OptionsWorksheetCount> builtIn;
  TColumnSetRefs refs{};
  for (int i = 0; i < OptionsWorksheetCount; ++i) {
    LoadDefaultColumns(i, builtIn[std::size_t(i)]);
    refs[std::size_t(i)] = &builtIn[std::size_t(i)];
  }
  const TGridSettings grid = GridAppearance();
  for (int set = 0; set < OptionsSetCount; ++set) {
    if (!WriteOptionsSet(OptionsFileName, set, refs, grid, ColourMode)) {
      OptionsError = true;
      Messenger().ShowMessage(TMsgKind::Error, MsgOptionsWriteError);
      break;
    }
  }
}

void TOptionsManager::StartUp() {
  std::error_code ec;
  if (!std::filesystem::exists(OptionsFileName, ec)) CreateFromBuiltIns();
  auto reg = AppKey();
  auto set = reg->ReadInteger("Options");
  if (!set) reg->WriteInteger("Options", 0);
  SelectSet(set && *set == 1 ? 1 : 0);
}

void TOptionsManager::SelectSet(int Set) {
  CurrentSet = Set == 1 ? 1 : 0;
  LoadSet();
}

void TOptionsManager::LoadSet() {
  TColumnSetRefs refs{};
  for (int i = 0; i < OptionsWorksheetCount; ++i) refs[std::size_t(i)] = Columns[std::size_t(i)];
  const TOptionsReadResult r = ReadOptionsSet(OptionsFileName, CurrentSet, refs);
  // Colours of what was read follow the display.
  for (int i = 0; i < r.ColumnsRead; ++i) {
    if (ColourMode == cmPalette256)
      ApplyPaletteColours(*Columns[std::size_t(i)]);
    else if (ColourMode == cm16Colour)
      ApplyStandardColours(i, *Columns[std::size_t(i)]);
  }
  if (r.GridRead && Grid) Grid->SetAppearance(r.Grid);
  if (r.Ok) return;
  OptionsError = true;
  if (ColourMode == cmPalette256)
    for (int i = 0; i < OptionsWorksheetCount; ++i)
      if (Columns[std::size_t(i)]) ApplyStandardColours(i, *Columns[std::size_t(i)]);
  Messenger().ShowMessage(TMsgKind::Error, MsgOptionsReadError);
}

void TOptionsManager::SaveSet(int Set) {
  TColumnSetRefs refs{};
  for (int i = 0; i < OptionsWorksheetCount; ++i) refs[std::size_t(i)] = Columns[std::size_t(i)];
  if (!WriteOptionsSet(OptionsFileName, Set, refs, GridAppearance(), ColourMode)) {
    OptionsError = true;
    Messenger().ShowMessage(TMsgKind::Error, MsgOptionsWriteError);
  }
}

void TOptionsManager::StoreCurrentSet() { AppKey()->WriteInteger("Options", CurrentSet); }

void TOptionsManager::RestoreWindow() {
  if (!MainForm) return;
  auto reg = AppKey();
  const TWindowBounds current = MainForm->NormalBounds();
  if (!reg->ValueExists("WindowX")) {
    reg->WriteInteger("WindowState", 0);
    reg->WriteInteger("WindowX", current.Left);
    reg->WriteInteger("WindowY", current.Top);
    reg->WriteInteger("WindowWidth", current.Width);
    reg->WriteInteger("WindowHeight", current.Height);
  }
  // A value lost from the store falls back to the window's own, not to zero.
  TWindowBounds b;
  b.Left = reg->ReadInteger("WindowX").value_or(current.Left);
  b.Top = reg->ReadInteger("WindowY").value_or(current.Top);
  b.Width = reg->ReadInteger("WindowWidth").value_or(current.Width);
  b.Height = reg->ReadInteger("WindowHeight").value_or(current.Height);
  if (b.Width <= 0) b.Width = current.Width;
  if (b.Height <= 0) b.Height = current.Height;
  MainForm->SetNormalBounds(b);
  if (reg->ReadInteger("WindowState").value_or(0) == 2) MainForm->ShowMaximized();
}

void TOptionsManager::StoreWindow() {
  if (!MainForm) return;
  const TWindowShowState state = MainForm->ShowState();
  if (state == TWindowShowState::Minimized) return;
  auto reg = AppKey();
  reg->WriteInteger("WindowState", state == TWindowShowState::Maximized ? 2 : 0);
  if (state == TWindowShowState::Maximized) return;
  const TWindowBounds b = MainForm->NormalBounds();
  reg->WriteInteger("WindowX", b.Left);
  reg->WriteInteger("WindowY", b.Top);
  reg->WriteInteger("WindowWidth", b.Width);
  reg->WriteInteger("WindowHeight", b.Height);
}

bool TOptionsManager::CheckScreenSize() {
  const bool small = ScreenWidth() <= 640;
  if (small == IsSmallScreenOptionsFile(OptionsFileName)) return false;
  OptionsFileName = OptionsFilePath(userDir_, ScreenWidth());
  // No installer puts the file for the other screen size in place here, so it is made on first use.
  std::error_code ec;
  if (!std::filesystem::exists(OptionsFileName, ec)) CreateFromBuiltIns();
  LoadSet();
  return true;
}

void TOptionsManager::CheckFont() {
  const bool available = env_.FontAvailable ? env_.FontAvailable() : ArialFontAvailable();
  if (available || !GetOption(optFontWarn)) return;
  if (!env_.ShowFontWarning) return;
  const bool dontShowAgain = env_.ShowFontWarning();
  SetOption(optFontWarn, !dontShowAgain);
}

int TOptionsManager::WelcomeWanted() {
  if (!GetOption(optShowWelcome) || !env_.ShowWelcome) return -1;
  return env_.ShowWelcome();
}

std::string TOptionsManager::WizardFolder() const { return InstDir + "/Wizard Files"; }
std::string TOptionsManager::BooksFolder() const { return ::BooksFolder(userDir_); }
std::string TOptionsManager::ExampleFolder() const { return ::ExampleFolder(userDir_); }
