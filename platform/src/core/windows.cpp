// Window classes, the handle table and the window tree, creation and
// destruction, and the window's own data (text, longs, geometry queries).
#include <strings.h>

#include <algorithm>
#include <cstring>
#include <map>

#include "backend/backend.h"
#include "core/activation.h"
#include "core/core.h"
#include "core/frame.h"
#include "core/paint.h"
#include "core/state.h"

namespace lw {
namespace {

struct Tables {
  std::vector<std::unique_ptr<WindowClass>> classes;
  std::map<uintptr_t, std::unique_ptr<Window>> windows;
  uintptr_t nextHandle = 0x10020;
  Window desktop;
  int createCalls = 0;
  int failingCreateCall = 0;  // 0: none fails
};

Tables& T() {
  static Tables* tables = new Tables;  // outlives static destructors on purpose
  return *tables;
}

WindowClass* FindClass(LPCSTR name) {
  for (auto& c : T().classes) {
    if (IS_INTRESOURCE(name) ? c->atom == reinterpret_cast<uintptr_t>(name)
                             : strcasecmp(c->name.c_str(), name) == 0)
      return c.get();
  }
  return nullptr;
}

Window* NewWindow() {
  auto w = std::make_unique<Window>();
  uintptr_t h = T().nextHandle;
  T().nextHandle += 4;
  w->handle = reinterpret_cast<HWND>(h);
  Window* raw = w.get();
  T().windows[h] = std::move(w);
  return raw;
}

void Unlink(Window* w) {
  auto& siblings = w->parent->children;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), w), siblings.end());
}

void FreeWindow(Window* w) {
  ForgetFreedWindow(w);
  Unlink(w);
  T().windows.erase(reinterpret_cast<uintptr_t>(w->handle));
}

// Default position and size for CW_USEDEFAULT, staggered like a desktop would.
void ApplyDefaults(int* x, int* y, int* cx, int* cy) {
  if (*x == CW_USEDEFAULT) *x = *y = 24;
  if (*cx == CW_USEDEFAULT) {
    *cx = 400;
    *cy = 300;
  }
}

void SendParentNotify(Window* w, UINT event) {
  if (!w->IsChild() || (w->exStyle & WS_EX_NOPARENTNOTIFY)) return;
  Send(w->parent, WM_PARENTNOTIFY, MAKEWPARAM(event, w->id), reinterpret_cast<LPARAM>(w->handle));
}

void SendDestroy(Window* w) {
  HWND h = w->handle;
  Send(w, WM_DESTROY);
  if (!(w = FromHandle(h))) return;
  std::vector<HWND> kids;
  for (Window* c : w->children) kids.push_back(c->handle);
  for (HWND k : kids)
    if (Window* c = FromHandle(k)) SendDestroy(c);
}

void SendNcDestroyAndFree(Window* w) {
  while (!w->children.empty()) SendNcDestroyAndFree(w->children.front());
  Send(w, WM_NCDESTROY);
  FreeWindow(w);
}

}  // namespace

Window* FromHandle(HWND hwnd) {
  auto it = T().windows.find(reinterpret_cast<uintptr_t>(hwnd));
  return it == T().windows.end() ? nullptr : it->second.get();
}

Window* Desktop() {
  Window& d = T().desktop;
  if (!d.handle) {
    d.handle = reinterpret_cast<HWND>(uintptr_t{0x10010});
    d.style = WS_VISIBLE | WS_CLIPCHILDREN;
  }
  const SIZE screen = CurrentBackend()->ScreenSize();
  d.rect = d.client = RECT{0, 0, screen.cx, screen.cy};
  return &d;
}

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

POINT ClientOriginOnScreen(const Window* w) {
  POINT p{0, 0};
  for (; w && w != Desktop(); w = w->parent) {
    p.x += w->client.left;
    p.y += w->client.top;
  }
  return p;
}

static RECT Offset(RECT r, POINT by) {
  OffsetRect(&r, by.x, by.y);
  return r;
}

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

LRESULT Send(Window* w, UINT msg, WPARAM wp, LPARAM lp) {
  if (!w || !w->proc) return 0;
  return w->proc(w->handle, msg, wp, lp);
}

void ResetWindows() {
  Tables& t = T();
  t.windows.clear();
  t.desktop.children.clear();
  t.classes.clear();
  t.createCalls = 0;
  t.failingCreateCall = 0;
}

void SetFailingCreateCall(int n) {
  T().failingCreateCall = n;
  T().createCalls = 0;
}

}  // namespace lw

using lw::FromHandle;
using lw::Window;

// ---- Classes ------------------------------------------------------------------

ATOM RegisterClassA(const WNDCLASSA* wc) {
  if (!wc || !wc->lpszClassName || !wc->lpfnWndProc || lw::FindClass(wc->lpszClassName)) return 0;
  auto c = std::make_unique<lw::WindowClass>();
  c->name = wc->lpszClassName;
  c->style = wc->style;
  c->proc = wc->lpfnWndProc;
  c->instance = wc->hInstance;
  c->icon = wc->hIcon;
  c->cursor = wc->hCursor;
  c->background = wc->hbrBackground;
  c->classExtra = wc->cbClsExtra;
  c->windowExtra = wc->cbWndExtra;
  c->atom = static_cast<ATOM>(0xC000 + lw::T().classes.size());
  lw::T().classes.push_back(std::move(c));
  return lw::T().classes.back()->atom;
}

BOOL UnregisterClassA(LPCSTR name, HINSTANCE) {
  lw::WindowClass* c = lw::FindClass(name);
  if (!c) return FALSE;
  for (auto& [h, w] : lw::T().windows)
    if (w->cls == c) return FALSE;
  auto& v = lw::T().classes;
  v.erase(std::remove_if(v.begin(), v.end(), [c](auto& p) { return p.get() == c; }), v.end());
  return TRUE;
}

BOOL GetClassInfoA(HINSTANCE, LPCSTR name, WNDCLASSA* out) {
  const lw::WindowClass* c = lw::FindClass(name);
  if (!c || !out) return FALSE;
  *out = WNDCLASSA{c->style, c->proc,   c->classExtra, c->windowExtra, c->instance,
                   c->icon,  c->cursor, c->background, nullptr,        c->name.c_str()};
  return TRUE;
}

int GetClassNameA(HWND hwnd, LPSTR buffer, int size) {
  Window* w = FromHandle(hwnd);
  if (!w || !buffer || size <= 0) return 0;
  const int n = std::min<int>(w->cls->name.size(), size - 1);
  std::memcpy(buffer, w->cls->name.data(), n);
  buffer[n] = 0;
  return n;
}

// ---- Creation and destruction ---------------------------------------------------

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y,
                     int cx, int cy, HWND parentHandle, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
  lw::Tables& t = lw::T();
  if (++t.createCalls == t.failingCreateCall) return nullptr;
  const lw::WindowClass* cls = lw::FindClass(className);
  Window* parent = FromHandle(parentHandle);
  if (!cls || ((style & WS_CHILD) && !parent)) return nullptr;
  lw::ApplyDefaults(&x, &y, &cx, &cy);

  Window* w = lw::NewWindow();
  w->cls = cls;
  w->proc = cls->proc;
  w->style = style & ~WS_VISIBLE;
  w->exStyle = exStyle;
  w->instance = instance;
  w->id = reinterpret_cast<LONG_PTR>(menu);
  if (style & WS_CHILD) {
    w->parent = parent;
  } else {
    w->parent = lw::Desktop();
    w->owner = parent ? lw::RootOf(parent) : nullptr;
    w->style |= WS_CLIPSIBLINGS;
    if ((style & WS_POPUP) == 0) w->style |= WS_CAPTION;
  }
  w->parent->children.insert(w->parent->children.begin(), w);
  w->rect = RECT{x, y, x + cx, y + cy};
  w->client = w->rect;
  HWND h = w->handle;

  CREATESTRUCTA cs{param, instance,  menu,   parentHandle, cy, cx, y, x, static_cast<LONG>(style),
                   title, className, exStyle};
  if (!w->IsChild()) {
    MINMAXINFO mmi{};
    lw::Send(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
  }
  if (!FromHandle(h) || !lw::Send(w, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
    if (FromHandle(h)) lw::SendNcDestroyAndFree(w);
    return nullptr;
  }
  lw::RecalcClient(w);
  if (!w->IsChild()) lw::EnsureSurface(w);
  if (lw::Send(w, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    DestroyWindow(h);
    return nullptr;
  }
  if (!(w = FromHandle(h))) return nullptr;
  lw::Send(w, WM_SIZE, 0,
           MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
  lw::Send(w, WM_MOVE, 0, MAKELPARAM(w->client.left, w->client.top));
  if ((w = FromHandle(h))) lw::SendParentNotify(w, WM_CREATE);
  if ((style & WS_VISIBLE) && FromHandle(h)) ShowWindow(h, SW_SHOW);
  return FromHandle(h) ? h : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  if (!w || w == lw::Desktop() || w->destroying) return FALSE;
  w->destroying = true;
  // Owned windows go first, as they cannot outlive their owner.
  std::vector<HWND> owned;
  for (Window* top : lw::TopLevelWindows())
    if (top->owner == w) owned.push_back(top->handle);
  for (HWND h : owned) DestroyWindow(h);
  if (!(w = FromHandle(hwnd))) return TRUE;
  lw::SendParentNotify(w, WM_DESTROY);
  if (w->IsChild()) lw::ForgetWindow(w);
  if (!(w = FromHandle(hwnd))) return TRUE;
  if (w->Visible()) {
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  lw::ForgetWindow(FromHandle(hwnd));
  if (!(w = FromHandle(hwnd))) return TRUE;
  lw::SendDestroy(w);
  if (!(w = FromHandle(hwnd))) return TRUE;
  const bool topLevel = lw::IsTopLevel(w);
  lw::SendNcDestroyAndFree(w);
  if (topLevel) lw::CurrentBackend()->WindowDestroyed(hwnd);
  return TRUE;
}

BOOL IsWindow(HWND hwnd) { return FromHandle(hwnd) != nullptr; }

// ---- The tree --------------------------------------------------------------------

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

// ---- Longs and text -----------------------------------------------------------------

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) {
  Window* w = FromHandle(hwnd);
  if (!w) return 0;
  switch (index) {
    case GWLP_WNDPROC:
      return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE:
      return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT:
      return reinterpret_cast<LONG_PTR>(GetParent(hwnd));
    case GWLP_ID:
      return w->id;
    case GWL_STYLE:
      return static_cast<LONG>(w->style);
    case GWL_EXSTYLE:
      return static_cast<LONG>(w->exStyle);
    case GWLP_USERDATA:
      return w->userData;
  }
  return 0;
}

LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
  Window* w = FromHandle(hwnd);
  if (!w) return 0;
  const LONG_PTR old = GetWindowLongPtrA(hwnd, index);
  switch (index) {
    case GWLP_WNDPROC:
      w->proc = reinterpret_cast<WNDPROC>(value);
      break;
    case GWLP_HINSTANCE:
      w->instance = reinterpret_cast<HINSTANCE>(value);
      break;
    case GWLP_ID:
      w->id = value;
      break;
    case GWL_STYLE:
      // Visibility and enabling go through ShowWindow and EnableWindow.
      w->style = (static_cast<DWORD>(value) & ~(WS_VISIBLE | WS_DISABLED)) |
                 (w->style & (WS_VISIBLE | WS_DISABLED));
      break;
    case GWL_EXSTYLE:
      w->exStyle = static_cast<DWORD>(value);
      break;
    case GWLP_USERDATA:
      w->userData = value;
      break;
  }
  return old;
}

LONG GetWindowLongA(HWND hwnd, int index) {
  return static_cast<LONG>(GetWindowLongPtrA(hwnd, index));
}

LONG SetWindowLongA(HWND hwnd, int index, LONG value) {
  return static_cast<LONG>(SetWindowLongPtrA(hwnd, index, value));
}

int GetWindowTextA(HWND hwnd, LPSTR buffer, int size) {
  return static_cast<int>(
      SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND hwnd) {
  return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR text) {
  return static_cast<BOOL>(SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
}
