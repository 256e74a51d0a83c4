#include "shell/app_state.h"

namespace shell {

namespace {

// A window still open (the loop was ended from outside) is built from its
// definition, so it goes before the definition does. It is destroyed, not
// closed: no closing event.
void EmptyWindowTable(AppState& state) {
  for (const WindowEntry& entry : state.window_table) {
    if (entry.live_window != nullptr && IsWindow(entry.live_window)) {
      DestroyWindow(entry.live_window);
    }
  }
  state.window_table.clear();
}

}  // namespace

void RunShutdownCleanUp(AppState& state) {
  state.ending = true;
  EmptyWindowTable(state);
  if (state.clean_up_routine != nullptr) {
    const ui::EventRoutine routine = state.clean_up_routine;
    state.clean_up_routine = nullptr;  // at most once per process
    routine();
  }
  if (state.ole_initialised) {
    OleUninitialize();
    state.ole_initialised = false;
  }
}

}  // namespace shell
