#include "ui/text_boundary.h"

#include <string>

#include "ui/text/text_functions.h"

namespace ui {
namespace {

constexpr UINT kGbkCodePage = 936;

ATOM RegisterAnsi(const WNDCLASSA& window_class) { return RegisterClassA(&window_class); }

HWND CreateAnsi(DWORD ex_style, const char* class_name, const char* gbk_text, DWORD style, int left,
                int top, int width, int height, HWND parent, HMENU menu, void* create_param) {
  return CreateWindowExA(ex_style, class_name, gbk_text, style, left, top, width, height, parent,
                         menu, GetModuleHandleA(nullptr), create_param);
}

LRESULT DefaultAnsi(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(window, message, wparam, lparam);
}

LONG_PTR SetProcedureAnsi(HWND window, LONG_PTR procedure) {
  return SetWindowLongPtrA(window, GWLP_WNDPROC, procedure);
}

LRESULT CallAnsi(WNDPROC procedure, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return CallWindowProcA(procedure, window, message, wparam, lparam);
}

int DrawTextAnsi(HWND window, HDC dc, RECT* rect, UINT format) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  const int length = GetWindowTextA(window, &text[0], static_cast<int>(text.size()));
  return DrawTextA(dc, text.c_str(), length, rect, format);
}

int MessageBoxAnsi(HWND owner, const char* gbk_text, const char* gbk_caption, UINT style) {
  return MessageBoxA(owner, gbk_text, gbk_caption, style);
}

const TextFunctions kAnsiFunctions{RegisterAnsi, CreateAnsi,   DefaultAnsi,   SetProcedureAnsi,
                                   CallAnsi,     DrawTextAnsi, MessageBoxAnsi};

// Chosen once: the code page does not change while the program runs.
const TextFunctions& Text() {
  static const TextFunctions& chosen = []() -> const TextFunctions& {
    const TextFunctions* wide = WideTextFunctions();
    return GetACP() != kGbkCodePage && wide != nullptr ? *wide : kAnsiFunctions;
  }();
  return chosen;
}

}  // namespace

ATOM RegisterWindowClass(const WNDCLASSA& window_class) {
  return Text().register_class(window_class);
}

HWND CreateWindowWithText(DWORD ex_style, const char* class_name, const char* gbk_text, DWORD style,
                          int left, int top, int width, int height, HWND parent, int id,
                          void* create_param) {
  return Text().create_window(ex_style, class_name, gbk_text, style, left, top, width, height,
                              parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              create_param);
}

LRESULT DefaultWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return Text().default_window_proc(window, message, wparam, lparam);
}

WNDPROC SubclassWindow(HWND window, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(
      Text().set_window_proc(window, reinterpret_cast<LONG_PTR>(procedure)));
}

LRESULT CallPreviousWindowProc(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                               LPARAM lparam) {
  return Text().call_window_proc(previous, window, message, wparam, lparam);
}

int DrawWindowText(HWND window, HDC dc, RECT* rect, UINT format) {
  return Text().draw_window_text(window, dc, rect, format);
}

int ShowMessageBox(HWND owner, const char* gbk_text, const char* gbk_caption, UINT style) {
  return Text().message_box(owner, gbk_text, gbk_caption, style);
}

}  // namespace ui
