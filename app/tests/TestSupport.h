#pragma once
// Helpers for tests that drive windows: answering the message boxes a command shows.
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <QDir>
#include <QPushButton>

#include "OptionsManager.h"
#include "SettingsStore.h"

// Answers every message box that becomes the active modal window with its default (or the
// given) button and records its text.
class TMessageCatcher : public QObject {
 public:
  explicit TMessageCatcher(QMessageBox::StandardButton answer = QMessageBox::NoButton) : answer_(answer) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start();
  }
  QStringList Texts;

 private:
  void Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    Texts << box->text();
    QAbstractButton* b = answer_ != QMessageBox::NoButton ? box->button(answer_) : nullptr;
    if (!b) b = box->defaultButton() ? static_cast<QAbstractButton*>(box->defaultButton()) : box->buttons().value(0);
    b->click();
  }
  QMessageBox::StandardButton answer_;
  QTimer timer_;
};

// Points the settings store, the options files and the desktop's data folder at folders of the
// test's own.
inline void UseOwnSettings(const QString& dir) {
  const QString file = dir + QStringLiteral("/settings.conf");
  qputenv("QB_SETTINGS_FILE", file.toUtf8());
  qputenv("QB_USER_DATA_DIR", (dir + QStringLiteral("/user")).toUtf8());
  qputenv("XDG_DATA_HOME", (dir + QStringLiteral("/xdg")).toUtf8());
  SetSettingsStoreFile(file.toStdString());
}

// The options manager without desktop registration and with the font found.
inline TOptionsEnvironment TestOptionsEnv() {
  TOptionsEnvironment e;
  e.RegisterFileType = [] {};
  e.FontAvailable = [] { return true; };
  return e;
}
