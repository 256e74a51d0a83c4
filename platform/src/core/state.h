// The window manager's state: classes, windows and the tree they form. Only
// the thread that holds the baton (the app thread) touches it, so nothing
// here is locked.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gdi/objects.h"
#include "lw/windows.h"

namespace lw {

struct WindowClass {
  std::string name;
  UINT style = 0;
  WNDPROC proc = nullptr;
  HINSTANCE instance = nullptr;
  HICON icon = nullptr;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;
  int classExtra = 0;
  int windowExtra = 0;
  ATOM atom = 0;
};

struct Window {
  HWND handle = nullptr;
  const WindowClass* cls = nullptr;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  std::string text;
  HINSTANCE instance = nullptr;
  LONG_PTR id = 0;  // child identifier, or the menu of a top-level window
  LONG_PTR userData = 0;

  Window* parent = nullptr;  // the desktop for top-level windows
  Window* owner = nullptr;
  std::vector<Window*> children;  // z-order: front is topmost

  RECT rect{};    // outer rectangle in the parent's client coordinates
  RECT client{};  // client rectangle in the same coordinates

  // Painting: the client area still to paint (client coordinates), whether
  // it wants WM_ERASEBKGND first, and whether the frame wants WM_NCPAINT.
  Region update;
  bool erase = false;
  bool frameDirty = false;
  bool captionActive = false;  // how the caption is drawn (WM_NCACTIVATE)
  bool closePushed = false;    // the close button is drawn pressed

  HICON bigIcon = nullptr;
  HICON smallIcon = nullptr;
  bool destroying = false;

  // Top-level windows keep their pixels here; children draw into their
  // top-level window's surface.
  std::unique_ptr<Surface> surface;

  bool IsChild() const { return (style & WS_CHILD) != 0; }
  bool Visible() const { return (style & WS_VISIBLE) != 0; }
  bool Enabled() const { return (style & WS_DISABLED) == 0; }
};

// Handles and the tree.
Window* FromHandle(HWND hwnd);  // null for stale or foreign handles
Window* Desktop();
Window* RootOf(Window* w);  // the top-level window containing w
bool IsTopLevel(const Window* w);
bool IsDescendant(const Window* ancestor, const Window* w);
// Visible itself and all its ancestors (the desktop counts as visible).
bool IsReallyVisible(const Window* w);
std::vector<Window*> TopLevelWindows();                  // topmost first
std::vector<Window*> OwnedWindows(const Window* owner);  // topmost first
// Takes a window out of its parent's children, leaving its own parent set.
void Unlink(Window* w);
// Puts a window first, topmost, among its parent's children.
void LinkOnTop(Window* w);
// The handles of `windows`, for walking a list that the messages sent on the
// way may change: each handle is looked up again before use.
std::vector<HWND> HandlesOf(const std::vector<Window*>& windows);

// Geometry, all in screen coordinates or in the root surface's coordinates.
POINT ClientOriginOnScreen(const Window* w);
RECT WindowRectOnScreen(const Window* w);
RECT ClientRectOnScreen(const Window* w);
RECT WindowRectInRoot(const Window* w);
RECT ClientRectInRoot(const Window* w);

// Calls the window procedure; returns 0 when the window is gone.
LRESULT Send(Window* w, UINT msg, WPARAM wp = 0, LPARAM lp = 0);

// Frees every window and class without messages: the end of a session.
void ResetWindows();

}  // namespace lw
