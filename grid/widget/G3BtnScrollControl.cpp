#include "G3BtnScrollControl.h"

TG3BtnScrollControl::TG3BtnScrollControl(QWidget* parent)
    : TCustomControlEx(parent),
      buttons_(new TGrid3BtnControl(this)),
      hsb_(new TGrid3ScrollBar(Qt::Horizontal, this)),
      vsb_(new TGrid3ScrollBar(Qt::Vertical, this)) {
  hsb_->OnChange = [this](int, bool tracking) { HorzPosChanged(tracking); };
  vsb_->OnChange = [this](int, bool tracking) { VertPosChanged(tracking); };
  buttons_->OnClick = [this](int index) { RowBtnClicked(index); };
}

void TG3BtnScrollControl::SetBtnWidth(int w) {
  btnWidth_ = qMax(0, w);
  PlaceChildren();
}

QRect TG3BtnScrollControl::DataRect() const {
  const int sb = TGrid3ScrollBar::Thickness;
  return QRect(btnWidth_, 0, qMax(0, width() - btnWidth_ - sb), qMax(0, height() - sb));
}

void TG3BtnScrollControl::resizeEvent(QResizeEvent*) { PlaceChildren(); }

void TG3BtnScrollControl::PlaceChildren() {
  const int sb = TGrid3ScrollBar::Thickness;
  const QRect d = DataRect();
  buttons_->setGeometry(0, 0, btnWidth_, d.height());
  vsb_->setGeometry(d.right() + 1, 0, sb, d.height());
  hsb_->setGeometry(d.left(), d.bottom() + 1, d.width(), sb);
}
