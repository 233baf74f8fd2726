// Drawing of the grid: row background strips, rows into the row buffer, titles and totals
// into the title buffer, and the screen from those buffers.
#include "ColourValues.h"
#include "ColumnTitleHint.h"
#include "Grid3.h"
#include "GridColours.h"
#include "GridPictures.h"
#include "RowBackgroundCache.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

bool OwnColoursLink(int link) { return link >= 9 && link <= 11; }

// The cell is already the column less its grid lines; the text keeps one pixel off each side.
constexpr int TextInset = 1;

}  // namespace

TQtRowBackgroundCache* TGrid3::Cache() const {
  return info_ ? dynamic_cast<TQtRowBackgroundCache*>(info_->RowCache()) : nullptr;
}

// Rebuilds the strips when the columns, colours or scheme changed since they were drawn;
// true when it rebuilt them.
bool TGrid3::EnsureBackgrounds() {
  TQtRowBackgroundCache* cache = Cache();
  if (!cache) return false;
  std::uint64_t h = 1469598103934665603ull;
  auto mix = [&h](std::uint64_t v) { h = (h ^ v) * 1099511628211ull; };
  mix(ToQColor(gridColor_).rgb());
  mix(background_.rgb());
  mix(transferColour_.rgb());
  mix(std::uint64_t(gradients_) | std::uint64_t(lowColour_) << 1);
  mix(std::uint64_t(std::uint32_t(BalLinkIndex)));
  mix(std::uint64_t(info_->ExtraRowKinds()));
  mix(std::uint64_t(cache->image.width()) << 32 | std::uint64_t(cache->image.height()));
  const TColumns& c = info_->ColInfo;
  for (int i = 0; i < c.Count(); ++i) {
    const TColProperty& col = c.Items(i);
    mix(std::uint64_t(col.Visible) | std::uint64_t(std::uint32_t(col.Width)) << 1);
    mix(std::uint64_t(col.Color) << 32 | col.FontCol);
    mix(std::uint64_t(std::uint32_t(col.LinkIndex)));
  }
  if (h == 0) h = 1;
  if (h == cache->key) return false;
  BuildRowBackgrounds();
  cache->key = h;
  return true;
}

void TGrid3::BuildRowBackgrounds() {
  TQtRowBackgroundCache* cache = Cache();
  if (!cache) return;
  const TColumns& c = info_->ColInfo;
  const int need = qMax(c.MaxWidthSum(), c.VisibleWidth());
  if (cache->image.width() < need || cache->image.height() < info_->CacheHeight())
    cache->Resize(need, info_->CacheHeight());
  cache->key = 0;

  const int kinds = qMin(5, 3 + info_->ExtraRowKinds());
  const QColor line = ToQColor(gridColor_);
  const QColor hiBack = ToQColor(clHighlight), hiText = ToQColor(clHighlightText);
  const QColor shadow = ToQColor(clBtnShadow), btnHi = ToQColor(clBtnHighlight);
  const QColor balBack = ToQColor(c.ColourOfLink(BalLinkIndex));
  const QColor balText = ToQColor(c.FontColourOfLink(BalLinkIndex));

  cache->textColours.assign(std::size_t(c.Count()), {});
  QPainter p(&cache->image);
  p.fillRect(cache->image.rect(), background_);
  for (int k = 0; k < kinds; ++k) {
    const int y = k * RowHeight;
    int x = 0;
    for (int i = 0; i < c.Count(); ++i) {
      const TColProperty& col = c.Items(i);
      if (!col.Visible) continue;
      const QColor own = ToQColor(col.Color), ownText = ToQColor(col.FontCol);
      const bool keep = OwnColoursLink(col.LinkIndex);
      QColor fill, text;
      bool gradient = gradients_;
      switch (k) {
        case dkHighlighted:
          fill = lowColour_ ? hiBack : ShiftedColour(own, 80, true);
          text = lowColour_ ? hiText : ShiftedColour(ownText, 70, true);
          gradient = false;
          break;
        case dkDisabled:
          fill = lowColour_ ? shadow : ShiftedColour(own, 30, false);
          text = lowColour_ ? btnHi : ShiftedColour(ownText, 30, false);
          gradient = false;
          break;
        case dkOpeningBalance:
          fill = keep ? own : balBack;
          text = keep ? ownText : balText;
          break;
        case dkTransfer:
          fill = keep ? own : transferColour_;
          text = keep ? ownText : QColor(Qt::black);
          break;
        default:
          fill = own;
          text = ownText;
      }
      cache->textColours[std::size_t(i)][std::size_t(k)] = text;
      const int w = col.Width;
      const QRect inside(x + 1, y, qMax(0, w - 3), RowHeight);
      if (gradient) {
        QLinearGradient g(inside.left(), 0, inside.right() + 1, 0);
        g.setColorAt(0, fill);
        g.setColorAt(1, Qt::white);
        p.fillRect(inside, g);
      } else {
        p.fillRect(inside, fill);
      }
      p.fillRect(QRect(x, y, 1, RowHeight), line);
      if (w >= 2) p.fillRect(QRect(x + w - 2, y, 1, RowHeight), line);
      if (w >= 1) p.fillRect(QRect(x + w - 1, y, 1, RowHeight), Qt::black);
      p.fillRect(QRect(x, y, w, 1), line);
      x += w;
    }
  }
}

// Draws one row of the screen straight from its background strip: p is the widget's painter.
void TGrid3::PaintRow(QPainter& p, const std::vector<VisCol>& cols, int screenRow) {
  const QRect d = DataRect();
  const int y = RowsTop() + screenRow * RowHeight;
  const int row = firstRow_ + screenRow;
  TQtRowBackgroundCache* cache = Cache();
  if (!cache || row >= rowCount_ || noData_) {
    p.fillRect(QRect(d.left(), y, d.width(), RowHeight), background_);
    return;
  }

  for (QString& s : rowTexts_) s.clear();
  TColor rowColour = 0;
  int kind = rkNormal;
  bool enabled = true;
  if (OnGetText) OnGetText(row, rowTexts_, rowColour, kind, enabled);

  const int forced = forcedKinds_.value(row, -1);
  int draw = dkNormal;
  if (forced == dkHighlighted) draw = dkHighlighted;
  else if (kind == rkOpeningBalance) draw = dkOpeningBalance;
  else if (kind == rkTransfer) draw = dkTransfer;
  else if (!enabled || forced == dkDisabled) draw = dkDisabled;
  if (draw >= 3 + info_->ExtraRowKinds()) draw = enabled ? dkNormal : dkDisabled;

  const int xFirst = info_->ColInfo.WidthBefore(firstCol_);
  const int copy = qMax(0, qMin(d.width(), cache->image.width() - xFirst));
  p.drawImage(QPoint(d.left(), y), cache->image, QRect(xFirst, draw * RowHeight, copy, RowHeight));
  if (copy < d.width()) p.fillRect(QRect(d.left() + copy, y, d.width() - copy, RowHeight), background_);

  // A row the owner marks "-1" has no record behind it: only its background.
  if (!rowTexts_.isEmpty() && rowTexts_.first() == QLatin1String("-1")) return;

  for (const VisCol& vc : cols) {
    if (vc.left >= d.width()) break;
    const TColProperty& col = info_->ColInfo.Items(vc.pos);
    if (col.LinkIndex < 0 || col.LinkIndex >= rowTexts_.size()) continue;
    const QString& text = rowTexts_[col.LinkIndex];
    if (text.isEmpty()) continue;
    DrawCellText(p, QRect(d.left() + vc.left + 1, y, vc.width - 3, RowHeight), col, text,
                 cache->textColours[std::size_t(vc.pos)][std::size_t(draw)], &glyphs_);
  }
}

namespace {

// What a cell shows for a text known not to fit in Avail pixels.
QString OverflowText(const QFontMetrics& fm, const QString& text, const TColProperty& col, int avail, int* align) {
  if (col.ShowTotal) {
    const int hashW = qMax(1, fm.horizontalAdvance(QLatin1Char('#')));
    *align = caRight;
    return QString(col.Width / hashW + 1, QLatin1Char('#'));
  }
  *align = col.Alignment;
  return fm.elidedText(text, Qt::ElideRight, qMax(0, avail));
}

}  // namespace

QString TGrid3::FitCellText(const QFontMetrics& fm, const QString& text, const TColProperty& col, int cellWidth,
                           int* align) {
  *align = col.Alignment;
  const int avail = cellWidth - 2 * TextInset;
  if (fm.horizontalAdvance(text) <= avail) return text;
  return OverflowText(fm, text, col, avail, align);
}

// One line of text in a cell, drawn over the background. Row cells go through the glyph cache;
// "#" marks are wider than the cell on purpose and are clipped to it.
void TGrid3::DrawCellText(QPainter& p, const QRect& cell, const TColProperty& col, QString text,
                          const QColor& colour, const TGlyphCache* glyphs) {
  if (cell.width() <= 0) return;
  const QFontMetrics fm = p.fontMetrics();
  auto measure = [&](const QString& s) {
    const int w = glyphs ? glyphs->Width(s) : -1;
    return w >= 0 ? w : fm.horizontalAdvance(s);
  };
  const int avail = cell.width() - 2 * TextInset;
  int align = col.Alignment;
  int tw = measure(text);
  bool clip = false;
  if (tw > avail) {
    clip = col.ShowTotal;
    text = OverflowText(fm, text, col, avail, &align);
    tw = measure(text);
  }
  int x;
  if (align == caRight) x = cell.right() + 1 - TextInset - 1 - tw;
  else if (align == caCentre) x = cell.left() + (cell.width() - tw) / 2;
  else x = cell.left() + TextInset;
  const int baseline = cell.top() + (cell.height() - fm.height()) / 2 + fm.ascent() + 1;
  p.setPen(colour);
  if (clip) {
    p.save();
    p.setClipRect(cell);
  }
  if (!glyphs || !glyphs->Draw(p, QPointF(x, baseline), text)) p.drawText(QPoint(x, baseline), text);
  if (clip) p.restore();
}

void TGrid3::ComposeTitles() {
  titleBuffer_.fill(background_);
  titlesValid_ = true;
  if (!info_) return;
  QPainter p(&titleBuffer_);
  p.setFont(font());
  p.setRenderHint(QPainter::Antialiasing);
  const QColor line = ToQColor(gridColor_);
  const QColor text = palette().color(QPalette::ButtonText);
  const QColor accent = palette().color(QPalette::Highlight);
  const auto cols = ShownColumns(true);
  int v = firstCol_;
  p.fillRect(QRect(0, TitleHeight - 1, titleBuffer_.width(), 1), line);
  for (const VisCol& vc : cols) {
    const TColProperty& col = info_->ColInfo.Items(vc.pos);
    const QRect r(vc.left, 0, vc.width, TitleHeight);
    // Title button: flat, tinted when hot, darker and shifted when pressed.
    QColor face = background_;
    if (pressedTitle_ == v) face = ShiftedColour(background_, 28, false);
    else if (hoverTitle_ == v && mode_ == Idle) face = QColor::fromRgbF(
        background_.redF() * 0.85 + accent.redF() * 0.15, background_.greenF() * 0.85 + accent.greenF() * 0.15,
        background_.blueF() * 0.85 + accent.blueF() * 0.15);
    p.fillRect(r.adjusted(0, 0, 0, -1), face);
    p.fillRect(QRect(r.right(), 4, 1, TitleHeight - 8), line);
    const bool sorted = col.AllowSort && col.SortIndex == info_->SortIndex && col.SortIndex >= 0;
    QRect tr = r.adjusted(4, 0, sorted ? -14 : -4, -1);
    if (pressedTitle_ == v) tr.translate(1, 1);
    p.setPen(text);
    p.drawText(tr, Qt::AlignCenter | Qt::TextSingleLine,
               p.fontMetrics().elidedText(QString::fromStdString(col.Title), Qt::ElideRight, tr.width()));
    if (sorted) {  // a small triangle: up for ascending, down for descending
      const QPointF c(r.right() - 9, r.center().y() + (pressedTitle_ == v ? 1 : 0));
      const qreal d = info_->SortDirection == sdAscending ? -1 : 1;
      QPainterPath tri;
      tri.moveTo(c.x() - 3.5, c.y() - d * 2);
      tri.lineTo(c.x() + 3.5, c.y() - d * 2);
      tri.lineTo(c.x(), c.y() + d * 2.5);
      tri.closeSubpath();
      p.fillPath(tri, text);
    }
    ++v;
  }

  // Totals row below, in the columns' own colours.
  p.setRenderHint(QPainter::Antialiasing, false);
  const int y = TitleHeight;
  p.fillRect(QRect(0, y, titleBuffer_.width(), 1), line);
  QFont bold = font();
  bold.setBold(true);
  p.setFont(bold);
  for (const VisCol& vc : cols) {
    const TColProperty& col = info_->ColInfo.Items(vc.pos);
    if (!col.ShowTotal) continue;
    const QRect r(vc.left, y + 1, vc.width, TotalsHeight - 1);
    p.fillRect(QRect(r.left() + 1, r.top(), r.width() - 3, r.height()), ToQColor(col.Color));
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), line);
    p.fillRect(QRect(r.right() - 1, r.top(), 1, r.height()), line);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), line);
    if (!col.TotalText.empty())
      DrawCellText(p, QRect(r.left() + 1, r.top(), r.width() - 3, r.height() - 1), col,
                   QString::fromStdString(col.TotalText), ToQColor(col.FontCol), nullptr);
  }
}

int TGrid3::ScreenRowAt(QPoint pt) const {
  const int y = pt.y() - RowsTop();
  if (y < 0 || pt.y() >= TotalsTop()) return -1;
  const int r = y / RowHeight;
  return r < visibleRows_ ? r : -1;
}

void TGrid3::PaintLockScreen(QPainter& p, const QRect& d) {
  p.fillRect(d, background_);
  const QImage& pic = lockGlyph_.isNull() ? builtInLock_ : lockGlyph_;
  p.save();
  p.setClipRect(d);
  p.drawImage(QPoint(d.left() + (d.width() - pic.width()) / 2, lockY_), pic);
  p.restore();
}

void TGrid3::PaintInsertMarker(QPainter& p) {
  const QRect d = DataRect();
  const int x = d.left() + markerX_;
  const QColor accent = palette().color(QPalette::Highlight);
  p.fillRect(QRect(x - 1, d.top(), 3, TotalsTop() - d.top()), accent);
  // "INSERT HERE" reads downwards, one letter a line, on a tag beside the line.
  const QString marker = QStringLiteral("I\rN\rS\rE\rR\rT\r \rH\rE\rR\rE");
  const QStringList letters = marker.split(QLatin1Char('\r'));
  QFont f = font();
  f.setBold(true);
  p.setFont(f);
  const QFontMetrics fm(f);
  const int lineH = fm.height() - 2;
  const int tagW = fm.horizontalAdvance(QLatin1Char('W')) + 8;
  const QRect tag(x + 3, RowsTop() + 4, tagW, lineH * int(letters.size()) + 8);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(accent);
  p.drawRoundedRect(QRectF(tag), 4, 4);
  p.setPen(palette().color(QPalette::HighlightedText));
  for (int i = 0; i < letters.size(); ++i)
    p.drawText(QRect(tag.left(), tag.top() + 4 + i * lineH, tag.width(), lineH), Qt::AlignCenter, letters[i]);
}

void TGrid3::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  const QRect d = DataRect();
  // The corners beside the horizontal scroll bar.
  const QRect below(0, d.bottom() + 1, width(), height() - d.bottom() - 1);
  p.fillRect(QRect(below.left(), below.top(), d.left(), below.height()), background_);
  p.fillRect(QRect(d.right() + 1, below.top(), width() - d.right() - 1, below.height()), background_);
  if (blank_ || !info_) {
    p.fillRect(d, background_);
    return;
  }
  if (locked_) {
    PaintLockScreen(p, d);
    return;
  }
  if (!titlesValid_) ComposeTitles();
  EnsureBackgrounds();

  const QRect dirty = e->rect().intersected(d);
  if (dirty.isEmpty()) return;
  const int rowsH = visibleRows_ * RowHeight;
  const QRect titleR(d.left(), d.top(), d.width(), TitleHeight);
  if (dirty.intersects(titleR)) p.drawImage(titleR.topLeft(), titleBuffer_, QRect(0, 0, d.width(), TitleHeight));
  const int firstDirty = qMax(0, (dirty.top() - RowsTop()) / RowHeight);
  const int lastDirty = qMin(visibleRows_ - 1, (dirty.bottom() - RowsTop()) / RowHeight);
  if (dirty.bottom() >= RowsTop() && firstDirty <= lastDirty) {
    p.save();
    p.setClipRect(QRect(d.left(), RowsTop(), d.width(), rowsH));
    p.setFont(font());
    glyphs_.SetFont(font());
    const auto cols = ShownColumns();
    for (int r = firstDirty; r <= lastDirty; ++r) PaintRow(p, cols, r);
    p.restore();
  }
  const QRect gap(d.left(), RowsTop() + rowsH, d.width(), TotalsTop() - RowsTop() - rowsH);
  if (gap.height() > 0) p.fillRect(gap, background_);
  const QRect totalsR(d.left(), TotalsTop(), d.width(), TotalsHeight);
  if (dirty.intersects(totalsR))
    p.drawImage(totalsR.topLeft(), titleBuffer_, QRect(0, TitleHeight, d.width(), TotalsHeight));

  if (mode_ == ColumnDrag && drop_ >= 0) PaintInsertMarker(p);
  if (mode_ == BorderDrag && !AnimationOn && xorX_ >= 0) {
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.fillRect(QRect(d.left() + xorX_ - 2, RowsTop(), 4, rowsH), Qt::white);
  }
}
