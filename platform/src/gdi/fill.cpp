// Filling, patterns, single pixels, lines and the DC's text colours.
#include <cstdlib>
#include <utility>

#include "gdi/raster.h"

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
  if (!hdc || !rect) return FALSE;
  COLORREF color;
  if (lw::BrushColor(brush, &color)) {
    lw::FillDeviceRect(*lw::ToDC(hdc), *rect, lw::PixelFromColor(color));
  }
  return TRUE;
}

// A one-pixel frame in the brush's colour, inside the rectangle.
int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
  if (!hdc || !rect || rect->right <= rect->left || rect->bottom <= rect->top) return FALSE;
  COLORREF color;
  if (!lw::BrushColor(brush, &color)) return TRUE;
  lw::DeviceContext& dc = *lw::ToDC(hdc);
  const uint32_t pixel = lw::PixelFromColor(color);
  const RECT& r = *rect;
  lw::FillDeviceRect(dc, {r.left, r.top, r.right, r.top + 1}, pixel);
  lw::FillDeviceRect(dc, {r.left, r.bottom - 1, r.right, r.bottom}, pixel);
  lw::FillDeviceRect(dc, {r.left, r.top, r.left + 1, r.bottom}, pixel);
  lw::FillDeviceRect(dc, {r.right - 1, r.top, r.right, r.bottom}, pixel);
  return TRUE;
}

BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
  if (!hdc) return FALSE;
  lw::DeviceContext& dc = *lw::ToDC(hdc);
  // Negative extents count from the other corner, as the platform allows.
  RECT r{std::min(x, x + w), std::min(y, y + h), std::max(x, x + w), std::max(y, y + h)};
  COLORREF color = 0;
  const bool solid = lw::BrushColor(lw::ToHandle(lw::SelectedBrush(dc)), &color);
  const uint32_t pattern = lw::PixelFromColor(color);
  switch (rop) {
    case PATCOPY:
      if (solid) lw::FillDeviceRect(dc, r, pattern);
      return TRUE;
    case PATINVERT:
      if (solid) lw::ForEachPixel(dc, r, [pattern](uint32_t& p) { p ^= pattern; });
      return TRUE;
    case DSTINVERT:
      lw::ForEachPixel(dc, r, [](uint32_t& p) { p = lw::Inverted(p); });
      return TRUE;
    case BLACKNESS:
      lw::FillDeviceRect(dc, r, 0x000000);
      return TRUE;
    case WHITENESS:
      lw::FillDeviceRect(dc, r, 0xFFFFFF);
      return TRUE;
    default:
      return FALSE;
  }
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
  if (!hdc) return CLR_INVALID;
  lw::PutPixel(*lw::ToDC(hdc), x, y, lw::PixelFromColor(color));
  return color & 0xFFFFFF;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
  const uint32_t* pixel = hdc ? lw::DevicePixel(*lw::ToDC(hdc), x, y) : nullptr;
  return pixel ? lw::ColorFromPixel(*pixel) : CLR_INVALID;
}

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT previous) {
  if (!hdc) return FALSE;
  lw::DeviceContext& dc = *lw::ToDC(hdc);
  if (previous) *previous = dc.penPos;
  dc.penPos = {x, y};
  return TRUE;
}

// Steps along the major axis from the current position and rounds the minor
// axis to the nearer pixel, halves towards the start; the end point itself
// is not drawn.
BOOL LineTo(HDC hdc, int x, int y) {
  if (!hdc) return FALSE;
  lw::DeviceContext& dc = *lw::ToDC(hdc);
  const lw::Pen* pen = lw::SelectedPen(dc);
  const POINT from = std::exchange(dc.penPos, POINT{x, y});
  if (pen->null) return TRUE;
  const uint32_t pixel = lw::PixelFromColor(pen->color);
  const int dx = x - from.x;
  const int dy = y - from.y;
  const bool xMajor = std::abs(dx) >= std::abs(dy);
  const int major = xMajor ? std::abs(dx) : std::abs(dy);
  const int minor = xMajor ? std::abs(dy) : std::abs(dx);
  const int majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const int minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
  for (int k = 0; k < major; ++k) {
    const int offset = (2 * k * minor + major - 1) / (2 * major);
    const int along = k * majorStep;
    const int across = offset * minorStep;
    lw::PutPixel(dc, from.x + (xMajor ? along : across), from.y + (xMajor ? across : along), pixel);
  }
  return TRUE;
}

int SetBkMode(HDC hdc, int mode) {
  if (!hdc || (mode != OPAQUE && mode != TRANSPARENT)) return 0;
  return std::exchange(lw::ToDC(hdc)->bkMode, mode);
}

int GetBkMode(HDC hdc) { return hdc ? lw::ToDC(hdc)->bkMode : 0; }

COLORREF SetTextColor(HDC hdc, COLORREF color) {
  if (!hdc) return CLR_INVALID;
  return std::exchange(lw::ToDC(hdc)->textColor, color & 0xFFFFFF);
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
  if (!hdc) return CLR_INVALID;
  return std::exchange(lw::ToDC(hdc)->bkColor, color & 0xFFFFFF);
}
