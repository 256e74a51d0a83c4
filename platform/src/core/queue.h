// The thread's message queue.
#pragma once

#include "lw/windows.h"

namespace lw {

// Posts a message with the current cursor position and time.
void PostToQueue(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
void ResetQueue();

}  // namespace lw
