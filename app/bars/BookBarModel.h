#pragma once
// The book bar apart from its drawing: the buttons' down states, what a click does to them, and
// where each button sits for a bar width.
#include <string>
#include <vector>

#include "Types.h"

struct TBookButton {
  std::string Name;
  TColor Colour = 0;
  bool Down = true;
  TColor TextColour = 0xFFFFFF;
};

// A horizontal span of the bar.
struct TBarSpan {
  int Left = 0;
  int Width = 0;
  bool Contains(int x) const { return x >= Left && x < Left + Width; }
};

class TBookBarModel {
 public:
  static constexpr int AllWidth = 59;   // the "All" button's area at the left
  static constexpr int EndWidth = 55;   // the "Books" button at the right
  static constexpr int ArrowWidth = 16;
  static constexpr int Gap = 3;
  static constexpr int MinButtonWidth = 100;

  std::vector<TBookButton> Buttons;

  void Clear();
  void Add(const std::string& name, TColor colour, bool down);
  int Count() const { return int(Buttons.size()); }

  // A click makes the book the only one down; with Ctrl it puts the book down as well (never up).
  // False when nothing changed.
  bool Click(int index, bool ctrl);
  // Every book down; false when they all were.
  bool All();
  bool AllDown() const;
  std::vector<bool> DownStates() const;

  // --- layout for a bar width ---
  void SetWidth(int width);
  int Width() const { return width_; }
  bool ArrowsShown() const { return arrows_; }
  int FirstShown() const { return first_; }
  int ShownCount() const { return shown_; }
  bool PrevEnabled() const { return arrows_ && first_ > 0; }
  bool NextEnabled() const { return arrows_ && first_ + shown_ < Count(); }
  void Prev();
  void Next();
  // The span of a book button, Width 0 when it is scrolled out of the bar.
  TBarSpan ButtonSpan(int index) const;
  TBarSpan AllSpan() const { return {0, AllWidth}; }
  TBarSpan EndSpan() const { return {width_ - EndWidth, EndWidth}; }
  TBarSpan PrevSpan() const;
  TBarSpan NextSpan() const;
  // The book button at x, -1 when none.
  int ButtonAt(int x) const;

 private:
  void Layout();
  int width_ = 0;
  bool arrows_ = false;
  int first_ = 0;
  int shown_ = 0;
  int buttonWidth_ = MinButtonWidth;
};
