// DrawEdge and DrawFocusRect against pixels read back from the platform.
#include <gtest/gtest.h>

#include <map>

#include "canvas.h"

namespace {

// Letters for the system colours an edge may use, and 'R' for the red
// background that shows where nothing was drawn.
COLORREF ColorOfLetter(char letter) {
  static const std::map<char, int> kSysColors = {{'L', COLOR_3DLIGHT},  {'W', COLOR_3DHILIGHT},
                                                 {'S', COLOR_3DSHADOW}, {'D', COLOR_3DDKSHADOW},
                                                 {'F', COLOR_3DFACE},   {'Q', COLOR_WINDOWFRAME},
                                                 {'w', COLOR_WINDOW}};
  if (letter == 'R') return RGB(255, 0, 0);
  return GetSysColor(kSysColors.at(letter));
}

struct EdgeCase {
  const char* name;
  UINT edge;
  UINT flags;
  RECT adjusted;        // the rectangle BF_ADJUST leaves for the inside
  const char* rows[6];  // the 6 x 6 rectangle (1, 1)-(7, 7)
};

// Probed on the platform: an 8 x 8 red bitmap, DrawEdge on (1, 1, 7, 7).
const EdgeCase kEdgeCases[] = {
    {"raised",
     EDGE_RAISED,
     BF_RECT,
     {3, 3, 5, 5},
     {"LLLLLD", "LWWWSD", "LWRRSD", "LWRRSD", "LSSSSD", "DDDDDD"}},
    {"sunken",
     EDGE_SUNKEN,
     BF_RECT,
     {3, 3, 5, 5},
     {"SSSSSW", "SDDDLW", "SDRRLW", "SDRRLW", "SLLLLW", "WWWWWW"}},
    {"etched",
     EDGE_ETCHED,
     BF_RECT,
     {3, 3, 5, 5},
     {"SSSSSW", "SWWWSW", "SWRRSW", "SWRRSW", "SSSSSW", "WWWWWW"}},
    {"bump",
     EDGE_BUMP,
     BF_RECT,
     {3, 3, 5, 5},
     {"LLLLLD", "LDDDLD", "LDRRLD", "LDRRLD", "LLLLLD", "DDDDDD"}},
    {"raised outer only",
     BDR_RAISEDOUTER,
     BF_RECT,
     {2, 2, 6, 6},
     {"LLLLLD", "LRRRRD", "LRRRRD", "LRRRRD", "LRRRRD", "DDDDDD"}},
    {"sunken inner only",
     BDR_SUNKENINNER,
     BF_RECT,
     {2, 2, 6, 6},
     {"DDDDDL", "DRRRRL", "DRRRRL", "DRRRRL", "DRRRRL", "LLLLLL"}},
    {"raised middle",
     EDGE_RAISED,
     BF_RECT | BF_MIDDLE,
     {3, 3, 5, 5},
     {"LLLLLD", "LWWWSD", "LWFFSD", "LWFFSD", "LSSSSD", "DDDDDD"}},
    {"raised soft",
     EDGE_RAISED,
     BF_RECT | BF_SOFT,
     {3, 3, 5, 5},
     {"WWWWWD", "WLLLSD", "WLRRSD", "WLRRSD", "WSSSSD", "DDDDDD"}},
    {"sunken soft",
     EDGE_SUNKEN,
     BF_RECT | BF_SOFT,
     {3, 3, 5, 5},
     {"DDDDDW", "DSSSLW", "DSRRLW", "DSRRLW", "DLLLLW", "WWWWWW"}},
    {"sunken flat",
     EDGE_SUNKEN,
     BF_RECT | BF_FLAT,
     {3, 3, 5, 5},
     {"SSSSSS", "SFFFFS", "SFRRFS", "SFRRFS", "SFFFFS", "SSSSSS"}},
    {"sunken flat middle",
     EDGE_SUNKEN,
     BF_RECT | BF_FLAT | BF_MIDDLE,
     {3, 3, 5, 5},
     {"SSSSSS", "SFFFFS", "SFFFFS", "SFFFFS", "SFFFFS", "SSSSSS"}},
    {"sunken mono",
     EDGE_SUNKEN,
     BF_RECT | BF_MONO,
     {3, 3, 5, 5},
     {"QQQQQQ", "QwwwwQ", "QwRRwQ", "QwRRwQ", "QwwwwQ", "QQQQQQ"}},
    {"raised mono middle",
     EDGE_RAISED,
     BF_RECT | BF_MONO | BF_MIDDLE,
     {3, 3, 5, 5},
     {"QQQQQQ", "QwwwwQ", "QwwwwQ", "QwwwwQ", "QwwwwQ", "QQQQQQ"}},
    {"raised flat mono",
     EDGE_RAISED,
     BF_RECT | BF_FLAT | BF_MONO,
     {3, 3, 5, 5},
     {"QQQQQQ", "QwwwwQ", "QwRRwQ", "QwRRwQ", "QwwwwQ", "QQQQQQ"}},
    {"raised top left",
     EDGE_RAISED,
     BF_TOPLEFT,
     {3, 3, 7, 7},
     {"LLLLLL", "LWWWWW", "LWRRRR", "LWRRRR", "LWRRRR", "LWRRRR"}},
    {"raised bottom right",
     EDGE_RAISED,
     BF_BOTTOMRIGHT,
     {1, 1, 5, 5},
     {"RRRRSD", "RRRRSD", "RRRRSD", "RRRRSD", "SSSSSD", "DDDDDD"}},
    {"etched top",
     EDGE_ETCHED,
     BF_TOP,
     {1, 3, 7, 7},
     {"SSSSSS", "WWWWWW", "RRRRRR", "RRRRRR", "RRRRRR", "RRRRRR"}},
};

TEST(DrawEdge, MatchesThePlatformPixelForPixel) {
  for (const EdgeCase& c : kEdgeCases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(8, 8);
    canvas.Fill(RGB(255, 0, 0));

    RECT r{1, 1, 7, 7};
    ASSERT_TRUE(DrawEdge(canvas.dc(), &r, c.edge, c.flags));
    EXPECT_TRUE(r.left == 1 && r.top == 1 && r.right == 7 && r.bottom == 7)
        << "without BF_ADJUST the rectangle is left alone";
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) {
        const bool ring = x == 0 || y == 0 || x == 7 || y == 7;
        const char letter = ring ? 'R' : c.rows[y - 1][x - 1];
        EXPECT_EQ(canvas.At(x, y), ColorOfLetter(letter)) << "pixel " << x << "," << y;
      }
    }

    RECT adjusted{1, 1, 7, 7};
    DrawEdge(canvas.dc(), &adjusted, c.edge, c.flags | BF_ADJUST);
    EXPECT_EQ(adjusted.left, c.adjusted.left);
    EXPECT_EQ(adjusted.top, c.adjusted.top);
    EXPECT_EQ(adjusted.right, c.adjusted.right);
    EXPECT_EQ(adjusted.bottom, c.adjusted.bottom);
  }
}

constexpr COLORREF kBlack = RGB(0, 0, 0);

// The dots follow a checkerboard that starts at the top-right corner, as
// probed on the platform for rectangles of even and odd sizes.
TEST(DrawFocusRect, DotsAlternateFromTheTopRightCorner) {
  struct Case {
    RECT rect;
    const char* mask;
  } cases[] = {
      {{1, 1, 9, 7},
       "..........\n"
       "..#.#.#.#.\n"
       ".#........\n"
       "........#.\n"
       ".#........\n"
       "........#.\n"
       ".#.#.#.#..\n"
       "..........\n"},
      {{2, 1, 9, 8},
       "..........\n"
       "..#.#.#.#.\n"
       "..........\n"
       "..#.....#.\n"
       "..........\n"
       "..#.....#.\n"
       "..........\n"
       "..#.#.#.#.\n"},
      {{3, 2, 7, 6},
       "..........\n"
       "..........\n"
       "....#.#...\n"
       "...#......\n"
       "......#...\n"
       "...#.#....\n"
       "..........\n"
       "..........\n"},
  };
  for (const Case& c : cases) {
    Canvas canvas(10, 8);
    ASSERT_TRUE(DrawFocusRect(canvas.dc(), &c.rect));
    EXPECT_EQ(canvas.Mask(kBlack, 10, 8), c.mask);
  }
}

TEST(DrawFocusRect, InvertsColoursAndUndoesItselfWhenDrawnTwice) {
  Canvas canvas(5, 5);
  canvas.Fill(RGB(0x40, 0x80, 0xC0));

  const RECT all{0, 0, 5, 5};
  DrawFocusRect(canvas.dc(), &all);
  EXPECT_EQ(canvas.At(4, 0), RGB(0xBF, 0x7F, 0x3F));
  EXPECT_EQ(canvas.At(3, 0), RGB(0x40, 0x80, 0xC0));
  EXPECT_EQ(canvas.At(2, 2), RGB(0x40, 0x80, 0xC0)) << "the inside is untouched";

  DrawFocusRect(canvas.dc(), &all);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 5; ++x) EXPECT_EQ(canvas.At(x, y), RGB(0x40, 0x80, 0xC0));
  }
}

}  // namespace
