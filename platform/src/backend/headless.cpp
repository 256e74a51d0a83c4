#include "backend/headless.h"

namespace lw {

void HeadlessBackend::WaitForInput() {
  baton_->YieldToDriver();
  // One at a time: delivering input may start a modal loop that waits for
  // input again before the rest is delivered.
  while (!pending_.empty()) {
    auto input = std::move(pending_.front());
    pending_.pop_front();
    input();
  }
}

}  // namespace lw
