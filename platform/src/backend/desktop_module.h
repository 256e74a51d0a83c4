// The desktop backend lives in a module of its own beside the program (SDL
// and the libraries under it cost a headless run 4 MB and part of its
// start-up). The module reaches the layer through the program's exported
// symbols and exports one function: the backend, or null (with a line on
// stderr saying why) when there is no desktop to show windows on.
#pragma once

#include "backend/backend.h"

extern "C" __attribute__((visibility("default"))) lw::Backend* lw_OpenDesktop();

namespace lw {

constexpr char kOpenDesktopSymbol[] = "lw_OpenDesktop";
using OpenDesktopFunction = decltype(lw_OpenDesktop);

}  // namespace lw
