#pragma once
// Colours and date conversions the transaction and books forms share.
#include <QColor>
#include <QDate>

#include "Types.h"

// Kinds: income lime with black text, expense red with white text.
inline QColor IncomeColour() { return QColor(0, 255, 0); }
inline QColor ExpenseColour() { return QColor(255, 0, 0); }
// Tints of a locked transaction (button face on displays of 256 colours or fewer).
QColor LockedComboColour();
QColor LockedFieldColour();
// A colour value 0x00BBGGRR as a QColor and back.
inline QColor ColourOf(TColor C) { return QColor(C & 0xFF, (C >> 8) & 0xFF, (C >> 16) & 0xFF); }
inline TColor TColorOf(const QColor& C) {
  return static_cast<TColor>(C.red() | (C.green() << 8) | (C.blue() << 16));
}
// Whole days since 30 December 1899 and back.
inline QDate QDateOf(TDateTime D) { return QDate(1899, 12, 30).addDays(static_cast<qint64>(D)); }
inline TDateTime DateTimeOf(const QDate& D) { return static_cast<TDateTime>(QDate(1899, 12, 30).daysTo(D)); }
