#pragma once
// The splash screen shown while the long-lived windows are created.
#include <QSplashScreen>

class TSplashScrn : public QSplashScreen {
  Q_OBJECT
 public:
  TSplashScrn();
  static QPixmap Picture();  // 376 x 313
};
