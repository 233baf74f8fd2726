#pragma once
// A one-line text input whose OK only lights up when the text changed; the caller checks the text.
#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

// The callback gets the trimmed text and shows its own message when it refuses it.
using TTextCheck = std::function<bool(std::string& Text)>;

// True when accepted; Text then holds the trimmed text.
bool ShowTextInput(const std::string& Caption, const std::string& Label, std::string& Text,
                   const TTextCheck& Check, QWidget* Parent = nullptr);

class TTextInputForm : public QDialog {
 public:
  explicit TTextInputForm(QWidget* Parent = nullptr);
  void Prepare(const std::string& Caption, const std::string& Label, const std::string& Text,
               TTextCheck Check);
  std::string Result() const;  // the accepted (trimmed) text
  void OKClicked();

  QLabel* Label1;
  QLineEdit* Edit1;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 private:
  void TextChanged();
  std::string Start;
  TTextCheck Check;
};
