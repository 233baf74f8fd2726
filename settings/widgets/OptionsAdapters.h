#pragma once
// The options manager's view of the worksheet grid and of the main window.
#include "OptionsHooks.h"

class QWidget;
class TGrid3;

class TGrid3Appearance : public TOptionsGrid {
 public:
  explicit TGrid3Appearance(TGrid3* Grid) : grid_(Grid) {}
  TGridSettings Appearance() const override;
  void SetAppearance(const TGridSettings& Settings) override;

 private:
  TGrid3* grid_;
};

class TWidgetPlacement : public TWindowPlacement {
 public:
  explicit TWidgetPlacement(QWidget* Window) : window_(Window) {}
  TWindowBounds NormalBounds() const override;
  TWindowShowState ShowState() const override;
  void SetNormalBounds(const TWindowBounds& Bounds) override;
  void ShowMaximized() override;

 private:
  QWidget* window_;
};
