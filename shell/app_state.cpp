#include "shell/app_state.h"

namespace shell {

// After a normal end this second clean-up finds nothing left. Reached before
// any clean-up began, the platform is ending the process under us (after a
// log-off): release what is held, but run no routine of the system, as a
// process that has been ended would not.
AppState::~AppState() {
  if (!ending) clean_up_routine = nullptr;
  RunShutdownCleanUp(*this);
}

WindowEntry* AppState::FindWindowEntry(uint32_t number) {
  for (WindowEntry& entry : window_table) {
    if (entry.definition.number == number) return &entry;
  }
  return nullptr;
}

void AppState::WindowCreated(const ui::WindowDefinition& definition, HWND window) {
  for (WindowEntry& entry : window_table) {
    if (&entry.definition == &definition) entry.live_window = window;
  }
}

void AppState::WindowDestroyed(HWND window) {
  for (WindowEntry& entry : window_table) {
    if (entry.live_window == window) entry.live_window = nullptr;
  }
}

bool AppState::HasLivingWindow() const {
  for (const WindowEntry& entry : window_table) {
    if (entry.live_window != nullptr && IsWindow(entry.live_window)) return true;
  }
  return false;
}

}  // namespace shell
