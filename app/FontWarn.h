#pragma once
// The warning shown when the worksheets' font is missing.
#include <QDialog>

class QCheckBox;

class TFontWarn : public QDialog {
  Q_OBJECT
 public:
  explicit TFontWarn(QWidget* parent = nullptr);
  QCheckBox* DontShowBox = nullptr;  // "Don't display this message again"
};
