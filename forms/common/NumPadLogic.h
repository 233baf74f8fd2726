#pragma once
// The display rules of the number pad, apart from its window.
#include <QString>

#include "Types.h"

// Applies one pad key ('0'..'9', '.', '<' remove last, 'C' clear) to the display. An amount takes
// at most 12 characters, one point and two digits after it; a whole number at most 9 digits and
// no point. Returns false when the key is refused (the display stays as it was).
bool NumPadKey(QString& Display, QChar Key, bool CurrencyPad);

// The display read as an amount; the pad always uses "." whatever the regional separator.
Currency NumPadAmount(const QString& Display);
