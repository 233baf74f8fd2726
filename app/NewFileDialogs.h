#pragma once
// "New File": how a new book file is made (blank, by the wizard, or from an existing file), and
// "New File from Exitsing File", which makes one with the account structure of another file.
#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

class TNewFile : public QDialog {
  Q_OBJECT
 public:
  // The choice the dialog closed with (exec() returns it; 0 "&Close").
  enum TChoice { ncClose = 0, ncBlank = 1, ncWizard = 2, ncExisting = 3 };
  explicit TNewFile(QWidget* parent = nullptr);
  QPushButton* BlankBtn;
  QPushButton* WizardBtn;
  QPushButton* ExistingBtn;
  QPushButton* CloseBtn;

 protected:
  void showEvent(QShowEvent* e) override;
};

class TNewFromExDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TNewFromExDlg(QWidget* parent = nullptr);

  // "Browse...": returns the chosen file (empty when cancelled); starts in the given folder.
  std::function<QString(const QString& startFolder)> ChooseExisting;
  // Makes the new file from the existing one; the dialog then closes with its result.
  std::function<bool(const QString& newName, const QString& existing)> MakeFile;

  void SetExistingFile(const QString& path);
  QString ExistingFile() const { return existing_; }
  QString NewFileName() const { return newName_; }  // set once the checks passed
  void MakeNewFileClicked();

  QLineEdit* ExistingEdit;
  QPushButton* BrowseBtn;
  QLineEdit* NameEdit;
  QPushButton* MakeBtn;
  QPushButton* CancelBtn;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QString existing_;
  QString folder_;
  QString newName_;
};
