#include "EditBtn.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

namespace {

// The default picture: three small dots, as on the "more" button of a file box.
QPixmap DotsGlyph() {
  QPixmap Pix(12, 12);
  Pix.fill(Qt::transparent);
  QPainter P(&Pix);
  P.setPen(Qt::NoPen);
  P.setBrush(Qt::black);
  for (int I = 0; I < 3; ++I) P.drawRect(1 + I * 4, 8, 2, 2);
  return Pix;
}

}  // namespace

TEditBtn::TEditBtn(QWidget* Parent) : QLineEdit(Parent), FButton(new QToolButton(this)) {
  FButton->setCursor(Qt::ArrowCursor);
  FButton->setFocusPolicy(Qt::NoFocus);
  FButton->setAutoRaise(false);
  FButton->setIcon(QIcon(DotsGlyph()));
  connect(FButton, &QToolButton::clicked, this, &TEditBtn::ButtonClicked);
  PlaceButton();
}

void TEditBtn::SetGlyph(const QPixmap& Glyph) {
  FGlyph = Glyph;
  FButton->setIcon(QIcon(Glyph.isNull() ? DotsGlyph() : Glyph));
}

void TEditBtn::SetShowButton(bool Show) {
  FShowButton = Show;
  FButton->setVisible(Show);
  PlaceButton();
}

// Square button, height of the box less 4, 2 pixels in from the top and the right edge; the text
// stops where the button begins so it never runs under it.
void TEditBtn::PlaceButton() {
  int Side = std::max(height() - 4, 8);
  FButton->setGeometry(width() - Side - 2, 2, Side, Side);
  FButton->setIconSize(QSize(Side - 6, Side - 6));
  setTextMargins(0, 0, FShowButton ? Side + 2 : 0, 0);
}

void TEditBtn::resizeEvent(QResizeEvent* Event) {
  QLineEdit::resizeEvent(Event);
  PlaceButton();
}

void TEditBtn::focusInEvent(QFocusEvent* Event) {
  QLineEdit::focusInEvent(Event);
  if (Event->reason() == Qt::PopupFocusReason) return;  // back from a context menu
  // A mouse press would undo the selection made now, so select once the click is handled too.
  selectAll();
  if (Event->reason() == Qt::MouseFocusReason) QTimer::singleShot(0, this, [this] { selectAll(); });
}

void TEditBtn::keyPressEvent(QKeyEvent* Event) {
  // Enter never reaches the text; the dialog's default button may still take it.
  if (Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter) {
    Event->ignore();
    return;
  }
  QLineEdit::keyPressEvent(Event);
}

void TEditBtn::ButtonClicked() {
  selectAll();
  setFocus(Qt::OtherFocusReason);
  emit BtnClick(this);
}
