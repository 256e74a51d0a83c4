#include "shell/app_state.h"

namespace shell {
namespace {

// Offers the message to the window it is addressed to and then to each of
// its ancestors up to the top-level window. True when one consumed it.
bool PreTranslate(const MSG& msg) {
  HWND window = msg.hwnd;
  while (window != nullptr) {
    ui::MainWindow* main_window = ui::MainWindow::FromHandle(window);
    if (main_window != nullptr && main_window->PreTranslateMessage(msg)) return true;
    const bool is_child = (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0;
    window = is_child ? GetParent(window) : nullptr;
  }
  return false;
}

void RaiseIdleNotifications(const AppState& state) {
  for (const WindowEntry& entry : state.window_table) {
    if (ui::MainWindow* window = ui::MainWindow::FromHandle(entry.live_window)) window->OnIdle();
  }
}

}  // namespace

// One idle notification each time the queue is found empty; then the loop
// waits in GetMessageA, so the process uses no time while nothing happens.
int RunMessageLoop(const AppState& state) {
  MSG msg{};
  for (;;) {
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) RaiseIdleNotifications(state);
    if (GetMessageA(&msg, nullptr, 0, 0) == 0) return static_cast<int>(msg.wParam);
    if (PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace shell
