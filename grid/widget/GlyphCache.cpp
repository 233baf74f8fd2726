#include "GlyphCache.h"

#include <QGlyphRun>
#include <QPainter>
#include <cmath>

void TGlyphCache::SetFont(const QFont& font) {
  if (valid_ && font == font_) return;
  font_ = font;
  raw_ = QRawFont::fromFont(font);
  valid_ = raw_.isValid();
  if (!valid_) return;
  QChar chars[256];
  for (int i = 0; i < 256; ++i) chars[i] = QChar(i);
  int n = 256;
  QVector<quint32> idx(256);
  if (!raw_.glyphIndexesForChars(chars, 256, idx.data(), &n) || n != 256) {
    valid_ = false;
    return;
  }
  QVector<QPointF> adv(256);
  raw_.advancesForGlyphIndexes(idx.constData(), adv.data(), 256, QRawFont::UseDesignMetrics);
  for (int i = 0; i < 256; ++i) {
    glyph_[std::size_t(i)] = idx[i];
    advance_[std::size_t(i)] = adv[i].x();
  }
}

int TGlyphCache::Width(const QString& text) const {
  if (!valid_) return -1;
  qreal w = 0;
  for (QChar c : text) {
    const ushort u = c.unicode();
    if (u > 0xFF || (glyph_[u] == 0 && u >= 0x20)) return -1;
    w += advance_[u];
  }
  return int(std::ceil(w));
}

bool TGlyphCache::Draw(QPainter& p, QPointF baseline, const QString& text) const {
  if (!valid_) return false;
  glyphs_.resize(text.size());
  positions_.resize(text.size());
  qreal x = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const ushort u = text[i].unicode();
    if (u > 0xFF || (glyph_[u] == 0 && u >= 0x20)) return false;
    glyphs_[i] = glyph_[u];
    positions_[i] = QPointF(x, 0);
    x += advance_[u];
  }
  QGlyphRun run;
  run.setRawFont(raw_);
  run.setGlyphIndexes(glyphs_);
  run.setPositions(positions_);
  p.drawGlyphRun(baseline, run);
  return true;
}
