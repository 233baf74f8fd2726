#pragma once
// The date range panel: the switch, the period button, "From"/"To" with their date pickers and
// the grey "All" texts that stand over the pickers while the switch is up.
#include <QFrame>

#include "Types.h"

class QDateEdit;
class QLabel;
class QToolButton;
class TToggleSwitch;

class TDateRangePanel : public QFrame {
  Q_OBJECT
 public:
  explicit TDateRangePanel(QWidget* parent = nullptr);

  TToggleSwitch* DateRangeBtn = nullptr;
  QToolButton* DatePeriodBtn = nullptr;
  QLabel* DateFromLabel = nullptr;
  QLabel* DateToLabel = nullptr;
  QDateEdit* LoDateBtn = nullptr;
  QDateEdit* HiDateBtn = nullptr;
  QLabel* LoDateAllLabel = nullptr;
  QLabel* HiDateAllLabel = nullptr;

  bool SwitchDown() const;
  // Set by the program: no SwitchChanged.
  void SetSwitch(bool down);
  // The limits into the pickers, without DateChosen.
  void ShowDates(TDateTime from, TDateTime to);
  // Pickers and labels enabled, "All" hidden while the switch is down; the reverse when up.
  void ShowSwitchState();
  // Blue with white labels while a date range is in force.
  void SetActiveLook(bool active);
  bool ActiveLook() const { return active_; }
  // The switch and the period button (the pickers follow the switch as well).
  void SetControlsEnabled(bool on);

  static TDateTime ToDateTime(const QDate& d);
  static QDate ToQDate(TDateTime t);

 signals:
  void SwitchChanged(bool down);            // by the user
  void DateChosen(int which, TDateTime date);  // 1 the left picker, 2 the right one
  void PeriodClicked();

 private:
  bool settingDates_ = false;
  bool settingSwitch_ = false;
  bool active_ = false;
  bool controlsOn_ = true;
};
