#pragma once
// The tool bar of the main window: eight buttons with bold captions and four separators, placed
// at fixed positions in one of two layouts chosen by the screen width.
#include <QWidget>
#include <array>

class QFrame;
class QMenu;
class QToolButton;

class TMainToolBar : public QWidget {
  Q_OBJECT
 public:
  enum TButton { TransBtn, ActBtn, GrpBtn, ToolsBtn, GraphBtn, PrintBtn, OptionBtn, HelpBtn };
  explicit TMainToolBar(QWidget* parent = nullptr);

  QToolButton* Button(TButton b) const { return buttons_[b]; }
  // Wide layout (screen 800 pixels or more) or narrow; applied when forced or when it differs.
  void ApplyLayout(int screenWidth, bool force);
  bool Wide() const { return wide_; }
  int PanelsTop() const { return wide_ ? 36 : 43; }
  int TabsTop() const { return wide_ ? 70 : 78; }

 private:
  std::array<QToolButton*, 8> buttons_{};
  std::array<QFrame*, 4> bevels_{};
  bool wide_ = true;
  bool laidOut_ = false;
};
