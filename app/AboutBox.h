#pragma once
// The About box: the program's name and version.
#include <QDialog>

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);
};
