#include "shell/app_state.h"

namespace shell {

AppState::~AppState() { RunShutdownCleanUp(*this); }

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
