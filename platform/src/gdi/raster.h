// Helpers shared by the GDI drawing functions: walking the clipped device
// pixels of a logical rectangle, and turning brush handles into colours.
#pragma once

#include <algorithm>

#include "gdi/objects.h"

namespace lw {

// Calls op(pixel&) for every device pixel of a logical rectangle that lies
// inside the DC's clip and surface.
template <typename Op>
void ForEachPixel(DeviceContext& dc, const RECT& logical, Op op) {
  if (!dc.surface) return;
  const RECT device{logical.left + dc.origin.x, logical.top + dc.origin.y,
                    logical.right + dc.origin.x, logical.bottom + dc.origin.y};
  for (const RECT& c : dc.clip.Rects()) {
    const int left = std::max({device.left, c.left, 0});
    const int top = std::max({device.top, c.top, 0});
    const int right = std::min({device.right, c.right, static_cast<LONG>(dc.surface->width)});
    const int bottom = std::min({device.bottom, c.bottom, static_cast<LONG>(dc.surface->height)});
    for (int y = top; y < bottom; ++y) {
      uint32_t* row = dc.surface->Row(y);
      for (int x = left; x < right; ++x) op(row[x]);
    }
  }
}

// The colour that inverting a pixel gives.
inline uint32_t Inverted(uint32_t pixel) { return ~pixel & 0xFFFFFF; }

// The colour a brush paints with, or false for a hollow brush. Accepts the
// platform's (HBRUSH)(COLOR_xxx + 1) form for system colours.
bool BrushColor(HBRUSH brush, COLORREF* color);

Brush* SelectedBrush(const DeviceContext& dc);
Pen* SelectedPen(const DeviceContext& dc);
Font* SelectedFont(const DeviceContext& dc);

}  // namespace lw
