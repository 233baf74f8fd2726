#pragma once
// The welcome screen: the four ways into the program over a picture, with shadowed captions.
#include <QDialog>

class QCheckBox;
class QLabel;
class QToolButton;
class QPushButton;

class TWelcomeScreen : public QDialog {
  Q_OBJECT
 public:
  // Results: 10 open existing, 11 new, 12 example, 13 last used, -1 nothing.
  explicit TWelcomeScreen(QWidget* parent = nullptr);
  QCheckBox* CheckBox1 = nullptr;       // "Show welcome screen"
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  QToolButton* SpeedButton3 = nullptr;
  QToolButton* OpenLastBtn = nullptr;
  QPushButton* Button1 = nullptr;       // "&Close"
  QString LastFile;                     // the last used file when OpenLastBtn is shown

 protected:
  void showEvent(QShowEvent*) override;
  void paintEvent(QPaintEvent*) override;

 private:
  void Choose(int result);
  QString lastLabel_;
};

