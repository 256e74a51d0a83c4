// The layer's one typeface, rasterised with FreeType and cached.
#pragma once

#include <cstdint>
#include <vector>

#include "gdi/objects.h"

namespace lw {

// A rendered glyph: a 1-bit-per-pixel mask (one byte per pixel, 0 or 1),
// placed relative to the pen position on the baseline.
struct Glyph {
  int left = 0;  // pixels right of the pen position
  int top = 0;   // pixels above the baseline
  int width = 0;
  int height = 0;
  int advance = 0;
  std::vector<uint8_t> mask;
};

struct FontMetrics {
  int height = 0;  // ascent + descent: the line and cell height
  int ascent = 0;
  int descent = 0;
  int internalLeading = 0;
  int externalLeading = 0;
  int aveCharWidth = 0;
  int maxCharWidth = 0;
};

const FontMetrics& MetricsOf(const Font& font);
const Glyph& GlyphOf(const Font& font, char32_t codePoint);

}  // namespace lw
