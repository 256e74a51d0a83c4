// Text in the default GUI font: metrics, extents and glyphs as probed on
// the platform, GBK decoding, and DrawTextA's line layout.
#include <gtest/gtest.h>

#include <string>

#include "canvas.h"
#include "gdi/objects.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);

// "立即优化"
constexpr char kButtonText[] = "\xC1\xA2\xBC\xB4\xD3\xC5\xBB\xAF";
// "BY：kvr用户"
constexpr char kByLine[] = "BY\xA3\xBAkvr\xD3\xC3\xBB\xA7";
// "网络资源，使用后果概不负责"
constexpr char kNoticeLine[] =
    "\xCD\xF8\xC2\xE7\xD7\xCA\xD4\xB4\xA3\xAC\xCA\xB9\xD3\xC3\xBA\xF3\xB9\xFB\xB8\xC5\xB2\xBB\xB8"
    "\xBA\xD4\xF0";

class GuiFontText : public ::testing::Test {
 protected:
  GuiFontText() : canvas_(200, 80) {
    SelectObject(canvas_.dc(), GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(canvas_.dc(), TRANSPARENT);
  }
  HDC dc() { return canvas_.dc(); }
  Canvas canvas_;
};

TEST_F(GuiFontText, MetricsMatchThePlatform) {
  TEXTMETRICA tm;
  ASSERT_TRUE(GetTextMetricsA(dc(), &tm));
  EXPECT_EQ(tm.tmHeight, 16);
  EXPECT_EQ(tm.tmAscent, 12);
  EXPECT_EQ(tm.tmDescent, 4);
  EXPECT_EQ(tm.tmExternalLeading, 1);
  EXPECT_EQ(tm.tmAveCharWidth, 5);
}

TEST_F(GuiFontText, ExtentsMatchThePlatform) {
  const struct {
    const char* text;
    LONG width;
  } cases[] = {{"A", 7},   {"W", 10},         {"i", 3},      {" ", 4},          {"&", 8},
               {"BY", 14}, {kButtonText, 48}, {kByLine, 65}, {kNoticeLine, 156}};
  for (const auto& c : cases) {
    SIZE size{};
    ASSERT_TRUE(GetTextExtentPoint32A(dc(), c.text, static_cast<int>(strlen(c.text)), &size));
    EXPECT_EQ(size.cx, c.width) << c.text;
    EXPECT_EQ(size.cy, 16) << c.text;
  }
}

// The glyphs come from the face's bitmap strike, unsmoothed, exactly as
// the platform draws them.
TEST_F(GuiFontText, ButtonCaptionGlyphsMatchThePlatform) {
  TextOutA(dc(), 0, 0, kButtonText, 8);
  EXPECT_EQ(canvas_.Mask(kBlack, 48, 14),
            "................................................\n"
            "................................................\n"
            "....##........................#...........#.....\n"
            ".....##......#..#.#........#..#.##.....##.#.....\n"
            ".##########..#..#.#...........#..#.....#..#.....\n"
            ".............#..#.#.......#.########..#...#..##.\n"
            "..##....#....#..#.#......##...#.#....##...#.##..\n"
            "...#....#....####.#.....###...#.#...##....###...\n"
            "...#...#.....#.#..#.......#...#.#.........#.....\n"
            "....#..#.....#.##.#.......#...#.#.......###.....\n"
            "....#..#.....####.#.#.....#..#..#..#......#....#\n"
            "......#......#....#.......#..#..#.........#....#\n"
            "###########.......#.......#.#...#.#.......#####.\n"
            "..........................#.....................\n");
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 48; ++x) {
      const COLORREF c = canvas_.At(x, y);
      ASSERT_TRUE(c == kBlack || c == RGB(255, 255, 255)) << "no grey edges at " << x << "," << y;
    }
  }
}

TEST_F(GuiFontText, OpaqueTextFillsItsCellWithTheBackgroundColour) {
  SetBkMode(dc(), OPAQUE);
  SetBkColor(dc(), RGB(0, 0, 255));
  SetTextColor(dc(), RGB(255, 0, 0));
  TextOutA(dc(), 3, 2, "BY", 2);
  EXPECT_EQ(canvas_.At(3, 2), RGB(0, 0, 255));
  EXPECT_EQ(canvas_.At(16, 17), RGB(0, 0, 255)) << "the cell is 14 x 16";
  EXPECT_EQ(canvas_.At(17, 2), RGB(255, 255, 255));
  EXPECT_EQ(canvas_.At(3, 18), RGB(255, 255, 255));
  EXPECT_EQ(canvas_.At(4, 6), RGB(255, 0, 0)) << "the top-left of B, 8 rows above the baseline";
}

TEST_F(GuiFontText, InvalidGbkBytesDrawAsQuestionMarks) {
  SIZE question{}, invalid{};
  GetTextExtentPoint32A(dc(), "a??z", 4, &question);
  GetTextExtentPoint32A(dc(), "a\xFF\x80z", 4, &invalid);
  EXPECT_EQ(invalid.cx, question.cx);
  SIZE lonelyLead{};
  GetTextExtentPoint32A(dc(), "a\xC1", 2, &lonelyLead);
  GetTextExtentPoint32A(dc(), "a?", 2, &question);
  EXPECT_EQ(lonelyLead.cx, question.cx) << "a lead byte cut off at the end";
  EXPECT_TRUE(TextOutA(dc(), 0, 0, "\x81\x20\xFE", 3));
}

TEST_F(GuiFontText, CaptionFontIsBolder) {
  Canvas bold(60, 20);
  SelectObject(bold.dc(), lw::CaptionFont());
  TextOutA(bold.dc(), 0, 0, kButtonText, 8);
  TextOutA(dc(), 0, 0, kButtonText, 8);
  int regularInk = 0, boldInk = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 60; ++x) {
      regularInk += canvas_.At(x, y) == kBlack;
      boldInk += bold.At(x, y) == kBlack;
    }
  }
  EXPECT_GT(boldInk, regularInk + regularInk / 4);
}

int DrawText(HDC dc, const char* text, RECT* rect, UINT format) {
  return DrawTextA(dc, text, -1, rect, format);
}

// "BY：kvr用户", two empty lines, "网络资源，使用后果概不负责", and a final CR LF.
constexpr char kAboutText[] =
    "BY\xA3\xBAkvr\xD3\xC3\xBB\xA7\r\n\r\n\r\n\xCD\xF8\xC2\xE7\xD7\xCA\xD4\xB4\xA3\xAC\xCA\xB9\xD3"
    "\xC3\xBA\xF3\xB9\xFB\xB8\xC5\xB2\xBB\xB8\xBA\xD4\xF0\r\n";

TEST_F(GuiFontText, CalcRectSizesAsThePlatform) {
  const struct {
    const char* name;
    const char* text;
    UINT format;
    LONG width, height;  // the rectangle handed in
    int result;
    LONG right, bottom;  // the rectangle handed back
  } cases[] = {
      {"CR LF and lone LF", "ab\r\ncd\nef", 0, 100, 100, 48, 12, 48},
      {"a final line break adds nothing", "ab\r\n", 0, 100, 100, 16, 12, 16},
      {"empty text", "", 0, 100, 100, 16, 0, 0},
      {"CJK breaks between characters", kNoticeLine, DT_WORDBREAK, 50, 100, 64, 48, 64},
      {"words wrap at spaces", "hello world foo", DT_WORDBREAK, 40, 100, 48, 31, 48},
      {"a long word stays whole", "abcdefghijklmnop", DT_WORDBREAK, 30, 100, 16, 89, 16},
      {"vertical centring counts its offset", kButtonText, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
       160, 48, 32, 48, 32},
      {"a prefix takes no room", "a&bc", 0, 100, 100, 16, 18, 16},
      {"a doubled prefix shows one &", "a&&bc", 0, 100, 100, 16, 26, 16},
      {"no prefix", "a&bc", DT_NOPREFIX, 100, 100, 16, 26, 16},
      {"tabs expand to eight average widths", "a\tb", DT_EXPANDTABS, 200, 100, 16, 46, 16},
      {"the about text ignores DT_VCENTER", kAboutText,
       DT_LEFT | DT_NOCLIP | DT_WORDBREAK | DT_VCENTER, 224, 144, 64, 156, 64},
  };
  for (const auto& c : cases) {
    RECT r{0, 0, c.width, c.height};
    EXPECT_EQ(DrawText(dc(), c.text, &r, c.format | DT_CALCRECT), c.result) << c.name;
    EXPECT_EQ(r.right, c.right) << c.name;
    EXPECT_EQ(r.bottom, c.bottom) << c.name;
  }
  EXPECT_EQ(canvas_.InkBounds().right, 0) << "DT_CALCRECT draws nothing";
}

TEST_F(GuiFontText, LinesStepByTheFontHeight) {
  RECT r{0, 0, 100, 60};
  EXPECT_EQ(DrawText(dc(), "ab\r\ncd\nef", &r, DT_LEFT), 48);
  const RECT ink = canvas_.InkBounds();
  EXPECT_EQ(ink.top, 4) << "the b of the first line, 8 rows above the baseline at 12";
  EXPECT_EQ(ink.bottom, 44) << "the f of the third line ends on its baseline at 44";
  EXPECT_EQ(canvas_.Mask(kBlack, 12, 8, 0, 20),
            "...........#\n"
            "...........#\n"
            ".####..#####\n"
            ".#..#..#...#\n"
            "#.....#....#\n"
            "#.....##...#\n"
            ".#..#..#..##\n"
            ".####..###.#\n")
      << "the second line, as the platform draws it";
}

TEST_F(GuiFontText, CenteredSingleLineSitsInTheMiddle) {
  RECT r{0, 0, 60, 30};
  EXPECT_EQ(DrawText(dc(), "\xC1\xA2\xBC\xB4", &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE), 23);
  // "立即" is 24 wide: it starts at (60 - 24) / 2 = 18, its cell at (30 - 16) / 2 = 7.
  const RECT ink = canvas_.InkBounds();
  EXPECT_EQ(ink.left, 18);
  EXPECT_EQ(ink.top, 9);
  EXPECT_EQ(ink.right, 39);
  EXPECT_EQ(ink.bottom, 20);
}

TEST_F(GuiFontText, RightAlignmentEndsAtTheRightEdge) {
  RECT r{0, 0, 100, 20};
  DrawText(dc(), kButtonText, &r, DT_RIGHT | DT_SINGLELINE);
  EXPECT_EQ(canvas_.InkBounds().right, 100);
  EXPECT_GE(canvas_.InkBounds().left, 100 - 48);
}

TEST_F(GuiFontText, LongCjkLineWrapsBetweenCharactersKeepingPunctuationOffLineStarts) {
  RECT r{0, 0, 50, 60};
  // "网络资源，使用后果": the comma may not start a line, so 源 moves down with it.
  DrawText(dc(), "\xCD\xF8\xC2\xE7\xD7\xCA\xD4\xB4\xA3\xAC\xCA\xB9\xD3\xC3\xBA\xF3\xB9\xFB", &r,
           DT_WORDBREAK);
  auto inkRight = [&](int top) {
    int right = 0;
    for (int y = top; y < top + 16; ++y) {
      for (int x = 0; x < 60; ++x) {
        if (canvas_.At(x, y) == kBlack) right = std::max(right, x + 1);
      }
    }
    return right;
  };
  EXPECT_LE(inkRight(0), 36) << "three characters on the first line";
  EXPECT_GT(inkRight(16), 36) << "four on the second";
  EXPECT_LE(inkRight(32), 24) << "two on the third";
  EXPECT_GT(inkRight(32), 12);
}

TEST_F(GuiFontText, PrefixUnderlinesTheNextCharacter) {
  RECT r{0, 0, 60, 20};
  DrawText(dc(), "a&bc&&d", &r, DT_LEFT);
  EXPECT_EQ(canvas_.Mask(kBlack, 40, 3, 0, 12),
            "........................................\n"
            "......#####.............................\n"
            "........................................\n");
}

TEST_F(GuiFontText, TextIsClippedToItsRectangleUnlessNoClip) {
  RECT clipped{2, 2, 12, 10};
  DrawText(dc(), "WWWW", &clipped, DT_LEFT);
  RECT ink = canvas_.InkBounds();
  EXPECT_EQ(ink.top, 6);
  EXPECT_EQ(ink.bottom, 10);
  EXPECT_EQ(ink.right, 12);

  Canvas free(60, 30);
  SelectObject(free.dc(), GetStockObject(DEFAULT_GUI_FONT));
  RECT unclipped{2, 2, 12, 10};
  DrawText(free.dc(), "WWWW", &unclipped, DT_LEFT | DT_NOCLIP);
  ink = free.InkBounds();
  EXPECT_EQ(ink.bottom, 14);
  EXPECT_GE(ink.right, 40);
}

}  // namespace
