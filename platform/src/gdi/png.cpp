#include "gdi/png.h"

#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace lw {

bool WritePng(const Surface& surface, const char* path) {
  if (surface.width <= 0 || surface.height <= 0) return false;
  std::vector<png_byte> rgb(surface.pixels.size() * 3);
  for (size_t i = 0; i < surface.pixels.size(); ++i) {
    rgb[3 * i] = (surface.pixels[i] >> 16) & 0xFF;
    rgb[3 * i + 1] = (surface.pixels[i] >> 8) & 0xFF;
    rgb[3 * i + 2] = surface.pixels[i] & 0xFF;
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(surface.width);
  image.height = static_cast<png_uint_32>(surface.height);
  image.format = PNG_FORMAT_RGB;
  return png_image_write_to_file(&image, path, 0, rgb.data(), 0, nullptr) != 0;
}

bool ReadPng(const char* path, Surface* surface) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path)) return false;
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
    png_image_free(&image);
    return false;
  }
  surface->Resize(static_cast<int>(image.width), static_cast<int>(image.height));
  for (size_t i = 0; i < surface->pixels.size(); ++i) {
    surface->pixels[i] = (rgb[3 * i] << 16) | (rgb[3 * i + 1] << 8) | rgb[3 * i + 2];
  }
  return true;
}

int CompareSurfaces(const Surface& a, const Surface& b, int tolerance) {
  if (a.width != b.width || a.height != b.height) {
    return std::max(a.width * a.height, b.width * b.height);
  }
  int differing = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i) {
    for (int shift = 0; shift <= 16; shift += 8) {
      const int ca = (a.pixels[i] >> shift) & 0xFF;
      const int cb = (b.pixels[i] >> shift) & 0xFF;
      if (std::abs(ca - cb) > tolerance) {
        ++differing;
        break;
      }
    }
  }
  return differing;
}

}  // namespace lw
