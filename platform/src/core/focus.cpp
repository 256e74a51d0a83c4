// Activation of top-level windows, keyboard focus and mouse capture. The
// orders of the messages follow what the platform does: the old window hears
// of its deactivation before the new one of its activation, and
// DefWindowProcA's WM_ACTIVATE hands the focus to the activated window.
#include "backend/backend.h"
#include "core/activation.h"

namespace lw {
namespace {

struct FocusState {
  Window* active = nullptr;
  Window* focus = nullptr;
  Window* capture = nullptr;
};

FocusState& F() {
  static FocusState state;
  return state;
}

HWND HandleOf(const Window* w) { return w ? w->handle : nullptr; }

void KillFocus() {
  Window* old = F().focus;
  F().focus = nullptr;
  if (old) Send(old, WM_KILLFOCUS, 0);
}

}  // namespace

Window* ActiveWindow() { return F().active; }
Window* FocusWindow() { return F().focus; }

void BringToTop(Window* top) {
  Unlink(top);
  LinkOnTop(top);
  // Owned windows stay above their owner, in their own order.
  const std::vector<Window*> owned = OwnedWindows(top);
  for (auto it = owned.rbegin(); it != owned.rend(); ++it) BringToTop(*it);
}

void ActivateWindow(Window* top, WPARAM how) {
  Window* old = F().active;
  if (top == old) return;
  HWND topHandle = HandleOf(top);
  HWND oldHandle = HandleOf(old);
  if (old) {
    Send(old, WM_NCACTIVATE, FALSE, reinterpret_cast<LPARAM>(topHandle));
    if ((old = FromHandle(oldHandle)))
      Send(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(topHandle));
    if (!top && (old = FromHandle(oldHandle))) Send(old, WM_ACTIVATEAPP, FALSE, 0);
  }
  if (F().focus && (!top || RootOf(F().focus) != top)) KillFocus();
  top = FromHandle(topHandle);
  F().active = top;
  if (!top) return;
  BringToTop(top);
  if (!oldHandle) Send(top, WM_ACTIVATEAPP, TRUE, 0);
  if ((top = FromHandle(topHandle)))
    Send(top, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(oldHandle));
  if ((top = FromHandle(topHandle)))
    Send(top, WM_ACTIVATE, MAKEWPARAM(how, 0), reinterpret_cast<LPARAM>(oldHandle));
  if (FromHandle(topHandle)) CurrentBackend()->WindowActivated(topHandle);
}

void ActivateAnotherWindow(Window* leaving) {
  Window* next = nullptr;
  if (leaving->owner && leaving->owner->Visible() && leaving->owner->Enabled()) {
    next = leaving->owner;
  } else {
    for (Window* w : TopLevelWindows()) {
      if (w != leaving && w->Visible() && w->Enabled()) {
        next = w;
        break;
      }
    }
  }
  ActivateWindow(next, WA_ACTIVE);
}

void ForgetWindow(Window* w) {
  if (!w) return;
  // Focus deeper inside a window being destroyed just ends; focus on the
  // window itself moves to its parent when the window is hidden.
  if (F().focus && F().focus != w && IsDescendant(w, F().focus)) F().focus = nullptr;
  if (F().capture && IsDescendant(w, F().capture)) ReleaseCapture();
  if (F().active == w) ActivateAnotherWindow(w);
}

void ForgetFreedWindow(const Window* w) {
  if (F().active == w) F().active = nullptr;
  if (F().focus == w) F().focus = nullptr;
  if (F().capture == w) F().capture = nullptr;
}

void ResetFocus() { F() = FocusState{}; }

}  // namespace lw

using lw::F;
using lw::FromHandle;
using lw::Window;

HWND SetFocus(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  if (hwnd && !w) return nullptr;
  if (w && !w->Enabled()) return nullptr;
  if (w && lw::RootOf(w) != F().active) {
    lw::ActivateWindow(lw::RootOf(w), WA_ACTIVE);
    w = FromHandle(hwnd);
    if (!w || lw::RootOf(w) != F().active) return nullptr;
  }
  Window* old = F().focus;
  HWND oldHandle = lw::HandleOf(old);
  if (old == w) return oldHandle;
  F().focus = w;
  if (old) lw::Send(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd));
  if (w && F().focus == w) lw::Send(w, WM_SETFOCUS, reinterpret_cast<WPARAM>(oldHandle));
  return oldHandle;
}

HWND GetFocus() { return lw::HandleOf(F().focus); }
HWND GetActiveWindow() { return lw::HandleOf(F().active); }
HWND GetForegroundWindow() { return lw::HandleOf(F().active); }

HWND SetActiveWindow(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  HWND old = lw::HandleOf(F().active);
  if (!w || !lw::IsTopLevel(w)) return nullptr;
  lw::ActivateWindow(w, WA_ACTIVE);
  return old;
}

BOOL SetForegroundWindow(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  if (!w) return FALSE;
  lw::ActivateWindow(lw::RootOf(w), WA_ACTIVE);
  return TRUE;
}

HWND SetCapture(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  Window* old = F().capture;
  F().capture = w;
  if (old && old != w) lw::Send(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
  return lw::HandleOf(old);
}

BOOL ReleaseCapture() {
  Window* old = F().capture;
  F().capture = nullptr;
  if (old) lw::Send(old, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND GetCapture() { return lw::HandleOf(F().capture); }
