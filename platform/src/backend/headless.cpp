#include "backend/headless.h"

#include "core/state.h"

namespace lw {

void HeadlessBackend::WaitForInput() {
  if (closing_) throw SessionClosing{};
  try {
    baton_->YieldToDriver();
  } catch (const SessionClosing&) {
    // The driver is going away with the program still running. Its windows
    // are destroyed properly first, while the program's data still lives,
    // so that what it keeps per window is freed; then the program unwinds.
    closing_ = true;
    while (!TopLevelWindows().empty()) DestroyWindow(TopLevelWindows().front()->handle);
    throw;
  }
  // One at a time: delivering input may start a modal loop that waits for
  // input again before the rest is delivered.
  while (!pending_.empty()) {
    auto input = std::move(pending_.front());
    pending_.pop_front();
    input();
  }
}

}  // namespace lw
