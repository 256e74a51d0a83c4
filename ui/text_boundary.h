// The one place where the program's GBK texts meet the platform. Where the
// system's ANSI code page is GBK (936) the texts go to the ANSI functions as
// they are; on any other code page they are converted from GBK and handed to
// the wide functions, so that they still read correctly. Every window that
// shows a text is created, subclassed and defaulted through here, so that it
// is a Unicode window exactly when its text went in wide.
#pragma once

#include "winapi.h"

namespace ui {

ATOM RegisterWindowClass(const WNDCLASSA& window_class);
HWND CreateWindowWithText(DWORD ex_style, const char* class_name, const char* gbk_text, DWORD style,
                          int left, int top, int width, int height, HWND parent, int id,
                          void* create_param);
LRESULT DefaultWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
// Puts procedure in front of the window's own; returns the previous one.
WNDPROC SubclassWindow(HWND window, WNDPROC procedure);
LRESULT CallPreviousWindowProc(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                               LPARAM lparam);
// Draws the window's own text into rect.
int DrawWindowText(HWND window, HDC dc, RECT* rect, UINT format);
int ShowMessageBox(HWND owner, const char* gbk_text, const char* gbk_caption, UINT style);

}  // namespace ui
