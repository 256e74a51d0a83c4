// The desktop backend's module: SDL's video started on the program's main
// thread, and the backend that shows the program's windows with it.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "backend/desktop_module.h"
#include "backend/sdl.h"

namespace {

// A busy X server can turn a connection away with EAGAIN (its listen queue
// is full) and Xlib does not try again; a few tries ride that out.
bool InitVideo() {
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (SDL_Init(SDL_INIT_VIDEO) == 0) return true;
    SDL_Delay(100);
  }
  return false;
}

bool StartVideo() {
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  // With only an X server named, SDL must not settle for a driver that
  // shows nothing (offscreen, a console) when X refuses it.
  if (!wayland || !*wayland) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  // A small utility should neither keep the screen saver away nor turn
  // Ctrl+C in its terminal into a close request.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // Whole surfaces go to the X server as they are; a GPU texture per window
  // would only add a GL context and threads to a program that is idle.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // A click that activates a window is a click like any other.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  if (!InitVideo()) {
    std::fprintf(stderr, "lw: no desktop to show windows on (%s); running headless\n",
                 SDL_GetError());
    return false;
  }
  const std::string driver = SDL_GetCurrentVideoDriver();
  if (driver == "x11" || driver == "wayland") return true;
  std::fprintf(stderr, "lw: SDL's %s video shows no windows; running headless\n", driver.c_str());
  SDL_Quit();
  return false;
}

}  // namespace

lw::Backend* lw_OpenDesktop() { return StartVideo() ? new lw::SdlBackend : nullptr; }
