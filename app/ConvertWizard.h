#pragma once
// The "File Convert Wizard": a name for the single book of a version-1 file and a report class
// for each of its custom categories.
#include <QDialog>
#include <vector>

#include "Prompts.h"

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

class TFileConvertForm : public QDialog {
  Q_OBJECT
 public:
  TFileConvertForm(std::vector<TConvertCategory>& custom, QWidget* parent = nullptr);
  QString BookName() const;
  QPushButton* BackBtn = nullptr;
  QPushButton* NextBtn = nullptr;
  QLineEdit* BookNameEdit = nullptr;
  QListWidget* CatList = nullptr;
  QStackedWidget* Pages = nullptr;

 private:
  void ShowPage(int page);
  void Next();
  void ShowCategory(int row);
  void UpdateFinish();
  std::vector<TConvertCategory>& custom_;
  QGroupBox* incomeBox_ = nullptr;
  QGroupBox* expenseBox_ = nullptr;
  QButtonGroup* incomeGroup_ = nullptr;
  QButtonGroup* expenseGroup_ = nullptr;
};
