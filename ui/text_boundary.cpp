#include "ui/text_boundary.h"

#include <string>

namespace ui {
ATOM RegisterWindowClass(const WNDCLASSA& window_class) { return RegisterClassA(&window_class); }

HWND CreateWindowWithText(DWORD ex_style, const char* class_name, const char* gbk_text, DWORD style,
                          int left, int top, int width, int height, HWND parent, int id,
                          void* create_param) {
  return CreateWindowExA(ex_style, class_name, gbk_text, style, left, top, width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), create_param);
}

LRESULT DefaultWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(window, message, wparam, lparam);
}

WNDPROC SubclassWindow(HWND window, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

LRESULT CallPreviousWindowProc(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                               LPARAM lparam) {
  return CallWindowProcA(previous, window, message, wparam, lparam);
}

int DrawWindowText(HWND window, HDC dc, RECT* rect, UINT format) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  const int length = GetWindowTextA(window, &text[0], static_cast<int>(text.size()));
  return DrawTextA(dc, text.c_str(), length, rect, format);
}

int ShowMessageBox(HWND owner, const char* gbk_text, const char* gbk_caption, UINT style) {
  return MessageBoxA(owner, gbk_text, gbk_caption, style);
}

}  // namespace ui
