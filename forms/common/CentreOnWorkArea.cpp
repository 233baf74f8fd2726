#include "CentreOnWorkArea.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

QRect CentredRect(const QRect& WorkArea, int Width, int Height, bool Fill) {
  if (Fill) {
    Width = WorkArea.width();
    Height = WorkArea.height();
  }
  return QRect(WorkArea.x() + (WorkArea.width() - Width) / 2, WorkArea.y() + (WorkArea.height() - Height) / 2,
               Width, Height);
}

void CentreOnWorkArea(QWidget* Form, bool Fill) {
  QScreen* Screen = Form->screen();
  if (!Screen) Screen = QGuiApplication::primaryScreen();
  if (!Screen) return;
  QRect Work = Screen->availableGeometry();
  // The frame (title bar, borders) is part of what has to fit; before the window is shown it is
  // not known yet and counts as nothing.
  QSize Frame = Form->frameGeometry().size() - Form->geometry().size();
  QSize Size = Form->isVisible() || Form->testAttribute(Qt::WA_Resized) ? Form->size() : Form->sizeHint();
  QRect Outer = CentredRect(Work, Size.width() + Frame.width(), Size.height() + Frame.height(), Fill);
  if (Fill) Form->resize(Outer.width() - Frame.width(), Outer.height() - Frame.height());
  Form->move(Outer.topLeft());  // move() places the frame's top-left corner
}
