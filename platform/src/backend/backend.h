// What the window manager needs from the place it runs in: a screen size,
// a way to wait for input, and notifications about top-level windows so a
// windowed backend can mirror them. The core owns all drawing; a backend
// only presents the top-level surfaces and feeds input through core/input.h.
#pragma once

#include "lw/windows.h"

namespace lw {

class Backend {
 public:
  virtual ~Backend() = default;

  virtual SIZE ScreenSize() const = 0;

  // Called on the app thread by GetMessageA when nothing is queued. Returns
  // after it has delivered some input through core/input.h (or none, when
  // woken for another reason); GetMessageA then looks at the queue again.
  virtual void WaitForInput() = 0;

  // A top-level window changed. The surface of a window is reachable with
  // lw::WindowSurface(hwnd) (core/paint.h).
  virtual void WindowShown(HWND) {}
  virtual void WindowHidden(HWND) {}
  virtual void WindowMoved(HWND) {}
  virtual void WindowDestroyed(HWND) {}
  virtual void WindowRepainted(HWND) {}
  virtual void WindowActivated(HWND) {}
};

Backend* CurrentBackend();
void SetBackend(Backend* backend);

}  // namespace lw
