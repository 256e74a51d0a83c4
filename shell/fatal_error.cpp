#include <string>

#include "shell/app_state.h"
#include "ui/text_boundary.h"

namespace shell {

[[noreturn]] void ReportFatalError(AppState& state, const char* message) {
  std::string text = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n";  // 运行时出错!
  if (message[0] != '\0') {
    text += "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";  // 错误信息：
    text += message;
    text += "\r\n";
  }
  ui::ShowMessageBox(nullptr, text.c_str(), "\xB4\xED\xCE\xF3", MB_OK | MB_ICONERROR);  // 错误
  state.clean_up_routine = nullptr;  // dropped, not run
  RunShutdownCleanUp(state);
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace shell
