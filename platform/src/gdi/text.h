// Measuring and drawing one line of decoded text with the DC's font.
#pragma once

#include <vector>

#include "gdi/font.h"
#include "gdi/gbk.h"

namespace lw {

// A line of characters with the pen advance of each.
struct TextRun {
  std::vector<TextChar> chars;
  std::vector<int> advances;
  int Width() const;
};

// Measures `chars`; with `expandTabs` a tab moves to the next stop, every
// eight average character widths from the start of the run.
TextRun MeasureRun(const Font& font, std::vector<TextChar> chars, bool expandTabs);

// Draws a run with its cell's top-left corner at logical (x, y) in the
// DC's text colour; in OPAQUE mode the cell is first filled with the
// background colour.
void DrawRun(DeviceContext& dc, const Font& font, int x, int y, const TextRun& run);

}  // namespace lw
