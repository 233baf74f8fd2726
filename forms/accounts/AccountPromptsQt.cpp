#include <QApplication>
#include <QMessageBox>

#include "AccountPrompts.h"

namespace {

class TBoxPrompts : public TAccountPrompts {
 public:
  void ShowMessage(TMsgKind Kind, const std::string& Text) override {
    QMessageBox Box(Kind == TMsgKind::Warning ? QMessageBox::Warning
                    : Kind == TMsgKind::Error ? QMessageBox::Critical
                                              : QMessageBox::Information,
                    QApplication::applicationDisplayName(), QString::fromStdString(Text), QMessageBox::Ok,
                    QApplication::activeWindow());
    Box.exec();
  }
  TAskResult Confirm(const std::string& Text, bool WithCancel) override {
    QMessageBox::StandardButtons Buttons = QMessageBox::Yes | QMessageBox::No;
    if (WithCancel) Buttons |= QMessageBox::Cancel;
    auto R = QMessageBox::question(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                                   QString::fromStdString(Text), Buttons);
    if (R == QMessageBox::Yes) return TAskResult::Yes;
    if (R == QMessageBox::No) return TAskResult::No;
    return TAskResult::Cancel;
  }
};

TBoxPrompts BoxPrompts;
TAccountPrompts* Current = nullptr;
std::function<bool(int)> Gate;
std::function<void(int)> Help;

}  // namespace

TAccountPrompts& AccountPrompts() { return Current ? *Current : BoxPrompts; }
void SetAccountPrompts(TAccountPrompts* Prompts) { Current = Prompts; }

bool AccountPasswordCheck(int Op) { return Gate ? Gate(Op) : CheckPassword(Op); }
void SetAccountPasswordGate(std::function<bool(int Op)> NewGate) { Gate = std::move(NewGate); }

TAskResult TPromptsAdapter::Confirm(const std::string& Text, bool WithCancel) {
  TMsgButton B = P.Ask(TMsgKind::Confirmation, Text, mbYes | mbNo | (WithCancel ? mbCancel : mbNone));
  return B == mbYes ? TAskResult::Yes : B == mbNo ? TAskResult::No : TAskResult::Cancel;
}

void ShowAccountHelp(int Topic) {
  if (Help) Help(Topic);
}
void SetAccountHelp(std::function<void(int Topic)> NewHelp) { Help = std::move(NewHelp); }
