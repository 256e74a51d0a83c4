// Device bitmaps, memory DCs and block transfers.
#include <utility>

#include "gdi/raster.h"

namespace lw {
namespace {

// Copies 24- or 32-bit BI_RGB rows into the surface, top row first.
bool CopyDibBits(const BITMAPINFOHEADER& header, const void* bits, Surface* surface) {
  const int bytesPerPixel = header.biBitCount / 8;
  if (header.biCompression != BI_RGB || (bytesPerPixel != 3 && bytesPerPixel != 4)) return false;
  const size_t stride = (static_cast<size_t>(surface->width) * bytesPerPixel + 3) & ~size_t{3};
  const bool bottomUp = header.biHeight > 0;
  const auto* data = static_cast<const unsigned char*>(bits);
  for (int y = 0; y < surface->height; ++y) {
    const unsigned char* src = data + stride * (bottomUp ? surface->height - 1 - y : y);
    uint32_t* dst = surface->Row(y);
    for (int x = 0; x < surface->width; ++x, src += bytesPerPixel) {
      dst[x] = (src[2] << 16) | (src[1] << 8) | src[0];
    }
  }
  return true;
}

// Calls visit(row, col, pixel) for each destination pixel of a w x h block
// that samples the source block by nearest neighbour (equal sizes sample
// pixel for pixel). Source pixels outside the source surface are left out.
template <typename Visit>
void SampleBlock(const DeviceContext& src, const RECT& from, int w, int h, Visit visit) {
  const Surface* pixels = src.surface;
  const int sw = from.right - from.left;
  const int sh = from.bottom - from.top;
  for (int row = 0; row < h; ++row) {
    const int fy = from.top + src.origin.y + static_cast<int>(int64_t{row} * sh / h);
    for (int col = 0; col < w; ++col) {
      const int fx = from.left + src.origin.x + static_cast<int>(int64_t{col} * sw / w);
      if (fx < 0 || fy < 0 || fx >= pixels->width || fy >= pixels->height) continue;
      visit(row, col, pixels->Row(fy)[fx]);
    }
  }
}

// Copies a source block onto a destination block through the destination's
// clip.
void TransferBlock(DeviceContext& dst, const RECT& to, const DeviceContext& src, const RECT& from) {
  const int w = to.right - to.left;
  const int h = to.bottom - to.top;
  if (!src.surface || w <= 0 || h <= 0 || from.right <= from.left || from.bottom <= from.top)
    return;
  if (src.surface != dst.surface) {
    SampleBlock(src, from, w, h, [&](int row, int col, uint32_t p) {
      PutPixel(dst, to.left + col, to.top + row, p);
    });
    return;
  }
  // Within one surface, sample everything before writing anything.
  std::vector<uint32_t> samples(static_cast<size_t>(w) * h);
  std::vector<bool> present(samples.size());
  SampleBlock(src, from, w, h, [&](int row, int col, uint32_t p) {
    samples[static_cast<size_t>(row) * w + col] = p;
    present[static_cast<size_t>(row) * w + col] = true;
  });
  for (int row = 0; row < h; ++row) {
    for (int col = 0; col < w; ++col) {
      const size_t i = static_cast<size_t>(row) * w + col;
      if (present[i]) PutPixel(dst, to.left + col, to.top + row, samples[i]);
    }
  }
}

bool IsPatternRop(DWORD rop) {
  return rop == PATCOPY || rop == PATINVERT || rop == DSTINVERT || rop == BLACKNESS ||
         rop == WHITENESS;
}

}  // namespace
}  // namespace lw

HBITMAP CreateDIBitmap(HDC, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                       const BITMAPINFO*, UINT) {
  if (!header || header->biWidth <= 0 || header->biHeight == 0) return nullptr;
  auto bitmap = std::make_unique<lw::Bitmap>();
  const LONG height = header->biHeight > 0 ? header->biHeight : -header->biHeight;
  bitmap->surface.Resize(header->biWidth, height);
  if ((init & CBM_INIT) && bits && !lw::CopyDibBits(*header, bits, &bitmap->surface)) {
    return nullptr;
  }
  return lw::ToHandle(bitmap.release());
}

HBITMAP CreateCompatibleBitmap(HDC, int cx, int cy) {
  if (cx <= 0 || cy <= 0) return nullptr;
  auto* bitmap = new lw::Bitmap;
  bitmap->surface.Resize(cx, cy);
  return lw::ToHandle(bitmap);
}

// A memory DC starts with the platform's empty default bitmap: until a
// bitmap is selected it has no pixels to draw on.
HDC CreateCompatibleDC(HDC) {
  auto* dc = new lw::DeviceContext;
  dc->memory = true;
  return lw::ToHDC(dc);
}

BOOL DeleteDC(HDC hdc) {
  if (!hdc || !lw::ToDC(hdc)->memory) return FALSE;
  delete lw::ToDC(hdc);
  return TRUE;
}

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC source, int x1, int y1, DWORD rop) {
  return StretchBlt(hdc, x, y, cx, cy, source, x1, y1, cx, cy, rop);
}

// Nearest-neighbour scaling; the banner is copied at 1:1.
BOOL StretchBlt(HDC hdc, int xDest, int yDest, int wDest, int hDest, HDC source, int xSrc, int ySrc,
                int wSrc, int hSrc, DWORD rop) {
  if (!hdc) return FALSE;
  if (lw::IsPatternRop(rop)) return PatBlt(hdc, xDest, yDest, wDest, hDest, rop);
  if (rop != SRCCOPY || !source) return FALSE;
  lw::TransferBlock(*lw::ToDC(hdc), RECT{xDest, yDest, xDest + wDest, yDest + hDest},
                    *lw::ToDC(source), RECT{xSrc, ySrc, xSrc + wSrc, ySrc + hSrc});
  return TRUE;
}

int SetStretchBltMode(HDC hdc, int mode) {
  if (!hdc || mode <= 0) return 0;
  return std::exchange(lw::ToDC(hdc)->stretchBltMode, mode);
}
