// What SDL leaves out on X11.
#pragma once

#include <string>

#include "lw/windows.h"

struct SDL_Window;
union SDL_Event;

namespace lw {

// SDL writes the UTF-8 title into the old WM_NAME property as if it were
// Latin-1; tools that read only that property (xdotool search, older window
// lists) then see garbage. This writes it again, typed as UTF8_STRING.
void SetX11WindowName(SDL_Window* window, const std::string& utf8);

// SDL drops pointer motion that keeps the position inside the window, which
// is all of it while the window follows the pointer in a drag, and tells no
// event's place on the screen. The X event itself (an SDL_SYSWMEVENT, which
// comes before SDL's own event for it) does: true for a pointer motion,
// press or release, with where on the screen it happened.
bool X11PointerEvent(const SDL_Event& event, POINT* root, bool* motion);

}  // namespace lw
