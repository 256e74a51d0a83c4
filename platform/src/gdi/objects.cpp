#include "gdi/objects.h"

#include <algorithm>

#include "gdi/raster.h"

namespace lw {

void Surface::Resize(int w, int h, uint32_t fill) {
  width = std::max(w, 0);
  height = std::max(h, 0);
  pixels.assign(static_cast<size_t>(width) * height, fill);
}

namespace {

bool IsEmptyRect(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

RECT IntersectRects(const RECT& a, const RECT& b) {
  RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  return IsEmptyRect(r) ? RECT{0, 0, 0, 0} : r;
}

// Appends the parts of `r` outside `cut` (at most four rectangles).
void AppendDifference(const RECT& r, const RECT& cut, std::vector<RECT>* out) {
  RECT in = IntersectRects(r, cut);
  if (IsEmptyRect(in)) {
    out->push_back(r);
    return;
  }
  if (r.top < in.top) out->push_back({r.left, r.top, r.right, in.top});
  if (in.bottom < r.bottom) out->push_back({r.left, in.bottom, r.right, r.bottom});
  if (r.left < in.left) out->push_back({r.left, in.top, in.left, in.bottom});
  if (in.right < r.right) out->push_back({in.right, in.top, r.right, in.bottom});
}

// Two rectangles that share a whole edge become one, so that a region
// that covers a rectangle is described by that one rectangle.
bool TryMerge(RECT* a, const RECT& b) {
  if (a->top == b.top && a->bottom == b.bottom && (a->right == b.left || b.right == a->left)) {
    a->left = std::min(a->left, b.left);
    a->right = std::max(a->right, b.right);
    return true;
  }
  if (a->left == b.left && a->right == b.right && (a->bottom == b.top || b.bottom == a->top)) {
    a->top = std::min(a->top, b.top);
    a->bottom = std::max(a->bottom, b.bottom);
    return true;
  }
  return false;
}

void Coalesce(std::vector<RECT>* rects) {
  bool merged = true;
  while (merged) {
    merged = false;
    for (size_t i = 0; i < rects->size() && !merged; ++i) {
      for (size_t j = i + 1; j < rects->size(); ++j) {
        if (TryMerge(&(*rects)[i], (*rects)[j])) {
          rects->erase(rects->begin() + j);
          merged = true;
          break;
        }
      }
    }
  }
}

}  // namespace

Region::Region(const RECT& r) {
  if (!IsEmptyRect(r)) rects_.push_back(r);
}

RECT Region::Bounds() const {
  if (rects_.empty()) return RECT{0, 0, 0, 0};
  RECT b = rects_.front();
  for (const RECT& r : rects_) {
    b.left = std::min(b.left, r.left);
    b.top = std::min(b.top, r.top);
    b.right = std::max(b.right, r.right);
    b.bottom = std::max(b.bottom, r.bottom);
  }
  return b;
}

bool Region::Contains(int x, int y) const {
  for (const RECT& r : rects_) {
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
  }
  return false;
}

void Region::Union(const Region& other) {
  Region added = other;
  added.Subtract(*this);
  rects_.insert(rects_.end(), added.rects_.begin(), added.rects_.end());
  Coalesce(&rects_);
}

void Region::Intersect(const Region& other) {
  std::vector<RECT> result;
  for (const RECT& a : rects_) {
    for (const RECT& b : other.rects_) {
      RECT in = IntersectRects(a, b);
      if (!IsEmptyRect(in)) result.push_back(in);
    }
  }
  Coalesce(&result);
  rects_ = std::move(result);
}

void Region::Intersect(const RECT& r) { Intersect(Region(r)); }

void Region::Subtract(const Region& other) {
  for (const RECT& cut : other.rects_) Subtract(cut);
}

void Region::Subtract(const RECT& cut) {
  if (IsEmptyRect(cut)) return;
  std::vector<RECT> result;
  for (const RECT& r : rects_) AppendDifference(r, cut, &result);
  Coalesce(&result);
  rects_ = std::move(result);
}

void Region::Offset(int dx, int dy) {
  for (RECT& r : rects_) {
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
  }
}

void FillDeviceRect(DeviceContext& dc, const RECT& logical, uint32_t pixel) {
  ForEachPixel(dc, logical, [pixel](uint32_t& p) { p = pixel; });
}

uint32_t* DevicePixel(DeviceContext& dc, int x, int y) {
  if (!dc.surface) return nullptr;
  const int dx = x + dc.origin.x;
  const int dy = y + dc.origin.y;
  if (dx < 0 || dy < 0 || dx >= dc.surface->width || dy >= dc.surface->height) return nullptr;
  return dc.clip.Contains(dx, dy) ? dc.surface->Row(dy) + dx : nullptr;
}

void PutPixel(DeviceContext& dc, int x, int y, uint32_t pixel) {
  if (uint32_t* p = DevicePixel(dc, x, y)) *p = pixel;
}

}  // namespace lw
