// The wide forms of the platform functions that carry a text, fed with the
// program's GBK texts converted. Where the texts can go to the ANSI
// functions as they are, text_boundary.cpp calls those directly.
#pragma once

#include "winapi.h"

namespace ui {

// The code page of every text the program holds.
constexpr UINT kGbkCodePage = 936;

struct TextFunctions {
  ATOM (*register_class)(const WNDCLASSA& window_class);
  HWND(*create_window)
  (DWORD ex_style, const char* class_name, const char* gbk_text, DWORD style, int left, int top,
   int width, int height, HWND parent, HMENU menu, void* create_param);
  LRESULT (*default_window_proc)(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LONG_PTR (*set_window_proc)(HWND window, LONG_PTR procedure);
  LRESULT(*call_window_proc)
  (WNDPROC procedure, HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  int (*draw_window_text)(HWND window, HDC dc, RECT* rect, UINT format);
  int (*message_box)(HWND owner, const char* gbk_text, const char* gbk_caption, UINT style);
};

// The wide forms where the platform has them; nullptr where it has only the
// ANSI ones (our Linux layer, whose code page is always GBK).
const TextFunctions* WideTextFunctions();

}  // namespace ui
