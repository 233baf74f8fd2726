#include "PasswordDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

TPasswordDlg::TPasswordDlg(const QString& stored, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), stored_(stored) {
  setObjectName(QStringLiteral("PasswordDlg"));
  setWindowTitle(tr("Password"));
  setFixedSize(258, 235);
  auto* label = new QLabel(tr("Enter password:"), this);
  label->setGeometry(30, 120, 200, 20);
  label->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
  PasswordEdit = new QLineEdit(this);
  PasswordEdit->setObjectName(QStringLiteral("PasswordEdit"));
  PasswordEdit->setEchoMode(QLineEdit::Password);
  PasswordEdit->setGeometry(30, 142, 198, 24);
  auto* ok = new QPushButton(tr("OK"), this);
  ok->setGeometry(30, 185, 90, 28);
  ok->setDefault(true);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setGeometry(138, 185, 90, 28);
  connect(ok, &QPushButton::clicked, this, &TPasswordDlg::accept);
  connect(cancel, &QPushButton::clicked, this, &TPasswordDlg::reject);
  if (parent && parent->screen()) move(parent->screen()->availableGeometry().center() - rect().center());
}

void TPasswordDlg::accept() {
  if (PasswordEdit->text() == stored_) {
    QDialog::accept();
    return;
  }
  QMessageBox::warning(this, tr("Warning"), tr("Password incorrect"));
  PasswordEdit->setFocus();
  PasswordEdit->selectAll();
}

void TPasswordDlg::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 0, height());
  g.setColorAt(0, QColor(18, 52, 110));
  g.setColorAt(1, QColor(40, 120, 90));
  p.fillRect(rect(), g);
  // A padlock as the panel's picture.
  p.setPen(QPen(QColor(230, 200, 90), 6));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRect(107, 22, 44, 50), 0, 180 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 200, 90));
  p.drawRoundedRect(QRect(98, 48, 62, 52), 6, 6);
  p.setBrush(QColor(60, 50, 20));
  p.drawEllipse(QRect(124, 64, 10, 10));
  p.drawRect(QRect(127, 72, 4, 14));
  p.setPen(QColor(0, 0, 0, 140));
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}
