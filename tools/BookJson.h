#pragma once
// The whole book as JSON (qbtool dump) and the short summary (qbtool info).
#include <ostream>
#include <string>

#include "BookLists.h"
#include "BookRecords.h"

std::string JsonString(const std::string& Text);
std::string IsoDate(TDateTime Date);  // YYYY-MM-DD

// Lists after the load sequence and RecalcBookTotals.
void WriteBookJson(std::ostream& Out, const TBookLists& L, const TFileSettings& Settings, const std::string& Comment);
