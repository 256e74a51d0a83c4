#include "backend/start.h"

#include "controls/controls.h"
#include "core/core.h"

namespace lw {

void StartLayer(Backend* backend, ExitMode exitMode) {
  ResetCore();
  SetBackend(backend);
  SetExitMode(exitMode);
  // The platform's own classes exist before the program starts.
  RegisterButtonClass();
  RegisterMessageBoxClass();
}

}  // namespace lw
