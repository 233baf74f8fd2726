#pragma once
// What a number box does with a key, its editing form and how its text is read. Kept apart from
// the widget so the rules can be tested without a window.
#include <QString>

#include "Types.h"

enum TBoxState { bsText = 0, bsNumber = 1, bsCurrency = 2 };

// Longest text the user may type: 12 characters for amounts, 9 for whole numbers; a text box
// keeps whatever its form gives it (0 here means "no limit of its own").
int DefaultMaxLength(TBoxState State);

// The editable text and the caret/selection inside it, in QString positions.
struct TBoxEdit {
  QString Text;
  int SelStart = 0;   // caret when SelLength is 0
  int SelLength = 0;
};

struct TNumberKeyRules {
  TBoxState State = bsText;
  bool AllowNegative = false;
  bool MinusLeads = true;
  QChar DecimalSep = u'.';  // the regional decimal separator
  int MaxLength = 0;        // 0: no limit
};

enum class TKeyResult {
  Ignored,   // dropped; the text is as before (apart from a moved caret)
  Changed,   // the text or caret changed
  Enter,     // Enter: nothing inserted, the box fires its Enter event
};

// Applies one typed character (backspace is '\b', Enter '\r') to Edit following the number box
// rules. A text box (bsText) inserts everything but Enter.
//
// Decimal point: the filter takes "." as the decimal key, but the text is read with the regional
// decimal separator (ParseMoneyText). So in an amount box both "." and the regional separator
// count as the decimal key and what goes into the text is always the regional separator: with
// "," as separator, typing "12.5" shows "12,5" and means twelve and a half, exactly as typing
// "12,5" does. Only one separator is accepted.
TKeyResult TypeKey(TBoxEdit& Edit, QChar Key, const TNumberKeyRules& Rules);

// Pasted text goes through the same filter, character by character. When the regional separator
// is not "." and the text holds it, any "." are taken as thousands separators and dropped first
// ("1.234,50" pastes as 1234,50).
TKeyResult PasteText(TBoxEdit& Edit, const QString& Pasted, const TNumberKeyRules& Rules);

// The amount as it is shown while the user edits it: without MinusLeads "#0.##;#0.##-" (at most
// two decimals, trailing minus), with MinusLeads the shortest plain decimal text ("-12.5").
// Uses the regional decimal separator; no thousands separator and no currency symbol.
QString EditingForm(Currency Value, bool MinusLeads);

// Value of an amount text (ParseMoneyText, rounded to four decimals); empty text is 0. A text
// that is not a number (two decimal separators) also gives 0 instead of an error.
Currency AmountFromText(const QString& Text);

// Whole number of a bsNumber text; a leading or trailing minus makes it negative; empty or
// not a number gives 0.
int IntFromText(const QString& Text);
