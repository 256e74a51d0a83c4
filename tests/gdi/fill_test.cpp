// Brushes, fills, patterns, pixels, lines and the objects behind them.
#include <gtest/gtest.h>

#include "canvas.h"
#include "gdi/objects.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

TEST(FillRect, TakesBrushesAndSystemColourIndices) {
  Canvas canvas(10, 10);
  HBRUSH red = CreateSolidBrush(kRed);
  RECT r{1, 1, 4, 3};
  FillRect(canvas.dc(), &r, red);
  EXPECT_EQ(canvas.Mask(kRed, 5, 4),
            ".....\n"
            ".###.\n"
            ".###.\n"
            ".....\n");
  DeleteObject(red);

  RECT face{5, 5, 6, 6};
  FillRect(canvas.dc(), &face, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  EXPECT_EQ(canvas.At(5, 5), GetSysColor(COLOR_BTNFACE));
  EXPECT_FALSE(DeleteObject(reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1))) << "not an object";

  RECT all{0, 0, 10, 10};
  FillRect(canvas.dc(), &all, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
  EXPECT_EQ(canvas.At(5, 5), GetSysColor(COLOR_BTNFACE)) << "the hollow brush paints nothing";
}

TEST(FillRect, StaysInsideTheClipAndTheSurface) {
  Canvas canvas(10, 10);
  lw::DeviceContext& dc = *lw::ToDC(canvas.dc());
  dc.clip = lw::Region(RECT{2, 2, 5, 5});
  dc.clip.Union(RECT{7, 0, 10, 2});
  RECT all{-5, -5, 20, 20};
  FillRect(canvas.dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  dc.clip = lw::Region(RECT{0, 0, 10, 10});
  EXPECT_EQ(canvas.Mask(kBlack, 10, 6),
            ".......###\n"
            ".......###\n"
            "..###.....\n"
            "..###.....\n"
            "..###.....\n"
            "..........\n");
}

TEST(FrameRect, DrawsAOnePixelFrameInside) {
  Canvas canvas(6, 5);
  RECT r{1, 1, 5, 4};
  FrameRect(canvas.dc(), &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(canvas.Mask(kBlack, 6, 5),
            "......\n"
            ".####.\n"
            ".#..#.\n"
            ".####.\n"
            "......\n");
}

TEST(PatBlt, AppliesEachRasterOperation) {
  Canvas canvas(4, 1);
  HBRUSH brush = CreateSolidBrush(RGB(0x10, 0x20, 0x30));
  HGDIOBJ old = SelectObject(canvas.dc(), brush);
  PatBlt(canvas.dc(), 0, 0, 1, 1, PATCOPY);
  PatBlt(canvas.dc(), 1, 0, 1, 1, PATINVERT);
  PatBlt(canvas.dc(), 2, 0, 1, 1, BLACKNESS);
  PatBlt(canvas.dc(), 3, 0, 1, 1, DSTINVERT);
  EXPECT_EQ(canvas.At(0, 0), RGB(0x10, 0x20, 0x30));
  EXPECT_EQ(canvas.At(1, 0), RGB(0xEF, 0xDF, 0xCF));
  EXPECT_EQ(canvas.At(2, 0), kBlack);
  EXPECT_EQ(canvas.At(3, 0), kBlack);
  PatBlt(canvas.dc(), 0, 0, 4, 1, WHITENESS);
  EXPECT_EQ(canvas.Mask(kWhite, 4, 1), "####\n");
  SelectObject(canvas.dc(), old);
  DeleteObject(brush);
}

TEST(Pixels, ReadBackWhatWasSetAndNothingOutside) {
  Canvas canvas(3, 3);
  EXPECT_EQ(SetPixel(canvas.dc(), 1, 2, RGB(1, 2, 3)), RGB(1, 2, 3));
  EXPECT_EQ(canvas.At(1, 2), RGB(1, 2, 3));
  EXPECT_EQ(GetPixel(canvas.dc(), 3, 0), CLR_INVALID);
  EXPECT_EQ(GetPixel(canvas.dc(), -1, 0), CLR_INVALID);
}

// As probed: the end point is left out and the minor axis rounds halves
// back towards the start.
TEST(Lines, FollowThePlatformsPixels) {
  Canvas canvas(11, 8);
  MoveToEx(canvas.dc(), 1, 1, nullptr);
  LineTo(canvas.dc(), 9, 4);
  MoveToEx(canvas.dc(), 1, 6, nullptr);
  LineTo(canvas.dc(), 4, 6);
  EXPECT_EQ(canvas.Mask(kBlack, 11, 8),
            "...........\n"
            ".##........\n"
            "...###.....\n"
            "......##...\n"
            "........#..\n"
            "...........\n"
            ".###.......\n"
            "...........\n");
  POINT previous;
  MoveToEx(canvas.dc(), 0, 0, &previous);
  EXPECT_EQ(previous.x, 4);
  EXPECT_EQ(previous.y, 6);
}

TEST(Lines, UseTheSelectedPen) {
  Canvas canvas(4, 4);
  HPEN red = CreatePen(PS_SOLID, 1, kRed);
  HGDIOBJ old = SelectObject(canvas.dc(), red);
  MoveToEx(canvas.dc(), 0, 0, nullptr);
  LineTo(canvas.dc(), 0, 3);
  SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
  LineTo(canvas.dc(), 3, 3);
  EXPECT_EQ(canvas.Mask(kRed, 4, 4), "#...\n#...\n#...\n....\n");
  EXPECT_EQ(canvas.At(2, 3), kWhite);
  SelectObject(canvas.dc(), old);
  DeleteObject(red);
}

TEST(Objects, SelectReturnsThePreviousObjectAndDefaults) {
  Canvas canvas(1, 1);
  HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
  EXPECT_EQ(SelectObject(canvas.dc(), font), GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(SelectObject(canvas.dc(), GetStockObject(SYSTEM_FONT)), font);
  EXPECT_EQ(SelectObject(canvas.dc(), GetStockObject(BLACK_BRUSH)), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(SelectObject(canvas.dc(), GetStockObject(WHITE_PEN)), GetStockObject(BLACK_PEN));
  EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH))) << "stock objects ignore deletion";
  PatBlt(canvas.dc(), 0, 0, 1, 1, PATCOPY);
  EXPECT_EQ(canvas.At(0, 0), kBlack);
}

// Deleting a selected brush is the caller's fault; the brush must stay
// usable until it is deselected, and then be freed (ASan checks both).
TEST(Objects, DeletingASelectedBrushKeepsItUntilDeselected) {
  Canvas canvas(2, 1);
  HBRUSH red = CreateSolidBrush(kRed);
  HGDIOBJ old = SelectObject(canvas.dc(), red);
  DeleteObject(red);
  PatBlt(canvas.dc(), 0, 0, 1, 1, PATCOPY);
  EXPECT_EQ(canvas.At(0, 0), kRed);
  SelectObject(canvas.dc(), old);

  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  SelectObject(canvas.dc(), blue);
  DeleteObject(blue);  // freed with the DC
}

TEST(Objects, SettersReturnThePreviousValue) {
  Canvas canvas(1, 1);
  EXPECT_EQ(SetBkMode(canvas.dc(), TRANSPARENT), OPAQUE);
  EXPECT_EQ(GetBkMode(canvas.dc()), TRANSPARENT);
  EXPECT_EQ(SetTextColor(canvas.dc(), kRed), kBlack);
  EXPECT_EQ(SetTextColor(canvas.dc(), kBlack), kRed);
  EXPECT_EQ(SetBkColor(canvas.dc(), kRed), kWhite);
}

}  // namespace
