#pragma once
// An edit box with a small button inside its right edge (the helper button of number, reference
// and search boxes).
#include <QLineEdit>
#include <QPixmap>

class QToolButton;

class TEditBtn : public QLineEdit {
  Q_OBJECT
 public:
  explicit TEditBtn(QWidget* Parent = nullptr);

  QPixmap Glyph() const { return FGlyph; }
  void SetGlyph(const QPixmap& Glyph);
  // Left, right or centre; maps onto the line edit's alignment.
  void SetAlignment(Qt::Alignment Align) { setAlignment(Align | Qt::AlignVCenter); }
  bool ShowButton() const { return FShowButton; }
  void SetShowButton(bool Show);
  QToolButton* Button() const { return FButton; }

 signals:
  void BtnClick(QObject* Sender);

 protected:
  void resizeEvent(QResizeEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;

 private:
  void PlaceButton();
  void ButtonClicked();

  QToolButton* FButton;
  QPixmap FGlyph;
  bool FShowButton = true;
};
