#pragma once
// The grid's row background strips of one column set: one strip per drawing kind (normal,
// highlighted, disabled, opening balance, transfer), gradients already drawn, plus the text
// colour of every visible column in each kind. Key tells what it was built for.
#include "GridInfo.h"

#include <QColor>
#include <QImage>
#include <array>
#include <cstdint>
#include <vector>

class TQtRowBackgroundCache : public TRowBackgroundCache {
 public:
  void Resize(int width, int height) override {
    image = QImage(qMax(1, width), qMax(1, height), QImage::Format_RGB32);
    key = 0;
  }

  QImage image;
  std::uint64_t key = 0;
  std::vector<std::array<QColor, 5>> textColours;  // by collection position
};
