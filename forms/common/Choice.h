#pragma once
// Kind choice: income or expense.
#include <QDialog>

class QLabel;
class QPushButton;

class TChoice : public QDialog {
  Q_OBJECT
 public:
  TChoice(QWidget* Parent, const QString& Caption, const QString& Label);
  // 0 while "&Income" is down, 1 while "&Expense" is down.
  int Kind() const;
  QPushButton* IncomeBtn() const { return FIncome; }
  QPushButton* ExpenseBtn() const { return FExpense; }

 protected:
  void showEvent(QShowEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  QPushButton* FIncome;
  QPushButton* FExpense;
};

// Shows the choice modally: 0 income, 1 expense, -1 cancelled.
int ShowChoice(QWidget* Parent, const QString& Caption, const QString& Label);
