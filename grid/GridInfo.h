#pragma once
// One worksheet's column set: the columns, the view's sort code and direction, its remembered
// scroll position, and the row background strips the grid keeps for it.
#include "Columns.h"

#include <cstdint>
#include <memory>

enum TSortDirection : std::int32_t { sdAscending = 0, sdDescending = 1 };

// The grid's picture of the row backgrounds (one strip per row kind). The model only sizes it;
// the grid widget supplies the implementation and draws into it.
class TRowBackgroundCache {
 public:
  virtual ~TRowBackgroundCache() = default;
  virtual void Resize(int width, int height) = 0;
};

class TGridInfo {
 public:
  TGridInfo() = default;
  TGridInfo(const TGridInfo&) = delete;
  TGridInfo& operator=(const TGridInfo&) = delete;

  TColumns ColInfo;
  std::int32_t SortIndex = 0;
  TSortDirection SortDirection = sdAscending;
  std::int32_t ScrollBarPos = 0;

  std::int32_t RowHeight() const { return rowHeight_; }
  std::int32_t ExtraRowKinds() const { return extraKinds_; }
  // A new value resizes the row background cache.
  void SetRowHeight(std::int32_t h);
  void SetExtraRowKinds(std::int32_t n);
  // Strips in the cache: normal, highlighted, disabled, a spare, then the extra kinds.
  std::int32_t CacheHeight() const { return rowHeight_ * (4 + extraKinds_); }

  TRowBackgroundCache* RowCache() const { return cache_.get(); }
  void SetRowCache(std::unique_ptr<TRowBackgroundCache> cache);

 private:
  void ResizeCache();
  std::int32_t rowHeight_ = 0;
  std::int32_t extraKinds_ = 0;
  std::unique_ptr<TRowBackgroundCache> cache_;
};
