// Translations between SDL's descriptions of things and the layer's: keys to
// virtual-key codes, a window's icon to an SDL surface.
#pragma once

#include "lw/windows.h"

struct SDL_Surface;

namespace lw {

// The virtual key for an SDL keycode, or 0 for keys the program never sees.
UINT VirtualKeyFromSdl(int keycode);

// The window's big icon (its class icon if it set none) as a new 32x32 ARGB
// surface, transparent where the icon's mask is; null without an icon.
SDL_Surface* IconSurface(HWND hwnd);

}  // namespace lw
