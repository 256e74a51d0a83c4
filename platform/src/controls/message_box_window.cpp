// The message box window: class "#32770" like the platform's boxes, a
// "Static" child with the text (id 0xFFFF) and one "BUTTON" child, OK.
//
// Layout measured on the platform (client coordinates):
//   text       at (12, 8), as wide as the client less 12 on each side;
//              with an icon at (56, 8) and centred down beside the icon.
//   icon       32 x 32 at (12, 8), centred down beside taller text.
//   OK         56 x 28, 8 below the text or icon, centred across the whole
//              window width (not the client), IDOK, BS_DEFPUSHBUTTON,
//              WS_TABSTOP | WS_GROUP, text "确定" on a Chinese system.
//   client     12 right of the text, at least 104 wide; 8 below OK.
//   window     WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS and the
//              dialog bits 0x1C4; WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE |
//              WS_EX_CONTROLPARENT; centred on the screen, whatever window
//              is active.
// "优化成功！" gives a 110 x 91 box at (457, 338) on a 1024 x 768 screen
// with the platform's own font; our GUI font is taller, so ours is taller.
#include <algorithm>
#include <string>

#include "controls/controls.h"
#include "controls/message_box.h"

namespace lw {
namespace {

constexpr char kBoxClass[] = "#32770";
constexpr char kTextClass[] = "Static";
constexpr int kTextId = 0xFFFF;
constexpr char kOkText[] = "\xC8\xB7\xB6\xA8";  // 确定

constexpr int kSideMargin = 12;
constexpr int kTopMargin = 8;
constexpr int kGap = 8;
constexpr int kBottomMargin = 8;
constexpr int kButtonWidth = 56;
constexpr int kButtonHeight = 28;
constexpr int kMinClientWidth = 104;
constexpr DWORD kDialogStyleBits = 0x1C4;  // as the platform reports its boxes
constexpr DWORD kSsNoPrefix = 0x80;
constexpr UINT kTextFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;

MessageBoxState* StateOf(HWND box) {
  return reinterpret_cast<MessageBoxState*>(GetWindowLongPtrA(box, GWLP_USERDATA));
}

void End(HWND box) {
  if (MessageBoxState* state = StateOf(box)) state->done = true;
}

void OnPaint(HWND box) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(box, &ps);
  const MessageBoxState* state = StateOf(box);
  if (dc && state && state->errorIcon) DrawErrorIcon(dc, state->iconAt.x, state->iconAt.y);
  EndPaint(box, &ps);
}

void FocusOk(HWND box) {
  if (const MessageBoxState* state = StateOf(box)) SetFocus(state->okButton);
}

LRESULT CALLBACK BoxProc(HWND box, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lp);
      SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_PAINT:
      OnPaint(box);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE) FocusOk(box);
      return 0;
    case WM_SETFOCUS:
      FocusOk(box);
      return 0;
    // OK, Enter, Escape and the close button: an MB_OK box answers IDOK to
    // all of them.
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) End(box);
      return 0;
    case WM_CLOSE:
      End(box);
      return 0;
    case WM_DESTROY:
      End(box);
      SetWindowLongPtrA(box, GWLP_USERDATA, 0);
      return 0;
  }
  return DefWindowProcA(box, msg, wp, lp);
}

// The text child paints itself in the colours its parent gives it.
void PaintText(HWND text) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(text, &ps);
  if (dc) {
    RECT client;
    GetClientRect(text, &client);
    LRESULT brush = SendMessageA(GetParent(text), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(text));
    FillRect(dc, &client, reinterpret_cast<HBRUSH>(brush));
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(GetWindowLongPtrA(text, GWLP_USERDATA)));
    DrawTextA(dc, WindowText(text).c_str(), -1, &client, kTextFormat);
    SelectObject(dc, old);
  }
  EndPaint(text, &ps);
}

LRESULT CALLBACK TextProc(HWND text, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      PaintText(text);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETFONT:
      SetWindowLongPtrA(text, GWLP_USERDATA, static_cast<LONG_PTR>(wp));
      if (LOWORD(lp)) InvalidateRect(text, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return GetWindowLongPtrA(text, GWLP_USERDATA);
  }
  return DefWindowProcA(text, msg, wp, lp);
}

HWND CreateChild(HWND box, const char* cls, const char* text, DWORD style, int id) {
  HWND child = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, box,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  if (child)
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  return child;
}

SIZE MeasureText(HWND textWindow, const char* text) {
  HDC dc = GetDC(textWindow);
  HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  // The box never grows wider than three quarters of the screen.
  RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN) * 3 / 4, 0};
  DrawTextA(dc, text, -1, &r, kTextFormat | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(textWindow, dc);
  return SIZE{r.right, r.bottom};
}

// Places the text, the icon and OK, then sizes the window around them and
// centres it on the screen.
void LayOut(HWND box, HWND textWindow, const SIZE& text, MessageBoxState* state) {
  const int textLeft = kSideMargin + (state->errorIcon ? kErrorIconSize + kSideMargin : 0);
  const int contentHeight = std::max<int>(text.cy, state->errorIcon ? kErrorIconSize : 0);
  const int clientWidth = std::max<int>(textLeft + text.cx + kSideMargin, kMinClientWidth);
  const int buttonTop = kTopMargin + contentHeight + kGap;
  const int clientHeight = buttonTop + kButtonHeight + kBottomMargin;

  RECT outer, client;
  GetWindowRect(box, &outer);
  GetClientRect(box, &client);
  const int width = clientWidth + (outer.right - outer.left) - client.right;
  const int height = clientHeight + (outer.bottom - outer.top) - client.bottom;
  MoveWindow(box, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
             (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, FALSE);

  state->iconAt = POINT{kSideMargin, kTopMargin + (contentHeight - kErrorIconSize) / 2};
  MoveWindow(textWindow, textLeft, kTopMargin + (contentHeight - text.cy) / 2,
             clientWidth - textLeft - kSideMargin, text.cy, FALSE);
  MoveWindow(state->okButton, (width - kButtonWidth) / 2, buttonTop, kButtonWidth, kButtonHeight,
             FALSE);
}

}  // namespace

void RegisterMessageBoxClass() {
  WNDCLASSA wc{};
  if (GetClassInfoA(nullptr, kBoxClass, &wc)) return;
  wc.lpfnWndProc = BoxProc;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  wc.lpszClassName = kBoxClass;
  RegisterClassA(&wc);
  wc.lpfnWndProc = TextProc;
  wc.hbrBackground = nullptr;
  wc.lpszClassName = kTextClass;
  RegisterClassA(&wc);
}

HWND CreateMessageBoxWindow(HWND owner, const char* text, const char* caption, UINT type,
                            MessageBoxState* state) {
  state->errorIcon = (type & MB_ICONMASK) == MB_ICONERROR;
  HWND box = CreateWindowExA(
      WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT, kBoxClass, caption,
      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS | kDialogStyleBits, 0, 0, 200, 100,
      owner, nullptr, nullptr, state);
  if (!box) return nullptr;
  HWND textWindow = CreateChild(box, kTextClass, text, WS_GROUP | kSsNoPrefix, kTextId);
  state->okButton =
      CreateChild(box, "BUTTON", kOkText, WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, IDOK);
  if (!textWindow || !state->okButton) {
    DestroyWindow(box);
    return nullptr;
  }
  LayOut(box, textWindow, MeasureText(textWindow, text), state);
  return box;
}

}  // namespace lw
