// Activation of top-level windows, keyboard focus and mouse capture.
#pragma once

#include "core/state.h"

namespace lw {

// Makes a top-level window the active one (how: WA_ACTIVE or WA_CLICKACTIVE),
// deactivating the previous one; null deactivates the program.
void ActivateWindow(Window* top, WPARAM how);
Window* ActiveWindow();
Window* FocusWindow();
// Activates the topmost other visible, enabled top-level window, or none.
void ActivateAnotherWindow(Window* leaving);
// The window is being hidden or destroyed: focus, capture and activation
// leave it and its descendants.
void ForgetWindow(Window* w);
// Raises a top-level window and its owned windows to the top.
void BringToTop(Window* top);

}  // namespace lw
