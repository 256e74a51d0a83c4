#include <string>

#include "commands/routines.h"
#include "shell/app_state.h"

namespace shell {
namespace {

// 载入窗口模板数据段出错!
const char kDefinitionUnreadable[] =
    "\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD\xB6\xCE\xB3\xF6\xB4\xED!";
// 载入启动窗口失败
const char kStartWindowFailed[] =
    "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC";

// The part of path before its last backslash. A 0x5C byte that is the
// second byte of a double-byte character of the code page (as in GBK) is
// not a backslash.
std::string FolderOf(const char* path, UINT code_page) {
  const char* last_backslash = nullptr;
  for (const char* p = path; *p != '\0'; ++p) {
    if (IsDBCSLeadByteEx(code_page, static_cast<BYTE>(*p)) && p[1] != '\0') {
      ++p;
    } else if (*p == '\\') {
      last_backslash = p;
    }
  }
  return last_backslash ? std::string(path, last_backslash) : std::string();
}

void SetErrorModeQuiet() {
  const UINT previous = SetErrorMode(0);
  SetErrorMode(previous | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

void MoveToProgramFolder(AppState& state) {
  // One byte more than offered: a longer path comes back cut off, and on
  // some systems without its terminating zero.
  char path[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  state.program_folder = FolderOf(path, GetACP());
  SetCurrentDirectoryA(state.program_folder.c_str());
}

void ReadWindowTable(AppState& state) {
  std::vector<ui::WindowDefinition> definitions;
  if (!ui::ReadWindowDefinitions(&definitions)) ReportFatalError(state, kDefinitionUnreadable);
  for (auto& definition : definitions) state.window_table.push_back({std::move(definition)});
}

void ResolveEventBindings(AppState& state) {
  for (WindowEntry& entry : state.window_table) {
    for (ui::UnitDefinition& unit : entry.definition.units) {
      for (ui::EventBinding& binding : unit.bindings) {
        binding.routine = commands::FindRoutine(binding.routine_name);
      }
    }
  }
}

void RunInitialisationRoutine() {
  if (const ui::EventRoutine initialise = commands::FindRoutine(commands::kInitialisationRoutine)) {
    initialise();
  }
}

void LoadStartWindow(AppState& state) {
  WindowEntry* entry = state.FindWindowEntry(ui::kMainWindowNumber);
  if (entry == nullptr || ui::MainWindow::Load(entry->definition, state) == nullptr) {
    ReportFatalError(state, kStartWindowFailed);
  }
}

}  // namespace

int RunStartupSequence(AppState& state) {
  SetErrorModeQuiet();
  OleInitialize(nullptr);
  state.ole_initialised = true;
  MoveToProgramFolder(state);
  ReadWindowTable(state);
  ResolveEventBindings(state);
  RunInitialisationRoutine();
  state.clean_up_routine = commands::FindRoutine(commands::kCleanUpRoutine);
  LoadStartWindow(state);
  state.loop_entered = true;
  // The window may already be gone if something closed it while loading.
  if (state.HasLivingWindow()) state.exit_code = RunMessageLoop(state);
  RunShutdownCleanUp(state);
  return state.exit_code;
}

}  // namespace shell
