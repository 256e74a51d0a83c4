// The classic three-dimensional edges and the dotted focus rectangle.
#include "gdi/raster.h"

namespace lw {
namespace {

// The colours of one border: top and left, then bottom and right.
struct BorderColors {
  int topLeft;
  int bottomRight;
};

// The outer border (1) or the inner border (2) of an edge.
BorderColors ColorsOf(UINT edge, UINT flags, bool outer) {
  if (flags & BF_MONO)
    return outer ? BorderColors{COLOR_WINDOWFRAME, COLOR_WINDOWFRAME}
                 : BorderColors{COLOR_WINDOW, COLOR_WINDOW};
  if (flags & BF_FLAT)
    return outer ? BorderColors{COLOR_3DSHADOW, COLOR_3DSHADOW}
                 : BorderColors{COLOR_3DFACE, COLOR_3DFACE};
  const bool soft = (flags & BF_SOFT) != 0;
  if (outer) {
    if (edge & BDR_RAISEDOUTER) return {soft ? COLOR_3DHILIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW};
    return {soft ? COLOR_3DDKSHADOW : COLOR_3DSHADOW, COLOR_3DHILIGHT};
  }
  if (edge & BDR_RAISEDINNER) return {soft ? COLOR_3DLIGHT : COLOR_3DHILIGHT, COLOR_3DSHADOW};
  return {soft ? COLOR_3DSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

void Fill(DeviceContext& dc, const RECT& r, int sysColor) {
  FillDeviceRect(dc, r, PixelFromColor(GetSysColor(sysColor)));
}

// Draws one border along the requested sides of `r`, top and left first so
// that bottom and right own the corners they share, then moves the drawn
// sides of `r` inwards by one pixel.
void DrawBorder(DeviceContext& dc, RECT* r, UINT flags, BorderColors colors) {
  if (flags & BF_TOP) Fill(dc, {r->left, r->top, r->right, r->top + 1}, colors.topLeft);
  if (flags & BF_LEFT) Fill(dc, {r->left, r->top, r->left + 1, r->bottom}, colors.topLeft);
  if (flags & BF_BOTTOM) {
    Fill(dc, {r->left, r->bottom - 1, r->right, r->bottom}, colors.bottomRight);
  }
  if (flags & BF_RIGHT) Fill(dc, {r->right - 1, r->top, r->right, r->bottom}, colors.bottomRight);
  if (flags & BF_TOP) ++r->top;
  if (flags & BF_LEFT) ++r->left;
  if (flags & BF_BOTTOM) --r->bottom;
  if (flags & BF_RIGHT) --r->right;
}

}  // namespace
}  // namespace lw

BOOL DrawEdge(HDC hdc, LPRECT rect, UINT edge, UINT flags) {
  if (!hdc || !rect) return FALSE;
  lw::DeviceContext& dc = *lw::ToDC(hdc);
  RECT inside = *rect;
  const UINT outerBits = BDR_RAISEDOUTER | BDR_SUNKENOUTER;
  const UINT innerBits = BDR_RAISEDINNER | BDR_SUNKENINNER;
  if (edge & outerBits) lw::DrawBorder(dc, &inside, flags, lw::ColorsOf(edge, flags, true));
  if (edge & innerBits) lw::DrawBorder(dc, &inside, flags, lw::ColorsOf(edge, flags, false));
  if (flags & BF_MIDDLE) lw::Fill(dc, inside, (flags & BF_MONO) ? COLOR_WINDOW : COLOR_3DFACE);
  if (flags & BF_ADJUST) *rect = inside;
  return TRUE;
}

// Inverts every other pixel of the rectangle's outline. The dots follow a
// checkerboard anchored at the top-right corner pixel, which is always
// inverted; drawing the same rectangle twice restores the pixels.
BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
  if (!hdc || !rect || rect->right <= rect->left || rect->bottom <= rect->top) return FALSE;
  lw::DeviceContext& dc = *lw::ToDC(hdc);
  const RECT& r = *rect;
  auto invert = [&](int x, int y) {
    if (((r.right - 1 - x) + (y - r.top)) % 2 != 0) return;
    if (uint32_t* p = lw::DevicePixel(dc, x, y)) *p = lw::Inverted(*p);
  };
  for (int x = r.left; x < r.right; ++x) {
    invert(x, r.top);
    if (r.bottom - 1 > r.top) invert(x, r.bottom - 1);
  }
  for (int y = r.top + 1; y < r.bottom - 1; ++y) {
    invert(r.left, y);
    if (r.right - 1 > r.left) invert(r.right - 1, y);
  }
  return TRUE;
}
