#include "shell/app_state.h"

namespace shell {

void RunShutdownCleanUp(AppState& state) {
  state.ending = true;
  state.window_table.clear();
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
