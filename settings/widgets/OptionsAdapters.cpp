#include "OptionsAdapters.h"

#include "Grid3.h"

#include <QFont>
#include <QWidget>

TGridSettings TGrid3Appearance::Appearance() const {
  const QFont f = grid_->font();
  TGridSettings s;
  s.LineColour = grid_->GridColor();
  s.FontName = f.family().toStdString();
  s.FontSize = f.pointSize() > 0 ? f.pointSize() : 8;
  s.FontStyle = (f.bold() ? fsBold : 0) | (f.italic() ? fsItalic : 0) | (f.underline() ? fsUnderline : 0) |
                (f.strikeOut() ? fsStrikeOut : 0);
  return s;
}

void TGrid3Appearance::SetAppearance(const TGridSettings& Settings) {
  grid_->SetGridColor(Settings.LineColour);
  QFont f = grid_->font();
  if (!Settings.FontName.empty()) f.setFamily(QString::fromStdString(Settings.FontName));
  if (Settings.FontSize > 0) f.setPointSize(Settings.FontSize);
  f.setBold(Settings.FontStyle & fsBold);
  f.setItalic(Settings.FontStyle & fsItalic);
  f.setUnderline(Settings.FontStyle & fsUnderline);
  f.setStrikeOut(Settings.FontStyle & fsStrikeOut);
  grid_->setFont(f);
}

TWindowBounds TWidgetPlacement::NormalBounds() const {
  // While maximized Qt still knows the normal geometry.
  const QRect r = window_->isMaximized() || window_->isMinimized() ? window_->normalGeometry() : window_->geometry();
  return {r.x(), r.y(), r.width(), r.height()};
}

TWindowShowState TWidgetPlacement::ShowState() const {
  if (window_->isMinimized()) return TWindowShowState::Minimized;
  if (window_->isMaximized()) return TWindowShowState::Maximized;
  return TWindowShowState::Normal;
}

void TWidgetPlacement::SetNormalBounds(const TWindowBounds& b) { window_->setGeometry(b.Left, b.Top, b.Width, b.Height); }

void TWidgetPlacement::ShowMaximized() { window_->setWindowState(window_->windowState() | Qt::WindowMaximized); }
