#include "DialogPlacement.h"

#include "PasswordRules.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>

void CentreOnAvailableArea(QWidget* Window) {
  QScreen* screen = Window->screen() ? Window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  QRect frame = Window->frameGeometry();
  frame.moveCenter(area.center());
  Window->move(frame.topLeft());
}

void MakePasswordBox(QLineEdit* Box) {
  Box->setEchoMode(QLineEdit::Password);
  Box->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
  // Typing more than the file keeps would make a password that the typed text no longer opens.
  Box->setMaxLength(PasswordMaxLength);
}
