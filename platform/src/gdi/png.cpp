#include "gdi/png.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace lw {
namespace {

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

}  // namespace

bool WritePng(const Surface& surface, const char* path) {
  if (surface.width <= 0 || surface.height <= 0) return false;
  File file(std::fopen(path, "wb"));
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  std::vector<png_byte> row(static_cast<size_t>(surface.width) * 3);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, surface.width, surface.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < surface.height; ++y) {
    const uint32_t* pixels = surface.Row(y);
    for (int x = 0; x < surface.width; ++x) {
      row[3 * x] = (pixels[x] >> 16) & 0xFF;
      row[3 * x + 1] = (pixels[x] >> 8) & 0xFF;
      row[3 * x + 2] = pixels[x] & 0xFF;
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fflush(file.get()) == 0;
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
