#pragma once
// The book bar along the bottom of the worksheet: "All" at the left, one button per book, the
// arrows when the books do not fit, and "Books" at the right.
#include <QWidget>

#include "BookBarModel.h"

class TQBBookBar : public QWidget {
  Q_OBJECT
 public:
  explicit TQBBookBar(QWidget* parent = nullptr);

  TColor PenColor = 0x800000;  // navy outline

  void Clear();
  void AddButton(const QString& name, TColor colour, bool down);
  const TBookBarModel& Model() const { return model_; }
  std::vector<bool> DownStates() const { return model_.DownStates(); }
  bool AllEnabled() const { return isEnabled() && !model_.AllDown(); }

  // Where the parts are drawn (empty when not shown), for clicks and tests.
  QRect ButtonRect(int index) const;
  QRect AllRect() const;
  QRect EndRect() const;
  QRect PrevRect() const;
  QRect NextRect() const;

  QSize sizeHint() const override { return {400, 22}; }

 signals:
  void Changed();       // the user changed the down states
  void BooksClicked();  // the "Books" button

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void leaveEvent(QEvent*) override;
  void resizeEvent(QResizeEvent*) override;

 private:
  enum THot { hNone = -1, hAll = -2, hEnd = -3, hPrev = -4, hNext = -5 };
  int HitTest(QPoint p) const;  // a book index or one of THot
  QRect SpanRect(const TBarSpan& s) const;
  void DrawPlainButton(QPainter& p, const QRect& r, const QString& text, bool enabled, bool hot);
  void DrawBookButton(QPainter& p, int index);
  void DrawArrow(QPainter& p, const QRect& r, bool left, bool enabled, bool hot);

  TBookBarModel model_;
  int hot_ = hNone;
};
