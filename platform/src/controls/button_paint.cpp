// The classic look of the "BUTTON" class, as measured on the platform with
// the 12-pixel GUI font (text 16 pixels high):
//
// Push button 160 x 48, "立即优化" (48 pixels wide):
//   edge       EDGE_RAISED, soft: outer white / dark shadow, inner light /
//              shadow; pushed: EDGE_SUNKEN, soft (outer dark shadow / white,
//              inner shadow / light); the face stays button face whatever
//              WM_CTLCOLORBTN answers, and the text stays button text.
//   text       centred: rectangle (56, 16)-(104, 32); pushed: one pixel
//              right and down.
//   focus      dotted rectangle (2, 2)-(158, 46), inside the edge.
//   default    BS_DEFPUSHBUTTON adds a one-pixel COLOR_WINDOWFRAME outline;
//              the edge moves in by one and the focus to (3, 3)-(157, 45).
// Check box 152 x 24, "优化正在运行内存" (96 pixels wide):
//   background the whole button in the brush from WM_CTLCOLORSTATIC.
//   mark box   13 x 13 at (0, 5), centred down: EDGE_SUNKEN (outer shadow /
//              white, inner dark shadow / light), inside COLOR_WINDOW, or
//              button face while pushed or disabled.
//   check mark 7 x 7 at (3, 8) in window text (shadow when disabled), rows:
//                ......#
//                .....##
//                ....###
//                #..###.
//                #####..
//                ####...
//                .##....
//   text       (17, 4)-(113, 20): 4 pixels right of the box, centred down,
//              in the colours and background mode that the colour request
//              left on the DC.
//   focus      the text rectangle one pixel wider on each side:
//              (16, 4)-(114, 20).
// Group box 256 x 192, "关于我们" (48 pixels wide):
//   frame      EDGE_ETCHED around (0, 7)-(256, 192): the top line lies at
//              half the text height less one; the interior is not painted.
//   caption    text at (8, 0)-(56, 16) (centred or 8 from the right with
//              BS_CENTER or BS_RIGHT); the text rectangle grown by one on
//              every side is filled with the WM_CTLCOLORSTATIC brush first,
//              which cuts the gap into the top line.
// Disabled text of every kind is embossed: white one pixel right and down,
// then grey text over it.
#include <string>

#include "controls/button.h"
#include "controls/controls.h"

namespace lw {
namespace {

constexpr int kMarkBoxSize = 13;
constexpr int kMarkBoxTextGap = 4;
constexpr int kEdgeWidth = 2;
constexpr int kGroupCaptionIndent = 8;

constexpr const char* kCheckMarkRows[] = {
    "......#", ".....##", "....###", "#..###.", "#####..", "####...", ".##....",
};
constexpr int kCheckMarkInset = 3;  // from the mark box's corner

// Asks the parent for the background brush and the text colours, as the
// platform does before painting; a parent that gives no brush gets the
// default window procedure's answer.
HBRUSH AskForColors(HWND button, HDC dc, UINT msg) {
  const WPARAM wp = reinterpret_cast<WPARAM>(dc);
  const LPARAM lp = reinterpret_cast<LPARAM>(button);
  HWND parent = GetParent(button);
  LRESULT brush = parent ? SendMessageA(parent, msg, wp, lp) : 0;
  if (!brush) brush = DefWindowProcA(button, msg, wp, lp);
  return reinterpret_cast<HBRUSH>(brush);
}

UINT TextFormat(DWORD style) {
  UINT format = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
  switch (style & BS_CENTER) {
    case BS_CENTER:
      format |= DT_CENTER;
      break;
    case BS_RIGHT:
      format |= DT_RIGHT;
      break;
  }
  return format;
}

// Places the text inside `area` by the alignment bits; a button type that
// gives no horizontal bits centres (push button) or left-aligns.
RECT PlaceText(HDC dc, const std::string& text, DWORD style, const RECT& area) {
  RECT size{0, 0, area.right - area.left, 0};
  DrawTextA(dc, text.c_str(), -1, &size, TextFormat(style) | DT_CALCRECT);
  const int width = size.right, height = size.bottom;
  int x = area.left;
  DWORD horizontal = style & BS_CENTER;
  if (horizontal == 0 && KindOf(style) == ButtonKind::Push) horizontal = BS_CENTER;
  if (horizontal == BS_CENTER) x += (area.right - area.left - width) / 2;
  if (horizontal == BS_RIGHT) x = area.right - width;
  int y = area.top + (area.bottom - area.top - height) / 2;
  if ((style & BS_VCENTER) == BS_TOP) y = area.top;
  if ((style & BS_VCENTER) == BS_BOTTOM) y = area.bottom - height;
  return RECT{x, y, x + width, y + height};
}

void DrawCaption(HWND button, HDC dc, const std::string& text, const RECT& rect, UINT format) {
  RECT r = rect;
  if (IsWindowEnabled(button)) {
    DrawTextA(dc, text.c_str(), -1, &r, format | DT_NOCLIP);
    return;
  }
  const int mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF color = SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  OffsetRect(&r, 1, 1);
  DrawTextA(dc, text.c_str(), -1, &r, format | DT_NOCLIP);
  SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  r = rect;
  DrawTextA(dc, text.c_str(), -1, &r, format | DT_NOCLIP);
  SetTextColor(dc, color);
  SetBkMode(dc, mode);
}

void PaintPushButton(HWND button, HDC dc, DWORD style, const ButtonState& state,
                     const RECT& client) {
  AskForColors(button, dc, WM_CTLCOLORBTN);
  RECT r = client;
  if (IsDefaultPushButton(style)) {
    FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&r, -1, -1);
  }
  RECT edge = r;
  DrawEdge(dc, &edge, state.pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);
  InflateRect(&r, -kEdgeWidth, -kEdgeWidth);

  const std::string text = WindowText(button);
  if (!text.empty()) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT place = PlaceText(dc, text, style, r);
    if (state.pushed) OffsetRect(&place, 1, 1);
    DrawCaption(button, dc, text, place, TextFormat(style));
  }
  if (state.focused) DrawFocusRect(dc, &r);
}

void PaintCheckMark(HDC dc, int left, int top, COLORREF color) {
  for (int row = 0; row < 7; ++row) {
    for (int col = 0; col < 7; ++col) {
      if (kCheckMarkRows[row][col] == '#') SetPixel(dc, left + col, top + row, color);
    }
  }
}

void PaintMarkBox(HWND button, HDC dc, const ButtonState& state, const RECT& box) {
  RECT inside = box;
  DrawEdge(dc, &inside, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  const bool enabled = IsWindowEnabled(button) != FALSE;
  FillRect(dc, &inside, GetSysColorBrush(state.pushed || !enabled ? COLOR_BTNFACE : COLOR_WINDOW));
  if (state.check == BST_UNCHECKED) return;
  PaintCheckMark(dc, box.left + kCheckMarkInset, box.top + kCheckMarkInset,
                 GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW));
}

void PaintCheckBox(HWND button, HDC dc, DWORD style, const ButtonState& state, const RECT& client) {
  FillRect(dc, &client, AskForColors(button, dc, WM_CTLCOLORSTATIC));

  int boxTop = (client.bottom - kMarkBoxSize) / 2;
  if ((style & BS_VCENTER) == BS_TOP) boxTop = 0;
  if ((style & BS_VCENTER) == BS_BOTTOM) boxTop = client.bottom - kMarkBoxSize;
  PaintMarkBox(button, dc, state, RECT{0, boxTop, kMarkBoxSize, boxTop + kMarkBoxSize});

  const std::string text = WindowText(button);
  if (text.empty()) return;
  const RECT area{kMarkBoxSize + kMarkBoxTextGap, 0, client.right, client.bottom};
  const RECT place = PlaceText(dc, text, style, area);
  DrawCaption(button, dc, text, place, TextFormat(style));
  if (!state.focused) return;
  RECT focus{place.left - 1, place.top, place.right + 1, place.bottom};
  IntersectRect(&focus, &focus, &client);
  DrawFocusRect(dc, &focus);
}

void PaintGroupBox(HWND button, HDC dc, DWORD style, const RECT& client) {
  HBRUSH brush = AskForColors(button, dc, WM_CTLCOLORSTATIC);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  RECT frame{client.left, client.top + metrics.tmHeight / 2 - 1, client.right, client.bottom};
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);

  const std::string text = WindowText(button);
  if (text.empty()) return;
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  int x = kGroupCaptionIndent;
  if ((style & BS_CENTER) == BS_CENTER) x = (client.right - size.cx) / 2;
  if ((style & BS_CENTER) == BS_RIGHT) x = client.right - kGroupCaptionIndent - size.cx;
  const RECT place{x, 0, x + size.cx, size.cy};
  RECT gap = place;
  InflateRect(&gap, 1, 1);
  IntersectRect(&gap, &gap, &client);
  FillRect(dc, &gap, brush);
  DrawCaption(button, dc, text, place, DT_SINGLELINE | DT_LEFT);
}

}  // namespace

void PaintButton(HWND button, HDC dc, const ButtonState& state) {
  RECT client;
  GetClientRect(button, &client);
  HGDIOBJ oldFont = SelectObject(dc, state.font ? state.font : GetStockObject(SYSTEM_FONT));
  const DWORD style = static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE));
  switch (KindOf(style)) {
    case ButtonKind::Push:
      PaintPushButton(button, dc, style, state, client);
      break;
    case ButtonKind::Check:
      PaintCheckBox(button, dc, style, state, client);
      break;
    case ButtonKind::Group:
      PaintGroupBox(button, dc, style, client);
      break;
  }
  SelectObject(dc, oldFont);
}

}  // namespace lw
