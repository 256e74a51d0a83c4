// What SDL leaves out on X11.
#pragma once

#include <string>

struct SDL_Window;

namespace lw {

// SDL writes the UTF-8 title into the old WM_NAME property as if it were
// Latin-1; tools that read only that property (xdotool search, older window
// lists) then see garbage. This writes it again, typed as UTF8_STRING.
void SetX11WindowName(SDL_Window* window, const std::string& utf8);

}  // namespace lw
