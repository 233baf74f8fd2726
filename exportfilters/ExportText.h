#pragma once
// The small texts both exports are made of: comma-separated fields, HTML-safe text, colours,
// and the money and date formats of the text export.
#include <string>
#include <string_view>

#include "Types.h"

// A text field: always in double quotes, a quote inside doubled.
void AppendCsvQuoted(std::string& Out, std::string_view Text);
// A field written as it is (numbers, codes); only when it holds a comma, a quote or a line break
// is it quoted, so that a reader still sees one field.
void AppendCsvPlain(std::string& Out, std::string_view Text);
// Text with &, <, >, " and ' replaced by their character references.
void AppendHtmlText(std::string& Out, std::string_view Text);

// "#RRGGBB" of a colour value (red in the low byte; higher bits ignored).
std::string ColourText(TColor Colour);

// Money in the text export: "$" literal, two decimals with the regional decimal separator, a
// leading "-" when negative ("-$50.00"); rounded half away from zero.
void AppendMoneyText(std::string& Out, Currency Amount);
// Date as "dd-mmm-yyyy" with the regional short month names ("05-Mar-2024").
void AppendDateText(std::string& Out, TDateTime Date);

// Kind names of the text export, in their quotes: 1 "Income" ... 5 "Transfer Out"; "" otherwise.
std::string_view QuotedKindName(int Kind);
