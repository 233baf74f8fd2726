#include "Columns.h"

#include <stdexcept>

TColProperty& TColumns::Add() { return items_.emplace_back(); }

int TColumns::VisiblePosition(int n) const {
  if (n < 0) return -1;
  for (int i = 0; i < Count(); ++i)
    if (items_[i].Visible && n-- == 0) return i;
  return -1;
}

TColProperty& TColumns::VisibleItem(int n) {
  return const_cast<TColProperty&>(static_cast<const TColumns*>(this)->VisibleItem(n));
}

const TColProperty& TColumns::VisibleItem(int n) const {
  if (items_.empty()) throw std::out_of_range("TColumns::VisibleItem on an empty collection");
  int p = VisiblePosition(n);
  return p < 0 ? items_.back() : items_[std::size_t(p)];
}

int TColumns::VisibleCount() const {
  int n = 0;
  for (const auto& c : items_) n += c.Visible ? 1 : 0;
  return n;
}

std::int32_t TColumns::VisibleWidth() const {
  std::int32_t w = 0;
  for (const auto& c : items_)
    if (c.Visible) w += c.Width;
  return w;
}

std::int32_t TColumns::WidthBefore(int n) const {
  std::int32_t w = 0;
  for (const auto& c : items_) {
    if (!c.Visible) continue;
    if (n-- <= 0) break;
    w += c.Width;
  }
  return w;
}

std::int32_t TColumns::MaxWidthSum() const {
  std::int32_t w = 0;
  for (const auto& c : items_) w += c.MaxWidth;
  return w;
}

void TColumns::Swap(int a, int b) {
  if (a == b) return;
  TColProperty temp;
  temp.Assign(Items(a));
  Items(a).Assign(Items(b));
  Items(b).Assign(temp);
}

void TColumns::SwapVisible(int a, int b) {
  int pa = VisiblePosition(a), pb = VisiblePosition(b);
  if (pa >= 0 && pb >= 0) Swap(pa, pb);
}

void TColumns::MoveVisible(int from, int to) {
  int visible = VisibleCount();
  if (from < 0 || to < 0 || from >= visible || to >= visible) return;
  for (; from < to; ++from) SwapVisible(from, from + 1);
  for (; from > to; --from) SwapVisible(from, from - 1);
}

const TColProperty* TColumns::FindLink(std::int32_t link) const {
  for (const auto& c : items_)
    if (c.LinkIndex == link) return &c;
  return nullptr;
}

void TColumns::SetTotalText(std::int32_t link, const std::string& text) {
  if (auto* c = FindLink(link)) const_cast<TColProperty*>(c)->TotalText = text;
}

TColor TColumns::ColourOfLink(std::int32_t link) const {
  const auto* c = FindLink(link);
  return c ? c->Color : clBlack;
}

TColor TColumns::FontColourOfLink(std::int32_t link) const {
  const auto* c = FindLink(link);
  return c ? c->FontCol : clWhite;
}

void TColumns::WidthsToDefaults() {
  for (auto& c : items_) c.DefaultWidth = c.Width;
}
