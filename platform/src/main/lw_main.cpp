// The process entry of the program on Linux: on a desktop, the program runs
// in real windows (SDL's, from a module loaded only then); otherwise (or
// with a script to follow) the layer runs the program's WinMain on its own
// thread and drives it headless, from the script in $LW_SCRIPT or by taking
// a screenshot and closing its windows.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "backend/script.h"
#include "lw/testing.h"
#include "main/desktop.h"

namespace {

// The command line after the program name, as the platform hands it over.
std::string CommandLine(int argc, char** argv) {
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line += ' ';
    const std::string arg = argv[i];
    line += arg.find(' ') == std::string::npos ? arg : "\"" + arg + "\"";
  }
  return line;
}

void ReadScreenSize(lw::testing::Options* options) {
  const char* size = std::getenv("LW_SCREEN");
  int w = 0, h = 0;
  if (size && std::sscanf(size, "%dx%d", &w, &h) == 2 && w > 0 && h > 0) {
    options->screenWidth = w;
    options->screenHeight = h;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("LW_SCRIPT") && lw::DisplayNamed()) {
    if (std::unique_ptr<lw::Backend> desktop = lw::OpenDesktop())
      return lw::RunOnDesktop(desktop.get(), CommandLine(argc, argv));
  }

  lw::testing::Options options;
  ReadScreenSize(&options);
  options.commandLine = CommandLine(argc, argv);
  options.exitEndsProcess = true;

  char startDir[4096];
  if (getcwd(startDir, sizeof startDir)) lw::SetScriptBase(startDir);

  lw::testing::Session session(options);
  session.StartWinMain();
  int code;
  if (const char* script = std::getenv("LW_SCRIPT")) {
    code = lw::RunScript(session, script);
  } else {
    const char* shot = std::getenv("LW_SHOT");
    code = lw::RunDefault(session, shot ? shot : "./lanxiu-screen.png");
  }
  std::fflush(nullptr);
  return code;
}
