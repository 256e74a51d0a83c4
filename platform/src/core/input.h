// Where input enters the window manager. Backends call these on the app
// thread (the headless backend from WaitForInput, on behalf of the driver).
// Each acts as the platform would: hit-testing, activation, capture and
// focus decide which window hears of it, and the messages are queued.
#pragma once

#include "lw/windows.h"

namespace lw::input {

void MouseMove(int x, int y);
void MouseButton(int x, int y, bool down);  // the left button
void Key(UINT vk, bool down);

// Another program takes the activation away, or the desktop gives it back
// to a window (a click on its taskbar button).
void ActivateOtherProgram();
void ReturnTo(HWND hwnd);
// The desktop asks a top-level window to close, as its close button would.
void CloseRequest(HWND top);
// The user logs off: WM_QUERYENDSESSION, then WM_ENDSESSION; when everybody
// agreed the program is ended.
void LogOff();

void ResetInput();

}  // namespace lw::input
