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

}  // namespace lw
