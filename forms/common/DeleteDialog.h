#pragma once
// The last word before something is deleted for good: "Delete" only works while Ctrl is held.
#include <QDialog>

class QLabel;
class QPushButton;

class TDeleteDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TDeleteDialog(QWidget* Parent = nullptr);
  ~TDeleteDialog() override;
  QPushButton* DeleteBtn() const { return FDelete; }
  QPushButton* CancelBtn() const { return FCancel; }
  bool Armed() const;

 protected:
  void showEvent(QShowEvent* Event) override;
  void changeEvent(QEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void Arm(bool On);

  QPushButton* FDelete;
  QPushButton* FCancel;
  QLabel* FMarker;
};

// Shows the confirmation modally; true when "Delete" was clicked with Ctrl held.
bool ShowDeleteDialog(QWidget* Parent);
