// The one application state record of the process, touched only by the UI
// thread. Its destruction runs the shutdown clean-up a second time, which
// finds nothing left to release.
#pragma once

#include <string>
#include <vector>

#include "ui/main_window.h"
#include "ui/window_definition.h"

namespace shell {

struct WindowEntry {
  ui::WindowDefinition definition;
  HWND live_window = nullptr;  // while the window exists
};

class AppState : public ui::WindowHost {
 public:
  AppState() = default;
  ~AppState();
  AppState(const AppState&) = delete;
  AppState& operator=(const AppState&) = delete;

  // The entry under this window number, or nullptr.
  WindowEntry* FindWindowEntry(uint32_t number);

  // ui::WindowHost
  void WindowCreated(const ui::WindowDefinition& definition, HWND window) override;
  void WindowDestroyed(HWND window) override;
  bool HasLivingWindow() const override;
  bool LoopEntered() const override { return loop_entered; }

  std::string program_folder;
  bool ole_initialised = false;
  std::vector<WindowEntry> window_table;
  bool loop_entered = false;
  bool ending = false;
  ui::EventRoutine clean_up_routine = nullptr;
  int exit_code = 0;
};

// The start-up sequence, from WinMain; returns the process exit code.
int RunStartupSequence(AppState& state);
// Runs until WM_QUIT and returns its wParam.
int RunMessageLoop(const AppState& state);
// Releases what the start-up acquired; may be called again.
void RunShutdownCleanUp(AppState& state);
// Shows the error box and ends the process with exit code -1.
[[noreturn]] void ReportFatalError(AppState& state, const char* message);

}  // namespace shell
