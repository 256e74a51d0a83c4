// Frame metrics, hit-testing and the classic drawing of frame and caption.
#include <algorithm>

#include "core/frame.h"
#include "core/paint.h"
#include "core/system.h"

namespace lw {
namespace {

constexpr int kCloseWidth = 16;
constexpr int kCloseHeight = 14;
constexpr int kIconSize = 16;

uint32_t SysPixel(int index) { return PixelFromColor(GetSysColor(index)); }

uint32_t Blend(uint32_t a, uint32_t b, int num, int den) {
  auto channel = [&](int shift) {
    const int ca = (a >> shift) & 0xFF;
    const int cb = (b >> shift) & 0xFF;
    return static_cast<uint32_t>(ca + (cb - ca) * num / den) << shift;
  };
  return channel(16) | channel(8) | channel(0);
}

void FillSys(HDC dc, RECT r, int index) { FillRect(dc, &r, GetSysColorBrush(index)); }

void DrawGradient(DeviceContext& dc, const RECT& r, uint32_t left, uint32_t right) {
  const int width = std::max<int>(1, r.right - r.left - 1);
  for (int x = r.left; x < r.right; ++x)
    FillDeviceRect(dc, RECT{x, r.top, x + 1, r.bottom}, Blend(left, right, x - r.left, width));
}

// The classic close glyph: two diagonals two pixels thick, 8 by 7.
void DrawCloseGlyph(DeviceContext& dc, int x, int y, uint32_t pixel) {
  for (int i = 0; i < 7; ++i) {
    FillDeviceRect(dc, RECT{x + i, y + i, x + i + 2, y + i + 1}, pixel);
    FillDeviceRect(dc, RECT{x + 6 - i, y + i, x + 8 - i, y + i + 1}, pixel);
  }
}

void DrawCloseButton(HDC dc, RECT r, bool pushed) {
  DrawEdge(dc, &r, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE);
  const int shift = pushed ? 1 : 0;
  DrawCloseGlyph(*ToDC(dc), r.left + 4 + shift, r.top + 3 + shift, SysPixel(COLOR_BTNTEXT));
}

void DrawCaption(Window* w, HDC dc) {
  const bool active = w->captionActive;
  const RECT cap = CaptionRect(w);
  DrawGradient(*ToDC(dc), cap, SysPixel(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION),
               SysPixel(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION));
  FillSys(dc, RECT{cap.left, cap.bottom, cap.right, cap.bottom + 1}, COLOR_BTNFACE);

  RECT text = cap;
  text.left += 2;
  if (w->style & WS_SYSMENU) {
    HICON icon = w->smallIcon ? w->smallIcon : w->bigIcon ? w->bigIcon : w->cls->icon;
    const RECT ir = CaptionIconRect(w);
    if (icon) DrawIconEx(dc, ir.left, ir.top, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
    text.left = ir.right + 2;
    const RECT close = CloseButtonRect(w);
    DrawCloseButton(dc, close, w->closePushed);
    text.right = close.left - 2;
  }
  HGDIOBJ oldFont = SelectObject(dc, CaptionFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  DrawTextA(dc, w->text.c_str(), static_cast<int>(w->text.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
  SelectObject(dc, oldFont);
}

void DrawBorder(Window* w, HDC dc, RECT r) {
  const DWORD s = w->style;
  if ((s & WS_DLGFRAME) || (s & WS_THICKFRAME) || (w->exStyle & WS_EX_DLGMODALFRAME)) {
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
    InflateRect(&r, -2, -2);
    const int ring = (s & WS_THICKFRAME) ? 2 : 1;
    for (int i = 0; i < ring; ++i) {
      FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
      InflateRect(&r, -1, -1);
    }
  } else if (s & WS_BORDER) {
    FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&r, -1, -1);
  }
  if (w->exStyle & WS_EX_CLIENTEDGE) DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
}

}  // namespace

bool HasCaption(DWORD style) { return (style & WS_CAPTION) == WS_CAPTION; }

int FrameWidth(DWORD style, DWORD exStyle) {
  int width = 0;
  if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
    width = (style & WS_THICKFRAME) ? 4 : 3;
  else if (style & WS_THICKFRAME)
    width = 4;
  else if (style & WS_BORDER)
    width = 1;
  if (exStyle & WS_EX_CLIENTEDGE) width += 2;
  return width;
}

RECT DefaultClientRect(const Window* w, const RECT& windowRect) {
  RECT r = windowRect;
  const int f = FrameWidth(w->style, w->exStyle);
  InflateRect(&r, -f, -f);
  if (HasCaption(w->style)) r.top += GetSystemMetrics(SM_CYCAPTION);
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
  return r;
}

void RecalcClient(Window* w) {
  RECT r = w->rect;
  Send(w, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&r));
  w->client = r;
}

RECT CaptionRect(const Window* w) {
  const int f = FrameWidth(w->style, w->exStyle);
  const int width = w->rect.right - w->rect.left;
  return RECT{f, f, width - f, f + kCaptionBarHeight};
}

RECT CloseButtonRect(const Window* w) {
  const RECT cap = CaptionRect(w);
  const int top = cap.top + (kCaptionBarHeight - kCloseHeight) / 2;
  return RECT{cap.right - 2 - kCloseWidth, top, cap.right - 2, top + kCloseHeight};
}

RECT CaptionIconRect(const Window* w) {
  const RECT cap = CaptionRect(w);
  const int top = cap.top + (kCaptionBarHeight - kIconSize) / 2;
  return RECT{cap.left + 2, top, cap.left + 2 + kIconSize, top + kIconSize};
}

LRESULT DefaultHitTest(Window* w, POINT screen) {
  const RECT wr = WindowRectOnScreen(w);
  if (!PtInRect(&wr, screen)) return HTNOWHERE;
  const RECT cr = ClientRectOnScreen(w);
  if (PtInRect(&cr, screen)) return HTCLIENT;
  const POINT p{screen.x - wr.left, screen.y - wr.top};
  if (HasCaption(w->style)) {
    const RECT cap = CaptionRect(w);
    if (PtInRect(&cap, p)) {
      const RECT close = CloseButtonRect(w);
      const RECT icon = CaptionIconRect(w);
      if ((w->style & WS_SYSMENU) && PtInRect(&close, p)) return HTCLOSE;
      if ((w->style & WS_SYSMENU) && PtInRect(&icon, p)) return HTSYSMENU;
      return HTCAPTION;
    }
  }
  return HTBORDER;
}

void DrawFrame(Window* w) {
  // A pending WM_NCPAINT will draw it all anyway.
  if (!IsReallyVisible(w) || w->frameDirty || EqualRect(&w->rect, &w->client)) return;
  HDC dc = GetWindowDC(w->handle);
  if (!dc) return;
  // The frame never paints over the client area.
  const RECT client = ClientRectInRoot(w);
  ToDC(dc)->clip.Subtract(client);
  const RECT outer{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
  DrawBorder(w, dc, outer);
  if (HasCaption(w->style)) DrawCaption(w, dc);
  ReleaseDC(w->handle, dc);
}

}  // namespace lw
