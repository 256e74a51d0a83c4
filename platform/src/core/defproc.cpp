// DefWindowProcA: the default behaviour every window gets for the messages
// its own procedure leaves alone.
#include <algorithm>
#include <cstring>

#include "core/frame.h"
#include "core/modal.h"
#include "core/state.h"

namespace lw {
namespace {

POINT PointFrom(LPARAM lp) {
  return POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
}

LRESULT EraseBackground(Window* w, HDC dc) {
  HBRUSH brush = w->cls->background;
  if (!brush) return 0;
  RECT r;
  GetClientRect(w->handle, &r);
  FillRect(dc, &r, brush);
  return 1;
}

LRESULT CopyText(const Window* w, WPARAM size, LPARAM buffer) {
  char* out = reinterpret_cast<char*>(buffer);
  if (!out || size == 0) return 0;
  const size_t n = std::min(w->text.size(), static_cast<size_t>(size - 1));
  std::memcpy(out, w->text.data(), n);
  out[n] = 0;
  return static_cast<LRESULT>(n);
}

LRESULT SetIcon(Window* w, WPARAM which, LPARAM icon) {
  HICON& slot = which == ICON_SMALL ? w->smallIcon : w->bigIcon;
  HICON old = slot;
  slot = reinterpret_cast<HICON>(icon);
  DrawFrame(w);
  return reinterpret_cast<LRESULT>(old);
}

void WindowPosChanged(Window* w, const WINDOWPOS* pos) {
  HWND h = w->handle;
  if (!(pos->flags & SWP_NOMOVE)) Send(w, WM_MOVE, 0, MAKELPARAM(w->client.left, w->client.top));
  if ((w = FromHandle(h)) && !(pos->flags & SWP_NOSIZE))
    Send(w, WM_SIZE, 0,
         MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
}

void SystemCommand(Window* w, WPARAM command, LPARAM lp) {
  switch (command & 0xFFF0) {
    case SC_CLOSE:
      Send(w, WM_CLOSE);
      break;
    case SC_MOVE:
      TrackMove(w, (command & 0x000F) == HTCAPTION);
      break;
    case SC_KEYMENU:
    case SC_MOUSEMENU:
      if (!(w->style & WS_SYSMENU) || lp == 0) break;
      if (UINT chosen = RunSystemMenu(w)) Send(w, WM_SYSCOMMAND, chosen, 0);
      break;
  }
}

void NonClientButtonDown(Window* w, WPARAM hit, LPARAM lp) {
  switch (hit) {
    case HTCAPTION:
      Send(w, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lp);
      break;
    case HTCLOSE:
      TrackCloseButton(w);
      break;
    case HTSYSMENU:
      Send(w, WM_SYSCOMMAND, SC_MOUSEMENU, lp ? lp : 1);
      break;
  }
}

LRESULT ControlColor(HDC dc) {
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace
}  // namespace lw

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  lw::Window* w = lw::FromHandle(hwnd);
  if (!w) return 0;
  switch (msg) {
    case WM_NCCREATE: {
      const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lp);
      if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) w->text = cs->lpszName;
      return TRUE;
    }
    case WM_NCCALCSIZE:
      if (auto* r = reinterpret_cast<RECT*>(lp)) *r = lw::DefaultClientRect(w, *r);
      return 0;
    case WM_NCHITTEST:
      return lw::DefaultHitTest(w, lw::PointFrom(lp));
    case WM_NCPAINT:
      lw::DrawFrame(w);
      return 0;
    case WM_NCACTIVATE:
      w->captionActive = wp != 0;
      lw::DrawFrame(w);
      return TRUE;
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE) SetFocus(hwnd);
      return 0;
    case WM_MOUSEACTIVATE:
      if (w->IsChild()) {
        if (LRESULT r = lw::Send(w->parent, msg, wp, lp)) return r;
      }
      return MA_ACTIVATE;
    case WM_ERASEBKGND:
      return lw::EraseBackground(w, reinterpret_cast<HDC>(wp));
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_SETTEXT:
      w->text = lp ? reinterpret_cast<const char*>(lp) : "";
      lw::DrawFrame(w);
      return TRUE;
    case WM_GETTEXT:
      return lw::CopyText(w, wp, lp);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(w->text.size());
    case WM_SETICON:
      return lw::SetIcon(w, wp, lp);
    case WM_GETICON:
      return reinterpret_cast<LRESULT>(wp == ICON_SMALL ? w->smallIcon : w->bigIcon);
    case WM_WINDOWPOSCHANGED:
      lw::WindowPosChanged(w, reinterpret_cast<const WINDOWPOS*>(lp));
      return 0;
    case WM_SYSKEYDOWN:
      // Posted, as the platform does: the close happens after the key.
      if (wp == VK_F4 && (lp & (1 << 29)))
        PostMessageA(lw::RootOf(w)->handle, WM_SYSCOMMAND, SC_CLOSE, 0);
      return 0;
    case WM_SYSCHAR:
      if (wp == ' ') lw::Send(lw::RootOf(w), WM_SYSCOMMAND, SC_KEYMENU, ' ');
      return 0;
    case WM_SYSCOMMAND:
      lw::SystemCommand(w, wp, lp);
      return 0;
    case WM_NCLBUTTONDOWN:
      lw::NonClientButtonDown(w, wp, lp);
      return 0;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
      return lw::ControlColor(reinterpret_cast<HDC>(wp));
  }
  return 0;
}
