// The headless backend: a screen that exists only in memory, and input that
// a driver thread hands over through the baton.
#pragma once

#include <deque>
#include <functional>

#include "backend/backend.h"
#include "backend/baton.h"

namespace lw {

class HeadlessBackend : public Backend {
 public:
  HeadlessBackend(SIZE screen, Baton* baton) : screen_(screen), baton_(baton) {}

  SIZE ScreenSize() const override { return screen_; }
  // Gives the turn to the driver; back on the app thread, delivers the input
  // the driver queued meanwhile.
  void WaitForInput() override;

  // Driver side: input to deliver at the app's next turn.
  void Queue(std::function<void()> input) { pending_.push_back(std::move(input)); }

 private:
  SIZE screen_;
  Baton* baton_;
  std::deque<std::function<void()>> pending_;
  bool closing_ = false;
};

}  // namespace lw
