#pragma once
// The floating copy of a column title shown while the title is dragged to a new place.
#include <QColor>
#include <QWidget>

class TColumnTitleHint : public QWidget {
  Q_OBJECT
 public:
  explicit TColumnTitleHint(QWidget* owner);
  // Shows Title in Background, centred on the x of Centre, its bottom at Centre's y (global).
  void ShowTitle(const QString& title, const QColor& background, QPoint centre, int width);
  void MoveTo(QPoint centre);
  QString Title() const { return title_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString title_;
  QColor background_;
};
