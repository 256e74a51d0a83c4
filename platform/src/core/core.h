// Setting the window manager up for a session and clearing it afterwards.
#pragma once

namespace lw {

// Forgets every window, class, message, icon and setting: the state of a
// freshly started process.
void ResetCore();
// CreateWindowExA fails at its n-th call from now on (0: never).
void SetFailingCreateCall(int n);

}  // namespace lw
