#include "BookBarModel.h"

#include <algorithm>

void TBookBarModel::Clear() {
  Buttons.clear();
  first_ = 0;
  Layout();
}

void TBookBarModel::Add(const std::string& name, TColor colour, bool down) {
  Buttons.push_back({name, colour, down, 0xFFFFFF});
  Layout();
}

bool TBookBarModel::Click(int index, bool ctrl) {
  if (index < 0 || index >= Count()) return false;
  bool changed = false;
  for (int i = 0; i < Count(); ++i) {
    const bool down = i == index || (ctrl && Buttons[std::size_t(i)].Down);
    if (Buttons[std::size_t(i)].Down != down) changed = true;
    Buttons[std::size_t(i)].Down = down;
  }
  return changed;
}

bool TBookBarModel::All() {
  if (AllDown()) return false;
  for (TBookButton& b : Buttons) b.Down = true;
  return true;
}

bool TBookBarModel::AllDown() const {
  return std::all_of(Buttons.begin(), Buttons.end(), [](const TBookButton& b) { return b.Down; });
}

std::vector<bool> TBookBarModel::DownStates() const {
  std::vector<bool> out;
  out.reserve(Buttons.size());
  for (const TBookButton& b : Buttons) out.push_back(b.Down);
  return out;
}

void TBookBarModel::SetWidth(int width) {
  width_ = std::max(0, width);
  Layout();
}

void TBookBarModel::Layout() {
  const int n = Count();
  if (n == 0) {
    arrows_ = false;
    first_ = shown_ = 0;
    return;
  }
  const int room = width_ - AllWidth - EndWidth;
  const int fitted = (room - Gap * n - 1) / n;
  buttonWidth_ = std::max(MinButtonWidth, fitted);
  arrows_ = n > 1 && fitted < MinButtonWidth;
  if (!arrows_) {
    first_ = 0;
    shown_ = n;
    return;
  }
  // The arrows sit beside the "Books" button and take their room from the book buttons.
  const int bookRoom = room - 2 * ArrowWidth - Gap;
  shown_ = std::clamp((bookRoom + Gap) / (MinButtonWidth + Gap), 1, n);
  first_ = std::clamp(first_, 0, n - shown_);
}

void TBookBarModel::Prev() {
  if (PrevEnabled()) --first_;
}

void TBookBarModel::Next() {
  if (NextEnabled()) ++first_;
}

TBarSpan TBookBarModel::ButtonSpan(int index) const {
  if (index < first_ || index >= first_ + shown_) return {};
  const int left = AllWidth + (index - first_) * (buttonWidth_ + Gap);
  if (index == first_ + shown_ - 1) {
    // The last button takes the rest of the row.
    const int right = (arrows_ ? PrevSpan().Left : EndSpan().Left) - Gap;
    return {left, std::max(0, right - left)};
  }
  return {left, buttonWidth_};
}

TBarSpan TBookBarModel::PrevSpan() const {
  if (!arrows_) return {};
  return {EndSpan().Left - 2 * ArrowWidth, ArrowWidth};
}

TBarSpan TBookBarModel::NextSpan() const {
  if (!arrows_) return {};
  return {EndSpan().Left - ArrowWidth, ArrowWidth};
}

int TBookBarModel::ButtonAt(int x) const {
  for (int i = first_; i < first_ + shown_; ++i)
    if (ButtonSpan(i).Contains(x)) return i;
  return -1;
}
