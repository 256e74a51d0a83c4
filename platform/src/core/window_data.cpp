// A window's own data: its longs (GetWindowLong and friends) and its text,
// which goes through the window procedure so that controls can keep their own.
#include "core/state.h"

using lw::FromHandle;
using lw::Window;

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
