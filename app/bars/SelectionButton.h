#pragma once
// A selection button: inactive it starts a new selection; active (blue with white text) it drops
// its pop-up.
#include <QPushButton>

class QMenu;

class TSelectionButton : public QPushButton {
  Q_OBJECT
 public:
  TSelectionButton(const QString& caption, const QString& hint, QWidget* parent = nullptr);

  void SetActive(bool active, QMenu* popup);
  bool Active() const { return active_; }
  QMenu* Popup() const { return popup_; }

 signals:
  void NewRequested();  // clicked while inactive

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  bool active_ = false;
  QMenu* popup_ = nullptr;
};
