// Surfaces to and from PNG files, for screenshots and golden-image tests.
#pragma once

#include "gdi/objects.h"

namespace lw {

// Writes an 8-bit RGB PNG. Returns false if the file cannot be written.
bool WritePng(const Surface& surface, const char* path);
// Reads any PNG into opaque 0x00RRGGBB pixels (alpha is dropped).
bool ReadPng(const char* path, Surface* surface);
// Counts the pixels whose red, green or blue differ by more than `tolerance`;
// surfaces of different sizes differ in every pixel of the larger one.
int CompareSurfaces(const Surface& a, const Surface& b, int tolerance);

}  // namespace lw
