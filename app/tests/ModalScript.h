#pragma once
// Drives the modal windows a command opens: each step waits until a new window is the active
// modal one, acts on it and says whether it was the window it expected.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <deque>
#include <functional>

class TModalScript : public QObject {
 public:
  using TStep = std::function<bool(QWidget*)>;
  TModalScript() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start();
  }
  TModalScript& Then(TStep step) {
    steps_.push_back(std::move(step));
    return *this;
  }
  bool Done() const { return steps_.empty(); }
  QStringList Seen;  // class name, then the text or title of every window handled

  // A message box: records its text and presses the button (its default one when none given).
  TModalScript& Message(QMessageBox::StandardButton button = QMessageBox::NoButton) {
    return Then([this, button](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (!box) return false;
      Seen << box->text();
      QAbstractButton* b = button != QMessageBox::NoButton ? box->button(button) : nullptr;
      if (!b) b = box->defaultButton() ? static_cast<QAbstractButton*>(box->defaultButton()) : box->buttons().value(0);
      b->click();
      return true;
    });
  }
  // A file dialog: the file typed and accepted, with the filter at index filter when given.
  TModalScript& File(const QString& path, int filter = -1) {
    return Then([this, path, filter](QWidget* w) {
      auto* d = qobject_cast<QFileDialog*>(w);
      if (!d) return false;
      Seen << d->windowTitle();
      if (filter >= 0) d->selectNameFilter(d->nameFilters().value(filter));
      d->selectFile(path);
      // selectFile leaves a focused name box alone: the name is typed there as a user would.
      if (auto* edit = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) edit->setText(path);
      QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
      return true;
    });
  }
  // Any window whose class is className: records the title and runs act.
  TModalScript& Window(const char* className, std::function<void(QWidget*)> act) {
    return Then([this, className, act](QWidget* w) {
      if (!w->inherits(className) && QByteArray(w->metaObject()->className()) != className) return false;
      Seen << QString::fromLatin1(className) + QLatin1Char(':') + w->windowTitle();
      act(w);
      return true;
    });
  }

 private:
  void Poll() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w || !w->isVisible()) return;
    if (w != last_ && !steps_.empty() && steps_.front()(w)) {
      last_ = w;
      steps_.pop_front();
      stuck_ = nullptr;
      return;
    }
    // A window no step expects (or one a step left open) would hang the test: it is recorded and
    // closed after a while.
    if (w != stuck_) {
      stuck_ = w;
      since_.start();
    } else if (since_.elapsed() > 3000) {
      Unexpected << QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(':') + w->windowTitle();
      if (auto* box = qobject_cast<QMessageBox*>(w)) Unexpected << box->text();
      stuck_ = nullptr;
      if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
      else w->close();
    }
  }
  QPointer<QWidget> stuck_;
  QElapsedTimer since_;

 public:
  QStringList Unexpected;  // windows no step handled

 private:
  std::deque<TStep> steps_;
  QPointer<QWidget> last_;
  QTimer timer_;
};
