#include "core/activation.h"
#include "core/core.h"
#include "core/icons.h"
#include "core/input.h"
#include "core/kernel.h"
#include "core/paint.h"
#include "core/queue.h"
#include "core/state.h"
#include "core/system.h"

namespace lw {

void ResetCore() {
  ResetPainting();
  ResetFocus();
  ResetWindows();
  ResetQueue();
  input::ResetInput();
  ResetSystemColors();
  ResetKernel();
  ResetIcons();
}

}  // namespace lw
