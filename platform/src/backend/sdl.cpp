#include "backend/sdl.h"

#include <SDL.h>

#include <algorithm>

#include "backend/sdl_convert.h"
#include "backend/sdl_x11.h"
#include "core/activation.h"
#include "core/input.h"
#include "core/kernel.h"
#include "core/paint.h"
#include "core/state.h"

namespace lw {
namespace {

// A focus change between two desktop windows arrives as a loss and then a
// gain; this long after a loss, a gain that has not arrived is not coming.
constexpr Uint32 kFocusSettleMs = 100;

bool IsFocusGain(const SDL_Event& e) {
  return e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED;
}

}  // namespace

SdlBackend::SdlBackend() {
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(0, &mode) == 0) {
    screen_ = SIZE{mode.w, mode.h};
  } else {
    screen_ = SIZE{1024, 768};
  }
  // Keys arrive as keys: the layer makes characters of them itself.
  SDL_StopTextInput();
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

SdlBackend::~SdlBackend() {
  for (auto& [hwnd, window] : windows_) SDL_DestroyWindow(window);
  SDL_Quit();
}

SDL_Window* SdlBackend::Find(HWND hwnd) const {
  auto it = windows_.find(hwnd);
  return it == windows_.end() ? nullptr : it->second;
}

HWND SdlBackend::FromSdl(unsigned windowId) const {
  for (auto& [hwnd, window] : windows_)
    if (SDL_GetWindowID(window) == windowId) return hwnd;
  return nullptr;
}

void SdlBackend::UpdateTitle(HWND hwnd, SDL_Window* window) {
  const Window* w = FromHandle(hwnd);
  if (!w || titles_[hwnd] == w->text) return;
  titles_[hwnd] = w->text;
  const std::string title = GbkToUtf8(w->text);
  SDL_SetWindowTitle(window, title.c_str());
  SetX11WindowName(window, title);
}

void SdlBackend::WindowShown(HWND hwnd) {
  const Window* w = FromHandle(hwnd);
  if (!w) return;
  SDL_Window* window = Find(hwnd);
  const int width = w->rect.right - w->rect.left, height = w->rect.bottom - w->rect.top;
  if (!window) {
    // Owned windows (the message boxes) stay with their owner: no taskbar
    // entry of their own, and kept above it by the desktop.
    Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
    if (w->owner) flags |= SDL_WINDOW_SKIP_TASKBAR;
    window = SDL_CreateWindow("", w->rect.left, w->rect.top, width, height, flags);
    if (!window) {
      SDL_Log("lw: cannot create a window: %s", SDL_GetError());
      return;
    }
    windows_[hwnd] = window;
    if (SDL_Surface* icon = IconSurface(hwnd)) {
      SDL_SetWindowIcon(window, icon);
      SDL_FreeSurface(icon);
    }
    if (SDL_Window* owner = w->owner ? Find(w->owner->handle) : nullptr)
      SDL_SetWindowModalFor(window, owner);
  } else {
    SDL_SetWindowPosition(window, w->rect.left, w->rect.top);
  }
  UpdateTitle(hwnd, window);
  SDL_ShowWindow(window);
  SDL_RaiseWindow(window);
  dirty_.insert(hwnd);
}

void SdlBackend::WindowHidden(HWND hwnd) {
  if (SDL_Window* window = Find(hwnd)) SDL_HideWindow(window);
  dirty_.erase(hwnd);
}

void SdlBackend::WindowMoved(HWND hwnd) {
  SDL_Window* window = Find(hwnd);
  const Window* w = FromHandle(hwnd);
  if (!window || !w) return;
  const int width = w->rect.right - w->rect.left, height = w->rect.bottom - w->rect.top;
  int oldWidth, oldHeight;
  SDL_GetWindowSize(window, &oldWidth, &oldHeight);
  if (width != oldWidth || height != oldHeight) {
    SDL_SetWindowSize(window, width, height);
    dirty_.insert(hwnd);
  }
  SDL_SetWindowPosition(window, w->rect.left, w->rect.top);
}

void SdlBackend::WindowDestroyed(HWND hwnd) {
  if (SDL_Window* window = Find(hwnd)) SDL_DestroyWindow(window);
  windows_.erase(hwnd);
  titles_.erase(hwnd);
  dirty_.erase(hwnd);
}

void SdlBackend::WindowRepainted(HWND hwnd) {
  // Painting reports every finished drawing; the pixels go out once, when
  // the program has nothing left to do.
  if (Find(hwnd)) dirty_.insert(hwnd);
}

void SdlBackend::WindowActivated(HWND hwnd) {
  SDL_Window* window = Find(hwnd);
  if (!window || SDL_GetKeyboardFocus() == window) return;
  SDL_RaiseWindow(window);
  SDL_SetWindowInputFocus(window);
}

void SdlBackend::Present() {
  for (HWND hwnd : dirty_) {
    SDL_Window* window = Find(hwnd);
    const Surface* pixels = WindowSurface(hwnd);
    SDL_Surface* target = window ? SDL_GetWindowSurface(window) : nullptr;
    if (!pixels || !target) continue;
    UpdateTitle(hwnd, window);
    const int width = std::min(pixels->width, target->w);
    const int height = std::min(pixels->height, target->h);
    SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_RGB888, pixels->Row(0), pixels->width * 4,
                      target->format->format, target->pixels, target->pitch);
    SDL_UpdateWindowSurface(window);
  }
  dirty_.clear();
}

void SdlBackend::WaitForInput() {
  Present();
  SDL_Event event;
  if (SDL_WaitEvent(&event)) Deliver(event);
}

void SdlBackend::Deliver(const SDL_Event& e) {
  switch (e.type) {
    case SDL_WINDOWEVENT:
      DeliverWindowEvent(e);
      break;
    case SDL_SYSWMEVENT: {
      bool motion;
      if (!X11PointerEvent(e, &pointer_, &motion)) break;
      knowPointer_ = true;
      if (buttonDown_ && motion)
        input::MouseMove(pointer_.x - dragOffset_.x, pointer_.y - dragOffset_.y);
      break;
    }
    case SDL_MOUSEMOTION:
      DeliverMouse(FromSdl(e.motion.windowID), e.motion.x, e.motion.y, -1);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (e.button.button == SDL_BUTTON_LEFT)
        DeliverMouse(FromSdl(e.button.windowID), e.button.x, e.button.y,
                     e.type == SDL_MOUSEBUTTONDOWN);
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      if (UINT vk = VirtualKeyFromSdl(e.key.keysym.sym)) input::Key(vk, e.type == SDL_KEYDOWN);
      break;
  }
}

void SdlBackend::DeliverWindowEvent(const SDL_Event& e) {
  HWND hwnd = FromSdl(e.window.windowID);
  if (!hwnd) return;
  switch (e.window.event) {
    case SDL_WINDOWEVENT_EXPOSED:
      dirty_.insert(hwnd);
      break;
    case SDL_WINDOWEVENT_CLOSE:
      input::CloseRequest(hwnd);
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      // The desktop gave a window of ours the keyboard: as a click on its
      // taskbar button. When the layer itself activated it, nothing changes.
      if (ActiveWindow() != FromHandle(hwnd)) input::ReturnTo(hwnd);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      FocusLost(hwnd);
      break;
  }
}

// Only the loss of the active window to another program deactivates ours;
// the loss that comes with our own switch to another of our windows, or with
// hiding a window, does not.
void SdlBackend::FocusLost(HWND hwnd) {
  if (ActiveWindow() != FromHandle(hwnd)) return;
  SDL_PumpEvents();
  if (!SDL_HasEvent(SDL_WINDOWEVENT)) SDL_WaitEventTimeout(nullptr, kFocusSettleMs);
  SDL_Event pending[64];
  const int n = SDL_PeepEvents(pending, 64, SDL_PEEKEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT);
  for (int i = 0; i < n; ++i)
    if (IsFocusGain(pending[i]) && FromSdl(pending[i].window.windowID)) return;
  input::ActivateOtherProgram();
}

void SdlBackend::DeliverMouse(HWND hwnd, int x, int y, int down) {
  const Window* w = FromHandle(hwnd);
  if (!w) return;
  POINT screen{w->rect.left + x, w->rect.top + y};
  if (buttonDown_ && knowPointer_) {
    // Motion during a drag arrives through the X events themselves.
    if (down < 0) return;
    screen = POINT{pointer_.x - dragOffset_.x, pointer_.y - dragOffset_.y};
  }
  if (down == 1) {
    buttonDown_ = true;
    dragOffset_ = knowPointer_ ? POINT{pointer_.x - screen.x, pointer_.y - screen.y} : POINT{};
    SDL_CaptureMouse(SDL_TRUE);
  } else if (down == 0) {
    buttonDown_ = false;
    SDL_CaptureMouse(SDL_FALSE);
  }
  if (down < 0) {
    input::MouseMove(screen.x, screen.y);
  } else {
    input::MouseButton(screen.x, screen.y, down == 1);
  }
}

}  // namespace lw
