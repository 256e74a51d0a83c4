// Modal tracking in the non-client area: caption drag, the close button and
// the system menu. Each loop takes messages with GetMessageA, so it waits for
// input through the backend; input meant for the loop is consumed, anything
// else is dispatched as usual. A WM_QUIT ends the loop and is posted again.
#include "core/modal.h"

#include "core/frame.h"
#include "core/system.h"

namespace lw {
namespace {

void MoveTo(HWND h, int x, int y) {
  SetWindowPos(h, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

constexpr int kKeyboardStep = 8;

}  // namespace

bool NextTrackingMessage(MSG* m, HWND tracked) {
  if (!GetMessageA(m, nullptr, 0, 0)) {
    PostQuitMessage(static_cast<int>(m->wParam));
    return false;
  }
  if (!IsInputMessage(m->message)) {
    TranslateMessage(m);
    DispatchMessageA(m);
  }
  return IsWindow(tracked) && GetCapture() == tracked;
}

bool IsInputMessage(UINT msg) {
  return (msg >= WM_KEYDOWN && msg <= WM_SYSCHAR) || (msg >= WM_MOUSEMOVE && msg <= 0x020E) ||
         (msg >= WM_NCMOUSEMOVE && msg <= 0x00A9);
}

void TrackMove(Window* top, bool withMouse) {
  HWND h = top->handle;
  POINT start;
  GetCursorPos(&start);
  const RECT original = top->rect;
  POINT offset{0, 0};
  SetCapture(h);
  Send(top, WM_ENTERSIZEMOVE);
  bool cancelled = false;
  MSG m;
  while (NextTrackingMessage(&m, h)) {
    if (m.message == WM_MOUSEMOVE && withMouse) {
      offset = POINT{m.pt.x - start.x, m.pt.y - start.y};
    } else if (m.message == WM_LBUTTONUP || m.message == WM_LBUTTONDOWN) {
      break;
    } else if (m.message == WM_KEYDOWN || m.message == WM_SYSKEYDOWN) {
      if (m.wParam == VK_RETURN) break;
      if (m.wParam == VK_ESCAPE) {
        cancelled = true;
        break;
      }
      if (m.wParam == VK_LEFT) offset.x -= kKeyboardStep;
      if (m.wParam == VK_RIGHT) offset.x += kKeyboardStep;
      if (m.wParam == VK_UP) offset.y -= kKeyboardStep;
      if (m.wParam == VK_DOWN) offset.y += kKeyboardStep;
    } else {
      continue;
    }
    MoveTo(h, original.left + offset.x, original.top + offset.y);
  }
  if (!IsWindow(h)) return;
  if (cancelled) MoveTo(h, original.left, original.top);
  if (GetCapture() == h) ReleaseCapture();
  SendMessageA(h, WM_EXITSIZEMOVE, 0, 0);
}

void TrackCloseButton(Window* top) {
  HWND h = top->handle;
  auto setPushed = [h](bool pushed) {
    Window* w = FromHandle(h);
    if (!w || w->closePushed == pushed) return;
    w->closePushed = pushed;
    DrawFrame(w);
  };
  setPushed(true);
  SetCapture(h);
  MSG m;
  POINT release{0, 0};
  while (NextTrackingMessage(&m, h)) {
    if (m.message == WM_MOUSEMOVE) setPushed(DefaultHitTest(FromHandle(h), m.pt) == HTCLOSE);
    if (m.message == WM_LBUTTONUP) {
      release = m.pt;
      break;
    }
  }
  Window* w = FromHandle(h);
  if (!w) return;
  const bool fire = w->closePushed && DefaultHitTest(w, release) == HTCLOSE;
  if (GetCapture() == h) ReleaseCapture();
  setPushed(false);
  if (fire) SendMessageA(h, WM_SYSCOMMAND, SC_CLOSE, MAKELPARAM(release.x, release.y));
}

}  // namespace lw
