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
// The window is being destroyed: focus inside it ends, capture and
// activation leave it.
void ForgetWindow(Window* w);
// The window is gone: nothing may point at it any more.
void ForgetFreedWindow(const Window* w);
// Raises a top-level window and its owned windows to the top.
void BringToTop(Window* top);
// Nothing active, focused or captured: the end of a session.
void ResetFocus();

}  // namespace lw
