#include "DateRangePanel.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <cmath>

#include "MoneyFormat.h"
#include "ToggleSwitch.h"

namespace {
const QDate DayZero(1899, 12, 30);

QDateEdit* MakePicker(QWidget* parent, const char* name, int help) {
  auto* d = new QDateEdit(parent);
  d->setObjectName(QString::fromLatin1(name));
  d->setCalendarPopup(true);
  d->setDisplayFormat(QString::fromStdString(Regional().ShortDateFormat));
  // A typed date counts when editing ends; arrows and the calendar count at once.
  d->setKeyboardTracking(false);
  d->setProperty("helpContext", help);
  return d;
}

QLabel* MakeAllLabel(QWidget* parent, const char* name) {
  auto* l = new QLabel(QObject::tr("All"), parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setAlignment(Qt::AlignCenter);
  l->setAutoFillBackground(true);
  l->setFrameShape(QFrame::StyledPanel);
  QPalette pal = l->palette();
  pal.setColor(QPalette::WindowText, Qt::gray);
  pal.setColor(QPalette::Window, pal.color(QPalette::Base));
  l->setPalette(pal);
  return l;
}
}  // namespace

TDateTime TDateRangePanel::ToDateTime(const QDate& d) { return TDateTime(DayZero.daysTo(d)); }
QDate TDateRangePanel::ToQDate(TDateTime t) { return DayZero.addDays(qint64(std::floor(t))); }

TDateRangePanel::TDateRangePanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("DateRangePanel"));
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);

  DateRangeBtn = new TToggleSwitch(this);
  DateRangeBtn->setObjectName(QStringLiteral("DateRangeBtn"));
  DateRangeBtn->setToolTip(tr("Date Range"));
  DateRangeBtn->setProperty("helpContext", 26080);
  DateRangeBtn->setGeometry(5, 7, 34, 18);

  DatePeriodBtn = new QToolButton(this);
  DatePeriodBtn->setObjectName(QStringLiteral("DatePeriodBtn"));
  DatePeriodBtn->setText(QStringLiteral("..."));
  DatePeriodBtn->setToolTip(tr("Month Selector"));
  DatePeriodBtn->setProperty("helpContext", 26090);
  DatePeriodBtn->setGeometry(42, 6, 20, 20);

  DateFromLabel = new QLabel(tr("From"), this);
  DateFromLabel->setObjectName(QStringLiteral("DateFromLabel"));
  DateFromLabel->setGeometry(66, 8, 30, 16);
  LoDateBtn = MakePicker(this, "LoDateBtn", 26100);
  LoDateBtn->setGeometry(96, 5, 96, 22);
  DateToLabel = new QLabel(tr("To"), this);
  DateToLabel->setObjectName(QStringLiteral("DateToLabel"));
  DateToLabel->setGeometry(198, 8, 18, 16);
  HiDateBtn = MakePicker(this, "HiDateBtn", 26110);
  HiDateBtn->setGeometry(216, 5, 96, 22);
  LoDateAllLabel = MakeAllLabel(this, "LoDateAllLabel");
  LoDateAllLabel->setGeometry(LoDateBtn->geometry());
  HiDateAllLabel = MakeAllLabel(this, "HiDateAllLabel");
  HiDateAllLabel->setGeometry(HiDateBtn->geometry());
  setMinimumWidth(318);

  connect(DateRangeBtn, &QAbstractButton::toggled, this, [this](bool down) {
    if (!settingSwitch_) emit SwitchChanged(down);
  });
  connect(DatePeriodBtn, &QToolButton::clicked, this, [this] { emit PeriodClicked(); });
  connect(LoDateBtn, &QDateEdit::dateChanged, this, [this](QDate d) {
    if (!settingDates_) emit DateChosen(1, ToDateTime(d));
  });
  connect(HiDateBtn, &QDateEdit::dateChanged, this, [this](QDate d) {
    if (!settingDates_) emit DateChosen(2, ToDateTime(d));
  });
  ShowSwitchState();
  SetActiveLook(false);
}

bool TDateRangePanel::SwitchDown() const { return DateRangeBtn->isChecked(); }

void TDateRangePanel::SetSwitch(bool down) {
  settingSwitch_ = true;
  DateRangeBtn->setChecked(down);
  settingSwitch_ = false;
}

void TDateRangePanel::ShowDates(TDateTime from, TDateTime to) {
  settingDates_ = true;
  LoDateBtn->setDate(ToQDate(from));
  HiDateBtn->setDate(ToQDate(to));
  settingDates_ = false;
}

void TDateRangePanel::ShowSwitchState() {
  const bool down = SwitchDown();
  const bool on = down && controlsOn_;
  for (QWidget* w : {static_cast<QWidget*>(LoDateBtn), static_cast<QWidget*>(HiDateBtn),
                     static_cast<QWidget*>(DateFromLabel), static_cast<QWidget*>(DateToLabel)})
    w->setEnabled(on);
  LoDateAllLabel->setVisible(!down);
  HiDateAllLabel->setVisible(!down);
  LoDateAllLabel->raise();
  HiDateAllLabel->raise();
}

void TDateRangePanel::SetActiveLook(bool active) {
  active_ = active;
  QPalette pal = palette();
  const QPalette base = QApplication::palette();
  pal.setColor(QPalette::Window, active ? QColor(0, 0, 255) : base.color(QPalette::Button));
  setPalette(pal);
  for (QLabel* l : {DateFromLabel, DateToLabel}) {
    QPalette lp = l->palette();
    lp.setColor(QPalette::Active, QPalette::WindowText, active ? QColor(Qt::white) : base.color(QPalette::WindowText));
    lp.setColor(QPalette::Inactive, QPalette::WindowText, active ? QColor(Qt::white) : base.color(QPalette::WindowText));
    l->setPalette(lp);
  }
}

void TDateRangePanel::SetControlsEnabled(bool on) {
  controlsOn_ = on;
  DateRangeBtn->setEnabled(on);
  DatePeriodBtn->setEnabled(on);
  ShowSwitchState();
}
