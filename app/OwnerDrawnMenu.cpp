#include "OwnerDrawnMenu.h"

TOwnerDrawnMenu::TOwnerDrawnMenu(QWidget* parent) : QMenu(parent) {
  QFont f = font();
  f.setBold(true);  // items are measured in bold so the bold selection never clips
  setFont(f);
  setStyleSheet(QStringLiteral(
      "QMenu { background: palette(button); border: 1px solid palette(shadow); }"
      "QMenu::item { padding: 3px 20px 3px 20px; color: palette(window-text); font-weight: normal; }"
      "QMenu::item:selected { background: palette(highlight); color: palette(highlighted-text); font-weight: bold; }"
      "QMenu::item:disabled { color: palette(dark); }"
      "QMenu::separator { height: 6px; }"));
}
