// Device bitmaps from DIB bits, block transfers and PNG files.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "canvas.h"
#include "gdi/png.h"

namespace {

BITMAPINFOHEADER Header(int width, int height, int bits) {
  BITMAPINFOHEADER h{};
  h.biSize = sizeof h;
  h.biWidth = width;
  h.biHeight = height;
  h.biPlanes = 1;
  h.biBitCount = static_cast<WORD>(bits);
  h.biCompression = BI_RGB;
  return h;
}

// A 3 x 2 DIB whose first stored row is red, green, blue and second white,
// black, grey; 24-bit rows are padded from 9 to 12 bytes.
std::vector<unsigned char> Bits(int bits) {
  const unsigned char first[3][3] = {{0, 0, 255}, {0, 255, 0}, {255, 0, 0}};
  const unsigned char second[3][3] = {{255, 255, 255}, {0, 0, 0}, {128, 128, 128}};
  std::vector<unsigned char> data;
  for (const auto* row : {first, second}) {
    for (int x = 0; x < 3; ++x) {
      data.insert(data.end(), row[x], row[x] + 3);
      if (bits == 32) data.push_back(0);
    }
    while (data.size() % 4) data.push_back(0xEE);
  }
  return data;
}

// The 3 x 2 test DIB as a device bitmap; `height` is 2 or -2 (top-down).
HBITMAP TestBitmap(int bits, int height) {
  const BITMAPINFOHEADER header = Header(3, height, bits);
  const std::vector<unsigned char> data = Bits(bits);
  return CreateDIBitmap(nullptr, &header, CBM_INIT, data.data(),
                        reinterpret_cast<const BITMAPINFO*>(&header), DIB_RGB_COLORS);
}

TEST(CreateDIBitmap, ReadsBottomUpAndTopDownRows) {
  for (int bits : {24, 32}) {
    for (int height : {2, -2}) {
      SCOPED_TRACE(std::to_string(bits) + " bits, height " + std::to_string(height));
      HBITMAP bitmap = TestBitmap(bits, height);
      ASSERT_NE(bitmap, nullptr);
      HDC dc = CreateCompatibleDC(nullptr);
      HGDIOBJ old = SelectObject(dc, bitmap);
      const int firstRow = height > 0 ? 1 : 0;
      EXPECT_EQ(GetPixel(dc, 0, firstRow), RGB(255, 0, 0));
      EXPECT_EQ(GetPixel(dc, 1, firstRow), RGB(0, 255, 0));
      EXPECT_EQ(GetPixel(dc, 2, firstRow), RGB(0, 0, 255));
      EXPECT_EQ(GetPixel(dc, 0, 1 - firstRow), RGB(255, 255, 255));
      EXPECT_EQ(GetPixel(dc, 2, 1 - firstRow), RGB(128, 128, 128));
      EXPECT_EQ(GetPixel(dc, 3, 0), CLR_INVALID);
      SelectObject(dc, old);
      DeleteDC(dc);
      DeleteObject(bitmap);
    }
  }
}

TEST(MemoryDC, HasNoPixelsUntilABitmapIsSelected) {
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
  RECT box;
  EXPECT_EQ(GetClipBox(dc, &box), NULLREGION);
  EXPECT_TRUE(PatBlt(dc, 0, 0, 5, 5, BLACKNESS));
  DeleteDC(dc);
}

// The banner is copied 1:1; a scaled copy picks the nearest source pixel.
TEST(StretchBlt, CopiesOneToOneAndScalesByNearestPixel) {
  HBITMAP bitmap = TestBitmap(24, -2);
  HDC source = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(source, bitmap);

  Canvas canvas(10, 6);
  SetStretchBltMode(canvas.dc(), COLORONCOLOR);
  ASSERT_TRUE(StretchBlt(canvas.dc(), 1, 1, 3, 2, source, 0, 0, 3, 2, SRCCOPY));
  EXPECT_EQ(canvas.At(1, 1), RGB(255, 0, 0));
  EXPECT_EQ(canvas.At(3, 1), RGB(0, 0, 255));
  EXPECT_EQ(canvas.At(3, 2), RGB(128, 128, 128));
  EXPECT_EQ(canvas.At(4, 1), RGB(255, 255, 255)) << "nothing beyond the copy";
  EXPECT_EQ(canvas.At(0, 0), RGB(255, 255, 255));

  StretchBlt(canvas.dc(), 4, 0, 6, 4, source, 0, 0, 3, 2, SRCCOPY);
  EXPECT_EQ(canvas.Mask(RGB(0, 255, 0), 6, 4, 4, 0),
            "..##..\n"
            "..##..\n"
            "......\n"
            "......\n");

  BitBlt(canvas.dc(), 0, 4, 2, 2, source, 1, 0, SRCCOPY);
  EXPECT_EQ(canvas.At(0, 4), RGB(0, 255, 0));
  EXPECT_EQ(canvas.At(1, 5), RGB(128, 128, 128));

  SelectObject(source, old);
  DeleteDC(source);
  DeleteObject(bitmap);
}

// A copy within one surface that overlaps itself reads every source pixel
// before it writes any.
TEST(BitBlt, AnOverlappingCopyWithinOneSurfaceReadsTheSourceFirst) {
  Canvas canvas(5, 1);
  const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
  for (int x = 0; x < 3; ++x) SetPixel(canvas.dc(), x, 0, colours[x]);
  ASSERT_TRUE(BitBlt(canvas.dc(), 1, 0, 3, 1, canvas.dc(), 0, 0, SRCCOPY));
  for (int x = 0; x < 3; ++x) EXPECT_EQ(canvas.At(x + 1, 0), colours[x]) << x;
}

TEST(Png, RoundTripsASurfaceAndComparesWithTolerance) {
  lw::Surface surface;
  surface.Resize(4, 3, 0x102030);
  surface.Row(1)[2] = 0xFF0080;
  const std::string path = ::testing::TempDir() + "gdi_round_trip.png";
  ASSERT_TRUE(lw::WritePng(surface, path.c_str()));
  lw::Surface read;
  ASSERT_TRUE(lw::ReadPng(path.c_str(), &read));
  std::remove(path.c_str());
  EXPECT_EQ(read.width, 4);
  EXPECT_EQ(read.height, 3);
  EXPECT_EQ(read.pixels, surface.pixels);

  read.Row(0)[0] = 0x112030;  // off by one in red
  read.Row(2)[3] = 0x000000;
  EXPECT_EQ(lw::CompareSurfaces(surface, read, 0), 2);
  EXPECT_EQ(lw::CompareSurfaces(surface, read, 1), 1);
  lw::Surface other;
  other.Resize(2, 2);
  EXPECT_EQ(lw::CompareSurfaces(surface, other, 255), 12);
  EXPECT_FALSE(lw::ReadPng("/nonexistent/file.png", &read));
}

}  // namespace
