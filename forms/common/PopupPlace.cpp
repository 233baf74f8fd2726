#include "PopupPlace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QPoint PopupPosition(const QWidget* Box, QSize Size, TPopupPlace Place, int XOffset) {
  QPoint BoxTop = Box->mapToGlobal(QPoint(0, 0));
  QPoint At(BoxTop.x() + XOffset, Place == TPopupPlace::Above ? BoxTop.y() - Size.height()
                                                              : BoxTop.y() + Box->height());
  QScreen* Screen = Box->screen() ? Box->screen() : QGuiApplication::primaryScreen();
  if (!Screen) return At;
  QRect Work = Screen->availableGeometry();
  // Flip to the other side when there is no room, then keep it on the screen.
  if (Place == TPopupPlace::Above && At.y() < Work.top()) At.setY(BoxTop.y() + Box->height());
  if (Place == TPopupPlace::Below && At.y() + Size.height() > Work.bottom()) At.setY(BoxTop.y() - Size.height());
  At.setX(std::clamp(At.x(), Work.left(), std::max(Work.left(), Work.right() - Size.width())));
  At.setY(std::clamp(At.y(), Work.top(), std::max(Work.top(), Work.bottom() - Size.height())));
  return At;
}
