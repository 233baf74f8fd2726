#include "Bevel.h"

#include <QPainter>

void DrawBevel(bool Raised, int Width, QPainter& Canvas, const QColor& First, const QColor& Second, const QRect& Rect) {
  const QColor& TopLeft = Raised ? First : Second;
  const QColor& BottomRight = Raised ? Second : First;
  QRect R = Rect;
  for (int I = 0; I < Width && R.width() > 1 && R.height() > 1; ++I) {
    Canvas.fillRect(QRect(R.left(), R.top(), R.width(), 1), TopLeft);
    Canvas.fillRect(QRect(R.left(), R.top(), 1, R.height()), TopLeft);
    Canvas.fillRect(QRect(R.left(), R.bottom(), R.width(), 1), BottomRight);
    Canvas.fillRect(QRect(R.right(), R.top() + 1, 1, R.height() - 1), BottomRight);
    R.adjust(1, 1, -1, -1);
  }
}
