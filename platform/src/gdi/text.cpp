// TextOutA, text extents and metrics.
#include "gdi/text.h"

#include <cstring>
#include <numeric>

#include "gdi/raster.h"

namespace lw {

int TextRun::Width() const { return std::accumulate(advances.begin(), advances.end(), 0); }

TextRun MeasureRun(const Font& font, std::vector<TextChar> chars, bool expandTabs) {
  TextRun run;
  run.chars = std::move(chars);
  run.advances.reserve(run.chars.size());
  const int tabStop = 8 * MetricsOf(font).aveCharWidth;
  int x = 0;
  for (const TextChar& c : run.chars) {
    int advance = GlyphOf(font, c.code).advance;
    if (c.code == U'\t') advance = expandTabs && tabStop > 0 ? tabStop - x % tabStop : 0;
    run.advances.push_back(advance);
    x += advance;
  }
  return run;
}

void DrawRun(DeviceContext& dc, const Font& font, int x, int y, const TextRun& run) {
  const FontMetrics& metrics = MetricsOf(font);
  if (dc.bkMode == OPAQUE) {
    FillDeviceRect(dc, RECT{x, y, x + run.Width(), y + metrics.height}, PixelFromColor(dc.bkColor));
  }
  const uint32_t ink = PixelFromColor(dc.textColor);
  const int baseline = y + metrics.ascent;
  int pen = x;
  for (size_t i = 0; i < run.chars.size(); ++i) {
    if (run.chars[i].code != U'\t') {
      const Glyph& glyph = GlyphOf(font, run.chars[i].code);
      for (int gy = 0; gy < glyph.height; ++gy) {
        for (int gx = 0; gx < glyph.width; ++gx) {
          if (glyph.mask[static_cast<size_t>(gy) * glyph.width + gx]) {
            PutPixel(dc, pen + glyph.left + gx, baseline - glyph.top + gy, ink);
          }
        }
      }
    }
    pen += run.advances[i];
  }
}

}  // namespace lw

namespace {

int ByteCount(LPCSTR text, int count) {
  return count < 0 ? static_cast<int>(std::strlen(text)) : count;
}

}  // namespace

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int count) {
  if (!hdc || (!text && count > 0)) return FALSE;
  lw::DeviceContext& dc = *lw::ToDC(hdc);
  const lw::Font& font = *lw::SelectedFont(dc);
  lw::DrawRun(dc, font, x, y, lw::MeasureRun(font, lw::DecodeGbk(text, count), false));
  return TRUE;
}

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR text, int count, LPSIZE size) {
  if (!hdc || !size || (!text && count > 0)) return FALSE;
  const lw::Font& font = *lw::SelectedFont(*lw::ToDC(hdc));
  const lw::TextRun run = lw::MeasureRun(font, lw::DecodeGbk(text, ByteCount(text, count)), false);
  size->cx = run.Width();
  size->cy = lw::MetricsOf(font).height;
  return TRUE;
}

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* tm) {
  if (!hdc || !tm) return FALSE;
  const lw::Font& font = *lw::SelectedFont(*lw::ToDC(hdc));
  const lw::FontMetrics& m = lw::MetricsOf(font);
  *tm = TEXTMETRICA{};
  tm->tmHeight = m.height;
  tm->tmAscent = m.ascent;
  tm->tmDescent = m.descent;
  tm->tmInternalLeading = m.internalLeading;
  tm->tmExternalLeading = m.externalLeading;
  tm->tmAveCharWidth = m.aveCharWidth;
  tm->tmMaxCharWidth = m.maxCharWidth;
  tm->tmWeight = font.bold ? 700 : 400;
  tm->tmDigitizedAspectX = tm->tmDigitizedAspectY = 96;
  tm->tmFirstChar = 0x20;
  tm->tmLastChar = 0xFF;
  tm->tmDefaultChar = '?';
  tm->tmBreakChar = ' ';
  tm->tmCharSet = 134;  // GB2312_CHARSET
  return TRUE;
}
