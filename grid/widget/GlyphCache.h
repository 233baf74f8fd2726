#pragma once
// Fast measuring and drawing of short cell texts: for characters up to U+00FF the glyph and
// advance of the grid font are looked up once, so a cell needs no text shaping. Text with other
// characters (or characters the font lacks) is left to QPainter's full text path.
#include <QFont>
#include <QRawFont>
#include <QVector>
#include <array>

class QPainter;

class TGlyphCache {
 public:
  void SetFont(const QFont& font);
  bool Valid() const { return valid_; }
  // Width in pixels, or -1 when the fast path cannot take the text.
  int Width(const QString& text) const;
  // Draws text starting at the baseline point; false when the fast path cannot take it.
  bool Draw(QPainter& p, QPointF baseline, const QString& text) const;

 private:
  QFont font_;
  QRawFont raw_;
  bool valid_ = false;
  std::array<quint32, 256> glyph_{};
  std::array<qreal, 256> advance_{};
  mutable QVector<quint32> glyphs_;
  mutable QVector<QPointF> positions_;
};
