// The layer's standard window classes. The layer registers them when it
// starts, before the program can create windows of them.
#pragma once

#include <string>

#include "lw/windows.h"

namespace lw {

// "BUTTON": push buttons, check boxes and group boxes.
void RegisterButtonClass();
// The class of the boxes that MessageBoxA shows, and their text control.
void RegisterMessageBoxClass();

// A control's own text, which each class reads when it paints.
inline std::string WindowText(HWND window) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(
      static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace lw
