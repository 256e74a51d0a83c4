// Icons from the program's resources: loading at the sizes asked for,
// shrinking, sharing, and drawing with the mask.
#include <gtest/gtest.h>

#include "platform/harness.h"

namespace {

using lw::testing::Session;

// Draws an icon on a white memory bitmap and reads it back.
std::vector<COLORREF> Draw(HICON icon, int size) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, size, size);
  HGDIOBJ old = SelectObject(dc, bitmap);
  PatBlt(dc, 0, 0, size, size, WHITENESS);
  DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) pixels.push_back(GetPixel(dc, x, y));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

HICON LoadProgramIcon(int size, UINT flags = 0) {
  return static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), "DEFAULT_ICON", IMAGE_ICON, size, size, flags));
}

TEST(Icons, TheSmallIconIsTheLargeOneShrunkByAveraging) {
  Session s;
  HICON big = LoadProgramIcon(32);
  HICON small = LoadProgramIcon(16);
  ASSERT_NE(big, nullptr);
  ASSERT_NE(small, nullptr);
  const std::vector<COLORREF> b = Draw(big, 32);
  const std::vector<COLORREF> sm = Draw(small, 16);
  int nonWhite = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const COLORREF quad[] = {b[(2 * y) * 32 + 2 * x], b[(2 * y) * 32 + 2 * x + 1],
                               b[(2 * y + 1) * 32 + 2 * x], b[(2 * y + 1) * 32 + 2 * x + 1]};
      for (int shift : {0, 8, 16}) {
        int sum = 0;
        for (COLORREF c : quad) sum += (c >> shift) & 0xFF;
        EXPECT_NEAR(static_cast<int>((sm[y * 16 + x] >> shift) & 0xFF), sum / 4, 1)
            << "at " << x << "," << y;
      }
      nonWhite += sm[y * 16 + x] != RGB(255, 255, 255);
    }
  }
  EXPECT_GT(nonWhite, 200);  // a picture, not an empty mask
  DestroyIcon(big);
  DestroyIcon(small);
}

TEST(Icons, SharedLoadsGiveOneHandleAndUnknownNamesNone) {
  Session s;
  EXPECT_EQ(LoadProgramIcon(16, LR_SHARED), LoadProgramIcon(16, LR_SHARED));
  EXPECT_NE(LoadProgramIcon(16, LR_SHARED), LoadProgramIcon(32, LR_SHARED));
  EXPECT_EQ(LoadImageA(GetModuleHandleA(nullptr), "NO_SUCH_ICON", IMAGE_ICON, 16, 16, 0), nullptr);
  EXPECT_NE(LoadCursorA(nullptr, IDC_ARROW), nullptr);
  EXPECT_NE(LoadIconA(nullptr, IDI_APPLICATION), nullptr);
}

}  // namespace
