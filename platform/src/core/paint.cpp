// Update regions, WM_PAINT generation, device contexts and the screen.
// Each top-level window keeps its pixels in its own surface; children draw
// into it through a clip of their visible part, which honours
// WS_CLIPCHILDREN and WS_CLIPSIBLINGS.
#include "core/paint.h"

#include <algorithm>
#include <set>

#include "backend/backend.h"
#include "core/frame.h"

namespace lw {
namespace {

std::set<DeviceContext*>& WindowDCs() {
  static auto* dcs = new std::set<DeviceContext*>;
  return *dcs;
}

RECT ClientBox(const Window* w) {
  return RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
}

HDC MakeDC(Window* w, bool clientOnly) {
  Window* root = RootOf(w);
  EnsureSurface(root);
  auto* dc = new DeviceContext;
  const RECT area = clientOnly ? ClientRectInRoot(w) : WindowRectInRoot(w);
  dc->surface = root->surface.get();
  dc->origin = POINT{area.left, area.top};
  dc->clip = VisibleRegion(w, clientOnly);
  dc->window = w->handle;
  WindowDCs().insert(dc);
  return ToHDC(dc);
}

// Screen DCs (GetDC(NULL)) measure text; what they draw goes nowhere.
HDC MakeScreenDC() {
  static Surface* nowhere = new Surface;
  auto* dc = new DeviceContext;
  dc->surface = nowhere;
  WindowDCs().insert(dc);
  return ToHDC(dc);
}

bool WantsChildren(const Window* w) { return !(w->style & WS_CLIPCHILDREN); }

void PaintDirtyFrame(Window* w) {
  if (!w->frameDirty) return;
  w->frameDirty = false;
  Send(w, WM_NCPAINT, 1, 0);
}

void PaintNow(Window* w, bool children) {
  HWND h = w->handle;
  if (!IsReallyVisible(w)) return;
  PaintDirtyFrame(w);
  if ((w = FromHandle(h)) && !w->update.Empty()) Send(w, WM_PAINT);
  if (!children || !(w = FromHandle(h))) return;
  for (HWND child : HandlesOf(w->children))
    if (Window* c = FromHandle(child)) PaintNow(c, true);
}

Window* FindPaintable(Window* w) {
  if (!w->Visible()) return nullptr;
  if (w->frameDirty || !w->update.Empty()) return w;
  for (Window* c : w->children)
    if (Window* found = FindPaintable(c)) return found;
  return nullptr;
}

}  // namespace

void EnsureSurface(Window* top) {
  if (!top->surface) top->surface = std::make_unique<Surface>();
  const int width = std::max<int>(0, top->rect.right - top->rect.left);
  const int height = std::max<int>(0, top->rect.bottom - top->rect.top);
  if (top->surface->width != width || top->surface->height != height)
    top->surface->Resize(width, height, PixelFromColor(GetSysColor(COLOR_BTNFACE)));
}

const Surface* WindowSurface(HWND top) {
  Window* w = FromHandle(top);
  return w && w->surface ? w->surface.get() : nullptr;
}

void InvalidateClient(Window* w, const Region* region, bool erase, bool children) {
  if (!IsReallyVisible(w)) return;
  Region r = region ? *region : Region(ClientBox(w));
  r.Intersect(ClientBox(w));
  if (r.Empty()) return;
  w->update.Union(r);
  w->erase = w->erase || erase;
  if (!children) return;
  for (Window* c : w->children) {
    if (!c->Visible()) continue;
    Region part = r;
    part.Intersect(c->rect);
    if (part.Empty()) continue;
    Region frame = part;
    frame.Subtract(c->client);
    if (!frame.Empty()) c->frameDirty = true;
    Region clientPart = part;
    clientPart.Intersect(c->client);
    clientPart.Offset(-c->client.left, -c->client.top);
    InvalidateClient(c, &clientPart, erase, true);
  }
}

void InvalidateWhole(Window* w) {
  if (!EqualRect(&w->rect, &w->client)) w->frameDirty = true;
  InvalidateClient(w, nullptr, true, true);
}

void InvalidateUncovered(Window* parent, const RECT& area) {
  if (parent == Desktop()) return;  // top-level windows keep their own pixels
  Region r(area);
  InvalidateClient(parent, &r, true, true);
}

Window* NextWindowToPaint(Window* within) {
  for (;;) {
    Window* found = nullptr;
    if (within) {
      if (IsReallyVisible(within)) found = FindPaintable(within);
    } else {
      for (Window* top : TopLevelWindows())
        if ((found = FindPaintable(top))) break;
    }
    if (!found) return nullptr;
    if (!found->frameDirty) return found;
    PaintDirtyFrame(found);
  }
}

Region VisibleRegion(const Window* w, bool clientOnly) {
  if (!IsReallyVisible(w)) return Region();
  Region r(clientOnly ? ClientRectInRoot(w) : WindowRectInRoot(w));
  for (const Window* c = w; !IsTopLevel(c); c = c->parent) {
    const Window* p = c->parent;
    r.Intersect(ClientRectInRoot(p));
    if (!(c->style & WS_CLIPSIBLINGS)) continue;
    for (const Window* s : p->children) {
      if (s == c) break;
      if (s->Visible()) r.Subtract(WindowRectInRoot(s));
    }
  }
  if (clientOnly && (w->style & WS_CLIPCHILDREN)) {
    for (const Window* c : w->children)
      if (c->Visible()) r.Subtract(WindowRectInRoot(c));
  }
  const Window* root = RootOf(const_cast<Window*>(w));
  r.Intersect(RECT{0, 0, root->rect.right - root->rect.left, root->rect.bottom - root->rect.top});
  return r;
}

void ComposeScreen(Surface* screen) {
  const SIZE size = CurrentBackend()->ScreenSize();
  screen->Resize(size.cx, size.cy, PixelFromColor(GetSysColor(COLOR_DESKTOP)));
  const auto tops = TopLevelWindows();
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
    const Window* w = *it;
    if (!w->Visible() || !w->surface) continue;
    const Surface& s = *w->surface;
    for (int y = 0; y < s.height; ++y) {
      const int sy = w->rect.top + y;
      if (sy < 0 || sy >= screen->height) continue;
      const int x0 = std::max<int>(0, -w->rect.left);
      const int x1 = std::min<int>(s.width, screen->width - w->rect.left);
      if (x1 > x0) std::copy(s.Row(y) + x0, s.Row(y) + x1, screen->Row(sy) + w->rect.left + x0);
    }
  }
}

void ResetPainting() {
  for (DeviceContext* dc : WindowDCs()) delete dc;
  WindowDCs().clear();
}

}  // namespace lw

using lw::FromHandle;
using lw::Window;

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
  if (!hwnd) {
    for (Window* top : lw::TopLevelWindows()) lw::InvalidateWhole(top);
    return TRUE;
  }
  Window* w = FromHandle(hwnd);
  if (!w) return FALSE;
  lw::Region r = rect ? lw::Region(*rect) : lw::Region(lw::ClientBox(w));
  lw::InvalidateClient(w, &r, erase, lw::WantsChildren(w));
  return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
  Window* w = FromHandle(hwnd);
  if (!w) return FALSE;
  if (rect) {
    w->update.Subtract(*rect);
  } else {
    w->update = lw::Region();
  }
  if (w->update.Empty()) w->erase = false;
  return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags) {
  if (!hwnd) {
    for (Window* top : lw::TopLevelWindows()) RedrawWindow(top->handle, nullptr, nullptr, flags);
    return TRUE;
  }
  Window* w = FromHandle(hwnd);
  if (!w) return FALSE;
  const bool children = (flags & RDW_ALLCHILDREN) || lw::WantsChildren(w);
  if (flags & RDW_INVALIDATE) {
    lw::Region r(lw::ClientBox(w));
    if (region) {
      r = static_cast<lw::RegionObject*>(lw::ToObject(region))->region;
    } else if (rect) {
      r = lw::Region(*rect);
    }
    if (flags & RDW_FRAME) w->frameDirty = !EqualRect(&w->rect, &w->client);
    if ((flags & RDW_FRAME) && (flags & RDW_ALLCHILDREN)) {
      lw::InvalidateWhole(w);
    } else {
      lw::InvalidateClient(w, &r, (flags & RDW_ERASE) != 0, children);
    }
  }
  if (flags & RDW_UPDATENOW) lw::PaintNow(w, children);
  return TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  if (!w) return FALSE;
  lw::PaintNow(w, false);
  return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL) {
  Window* w = FromHandle(hwnd);
  if (!w) return FALSE;
  if (rect) *rect = w->update.Empty() ? RECT{0, 0, 0, 0} : w->update.Bounds();
  return !w->update.Empty();
}

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT ps) {
  Window* w = FromHandle(hwnd);
  if (!w || !ps) return nullptr;
  lw::PaintDirtyFrame(w);
  if (!(w = FromHandle(hwnd))) return nullptr;
  lw::Region update = w->update;
  const bool erase = w->erase;
  w->update = lw::Region();
  w->erase = false;

  HDC hdc = lw::MakeDC(w, true);
  lw::DeviceContext* dc = lw::ToDC(hdc);
  lw::Region clip = update;
  clip.Offset(dc->origin.x, dc->origin.y);
  dc->clip.Intersect(clip);

  *ps = PAINTSTRUCT{};
  ps->hdc = hdc;
  ps->rcPaint = update.Empty() ? RECT{0, 0, 0, 0} : update.Bounds();
  if (erase) ps->fErase = !lw::Send(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
  return hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
  if (!ps) return FALSE;
  ReleaseDC(hwnd, ps->hdc);
  return TRUE;
}

HDC GetDC(HWND hwnd) {
  if (!hwnd) return lw::MakeScreenDC();
  Window* w = FromHandle(hwnd);
  return w ? lw::MakeDC(w, true) : nullptr;
}

HDC GetWindowDC(HWND hwnd) {
  if (!hwnd) return lw::MakeScreenDC();
  Window* w = FromHandle(hwnd);
  return w ? lw::MakeDC(w, false) : nullptr;
}

int ReleaseDC(HWND, HDC hdc) {
  lw::DeviceContext* dc = lw::ToDC(hdc);
  if (!lw::WindowDCs().erase(dc)) return 0;
  Window* w = FromHandle(dc->window);
  delete dc;
  if (w) lw::CurrentBackend()->WindowRepainted(lw::RootOf(w)->handle);
  return 1;
}
