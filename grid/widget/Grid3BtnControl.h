#pragma once
// The row-button column: a corner button beside the title row, one button per visible row,
// and a corner button beside the totals row.
#include "CustomControlEx.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <functional>
#include <vector>

class TGrid3BtnControl : public TCustomControlEx {
  Q_OBJECT
 public:
  static constexpr int TopHeight = 26;
  static constexpr int BottomHeight = 28;
  static constexpr int RowHeight = 20;
  static constexpr int TopButton = -1;
  static constexpr int BottomButton = -2;
  static constexpr int NoButton = -3;

  explicit TGrid3BtnControl(QWidget* parent = nullptr);

  // Buttons shown for rows 0..n-1 of the screen; colours by screen row (invalid = shade).
  void SetButtons(int count, std::vector<QColor> colours);
  int ButtonCount() const { return count_; }
  void SetColours(const QColor& background, const QColor& shade);
  void SetLocked(bool locked);
  int ButtonAt(QPoint p) const;  // screen row, TopButton, BottomButton or NoButton
  QRect ButtonRect(int button) const;

  // Pressed and released on the same button.
  std::function<void(int button)> OnClick;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void MouseLeave() override;
  void resizeEvent(QResizeEvent*) override { faces_.clear(); }

 private:
  int count_ = 0;
  std::vector<QColor> colours_;
  QColor background_, shade_;
  bool locked_ = false;
  int hot_ = NoButton, pressed_ = NoButton;
  QHash<QRgb, QImage> faces_;  // row buttons at rest, by colour: a row of buttons is mostly copies
};
