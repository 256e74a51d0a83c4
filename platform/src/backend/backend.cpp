#include "backend/backend.h"

#include <cstdio>
#include <cstdlib>

namespace lw {
namespace {

// Used before a backend is set up: a screen but no input, so a program that
// waits for input here has nobody to wake it.
class NoBackend : public Backend {
 public:
  SIZE ScreenSize() const override { return SIZE{1024, 768}; }
  void WaitForInput() override {
    std::fprintf(stderr, "lw: waiting for input without a backend\n");
    std::abort();
  }
};

Backend* current = nullptr;

}  // namespace

Backend* CurrentBackend() {
  static NoBackend none;
  return current ? current : &none;
}

void SetBackend(Backend* backend) { current = backend; }

}  // namespace lw
