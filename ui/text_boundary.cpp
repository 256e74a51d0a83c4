#include "ui/text_boundary.h"

#include <string>

#include "ui/text/text_functions.h"

namespace ui {
namespace {

// The wide forms where the texts must be converted and the platform has
// them; nullptr where they go to the ANSI functions as they are. Chosen
// once: the code page does not change while the program runs.
const TextFunctions* Wide() {
  static const TextFunctions* const wide = GetACP() != kGbkCodePage ? WideTextFunctions() : nullptr;
  return wide;
}

}  // namespace

ATOM RegisterWindowClass(const WNDCLASSA& window_class) {
  if (const TextFunctions* wide = Wide()) return wide->register_class(window_class);
  return RegisterClassA(&window_class);
}

HWND CreateWindowWithText(DWORD ex_style, const char* class_name, const char* gbk_text, DWORD style,
                          int left, int top, int width, int height, HWND parent, int id,
                          void* create_param) {
  const HMENU menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
  if (const TextFunctions* wide = Wide()) {
    return wide->create_window(ex_style, class_name, gbk_text, style, left, top, width, height,
                               parent, menu, create_param);
  }
  return CreateWindowExA(ex_style, class_name, gbk_text, style, left, top, width, height, parent,
                         menu, GetModuleHandleA(nullptr), create_param);
}

LRESULT DefaultWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (const TextFunctions* wide = Wide()) {
    return wide->default_window_proc(window, message, wparam, lparam);
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

WNDPROC SubclassWindow(HWND window, WNDPROC procedure) {
  const LONG_PTR new_procedure = reinterpret_cast<LONG_PTR>(procedure);
  const TextFunctions* wide = Wide();
  return reinterpret_cast<WNDPROC>(wide ? wide->set_window_proc(window, new_procedure)
                                        : SetWindowLongPtrA(window, GWLP_WNDPROC, new_procedure));
}

LRESULT CallPreviousWindowProc(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                               LPARAM lparam) {
  if (const TextFunctions* wide = Wide()) {
    return wide->call_window_proc(previous, window, message, wparam, lparam);
  }
  return CallWindowProcA(previous, window, message, wparam, lparam);
}

int DrawWindowText(HWND window, HDC dc, RECT* rect, UINT format) {
  if (const TextFunctions* wide = Wide()) return wide->draw_window_text(window, dc, rect, format);
  std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  const int length = GetWindowTextA(window, &text[0], static_cast<int>(text.size()));
  return DrawTextA(dc, text.c_str(), length, rect, format);
}

int ShowMessageBox(HWND owner, const char* gbk_text, const char* gbk_caption, UINT style) {
  if (const TextFunctions* wide = Wide()) {
    return wide->message_box(owner, gbk_text, gbk_caption, style);
  }
  return MessageBoxA(owner, gbk_text, gbk_caption, style);
}

}  // namespace ui
