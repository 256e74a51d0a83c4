// System metrics and colours.
#pragma once

#include "lw/windows.h"

namespace lw {

// The classic caption height in pixels, without the line under it.
constexpr int kCaptionBarHeight = 18;

void ResetSystemColors();

}  // namespace lw
