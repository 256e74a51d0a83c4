// The window of a message box: its classes, layout and painting. The modal
// part of MessageBoxA lives in message_box.cpp.
#pragma once

#include "lw/windows.h"

namespace lw {

// Shared between MessageBoxA and the box's window procedure, which ends the
// box by setting `done`.
struct MessageBoxState {
  bool done = false;
  bool errorIcon = false;
  POINT iconAt{};  // the icon's top-left corner in client coordinates
  HWND okButton = nullptr;
};

// Creates the box hidden, laid out around its text and centred on the
// screen, with the OK button focused once it is shown. Null on failure.
HWND CreateMessageBoxWindow(HWND owner, const char* text, const char* caption, UINT type,
                            MessageBoxState* state);

// The classic error sign: a red disc with a white cross.
constexpr int kErrorIconSize = 32;
void DrawErrorIcon(HDC dc, int left, int top);

}  // namespace lw
