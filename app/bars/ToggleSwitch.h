#pragma once
// A small on/off switch; "down" (checked) is on.
#include <QAbstractButton>

class TToggleSwitch : public QAbstractButton {
  Q_OBJECT
 public:
  explicit TToggleSwitch(QWidget* parent = nullptr);
  QSize sizeHint() const override { return {36, 18}; }

 protected:
  void paintEvent(QPaintEvent*) override;
};
