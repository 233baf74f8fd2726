#include "PasswordDlg.h"

#include "DialogPlacement.h"
#include "Messenger.h"
#include "PasswordRules.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A padlock, drawn so that no picture file has to ship with the program.
QPixmap LockPicture() {
  QPixmap pm(72, 80);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(90, 90, 100), 9, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath shackle;
  shackle.moveTo(18, 40);
  shackle.lineTo(18, 26);
  shackle.arcTo(18, 6, 36, 40, 180, -180);
  shackle.lineTo(54, 40);
  p.drawPath(shackle);
  QLinearGradient body(0, 36, 0, 78);
  body.setColorAt(0, QColor(250, 210, 90));
  body.setColorAt(1, QColor(200, 140, 30));
  p.setPen(QPen(QColor(140, 95, 20), 2));
  p.setBrush(body);
  p.drawRoundedRect(QRectF(6, 36, 60, 41), 7, 7);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 50, 20));
  p.drawEllipse(QPointF(36, 52), 6, 6);
  p.drawRect(QRectF(33.5, 54, 5, 13));
  return pm;
}

}  // namespace

TPasswordDlg::TPasswordDlg(std::string Stored, QWidget* Parent, TMessenger* Messenger)
    : QDialog(Parent, Qt::Dialog | Qt::FramelessWindowHint), stored_(std::move(Stored)), messenger_(Messenger) {
  setWindowTitle(QStringLiteral("Password"));
  setFixedSize(258, 235);

  auto* outer = new QVBoxLayout(this);
  auto* panel = new QFrame(this);
  outer->setContentsMargins(1, 1, 1, 1);  // room for the edge paintEvent draws
  outer->addWidget(panel);

  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(20, 14, 20, 16);
  auto* picture = new QLabel(panel);
  picture->setPixmap(LockPicture());
  picture->setAlignment(Qt::AlignCenter);
  layout->addWidget(picture);

  auto* label = new QLabel(QStringLiteral("Enter password:"), panel);
  PasswordEdit = new QLineEdit(panel);
  PasswordEdit->setObjectName(QStringLiteral("PasswordEdit"));
  MakePasswordBox(PasswordEdit);
  label->setBuddy(PasswordEdit);
  layout->addWidget(label);
  layout->addWidget(PasswordEdit);
  layout->addStretch(1);

  auto* buttons = new QHBoxLayout;
  OKBtn = new QPushButton(QStringLiteral("OK"), panel);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), panel);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  buttons->addStretch(1);
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  layout->addLayout(buttons);

  connect(OKBtn, &QPushButton::clicked, this, &TPasswordDlg::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  PasswordEdit->setFocus();
}

void TPasswordDlg::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  CentreOnAvailableArea(this);
  PasswordEdit->setFocus();
}

// Without a window frame the panel draws its own edge.
void TPasswordDlg::paintEvent(QPaintEvent* Event) {
  QDialog::paintEvent(Event);
  QPainter p(this);
  p.setPen(palette().color(QPalette::Dark));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TPasswordDlg::OKBtnClick() {
  if (PasswordAccepted(PasswordEdit->text().toStdString(), stored_)) {
    accept();
    return;
  }
  (messenger_ ? *messenger_ : AppMessenger()).ShowMessage(TMsgKind::Warning, MsgPasswordIncorrect);
  PasswordEdit->setFocus();
  PasswordEdit->selectAll();
}
