#pragma once
// Display facts the options manager asks for.
// Whether the font the worksheets are designed for is there: "Arial" itself, or a family with the
// same metrics that the font configuration puts in its place.
#include <string>

// The family the font configuration resolves "Arial" to is Arial or metric-compatible with it.
bool IsArialCompatibleFamily(const std::string& ResolvedFamily);
// Asks the font configuration (needs a QGuiApplication; without one the answer is true, since
// nothing is drawn that could look wrong).
bool ArialFontAvailable();

// Width in pixels of the primary screen; 1024 without a QGuiApplication or a screen.
int PrimaryScreenWidth();
