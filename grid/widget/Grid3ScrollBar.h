#pragma once
// The grid's own scroll bar: arrow buttons, a track and a thumb. A position outside
// Min..Max is refused.
#include "CustomControlEx.h"

#include <QTimer>
#include <functional>

class TGrid3ScrollBar : public TCustomControlEx {
  Q_OBJECT
 public:
  TGrid3ScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

  static constexpr int Thickness = 16;

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return pos_; }
  int PageSize() const { return page_; }
  // Sets the range; the position is pulled into it without notification.
  void SetRange(int min, int max, int page);
  // False (and nothing changes) when pos lies outside Min..Max.
  bool SetPosition(int pos, bool notify = false);
  bool Tracking() const { return dragging_; }

  // A change made by the user (or SetPosition with notify); tracking is true while the thumb moves.
  std::function<void(int pos, bool tracking)> OnChange;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void MouseLeave() override { hot_ = 0; update(); }

 private:
  enum Part { None, LessBtn, MoreBtn, LessTrack, MoreTrack, Thumb };
  int Length() const;       // along the bar
  int TrackLength() const;  // between the arrow buttons
  QRect ThumbRect() const;
  QRect PartRect(int start, int len) const;
  Part PartAt(QPoint p) const;
  void Step();
  void UserMove(int pos, bool tracking);

  Qt::Orientation orientation_;
  int min_ = 0, max_ = 0, pos_ = 0, page_ = 1;
  bool dragging_ = false;
  int dragOffset_ = 0;
  Part pressed_ = None;
  int hot_ = 0;
  QTimer repeat_;
};
