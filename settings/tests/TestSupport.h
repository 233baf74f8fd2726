#pragma once
// Shared fakes of the settings tests: a message recorder, a grid, a main window, and a settings
// store and user folder of their own for each test.
#include "Messenger.h"
#include "OptionsHooks.h"
#include "SettingsStore.h"

#include <QTemporaryDir>

#include <string>
#include <utility>
#include <vector>

class TRecordingMessenger : public TMessenger {
 public:
  void ShowMessage(TMsgKind Kind, const std::string& Text) override { Messages.emplace_back(Kind, Text); }
  std::vector<std::pair<TMsgKind, std::string>> Messages;
};

class TFakeGrid : public TOptionsGrid {
 public:
  TGridSettings Settings{0x00808080u, "Arial", 8, 0};
  int Sets = 0;
  TGridSettings Appearance() const override { return Settings; }
  void SetAppearance(const TGridSettings& s) override {
    Settings = s;
    ++Sets;
  }
};

class TFakeWindow : public TWindowPlacement {
 public:
  TWindowBounds Bounds{10, 20, 640, 480};
  TWindowShowState State = TWindowShowState::Normal;
  bool Maximized = false;
  TWindowBounds NormalBounds() const override { return Bounds; }
  TWindowShowState ShowState() const override { return State; }
  void SetNormalBounds(const TWindowBounds& b) override { Bounds = b; }
  void ShowMaximized() override { Maximized = true; }
};

// A temporary settings store file and user data folder, removed afterwards.
class TTempSettings {
 public:
  TTempSettings() { SetSettingsStoreFile((dir.path() + "/config/QuimbelBooks.conf").toStdString()); }
  ~TTempSettings() { SetSettingsStoreFile({}); }
  std::string UserDir() const { return (dir.path() + "/data").toStdString(); }
  std::string Path(const char* name) const { return (dir.path() + "/" + name).toStdString(); }
  QTemporaryDir dir;
};
