#pragma once
// A row-button column and two scroll bars, laid out around a data area. Derived controls
// override the three reactions.
#include "CustomControlEx.h"
#include "Grid3BtnControl.h"
#include "Grid3ScrollBar.h"

class TG3BtnScrollControl : public TCustomControlEx {
  Q_OBJECT
 public:
  explicit TG3BtnScrollControl(QWidget* parent = nullptr);

  int BtnWidth() const { return btnWidth_; }
  void SetBtnWidth(int w);

  TGrid3BtnControl* Buttons() const { return buttons_; }
  TGrid3ScrollBar* HorzScrollBar() const { return hsb_; }
  TGrid3ScrollBar* VertScrollBar() const { return vsb_; }
  // Area right of the row buttons, above the horizontal and left of the vertical scroll bar.
  QRect DataRect() const;

 protected:
  virtual void HorzPosChanged(bool tracking) { Q_UNUSED(tracking); }
  virtual void VertPosChanged(bool tracking) { Q_UNUSED(tracking); }
  virtual void RowBtnClicked(int index) { Q_UNUSED(index); }
  void resizeEvent(QResizeEvent*) override;
  void PlaceChildren();

 private:
  int btnWidth_ = 18;
  TGrid3BtnControl* buttons_;
  TGrid3ScrollBar* hsb_;
  TGrid3ScrollBar* vsb_;
};
