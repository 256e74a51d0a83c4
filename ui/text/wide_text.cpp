// The wide forms of the text functions: every GBK text is converted with the
// GBK code page, whatever the system's own, so it reads correctly anywhere.
// Windows created here are Unicode windows, so their default handling and
// their subclassing use the wide functions as well.
#include <string>

#include "ui/text/text_functions.h"

namespace ui {
namespace {

std::wstring FromGbk(const char* text) {
  if (text == nullptr) return std::wstring();
  const int length = MultiByteToWideChar(kGbkCodePage, 0, text, -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(kGbkCodePage, 0, text, -1, &wide[0], length);
  wide.resize(static_cast<size_t>(length - 1));
  return wide;
}

ATOM RegisterWide(const WNDCLASSA& ansi) {
  const std::wstring class_name = FromGbk(ansi.lpszClassName);
  WNDCLASSW wide{};
  wide.style = ansi.style;
  wide.lpfnWndProc = ansi.lpfnWndProc;
  wide.cbClsExtra = ansi.cbClsExtra;
  wide.cbWndExtra = ansi.cbWndExtra;
  wide.hInstance = ansi.hInstance;
  wide.hIcon = ansi.hIcon;
  wide.hCursor = ansi.hCursor;
  wide.hbrBackground = ansi.hbrBackground;
  wide.lpszClassName = class_name.c_str();
  return RegisterClassW(&wide);
}

HWND CreateWide(DWORD ex_style, const char* class_name, const char* gbk_text, DWORD style, int left,
                int top, int width, int height, HWND parent, HMENU menu, void* create_param) {
  return CreateWindowExW(ex_style, FromGbk(class_name).c_str(),
                         gbk_text ? FromGbk(gbk_text).c_str() : nullptr, style, left, top, width,
                         height, parent, menu, GetModuleHandleW(nullptr), create_param);
}

LRESULT DefaultWide(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcW(window, message, wparam, lparam);
}

LONG_PTR SetProcedureWide(HWND window, LONG_PTR procedure) {
  return SetWindowLongPtrW(window, GWLP_WNDPROC, procedure);
}

LRESULT CallWide(WNDPROC procedure, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return CallWindowProcW(procedure, window, message, wparam, lparam);
}

int DrawTextWide(HWND window, HDC dc, RECT* rect, UINT format) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int length = GetWindowTextW(window, &text[0], static_cast<int>(text.size()));
  return DrawTextW(dc, text.c_str(), length, rect, format);
}

int MessageBoxWide(HWND owner, const char* gbk_text, const char* gbk_caption, UINT style) {
  return MessageBoxW(owner, FromGbk(gbk_text).c_str(), FromGbk(gbk_caption).c_str(), style);
}

const TextFunctions kWideFunctions{RegisterWide, CreateWide,   DefaultWide,   SetProcedureWide,
                                   CallWide,     DrawTextWide, MessageBoxWide};

}  // namespace

const TextFunctions* WideTextFunctions() { return &kWideFunctions; }

}  // namespace ui
