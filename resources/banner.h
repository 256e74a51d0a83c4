// The banner picture of the main window: the bytes of resources/banner.jpg,
// compiled into the program by the build.
#pragma once

#include <cstddef>

extern const unsigned char kBannerJpeg[];
extern const size_t kBannerJpegSize;
