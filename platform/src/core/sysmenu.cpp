// The system menu: a small popup under the caption icon with Move and Close,
// driven by the arrow keys, Enter, Escape, the underlined letters and the
// mouse. Only one can be open at a time.
#include <string>
#include <vector>

#include "core/frame.h"
#include "core/modal.h"
#include "core/system.h"

namespace lw {
namespace {

struct MenuItem {
  const char* text;  // GBK
  const char* shortcut;
  char letter;
  UINT command;  // 0 for a separator
};

const MenuItem kItems[] = {
    {"\xD2\xC6\xB6\xAF(&M)", "", 'M', SC_MOVE},  // 移动(M)
    {"", "", 0, 0},
    {"\xB9\xD8\xB1\xD5(&C)", "Alt+F4", 'C', SC_CLOSE},  // 关闭(C)
};
constexpr int kItemCount = sizeof(kItems) / sizeof(kItems[0]);
constexpr int kItemHeight = 18;
constexpr int kSeparatorHeight = 9;
constexpr int kMenuWidth = 150;
constexpr int kMenuBorder = 3;  // the raised edge and a pixel of margin inside it
constexpr char kMenuClass[] = "#32768";

struct OpenMenu {
  int selected = -1;
};
OpenMenu menuState;

int ItemHeight(int index) { return kItems[index].command ? kItemHeight : kSeparatorHeight; }

int ItemTop(int index) {
  int y = kMenuBorder;
  for (int i = 0; i < index; ++i) y += ItemHeight(i);
  return y;
}

int MenuHeight() { return ItemTop(kItemCount) + kMenuBorder; }

int ItemAt(POINT client) {
  if (client.x < kMenuBorder || client.x >= kMenuWidth - kMenuBorder) return -1;
  for (int i = 0; i < kItemCount; ++i) {
    if (client.y >= ItemTop(i) && client.y < ItemTop(i) + ItemHeight(i))
      return kItems[i].command ? i : -1;
  }
  return -1;
}

void PaintItem(HDC dc, int i) {
  const RECT r{kMenuBorder, ItemTop(i), kMenuWidth - kMenuBorder, ItemTop(i) + ItemHeight(i)};
  if (!kItems[i].command) {
    RECT line{r.left + 1, r.top + 4, r.right - 1, r.top + 6};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const bool selected = i == menuState.selected;
  FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  RECT text{r.left + 18, r.top, r.right - 12, r.bottom};
  DrawTextA(dc, kItems[i].text, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  DrawTextA(dc, kItems[i].shortcut, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}

LRESULT CALLBACK MenuProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != WM_PAINT) return DefWindowProcA(hwnd, msg, wp, lp);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT r{0, 0, kMenuWidth, MenuHeight()};
  DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  for (int i = 0; i < kItemCount; ++i) PaintItem(dc, i);
  SelectObject(dc, old);
  EndPaint(hwnd, &ps);
  return 0;
}

HWND CreateMenuWindow(Window* top) {
  WNDCLASSA wc{};
  if (!GetClassInfoA(nullptr, kMenuClass, &wc)) {
    wc.lpfnWndProc = MenuProc;
    wc.lpszClassName = kMenuClass;
    RegisterClassA(&wc);
  }
  const int frame = FrameWidth(top->style, top->exStyle);
  const int x = top->rect.left + frame;
  const int y = top->rect.top + frame + GetSystemMetrics(SM_CYCAPTION);
  return CreateWindowExA(WS_EX_TOPMOST, kMenuClass, "", WS_POPUP, x, y, kMenuWidth, MenuHeight(),
                         top->handle, nullptr, nullptr, nullptr);
}

void Select(HWND menu, int index) {
  if (menuState.selected == index) return;
  menuState.selected = index;
  InvalidateRect(menu, nullptr, FALSE);
}

int Step(int from, int direction) {
  int i = from;
  do {
    i = (i + direction + kItemCount) % kItemCount;
  } while (!kItems[i].command);
  return i;
}

// Handles one input message; returns true when the menu closes, with the
// chosen command (or 0) in *chosen.
bool HandleMenuInput(HWND menu, const MSG& m, UINT* chosen) {
  POINT p = m.pt;
  ScreenToClient(menu, &p);
  switch (m.message) {
    case WM_MOUSEMOVE:
      Select(menu, ItemAt(p));
      return false;
    case WM_LBUTTONDOWN: {
      RECT r{0, 0, kMenuWidth, MenuHeight()};
      return !PtInRect(&r, p);
    }
    case WM_LBUTTONUP: {
      const int i = ItemAt(p);
      if (i < 0) return false;
      *chosen = kItems[i].command;
      return true;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (m.wParam == VK_ESCAPE || m.wParam == VK_MENU) return true;
      if (m.wParam == VK_UP || m.wParam == VK_DOWN)
        Select(menu,
               Step(menuState.selected < 0 ? 0 : menuState.selected, m.wParam == VK_UP ? -1 : 1));
      if (m.wParam == VK_RETURN && menuState.selected >= 0) {
        *chosen = kItems[menuState.selected].command;
        return true;
      }
      for (const MenuItem& item : kItems) {
        if (item.command && m.wParam == static_cast<WPARAM>(item.letter)) {
          *chosen = item.command;
          return true;
        }
      }
      return false;
  }
  return false;
}

}  // namespace

UINT RunSystemMenu(Window* top) {
  HWND owner = top->handle;
  HWND menu = CreateMenuWindow(top);
  if (!menu) return 0;
  menuState.selected = 0;
  ShowWindow(menu, SW_SHOWNA);
  SetCapture(menu);
  UINT chosen = 0;
  MSG m;
  while (NextTrackingMessage(&m, menu) && IsWindow(owner)) {
    if (IsInputMessage(m.message) && HandleMenuInput(menu, m, &chosen)) break;
  }
  if (GetCapture() == menu) ReleaseCapture();
  DestroyWindow(menu);
  return IsWindow(owner) ? chosen : 0;
}

}  // namespace lw
