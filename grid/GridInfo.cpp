#include "GridInfo.h"

void TGridInfo::SetRowHeight(std::int32_t h) {
  if (h < 0) h = 0;
  if (h == rowHeight_) return;
  rowHeight_ = h;
  ResizeCache();
}

void TGridInfo::SetExtraRowKinds(std::int32_t n) {
  if (n < 0) n = 0;
  if (n == extraKinds_) return;
  extraKinds_ = n;
  ResizeCache();
}

void TGridInfo::SetRowCache(std::unique_ptr<TRowBackgroundCache> cache) {
  cache_ = std::move(cache);
  ResizeCache();
}

void TGridInfo::ResizeCache() {
  if (cache_) cache_->Resize(ColInfo.MaxWidthSum(), CacheHeight());
}
