#include "DeleteDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "CentreOnWorkArea.h"

TDeleteDialog::TDeleteDialog(QWidget* Parent)
    : QDialog(Parent),
      FDelete(new QPushButton(QStringLiteral("Delete"), this)),
      FCancel(new QPushButton(tr("&Cancel"), this)),
      FMarker(new QLabel(this)) {
  setWindowTitle(QStringLiteral("Confirmation"));
  auto* Warning = new QLabel(QStringLiteral("WARNING: DELETION IS PERMANENT"), this);
  QFont Bold = Warning->font();
  Bold.setBold(true);
  Warning->setFont(Bold);
  Warning->setStyleSheet(QStringLiteral("color: #c00000;"));
  auto* How = new QLabel(QStringLiteral("To delete: Hold down the <Ctrl> key and click Delete"), this);
  How->setTextFormat(Qt::PlainText);

  FMarker->setFixedSize(14, 14);
  FMarker->setStyleSheet(QStringLiteral("background: #ff0000; border: 1px solid #800000; border-radius: 7px;"));
  auto* MarkerSpace = new QWidget(this);  // keeps the layout still while the marker comes and goes
  MarkerSpace->setFixedSize(14, 14);
  auto* MarkerLayout = new QHBoxLayout(MarkerSpace);
  MarkerLayout->setContentsMargins(0, 0, 0, 0);
  MarkerLayout->addWidget(FMarker);

  // Enter must never delete: Cancel is the default button and Delete takes no focus.
  FDelete->setAutoDefault(false);
  FDelete->setFocusPolicy(Qt::NoFocus);
  FCancel->setDefault(true);
  FCancel->setProperty("HelpContext", 20);
  connect(FDelete, &QPushButton::clicked, this, [this] {
    if (Armed()) accept();
  });
  connect(FCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* Buttons = new QHBoxLayout;
  Buttons->addWidget(MarkerSpace);
  Buttons->addWidget(FDelete);
  Buttons->addStretch();
  Buttons->addWidget(FCancel);
  auto* Layout = new QVBoxLayout(this);
  Layout->addWidget(Warning, 0, Qt::AlignHCenter);
  Layout->addWidget(How, 0, Qt::AlignHCenter);
  Layout->addSpacing(8);
  Layout->addLayout(Buttons);
  setFixedSize(sizeHint());
  Arm(false);
  // Ctrl is seen wherever the focus is inside the dialog.
  qApp->installEventFilter(this);
}

TDeleteDialog::~TDeleteDialog() { qApp->removeEventFilter(this); }

bool TDeleteDialog::Armed() const { return FDelete->isEnabled(); }

void TDeleteDialog::Arm(bool On) {
  FDelete->setEnabled(On);
  FMarker->setVisible(On);
}

void TDeleteDialog::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  CentreOnWorkArea(this);
  Arm(false);
}

// Disarmed whenever the dialog is activated, and when it loses the keyboard (Ctrl may be let go
// elsewhere without the dialog hearing of it).
void TDeleteDialog::changeEvent(QEvent* Event) {
  if (Event->type() == QEvent::ActivationChange) Arm(false);
  QDialog::changeEvent(Event);
}

bool TDeleteDialog::eventFilter(QObject* Watched, QEvent* Event) {
  if ((Event->type() == QEvent::KeyPress || Event->type() == QEvent::KeyRelease) && isVisible()) {
    auto* Key = static_cast<QKeyEvent*>(Event);
    auto* Target = qobject_cast<QWidget*>(Watched);
    if (Key->key() == Qt::Key_Control && Target && Target->window() == this && !Key->isAutoRepeat())
      Arm(Event->type() == QEvent::KeyPress);
  }
  return QDialog::eventFilter(Watched, Event);
}

bool ShowDeleteDialog(QWidget* Parent) {
  TDeleteDialog Dlg(Parent);
  return Dlg.exec() == QDialog::Accepted;
}
