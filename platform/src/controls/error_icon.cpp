// The error sign of message boxes, drawn in code: a red disc with a dark
// rim and a white diagonal cross, 32 x 32 pixels.
#include <cstdlib>

#include "controls/message_box.h"

namespace lw {
namespace {

// In half pixels from the icon's centre, so that pixel centres are whole.
constexpr int kDiscRadius = 30;
constexpr int kRimWidth = 3;
constexpr int kCrossReach = 15;
constexpr int kCrossHalfWidth = 4;

bool OnCross(int dx, int dy) {
  if (std::abs(dx) > kCrossReach || std::abs(dy) > kCrossReach) return false;
  return std::abs(dx - dy) <= kCrossHalfWidth || std::abs(dx + dy) <= kCrossHalfWidth;
}

}  // namespace

void DrawErrorIcon(HDC dc, int left, int top) {
  for (int y = 0; y < kErrorIconSize; ++y) {
    for (int x = 0; x < kErrorIconSize; ++x) {
      const int dx = 2 * x + 1 - kErrorIconSize, dy = 2 * y + 1 - kErrorIconSize;
      const int distance2 = dx * dx + dy * dy;
      if (distance2 > kDiscRadius * kDiscRadius) continue;
      const int inner = kDiscRadius - kRimWidth;
      COLORREF color = RGB(255, 0, 0);
      if (distance2 > inner * inner) color = RGB(128, 0, 0);
      if (OnCross(dx, dy)) color = RGB(255, 255, 255);
      SetPixel(dc, left + x, top + y, color);
    }
  }
}

}  // namespace lw
