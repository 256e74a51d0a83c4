// The desktop backend: every top-level window of the program is a borderless
// SDL window showing its backing surface, and SDL's mouse, keyboard and
// window events become the layer's input.
#pragma once

#include <map>
#include <set>
#include <string>

#include "backend/backend.h"

struct SDL_Window;
union SDL_Event;

namespace lw {

class SdlBackend : public Backend {
 public:
  // Takes over SDL's video, which SDL_Init(SDL_INIT_VIDEO) started, and
  // quits SDL when destroyed.
  SdlBackend();
  ~SdlBackend() override;

  SIZE ScreenSize() const override { return screen_; }
  // Presents what was repainted, then blocks in SDL_WaitEvent: an idle
  // program takes no processor time.
  void WaitForInput() override;

  void WindowShown(HWND) override;
  void WindowHidden(HWND) override;
  void WindowMoved(HWND) override;
  void WindowDestroyed(HWND) override;
  void WindowRepainted(HWND) override;
  void WindowActivated(HWND) override;

 private:
  struct Desktop;

  SDL_Window* Find(HWND hwnd) const;
  HWND FromSdl(unsigned windowId) const;
  void Present();
  void Deliver(const SDL_Event& event);
  void DeliverWindowEvent(const SDL_Event& event);
  void DeliverMouse(HWND hwnd, int x, int y, int down);
  void FocusLost(HWND hwnd);
  void UpdateTitle(HWND hwnd, SDL_Window* window);

  SIZE screen_{};
  std::map<HWND, SDL_Window*> windows_;
  std::map<HWND, std::string> titles_;
  std::set<HWND> dirty_;
  // While the left button is held the window under the pointer may be
  // moving, so positions come from the pointer's place on the desktop (the
  // X events' root coordinates) less how far the desktop's idea of where
  // the window is was from ours when the button went down.
  bool buttonDown_ = false;
  bool knowPointer_ = false;
  POINT pointer_{};
  POINT dragOffset_{};
};

}  // namespace lw
