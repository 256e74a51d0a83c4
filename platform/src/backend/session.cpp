#include <thread>

#include "backend/headless.h"
#include "backend/start.h"
#include "core/core.h"
#include "core/input.h"
#include "core/kernel.h"
#include "core/paint.h"
#include "core/state.h"
#include "gdi/png.h"
#include "lw/testing.h"

namespace lw::testing {

struct Session::Impl {
  explicit Impl(const Options& o) : backend(SIZE{o.screenWidth, o.screenHeight}, &baton) {}

  Baton baton;
  HeadlessBackend backend;
  std::thread app;
  bool ended = false;
  int exitCode = 0;
  Surface screen;
};

Session::Session(Options options)
    : impl_(std::make_unique<Impl>(options)), commandLine_(options.commandLine) {
  StartLayer(&impl_->backend,
             options.exitEndsProcess ? ExitMode::EndProcess : ExitMode::EndAppThread);
  SetProgramPath(options.programPath);
  SetFailingCreateCall(options.failCreateWindowAt);
}

Session::~Session() {
  if (impl_->app.joinable()) {
    impl_->baton.Close();
    impl_->baton.RunApp();
    impl_->app.join();
  }
  ResetCore();
  SetBackend(nullptr);
}

void Session::Start(std::function<int()> entry) {
  Impl* impl = impl_.get();
  impl->app = std::thread([impl, entry = std::move(entry)] {
    int code = 0;
    try {
      impl->baton.WaitForFirstTurn();
      code = entry();
    } catch (const ProcessExit& exit) {
      code = exit.code;
    } catch (const SessionClosing&) {
    }
    impl->exitCode = code;
    impl->ended = true;
    impl->baton.AppFinished();
  });
  impl->baton.RunApp();
}

void Session::Idle() { impl_->baton.RunApp(); }

void Session::Inject(std::function<void()> input) {
  if (impl_->ended) return;
  impl_->backend.Queue(std::move(input));
  Idle();
}

void Session::MoveMouse(int x, int y) {
  Inject([x, y] { input::MouseMove(x, y); });
}

void Session::Press(int x, int y) {
  MoveMouse(x, y);
  Inject([x, y] { input::MouseButton(x, y, true); });
}

void Session::Release(int x, int y) {
  MoveMouse(x, y);
  Inject([x, y] { input::MouseButton(x, y, false); });
}

void Session::Click(int x, int y) {
  Press(x, y);
  Release(x, y);
}

void Session::KeyDown(UINT vk) {
  Inject([vk] { input::Key(vk, true); });
}

void Session::KeyUp(UINT vk) {
  Inject([vk] { input::Key(vk, false); });
}

void Session::Key(UINT vk) {
  KeyDown(vk);
  KeyUp(vk);
}

void Session::KeyChord(const std::vector<UINT>& keys) {
  if (keys.empty()) return;
  for (size_t i = 0; i + 1 < keys.size(); ++i) KeyDown(keys[i]);
  Key(keys.back());
  for (size_t i = keys.size() - 1; i-- > 0;) KeyUp(keys[i]);
}

void Session::ActivateOtherProgram() {
  Inject([] { input::ActivateOtherProgram(); });
}

void Session::ReturnTo(HWND hwnd) {
  Inject([hwnd] { input::ReturnTo(hwnd); });
}

void Session::CloseRequest(HWND top) {
  Inject([top] { input::CloseRequest(top); });
}

void Session::LogOff() {
  Inject([] { input::LogOff(); });
}

void Session::PostQuitFromOutside(int code) {
  Inject([code] { PostQuitMessage(code); });
}

bool Session::Ended() const { return impl_->ended; }
int Session::ExitCode() const { return impl_->exitCode; }

const Surface& Session::Screen() {
  ComposeScreen(&impl_->screen);
  return impl_->screen;
}

bool Session::SavePng(const std::string& path, HWND window) {
  if (!window) return WritePng(Screen(), path.c_str());
  Window* w = FromHandle(window);
  if (!w) return false;
  Window* root = RootOf(w);
  EnsureSurface(root);
  const RECT r = WindowRectInRoot(w);
  Surface part;
  part.Resize(r.right - r.left, r.bottom - r.top);
  for (int y = 0; y < part.height; ++y)
    for (int x = 0; x < part.width; ++x) {
      const int sx = r.left + x, sy = r.top + y;
      if (sx >= 0 && sy >= 0 && sx < root->surface->width && sy < root->surface->height)
        part.Row(y)[x] = root->surface->Row(sy)[sx];
    }
  return WritePng(part, path.c_str());
}

}  // namespace lw::testing
