// The layer's standard window classes. The layer registers them when it
// starts, before the program can create windows of them.
#pragma once

namespace lw {

// "BUTTON": push buttons, check boxes and group boxes.
void RegisterButtonClass();
// The class of the boxes that MessageBoxA shows, and their text control.
void RegisterMessageBoxClass();

}  // namespace lw
