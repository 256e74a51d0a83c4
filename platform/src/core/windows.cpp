// Window classes, the handle table, and creating and destroying windows.
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

void FreeWindow(Window* w) {
  ForgetFreedWindow(w);
  Unlink(w);
  T().windows.erase(reinterpret_cast<uintptr_t>(w->handle));
}

// CW_USEDEFAULT gets the same place near the screen's top-left corner and the
// same size every time: nothing here needs windows staggered.
void ApplyDefaults(int* x, int* y, int* cx, int* cy) {
  if (*x == CW_USEDEFAULT) *x = *y = 24;
  if (*cx == CW_USEDEFAULT) {
    *cx = 400;
    *cy = 300;
  }
}

// A top-level window hangs under the desktop, owned by the root of the
// window it was created for; it always clips its siblings and, unless it is
// a pop-up, has a caption. New windows start topmost among their siblings.
void AttachToTree(Window* w, Window* parent) {
  if (w->IsChild()) {
    w->parent = parent;
  } else {
    w->parent = Desktop();
    w->owner = parent ? RootOf(parent) : nullptr;
    w->style |= WS_CLIPSIBLINGS;
    if ((w->style & WS_POPUP) == 0) w->style |= WS_CAPTION;
  }
  LinkOnTop(w);
}

void SendSizeAndMove(Window* w) {
  Send(w, WM_SIZE, 0,
       MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
  Send(w, WM_MOVE, 0, MAKELPARAM(w->client.left, w->client.top));
}

void SendParentNotify(Window* w, UINT event) {
  if (!w->IsChild() || (w->exStyle & WS_EX_NOPARENTNOTIFY)) return;
  Send(w->parent, WM_PARENTNOTIFY, MAKEWPARAM(event, w->id), reinterpret_cast<LPARAM>(w->handle));
}

void SendDestroy(Window* w) {
  HWND h = w->handle;
  Send(w, WM_DESTROY);
  if (!(w = FromHandle(h))) return;
  for (HWND child : HandlesOf(w->children))
    if (Window* c = FromHandle(child)) SendDestroy(c);
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
  lw::AttachToTree(w, parent);
  w->rect = RECT{x, y, x + cx, y + cy};
  w->client = w->rect;
  HWND h = w->handle;

  CREATESTRUCTA cs{param, instance,  menu,   parentHandle, cy, cx, y, x, static_cast<LONG>(style),
                   title, className, exStyle};
  // Top-level windows are asked for their size limits before anything else.
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
  lw::SendSizeAndMove(w);
  if ((w = FromHandle(h))) lw::SendParentNotify(w, WM_CREATE);
  if ((style & WS_VISIBLE) && FromHandle(h)) ShowWindow(h, SW_SHOW);
  return FromHandle(h) ? h : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  if (!w || w == lw::Desktop() || w->destroying) return FALSE;
  w->destroying = true;
  // Owned windows go first, as they cannot outlive their owner.
  for (HWND h : lw::HandlesOf(lw::OwnedWindows(w))) DestroyWindow(h);
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
