// The modal tracking loops of the non-client area: dragging the caption,
// pressing the close button, and the system menu. Each runs its own
// message loop, which waits for input through the backend like any other.
#pragma once

#include "core/state.h"

namespace lw {

// Keyboard and mouse messages, which tracking loops consume themselves.
bool IsInputMessage(UINT msg);
// The next message for a tracking loop that holds the capture in `tracked`;
// other messages are dispatched on the way. False when the loop must end: a
// WM_QUIT (posted again), or the window or its capture gone.
bool NextTrackingMessage(MSG* m, HWND tracked);

// SC_MOVE: with the mouse from a caption press, or with the arrow keys.
void TrackMove(Window* top, bool withMouse);
// The left button went down on the close button.
void TrackCloseButton(Window* top);
// SC_KEYMENU / SC_MOUSEMENU: the system menu below the caption icon. Returns
// the chosen command (SC_MOVE, SC_CLOSE) or 0.
UINT RunSystemMenu(Window* top);

}  // namespace lw
