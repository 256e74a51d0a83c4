// The program on a desktop: the backend module loaded only when a display is
// there, so headless runs never load SDL.
#pragma once

#include <memory>
#include <string>

#include "backend/backend.h"

namespace lw {

// Whether $DISPLAY or $WAYLAND_DISPLAY names a desktop.
bool DisplayNamed();

// The desktop backend from the module beside the program, or null (with a
// line on stderr saying why) when the module, SDL or the desktop is not
// there.
std::unique_ptr<Backend> OpenDesktop();

// Runs the program's WinMain on this thread with `desktop` and returns its
// exit code.
int RunOnDesktop(Backend* desktop, std::string commandLine);

}  // namespace lw
