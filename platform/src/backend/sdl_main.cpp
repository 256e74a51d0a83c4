// Starting the program on a desktop: SDL's video on this thread, the layer
// set up as a fresh process has it, and WinMain called directly (on the
// desktop nobody drives the program but the person in front of it).
#include <SDL.h>

#include <cstdlib>

#include "backend/sdl.h"
#include "controls/controls.h"
#include "core/core.h"
#include "core/kernel.h"

namespace lw {

bool StartDesktopVideo() {
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if ((!x11 || !*x11) && (!wayland || !*wayland)) return false;
  // A small utility should neither keep the screen saver away nor turn
  // Ctrl+C in its terminal into a close request.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // Whole surfaces go to the X server as they are; a GPU texture per window
  // would only add a GL context and threads to a program that is idle.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // A click that activates a window is a click like any other.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  return SDL_Init(SDL_INIT_VIDEO) == 0;
}

int RunOnDesktop(const std::string& commandLine) {
  int code;
  {
    SdlBackend backend;
    ResetCore();
    SetBackend(&backend);
    SetExitMode(ExitMode::EndProcess);
    RegisterButtonClass();
    RegisterMessageBoxClass();
    std::string line = commandLine;
    code = WinMain(GetModuleHandleA(nullptr), nullptr, line.data(), SW_SHOWNORMAL);
    SetBackend(nullptr);
  }
  SDL_Quit();
  return code;
}

}  // namespace lw
