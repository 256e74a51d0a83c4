// The window tree seen from outside: parents, owners, siblings in z-order,
// and where a window sits on the screen and in its top-level surface.
#include <strings.h>

#include <algorithm>

#include "core/state.h"

namespace lw {

Window* RootOf(Window* w) {
  while (w && w->parent && w->parent != Desktop()) w = w->parent;
  return w;
}

bool IsTopLevel(const Window* w) { return w && w->parent == Desktop(); }

bool IsDescendant(const Window* ancestor, const Window* w) {
  for (; w; w = w->parent)
    if (w == ancestor) return true;
  return false;
}

bool IsReallyVisible(const Window* w) {
  for (; w && w != Desktop(); w = w->parent)
    if (!w->Visible()) return false;
  return w != nullptr;
}

std::vector<Window*> TopLevelWindows() { return Desktop()->children; }

std::vector<Window*> OwnedWindows(const Window* owner) {
  std::vector<Window*> owned;
  for (Window* w : TopLevelWindows())
    if (w->owner == owner) owned.push_back(w);
  return owned;
}

void Unlink(Window* w) {
  auto& siblings = w->parent->children;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), w), siblings.end());
}

void LinkOnTop(Window* w) { w->parent->children.insert(w->parent->children.begin(), w); }

std::vector<HWND> HandlesOf(const std::vector<Window*>& windows) {
  std::vector<HWND> handles;
  for (const Window* w : windows) handles.push_back(w->handle);
  return handles;
}

POINT ClientOriginOnScreen(const Window* w) {
  POINT p{0, 0};
  for (; w && w != Desktop(); w = w->parent) {
    p.x += w->client.left;
    p.y += w->client.top;
  }
  return p;
}

namespace {

RECT Offset(RECT r, POINT by) {
  OffsetRect(&r, by.x, by.y);
  return r;
}

}  // namespace

RECT WindowRectOnScreen(const Window* w) {
  return w->parent == Desktop() ? w->rect : Offset(w->rect, ClientOriginOnScreen(w->parent));
}

RECT ClientRectOnScreen(const Window* w) {
  return w->parent == Desktop() ? w->client : Offset(w->client, ClientOriginOnScreen(w->parent));
}

RECT WindowRectInRoot(const Window* w) {
  const RECT root = RootOf(const_cast<Window*>(w))->rect;
  return Offset(WindowRectOnScreen(w), POINT{-root.left, -root.top});
}

RECT ClientRectInRoot(const Window* w) {
  const RECT root = RootOf(const_cast<Window*>(w))->rect;
  return Offset(ClientRectOnScreen(w), POINT{-root.left, -root.top});
}

}  // namespace lw

using lw::FromHandle;
using lw::Window;

HWND GetParent(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  if (!w) return nullptr;
  if (w->IsChild()) return w->parent->handle;
  return (w->style & WS_POPUP) && w->owner ? w->owner->handle : nullptr;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
  Window* w = FromHandle(hwnd);
  if (!w) return nullptr;
  switch (flags) {
    case GA_PARENT:
      return w->parent ? w->parent->handle : nullptr;
    case GA_ROOT:
      return lw::RootOf(w)->handle;
    case GA_ROOTOWNER: {
      Window* r = lw::RootOf(w);
      while (r->owner) r = r->owner;
      return r->handle;
    }
  }
  return nullptr;
}

HWND GetWindow(HWND hwnd, UINT cmd) {
  Window* w = FromHandle(hwnd);
  if (!w) return nullptr;
  if (cmd == GW_CHILD) return w->children.empty() ? nullptr : w->children.front()->handle;
  if (cmd == GW_OWNER) return w->owner ? w->owner->handle : nullptr;
  const auto& sib = w->parent->children;
  const auto it = std::find(sib.begin(), sib.end(), w);
  switch (cmd) {
    case GW_HWNDFIRST:
      return sib.front()->handle;
    case GW_HWNDLAST:
      return sib.back()->handle;
    case GW_HWNDNEXT:
      return it + 1 == sib.end() ? nullptr : (*(it + 1))->handle;
    case GW_HWNDPREV:
      return it == sib.begin() ? nullptr : (*(it - 1))->handle;
  }
  return nullptr;
}

HWND GetDlgItem(HWND dialog, int id) {
  Window* w = FromHandle(dialog);
  if (!w) return nullptr;
  for (Window* c : w->children)
    if (c->id == id) return c->handle;
  return nullptr;
}

BOOL IsChild(HWND parent, HWND hwnd) {
  Window* p = FromHandle(parent);
  Window* w = FromHandle(hwnd);
  if (!p || !w) return FALSE;
  for (; w && w->IsChild(); w = w->parent)
    if (w->parent == p) return TRUE;
  return FALSE;
}

int GetDlgCtrlID(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  return w && w->IsChild() ? static_cast<int>(w->id) : 0;
}

HWND FindWindowA(LPCSTR className, LPCSTR title) {
  for (Window* w : lw::TopLevelWindows()) {
    if (className && strcasecmp(w->cls->name.c_str(), className) != 0) continue;
    if (title && w->text != title) continue;
    return w->handle;
  }
  return nullptr;
}

// ---- Geometry queries --------------------------------------------------------------

BOOL GetWindowRect(HWND hwnd, LPRECT out) {
  Window* w = FromHandle(hwnd);
  if (!w || !out) return FALSE;
  *out = lw::WindowRectOnScreen(w);
  return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT out) {
  Window* w = FromHandle(hwnd);
  if (!w || !out) return FALSE;
  *out = RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
  return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT p) {
  Window* w = FromHandle(hwnd);
  if (!w || !p) return FALSE;
  const POINT o = lw::ClientOriginOnScreen(w);
  p->x += o.x;
  p->y += o.y;
  return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT p) {
  Window* w = FromHandle(hwnd);
  if (!w || !p) return FALSE;
  const POINT o = lw::ClientOriginOnScreen(w);
  p->x -= o.x;
  p->y -= o.y;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
  const Window* a = from ? FromHandle(from) : lw::Desktop();
  const Window* b = to ? FromHandle(to) : lw::Desktop();
  if (!a || !b) return 0;
  const POINT oa = lw::ClientOriginOnScreen(a);
  const POINT ob = lw::ClientOriginOnScreen(b);
  const int dx = oa.x - ob.x;
  const int dy = oa.y - ob.y;
  for (UINT i = 0; i < count; ++i) {
    points[i].x += dx;
    points[i].y += dy;
  }
  return MAKELONG(dx, dy);
}
