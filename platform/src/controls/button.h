// Shared between the "BUTTON" window procedure and its drawing.
#pragma once

#include "lw/windows.h"

namespace lw {

enum class ButtonKind { Push, Check, Group };

ButtonKind KindOf(DWORD style);
bool IsDefaultPushButton(DWORD style);

// What a button shows besides its style, text and font.
struct ButtonState {
  UINT check = BST_UNCHECKED;
  bool pushed = false;    // drawn pressed: BST_PUSHED
  bool focused = false;   // has the keyboard focus: BST_FOCUS
  bool tracking = false;  // a mouse press or Space is in progress
  HFONT font = nullptr;   // null until WM_SETFONT
};

// Paints the whole button; called between BeginPaint and EndPaint.
void PaintButton(HWND button, HDC dc, const ButtonState& state);

}  // namespace lw
