#pragma once
// Base of the grid's controls: a plain widget that reports the mouse entering and leaving.
#include <QWidget>

class TCustomControlEx : public QWidget {
  Q_OBJECT
 public:
  explicit TCustomControlEx(QWidget* parent = nullptr) : QWidget(parent) { setMouseTracking(true); }
  bool MouseInside() const { return inside_; }

 protected:
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  void enterEvent(QEnterEvent*) override { inside_ = true; MouseEnter(); }
  void leaveEvent(QEvent*) override { inside_ = false; MouseLeave(); }

 private:
  bool inside_ = false;
};
