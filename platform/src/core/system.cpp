// System metrics and colours. The colours are the classic unthemed scheme
// (grey 0xC0C0C0 faces, a navy-to-blue active caption), the one a classic
// program was drawn for; a flat light scheme would wash its bevels out.
#include "core/system.h"

#include <array>
#include <memory>

#include "backend/backend.h"
#include "core/paint.h"
#include "core/state.h"

namespace lw {
namespace {

constexpr int kColorCount = 31;

constexpr std::array<COLORREF, kColorCount> kClassicColors = {
    RGB(192, 192, 192),  // COLOR_SCROLLBAR
    RGB(0, 128, 128),    // COLOR_BACKGROUND
    RGB(0, 0, 128),      // COLOR_ACTIVECAPTION
    RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(192, 192, 192),  // COLOR_ACTIVEBORDER
    RGB(192, 192, 192),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(0, 0, 128),      // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(192, 192, 192),  // COLOR_BTNFACE
    RGB(128, 128, 128),  // COLOR_BTNSHADOW
    RGB(128, 128, 128),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(192, 192, 192),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(0, 0, 0),        // COLOR_3DDKSHADOW
    RGB(223, 223, 223),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    RGB(180, 180, 180),  // (unused)
    RGB(0, 0, 255),      // COLOR_HOTLIGHT
    RGB(16, 132, 208),   // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_GRADIENTINACTIVECAPTION
    RGB(0, 0, 128),      // COLOR_MENUHILIGHT
    RGB(192, 192, 192),  // COLOR_MENUBAR
};

struct Colors {
  std::array<COLORREF, kColorCount> values = kClassicColors;
  // One brush per colour, made on first use; SetSysColors recolours them in
  // place so handles the program holds follow the change.
  std::array<std::unique_ptr<Brush>, kColorCount> brushes;
};

Colors& C() {
  static auto* colors = new Colors;
  return *colors;
}

bool ValidIndex(int i) { return i >= 0 && i < kColorCount; }

}  // namespace

// The brushes stay, as their handles are the stock ones, but take the
// classic colours again.
void ResetSystemColors() {
  C().values = kClassicColors;
  for (int i = 0; i < kColorCount; ++i)
    if (auto& brush = C().brushes[i]) brush->color = kClassicColors[i];
}

}  // namespace lw

int GetSystemMetrics(int index) {
  const SIZE screen = lw::CurrentBackend()->ScreenSize();
  switch (index) {
    case SM_CXSCREEN:
      return screen.cx;
    case SM_CYSCREEN:
      return screen.cy;
    case SM_CYCAPTION:
      return lw::kCaptionBarHeight + 1;  // the bar and the line under it
    case SM_CXBORDER:
    case SM_CYBORDER:
      return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
      return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
      return 4;
    case SM_CXEDGE:
    case SM_CYEDGE:
      return 2;
    case SM_CXICON:
    case SM_CYICON:
      return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
      return 16;
    case SM_CXSIZE:
    case SM_CYSIZE:
      return lw::kCaptionBarHeight;
  }
  return 0;
}

DWORD GetSysColor(int index) { return lw::ValidIndex(index) ? lw::C().values[index] : 0; }

HBRUSH GetSysColorBrush(int index) {
  if (!lw::ValidIndex(index)) return nullptr;
  auto& brush = lw::C().brushes[index];
  if (!brush) {
    brush = std::make_unique<lw::Brush>();
    brush->stock = true;
    brush->color = lw::C().values[index];
  }
  return lw::ToHandle(brush.get());
}

BOOL SetSysColors(int count, const INT* indexes, const COLORREF* values) {
  if (count <= 0 || !indexes || !values) return FALSE;
  for (int i = 0; i < count; ++i) {
    if (!lw::ValidIndex(indexes[i])) continue;
    lw::C().values[indexes[i]] = values[i];
    if (auto& brush = lw::C().brushes[indexes[i]]) brush->color = values[i];
  }
  const std::vector<HWND> tops = lw::HandlesOf(lw::TopLevelWindows());
  for (HWND h : tops) SendMessageA(h, WM_SYSCOLORCHANGE, 0, 0);
  for (HWND h : tops)
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return TRUE;
}
