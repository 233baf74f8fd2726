#pragma once
// What the options manager needs of the main window and the worksheet grid. The main window
// implements these over its widgets (settings/widgets has adapters); tests use plain fakes.
#include "OptionsFile.h"

#include <cstdint>

// The worksheet grid's line colour and font.
class TOptionsGrid {
 public:
  virtual ~TOptionsGrid() = default;
  virtual TGridSettings Appearance() const = 0;
  // Sets the line colour, and a font copied from the grid's current one with the given name,
  // size and style (default character set).
  virtual void SetAppearance(const TGridSettings& Settings) = 0;
};

struct TWindowBounds {
  std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;
  bool operator==(const TWindowBounds&) const = default;
};
enum class TWindowShowState { Normal, Minimized, Maximized };

// The main window's placement.
class TWindowPlacement {
 public:
  virtual ~TWindowPlacement() = default;
  // The bounds in the normal state (before the window is first shown: its designed bounds).
  virtual TWindowBounds NormalBounds() const = 0;
  virtual TWindowShowState ShowState() const = 0;
  virtual void SetNormalBounds(const TWindowBounds& Bounds) = 0;
  virtual void ShowMaximized() = 0;
};
