#pragma once
// Every question the file manager and the version-1 conversion ask the user goes through this
// interface. The program answers with dialogs; tests answer with TScriptedPrompts (a script that
// records every text).
#include <cstdint>
#include <string>
#include <vector>

#include "Messenger.h"

// Buttons of a message; a set of them is a bit mask, the answer is one of them.
enum TMsgButton : unsigned {
  mbNone = 0,
  mbOK = 1u << 0,
  mbCancel = 1u << 1,
  mbYes = 1u << 2,
  mbNo = 1u << 3,
  mbRetry = 1u << 4,
  mbAbort = 1u << 5,
  mbIgnore = 1u << 6,
  mbHelp = 1u << 7,
};
using TMsgButtons = unsigned;

// One custom category shown on the categories page of the "File Convert Wizard".
struct TConvertCategory {
  std::int16_t CatID = 0;
  std::string Name;
  std::uint8_t Kind = 0;          // 1 income, 2 expense
  std::int16_t ReportClass = 0;   // 0 = not chosen yet; the wizard sets it
};

class TPrompts : public TMessenger {
 public:
  // TMessenger::ShowMessage(Kind, Text): the message with an OK button.

  // A message of a kind with the given buttons; returns the button pressed. Texts may hold "\r"
  // line breaks, shown as new lines. mbHelp never ends the message; closing the window answers
  // mbCancel when offered, else the last offered button that ends it.
  virtual TMsgButton Ask(TMsgKind Kind, const std::string& Text, TMsgButtons Buttons) = 0;

  // A message without kind or icon, OK button ("Conversion Done").
  virtual void ShowPlain(const std::string& Text) = 0;

  // The "Password" dialog for the stored password: true when the user typed it exactly (the
  // dialog shows "Password incorrect" itself for wrong entries), false on Cancel.
  virtual bool AskPassword(const std::string& StoredPassword) = 0;

  // The "File Convert Wizard". Custom holds every category whose IsDefault is false; the wizard
  // sets each one's ReportClass. BookName receives the trimmed text of the book-name box however
  // the wizard closes. True only when closed with "&Finish".
  virtual bool RunConvertWizard(std::vector<TConvertCategory>& Custom, std::string& BookName) = 0;

  // The save question before a changed read-only file is closed: Yes, No or Cancel.
  virtual TMsgButton AskSave(const std::string& Text) {
    return Ask(TMsgKind::Confirmation, Text, mbYes | mbNo | mbCancel);
  }

  // Busy cursor around long operations; nothing by default.
  virtual void SetBusy(bool /*Busy*/) {}
};
