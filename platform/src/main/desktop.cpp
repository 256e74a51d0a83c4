#include "main/desktop.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

#include "backend/desktop_module.h"
#include "backend/start.h"
#include "core/kernel.h"

namespace lw {
namespace {

bool Named(const char* variable) {
  const char* value = std::getenv(variable);
  return value && *value;
}

// The module sits beside the program, wherever it was started from.
std::string ModulePath() {
  std::string path = ExecutablePath();
  path.erase(path.find_last_of('/') + 1);
  return path + LW_DESKTOP_MODULE;
}

void ReportNoModule(const char* why) {
  std::fprintf(stderr, "lw: cannot load the desktop backend (%s); running headless\n", why);
}

}  // namespace

bool DisplayNamed() { return Named("DISPLAY") || Named("WAYLAND_DISPLAY"); }

std::unique_ptr<Backend> OpenDesktop() {
  // Never closed: the backend's code and SDL's threads live in it until the
  // process ends.
  void* module = dlopen(ModulePath().c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) {
    ReportNoModule(dlerror());
    return nullptr;
  }
  auto* open = reinterpret_cast<OpenDesktopFunction*>(dlsym(module, kOpenDesktopSymbol));
  if (!open) {
    ReportNoModule(dlerror());
    return nullptr;
  }
  return std::unique_ptr<Backend>(open());
}

int RunOnDesktop(Backend* desktop, std::string commandLine) {
  StartLayer(desktop, ExitMode::EndProcess);
  const int code = WinMain(GetModuleHandleA(nullptr), nullptr, commandLine.data(), SW_SHOWNORMAL);
  SetBackend(nullptr);
  return code;
}

}  // namespace lw
