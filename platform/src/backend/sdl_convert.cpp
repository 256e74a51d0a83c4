#include "backend/sdl_convert.h"

#include <SDL.h>

#include "core/state.h"
#include "gdi/objects.h"

namespace lw {

UINT VirtualKeyFromSdl(int keycode) {
  if (keycode >= SDLK_a && keycode <= SDLK_z) return 'A' + (keycode - SDLK_a);
  if (keycode >= SDLK_0 && keycode <= SDLK_9) return '0' + (keycode - SDLK_0);
  if (keycode >= SDLK_F1 && keycode <= SDLK_F12) return VK_F1 + (keycode - SDLK_F1);
  switch (keycode) {
    case SDLK_TAB:
      return VK_TAB;
    case SDLK_SPACE:
      return VK_SPACE;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return VK_RETURN;
    case SDLK_ESCAPE:
      return VK_ESCAPE;
    case SDLK_BACKSPACE:
      return VK_BACK;
    case SDLK_LEFT:
      return VK_LEFT;
    case SDLK_RIGHT:
      return VK_RIGHT;
    case SDLK_UP:
      return VK_UP;
    case SDLK_DOWN:
      return VK_DOWN;
    case SDLK_LALT:
    case SDLK_RALT:
      return VK_MENU;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return VK_CONTROL;
  }
  return 0;
}

namespace {

constexpr int kIconSize = 32;

// Draws the icon over a plain background and returns the pixels.
Surface DrawOver(HICON icon, int background) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, kIconSize, kIconSize);
  HGDIOBJ old = SelectObject(dc, bitmap);
  DrawIconEx(dc, 0, 0, icon, kIconSize, kIconSize, 0,
             static_cast<HBRUSH>(GetStockObject(background)), 0);
  SelectObject(dc, old);
  Surface pixels = static_cast<Bitmap*>(ToObject(bitmap))->surface;
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

}  // namespace

SDL_Surface* IconSurface(HWND hwnd) {
  HICON icon = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0));
  const Window* w = FromHandle(hwnd);
  if (!icon && w && w->cls) icon = w->cls->icon;
  if (!icon) return nullptr;
  // The mask is where drawing over black and over white gives the same.
  const Surface onBlack = DrawOver(icon, BLACK_BRUSH);
  const Surface onWhite = DrawOver(icon, WHITE_BRUSH);
  if (onBlack.width != kIconSize || onBlack.height != kIconSize) return nullptr;
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormat(0, kIconSize, kIconSize, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!surface) return nullptr;
  for (int y = 0; y < kIconSize; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) +
                                            static_cast<size_t>(y) * surface->pitch);
    for (int x = 0; x < kIconSize; ++x) {
      const uint32_t pixel = onBlack.Row(y)[x];
      row[x] = pixel == onWhite.Row(y)[x] ? 0xFF000000u | pixel : 0;
    }
  }
  return surface;
}

}  // namespace lw
