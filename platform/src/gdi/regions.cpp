// Region objects and the clip box.
#include "gdi/raster.h"

namespace lw {
namespace {

RegionObject* ToRegion(HRGN handle) {
  if (!handle) return nullptr;
  GdiObject* object = ToObject(handle);
  return object->kind == GdiKind::Region ? static_cast<RegionObject*>(object) : nullptr;
}

int RegionType(const Region& region) {
  if (region.Empty()) return NULLREGION;
  return region.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

}  // namespace
}  // namespace lw

HRGN CreateRectRgn(int x1, int y1, int x2, int y2) {
  RECT r{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
  auto* object = new lw::RegionObject;
  object->region = lw::Region(r);
  return lw::ToHandle(object);
}

HRGN CreateRectRgnIndirect(const RECT* r) {
  return r ? CreateRectRgn(r->left, r->top, r->right, r->bottom) : nullptr;
}

int CombineRgn(HRGN destination, HRGN source1, HRGN source2, int mode) {
  lw::RegionObject* dst = lw::ToRegion(destination);
  lw::RegionObject* a = lw::ToRegion(source1);
  lw::RegionObject* b = lw::ToRegion(source2);
  if (!dst || !a || (mode != RGN_COPY && !b)) return RGN_ERROR;
  lw::Region result = a->region;
  switch (mode) {
    case RGN_AND:
      result.Intersect(b->region);
      break;
    case RGN_OR:
      result.Union(b->region);
      break;
    case RGN_XOR: {
      lw::Region common = a->region;
      common.Intersect(b->region);
      result.Union(b->region);
      result.Subtract(common);
      break;
    }
    case RGN_DIFF:
      result.Subtract(b->region);
      break;
    case RGN_COPY:
      break;
    default:
      return RGN_ERROR;
  }
  dst->region = std::move(result);
  return lw::RegionType(dst->region);
}

BOOL FillRgn(HDC hdc, HRGN handle, HBRUSH brush) {
  lw::RegionObject* region = lw::ToRegion(handle);
  if (!hdc || !region) return FALSE;
  COLORREF color;
  if (!lw::BrushColor(brush, &color)) return TRUE;
  for (const RECT& r : region->region.Rects()) {
    lw::FillDeviceRect(*lw::ToDC(hdc), r, lw::PixelFromColor(color));
  }
  return TRUE;
}

int GetClipBox(HDC hdc, LPRECT rect) {
  if (!hdc || !rect) return RGN_ERROR;
  const lw::DeviceContext& dc = *lw::ToDC(hdc);
  lw::Region visible = dc.clip;
  if (dc.surface)
    visible.Intersect(RECT{0, 0, dc.surface->width, dc.surface->height});
  else
    visible = lw::Region();
  *rect = visible.Bounds();
  if (!visible.Empty()) {
    rect->left -= dc.origin.x;
    rect->right -= dc.origin.x;
    rect->top -= dc.origin.y;
    rect->bottom -= dc.origin.y;
  }
  return lw::RegionType(visible);
}
