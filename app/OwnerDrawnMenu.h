#pragma once
// The tool bar's pop-up menus: items on the tool bar face colour, the text 20 pixels in; the
// selected item on the highlight colour in bold; disabled items in grey.
#include <QMenu>

class TOwnerDrawnMenu : public QMenu {
  Q_OBJECT
 public:
  explicit TOwnerDrawnMenu(QWidget* parent = nullptr);
};
