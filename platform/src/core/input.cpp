#include "core/input.h"

#include <cstdint>
#include <vector>

#include "core/activation.h"
#include "core/queue.h"
#include "core/state.h"

namespace lw::input {
namespace {

struct InputState {
  POINT cursor{0, 0};
  uint8_t keys[256] = {};
};

InputState& S() {
  static InputState state;
  return state;
}

bool IsKeyDown(UINT vk) { return (S().keys[vk & 0xFF] & 0x80) != 0; }

struct Hit {
  Window* window = nullptr;
  LRESULT code = HTNOWHERE;
};

LPARAM PackPoint(POINT p) { return MAKELPARAM(p.x, p.y); }

// The deepest window under a point that does not answer HTTRANSPARENT.
// Disabled children count as part of their parent.
Hit HitTestIn(Window* w, POINT screen) {
  const RECT client = ClientRectOnScreen(w);
  if (PtInRect(&client, screen)) {
    for (Window* c : w->children) {
      const RECT r = WindowRectOnScreen(c);
      if (!c->Visible() || !PtInRect(&r, screen)) continue;
      if (!c->Enabled()) break;
      Hit h = HitTestIn(c, screen);
      if (h.window) return h;
    }
  }
  const LRESULT code = Send(w, WM_NCHITTEST, 0, PackPoint(screen));
  if (code == HTTRANSPARENT) return Hit{};
  return Hit{w, code};
}

Window* EnabledPopupOf(Window* top) {
  for (Window* w : OwnedWindows(top))
    if (w->Visible() && w->Enabled()) return w;
  return nullptr;
}

// Finds the window a mouse event at `screen` belongs to; a press on a
// disabled top-level window activates its enabled popup instead.
Hit TargetAt(POINT screen, bool press) {
  if (HWND captured = GetCapture()) return Hit{FromHandle(captured), HTCLIENT};
  for (Window* top : TopLevelWindows()) {
    const RECT r = top->rect;
    if (!top->Visible() || !PtInRect(&r, screen)) continue;
    if (!top->Enabled()) {
      if (Window* popup = press ? EnabledPopupOf(top) : nullptr) ActivateWindow(popup, WA_ACTIVE);
      return Hit{};
    }
    Hit h = HitTestIn(top, screen);
    if (h.window) return h;
  }
  return Hit{};
}

WPARAM MouseKeys() {
  WPARAM keys = 0;
  if (IsKeyDown(VK_LBUTTON)) keys |= MK_LBUTTON;
  if (IsKeyDown(VK_SHIFT)) keys |= MK_SHIFT;
  if (IsKeyDown(VK_CONTROL)) keys |= MK_CONTROL;
  return keys;
}

void PostMouse(const Hit& hit, UINT clientMsg, POINT screen) {
  HWND h = hit.window->handle;
  if (hit.code == HTCLIENT) {
    POINT p = screen;
    ScreenToClient(h, &p);
    PostToQueue(h, clientMsg, MouseKeys(), PackPoint(p));
  } else {
    PostToQueue(h, clientMsg - (WM_MOUSEMOVE - WM_NCMOUSEMOVE), static_cast<WPARAM>(hit.code),
                PackPoint(screen));
  }
}

// Click-activation; returns false when the press is to be eaten.
bool ActivateForClick(const Hit& hit) {
  Window* top = RootOf(hit.window);
  if (GetCapture() || top == ActiveWindow()) return true;
  HWND h = hit.window->handle;
  const LRESULT answer = Send(hit.window, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top->handle),
                              MAKELPARAM(hit.code, WM_LBUTTONDOWN));
  if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) ActivateWindow(top, WA_CLICKACTIVE);
  return FromHandle(h) && answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

}  // namespace

void MouseMove(int x, int y) {
  S().cursor = POINT{x, y};
  const Hit hit = TargetAt(S().cursor, false);
  if (hit.window) PostMouse(hit, WM_MOUSEMOVE, S().cursor);
}

void MouseButton(int x, int y, bool down) {
  if (x != S().cursor.x || y != S().cursor.y) MouseMove(x, y);
  S().keys[VK_LBUTTON] = down ? 0x80 : 0;
  const Hit hit = TargetAt(S().cursor, down);
  if (!hit.window) return;
  if (down && !ActivateForClick(hit)) return;
  if (!FromHandle(hit.window->handle)) return;
  PostMouse(hit, down ? WM_LBUTTONDOWN : WM_LBUTTONUP, S().cursor);
}

void Key(UINT vk, bool down) {
  vk &= 0xFF;
  const bool wasDown = IsKeyDown(vk);
  const bool alt = IsKeyDown(VK_MENU);
  S().keys[vk] = down ? 0x80 : 0;
  Window* target = FocusWindow();
  bool system = alt || vk == VK_MENU || vk == VK_F10;
  if (!target) {
    target = ActiveWindow();
    system = true;
  }
  if (!target) return;
  const UINT msg = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
  LPARAM lp = 1;
  if (alt || (down && vk == VK_MENU)) lp |= LPARAM{1} << 29;
  if (wasDown) lp |= LPARAM{1} << 30;
  if (!down) lp |= LPARAM{1} << 31;
  PostToQueue(target->handle, msg, vk, lp);
}

void ActivateOtherProgram() { ActivateWindow(nullptr, WA_INACTIVE); }

void ReturnTo(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  if (!w) return;
  Window* top = RootOf(w);
  if (!top->Enabled()) top = EnabledPopupOf(top);
  if (top) ActivateWindow(top, WA_ACTIVE);
}

void CloseRequest(HWND top) { PostMessageA(top, WM_SYSCOMMAND, SC_CLOSE, 0); }

void LogOff() {
  const std::vector<HWND> tops = HandlesOf(TopLevelWindows());
  bool agreed = true;
  for (HWND h : tops)
    if (IsWindow(h) && !SendMessageA(h, WM_QUERYENDSESSION, 0, 0)) agreed = false;
  for (HWND h : tops) SendMessageA(h, WM_ENDSESSION, agreed, 0);
  if (agreed) ExitProcess(0);
}

void ResetInput() { S() = InputState{}; }

}  // namespace lw::input

short GetKeyState(int vk) { return lw::input::IsKeyDown(vk) ? static_cast<short>(0xFF80) : 0; }

BOOL GetCursorPos(LPPOINT p) {
  if (!p) return FALSE;
  *p = lw::input::S().cursor;
  return TRUE;
}
