#pragma once
// The box every amount, whole number or short text with a helper button is typed into. An amount
// box keeps a Currency value, shows it in the money format when left and in a plain editable form
// while the user is in it; amount and number boxes filter the keys (see NumberBoxLogic.h).
#include "EditBtn.h"
#include "NumberBoxLogic.h"
#include "Types.h"

class TNumberBox : public TEditBtn {
  Q_OBJECT
 public:
  explicit TNumberBox(QWidget* Parent = nullptr, TBoxState State = bsText);

  TBoxState BoxState() const { return FState; }
  // Also sets the typing limit to 12 (amount) or 9 (number) characters; a text box keeps its own.
  void SetBoxState(TBoxState State);
  bool AllowNegative() const { return FAllowNegative; }
  void SetAllowNegative(bool Allow) { FAllowNegative = Allow; }
  // Longest text the user may type. Programmatic texts (the money format) are not cut by it.
  int MaxTextLength() const { return FMaxLength; }
  void SetMaxTextLength(int Length);

  Currency Value();                 // reads the text again first
  void SetValue(Currency Value);
  int IntValue() const { return FIntValue; }
  void SetIntValue(int Value);

 signals:
  // Enter was pressed in the box. When something listens the key stops here, otherwise it goes on
  // to the dialog (its default button).
  void EnterPress(QObject* Sender);
  // The text changed; the number of the box has already been taken from it.
  void Change(QObject* Sender);

 protected:
  void keyPressEvent(QKeyEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;
  void focusOutEvent(QFocusEvent* Event) override;
  void contextMenuEvent(QContextMenuEvent* Event) override;

 private:
  TNumberKeyRules Rules() const;
  void Apply(const TBoxEdit& Edit);
  void PasteFiltered();
  void TextChanged();

  TBoxState FState = bsText;
  bool FAllowNegative = false;
  int FMaxLength = 0;
  Currency FValue = 0;
  int FIntValue = 0;
  bool FEditing = false;  // an amount box shows its editing form
};
