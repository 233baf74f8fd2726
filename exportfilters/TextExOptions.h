#pragma once
// What the export option dialog (TTextExDlg) shows and decides, without the widgets: caption,
// the five lists to tick, when OK is allowed, and whether the selection note is shown (the
// dialog is shorter without it).
#include <array>
#include <string>

#include "ExportRunner.h"

class TTextExOptions {
 public:
  static constexpr int SectionCount = 5;
  static const std::array<const char*, SectionCount> SectionCaptions;  // "Transactions", ...
  static constexpr const char* GroupCaption = "Select what to export";
  static constexpr const char* NoteText =
      "Note: Only data from the current selection will be exported.  To export all data clear the selection.";

  TTextExOptions(TExportKind Kind, bool SelectionActive) : Kind(Kind), NoteShown(SelectionActive) {}

  std::string Caption() const {
    return Kind == ekText ? "Export data as Plain Text..." : "Export data as HTML...";
  }

  bool Checked(int Section) const { return Section >= 0 && Section < SectionCount && (Bits >> Section) & 1u; }
  void SetChecked(int Section, bool On) {
    if (Section < 0 || Section >= SectionCount) return;
    Bits = On ? Bits | (1u << Section) : Bits & ~(1u << Section);
  }
  bool OKEnabled() const { return Bits != 0; }
  unsigned Choice() const { return Bits; }  // TExportSection bits

  // Layout in pixels. Without the note the group box, the buttons and the dialog move up.
  bool NoteVisible() const { return NoteShown; }
  int GroupBoxHeight() const { return 135; }
  int NoteTop() const { return 146; }
  int ButtonTop() const { return NoteShown ? 200 : 146; }
  int DialogHeight() const { return NoteShown ? 254 : 200; }
  int DialogWidth() const { return 265; }

 private:
  TExportKind Kind;
  bool NoteShown;
  unsigned Bits = esAll;  // everything ticked at start
};
