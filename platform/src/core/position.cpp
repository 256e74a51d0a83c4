// Showing, hiding, moving, stacking, re-parenting and enabling windows.
#include <algorithm>

#include "backend/backend.h"
#include "core/activation.h"
#include "core/frame.h"
#include "core/paint.h"

namespace lw {
namespace {

void Restack(Window* w, HWND after) {
  if (after == HWND_TOPMOST || after == HWND_NOTOPMOST) after = HWND_TOP;
  Window* anchor = (after == HWND_TOP || after == HWND_BOTTOM) ? nullptr : FromHandle(after);
  if (anchor == w || (anchor && anchor->parent != w->parent)) return;
  Unlink(w);
  auto& list = w->parent->children;
  if (after == HWND_BOTTOM) {
    list.push_back(w);
  } else if (!anchor) {
    LinkOnTop(w);
  } else {
    list.insert(std::find(list.begin(), list.end(), anchor) + 1, w);
  }
}

void Show(Window* w) {
  w->style |= WS_VISIBLE;
  if (IsTopLevel(w)) {
    EnsureSurface(w);
    CurrentBackend()->WindowShown(w->handle);
  }
  InvalidateWhole(w);
}

void Hide(Window* w) {
  w->style &= ~WS_VISIBLE;
  if (IsTopLevel(w)) {
    // Activation moves on; the focus leaves with it.
    CurrentBackend()->WindowHidden(w->handle);
    if (ActiveWindow() == w) ActivateAnotherWindow(w);
    return;
  }
  if (FocusWindow() && IsDescendant(w, FocusWindow())) SetFocus(w->parent->handle);
  InvalidateUncovered(w->parent, w->rect);
}

// Moves and sizes; returns whether anything changed.
bool Reposition(Window* w, int x, int y, int cx, int cy, UINT flags) {
  RECT r = w->rect;
  if (!(flags & SWP_NOMOVE)) OffsetRect(&r, x - r.left, y - r.top);
  if (!(flags & SWP_NOSIZE)) {
    r.right = r.left + std::max(0, cx);
    r.bottom = r.top + std::max(0, cy);
  }
  if (EqualRect(&r, &w->rect)) return false;
  const RECT old = w->rect;
  const bool resized =
      (r.right - r.left != old.right - old.left) || (r.bottom - r.top != old.bottom - old.top);
  w->rect = r;
  RecalcClient(w);
  if (IsTopLevel(w)) {
    if (resized) {
      EnsureSurface(w);
      InvalidateWhole(w);
    }
    CurrentBackend()->WindowMoved(w->handle);
  } else if (w->Visible()) {
    InvalidateUncovered(w->parent, old);
    InvalidateWhole(w);
  }
  return true;
}

}  // namespace
}  // namespace lw

using lw::FromHandle;
using lw::Window;

BOOL SetWindowPos(HWND hwnd, HWND after, int x, int y, int cx, int cy, UINT flags) {
  Window* w = FromHandle(hwnd);
  if (!w || w == lw::Desktop()) return FALSE;
  WINDOWPOS pos{hwnd, after, x, y, cx, cy, flags};
  if (flags & SWP_NOMOVE) {
    pos.x = w->rect.left;
    pos.y = w->rect.top;
  }
  if (flags & SWP_NOSIZE) {
    pos.cx = w->rect.right - w->rect.left;
    pos.cy = w->rect.bottom - w->rect.top;
  }
  lw::Send(w, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
  if (!(w = FromHandle(hwnd))) return FALSE;

  const bool wasVisible = w->Visible();
  if (!(flags & SWP_NOZORDER)) lw::Restack(w, after);
  bool changed = lw::Reposition(w, pos.x, pos.y, pos.cx, pos.cy, flags);
  if ((flags & SWP_SHOWWINDOW) && !wasVisible) {
    lw::Show(w);
    changed = true;
  } else if ((flags & SWP_HIDEWINDOW) && wasVisible) {
    lw::Hide(w);
    changed = true;
  }
  if (!(w = FromHandle(hwnd))) return TRUE;
  if (!(flags & SWP_NOACTIVATE) && lw::IsTopLevel(w) && w->Visible())
    lw::ActivateWindow(w, WA_ACTIVE);
  if ((w = FromHandle(hwnd)) && (changed || !(flags & SWP_NOZORDER))) {
    pos.x = w->rect.left;
    pos.y = w->rect.top;
    pos.cx = w->rect.right - w->rect.left;
    pos.cy = w->rect.bottom - w->rect.top;
    lw::Send(w, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  }
  return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int cx, int cy, BOOL) {
  return SetWindowPos(hwnd, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL ShowWindow(HWND hwnd, int cmd) {
  Window* w = FromHandle(hwnd);
  if (!w) return FALSE;
  const BOOL wasVisible = w->Visible();
  if (cmd == SW_HIDE) {
    if (!wasVisible) return FALSE;
    lw::Send(w, WM_SHOWWINDOW, FALSE, 0);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return wasVisible;
  }
  const bool activate = cmd != SW_SHOWNA && cmd != SW_SHOWNOACTIVATE && lw::IsTopLevel(w);
  if (!wasVisible) lw::Send(w, WM_SHOWWINDOW, TRUE, 0);
  if (!(w = FromHandle(hwnd))) return wasVisible;
  UINT flags = SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE;
  if (!activate) flags |= SWP_NOACTIVATE | SWP_NOZORDER;
  if (activate && !w->Enabled()) flags |= SWP_NOACTIVATE;
  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, flags);
  return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  return w && lw::IsReallyVisible(w);
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  Window* w = FromHandle(hwnd);
  if (!w) return FALSE;
  const BOOL wasDisabled = !w->Enabled();
  if (enable == !wasDisabled) return wasDisabled;
  // Only the focus window itself loses the focus; a focused child of a
  // disabled window keeps it, and keeps getting the keys.
  if (!enable && lw::FocusWindow() == w) SetFocus(nullptr);
  if (!enable && GetCapture() && lw::IsDescendant(w, FromHandle(GetCapture()))) ReleaseCapture();
  if (enable) {
    w->style &= ~WS_DISABLED;
  } else {
    w->style |= WS_DISABLED;
  }
  lw::Send(w, WM_ENABLE, enable, 0);
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  return w && w->Enabled();
}

HWND SetParent(HWND child, HWND newParentHandle) {
  Window* w = FromHandle(child);
  Window* parent = newParentHandle ? FromHandle(newParentHandle) : lw::Desktop();
  if (!w || !parent || lw::IsDescendant(w, parent)) return nullptr;
  Window* old = w->parent;
  const bool visible = w->Visible();
  if (visible) ShowWindow(child, SW_HIDE);
  lw::Unlink(w);
  w->parent = parent;
  lw::LinkOnTop(w);
  lw::RecalcClient(w);
  if (parent == lw::Desktop()) lw::EnsureSurface(w);
  if (visible) ShowWindow(child, SW_SHOWNA);
  return old == lw::Desktop() ? nullptr : old->handle;
}
