// Setting the layer up for a program: the same for the test Session, the
// headless program and the desktop.
#pragma once

#include "backend/backend.h"
#include "core/kernel.h"

namespace lw {

// The layer as a freshly started process finds it, running on `backend`:
// no windows, the platform's own window classes registered, and ExitProcess
// ending what `exitMode` says.
void StartLayer(Backend* backend, ExitMode exitMode);

}  // namespace lw
