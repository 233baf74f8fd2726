#pragma once
// Asks for a name (a new sub account, a new group); the caller's check decides whether it is taken.
#include <QDialog>
#include <functional>

class QLineEdit;

// Returns true when the name is acceptable; it shows its own message otherwise.
using TNameCheck = std::function<bool(const QString& Name)>;

class TInputDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr int MaxNameLength = 40;

  TInputDlg(QWidget* Parent, const QString& Caption, const QString& Info, TNameCheck Check);
  QLineEdit* NameBox() const { return FName; }
  QString Name() const;  // the accepted text, at most 40 characters

 public slots:
  void accept() override;

 protected:
  void showEvent(QShowEvent* Event) override;

 private:
  QLineEdit* FName;
  TNameCheck FCheck;
};

// Shows the dialog modally; on OK with an accepted name returns true and the name in Name.
// Name also gives the text the box starts with.
bool ShowInputDlg(QWidget* Parent, const QString& Caption, const QString& Info, QString& Name, TNameCheck Check);
