#include "backend/sdl_x11.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace lw {

void SetX11WindowName(SDL_Window* window, const std::string& utf8) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
  Display* display = info.info.x11.display;
  const Atom utf8String = XInternAtom(display, "UTF8_STRING", False);
  XChangeProperty(display, info.info.x11.window, XA_WM_NAME, utf8String, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(utf8.data()),
                  static_cast<int>(utf8.size()));
  XFlush(display);
}

bool X11PointerEvent(const SDL_Event& event, POINT* root, bool* motion) {
  if (event.type != SDL_SYSWMEVENT || event.syswm.msg->subsystem != SDL_SYSWM_X11) return false;
  const XEvent& x = event.syswm.msg->msg.x11.event;
  if (x.type == MotionNotify) {
    *root = POINT{x.xmotion.x_root, x.xmotion.y_root};
  } else if (x.type == ButtonPress || x.type == ButtonRelease) {
    *root = POINT{x.xbutton.x_root, x.xbutton.y_root};
  } else {
    return false;
  }
  *motion = x.type == MotionNotify;
  return true;
}

}  // namespace lw
