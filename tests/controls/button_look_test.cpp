// The classic look of the "BUTTON" class on the composed screen, against
// the pixels measured on the platform (see button_paint.cpp).
#include <gtest/gtest.h>

#include <string>

#include "controls/bench.h"

namespace {

using lw::testing::Session;

COLORREF Sys(int index) { return GetSysColor(index); }
COLORREF Inverted(COLORREF c) { return ~c & 0xFFFFFF; }

// One character per pixel of a client rectangle: '#' where the screen
// shows `ink`, '.' elsewhere.
std::string Mask(const Shot& shot, HWND hwnd, const RECT& r, COLORREF ink) {
  std::string mask;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) mask += shot.At(hwnd, x, y) == ink ? '#' : '.';
    mask += '\n';
  }
  return mask;
}

// The bounding box of the pixels in `ink` inside a client rectangle.
RECT InkBounds(const Shot& shot, HWND hwnd, const RECT& r, COLORREF ink) {
  RECT box{r.right, r.bottom, r.left, r.top};
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (shot.At(hwnd, x, y) != ink) continue;
      box.left = std::min<LONG>(box.left, x);
      box.top = std::min<LONG>(box.top, y);
      box.right = std::max<LONG>(box.right, x + 1);
      box.bottom = std::max<LONG>(box.bottom, y + 1);
    }
  }
  return box;
}

// Calls measure(dc) with a window's DC holding the GUI font.
template <typename Measure>
void MeasureInGuiFont(HWND hwnd, Measure measure) {
  HDC dc = GetDC(hwnd);
  HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  measure(dc);
  SelectObject(dc, old);
  ReleaseDC(hwnd, dc);
}

SIZE GuiTextSize(HWND hwnd, const char* text) {
  SIZE size{};
  MeasureInGuiFont(hwnd, [&](HDC dc) {
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::string(text).size()), &size);
  });
  return size;
}

HWND StartOne(Session& s, const char* text, DWORD style, int w, int h) {
  HWND button = nullptr;
  s.Start([&] {
    return RunBench([&](HWND main) { button = MakeButton(main, text, style, 1, 24, 24, w, h); });
  });
  return button;
}

TEST(ButtonLook, CheckBoxMarkBoxUncheckedAndChecked) {
  Session s;
  HWND box = StartOne(s, kCheckText, kCheckStyle, 152, 24);
  // The 13 x 13 box sits at (0, 5), centred down in 24 pixels.
  EXPECT_EQ(Mask(Shot(s), box, {0, 5, 13, 18}, Sys(COLOR_BTNSHADOW)),
            "############.\n"
            "#............\n"
            "#............\n"
            "#............\n"
            "#............\n"
            "#............\n"
            "#............\n"
            "#............\n"
            "#............\n"
            "#............\n"
            "#............\n"
            "#............\n"
            ".............\n");
  EXPECT_EQ(Mask(Shot(s), box, {0, 5, 13, 18}, Sys(COLOR_3DDKSHADOW)),
            ".............\n"
            ".##########..\n"
            ".#...........\n"
            ".#...........\n"
            ".#...........\n"
            ".#...........\n"
            ".#...........\n"
            ".#...........\n"
            ".#...........\n"
            ".#...........\n"
            ".#...........\n"
            ".............\n"
            ".............\n");
  EXPECT_EQ(PixelAt(s, box, 12, 5), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(PixelAt(s, box, 0, 17), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(PixelAt(s, box, 11, 6), Sys(COLOR_3DLIGHT));
  EXPECT_EQ(PixelAt(s, box, 1, 16), Sys(COLOR_3DLIGHT));
  EXPECT_EQ(Mask(Shot(s), box, {2, 7, 11, 16}, Sys(COLOR_WINDOW)),
            "#########\n#########\n#########\n#########\n#########\n"
            "#########\n#########\n#########\n#########\n");

  SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
  s.Idle();
  EXPECT_EQ(Mask(Shot(s), box, {2, 7, 11, 16}, Sys(COLOR_WINDOWTEXT)),
            ".........\n"
            ".......#.\n"
            "......##.\n"
            ".....###.\n"
            ".#..###..\n"
            ".#####...\n"
            ".####....\n"
            "..##.....\n"
            ".........\n");
}

TEST(ButtonLook, CheckBoxTextAndFocusRectangle) {
  Session s;
  HWND box = StartOne(s, kCheckText, kCheckStyle, 152, 24);
  const SIZE text = GuiTextSize(box, kCheckText);
  const int top = (24 - text.cy) / 2;
  const RECT ink = InkBounds(Shot(s), box, {13, 0, 152, 24}, Sys(COLOR_WINDOWTEXT));
  EXPECT_GE(ink.left, 17);
  EXPECT_LE(ink.right, 17 + text.cx);
  EXPECT_GE(ink.top, top);
  EXPECT_LE(ink.bottom, top + text.cy);

  ClickOn(s, box);
  // The dots run round the text one pixel wider on each side; the
  // top-right corner is always a dot.
  const COLORREF dot = Inverted(Sys(COLOR_BTNFACE));
  const int right = 17 + text.cx + 1;
  EXPECT_EQ(PixelAt(s, box, right - 1, top), dot);
  EXPECT_EQ(PixelAt(s, box, right, top), Sys(COLOR_BTNFACE));
  EXPECT_EQ(PixelAt(s, box, right - 1, top - 1), Sys(COLOR_BTNFACE));
  const RECT dots = InkBounds(Shot(s), box, {13, 0, 152, 24}, dot);
  EXPECT_EQ(dots.left, 16);
  EXPECT_EQ(dots.top, top);
  EXPECT_EQ(dots.right, right);
  EXPECT_EQ(dots.bottom, top + text.cy);
}

TEST(ButtonLook, PushButtonRaisedPressedAndFocused) {
  Session s;
  HWND push = StartOne(s, kPushText, kPushStyle, 160, 48);
  struct Expect {
    int x, y, color;
  };
  const Expect raised[] = {{0, 0, COLOR_BTNHIGHLIGHT}, {1, 1, COLOR_3DLIGHT},
                           {158, 46, COLOR_BTNSHADOW}, {159, 47, COLOR_3DDKSHADOW},
                           {159, 0, COLOR_3DDKSHADOW}, {0, 47, COLOR_3DDKSHADOW},
                           {10, 10, COLOR_BTNFACE}};
  const Shot up(s);
  for (const Expect& e : raised)
    EXPECT_EQ(up.At(push, e.x, e.y), Sys(e.color)) << e.x << "," << e.y;
  const RECT textBefore = InkBounds(Shot(s), push, {2, 2, 158, 46}, Sys(COLOR_BTNTEXT));
  const SIZE text = GuiTextSize(push, kPushText);
  EXPECT_GE(textBefore.left, (160 - text.cx) / 2);
  EXPECT_LE(textBefore.right, (160 + text.cx) / 2);

  const POINT center = CenterOf(push);
  s.Press(center.x, center.y);
  const Expect pressed[] = {{0, 0, COLOR_3DDKSHADOW},
                            {1, 1, COLOR_BTNSHADOW},
                            {158, 46, COLOR_3DLIGHT},
                            {159, 47, COLOR_BTNHIGHLIGHT}};
  const Shot down(s);
  for (const Expect& e : pressed)
    EXPECT_EQ(down.At(push, e.x, e.y), Sys(e.color)) << e.x << "," << e.y;
  RECT textPressed = InkBounds(Shot(s), push, {2, 2, 158, 46}, Sys(COLOR_BTNTEXT));
  OffsetRect(&textPressed, -1, -1);
  EXPECT_TRUE(EqualRect(&textPressed, &textBefore));
  // The focus dots lie just inside the two-pixel edge: (2, 2)-(158, 46).
  const COLORREF dot = Inverted(Sys(COLOR_BTNFACE));
  EXPECT_EQ(PixelAt(s, push, 157, 2), dot);
  EXPECT_EQ(PixelAt(s, push, 157, 3), Sys(COLOR_BTNFACE));
  EXPECT_EQ(PixelAt(s, push, 156, 2), Sys(COLOR_BTNFACE));
  EXPECT_EQ(PixelAt(s, push, 157, 4), dot);
}

TEST(ButtonLook, DefaultPushButtonHasAFrameOutline) {
  Session s;
  HWND def =
      StartOne(s, kPushText, BS_DEFPUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER, 160, 48);
  for (POINT p :
       {POINT{0, 0}, POINT{159, 0}, POINT{0, 47}, POINT{159, 47}, POINT{80, 0}, POINT{0, 20}})
    EXPECT_EQ(PixelAt(s, def, p.x, p.y), Sys(COLOR_WINDOWFRAME)) << p.x << "," << p.y;
  EXPECT_EQ(PixelAt(s, def, 1, 1), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(PixelAt(s, def, 158, 46), Sys(COLOR_3DDKSHADOW));
}

TEST(ButtonLook, GroupBoxEtchedFrameWithTheCaptionInItsTopLine) {
  Session s;
  HWND group = StartOne(s, kGroupText, kGroupStyle, 256, 192);
  TEXTMETRICA metrics{};
  MeasureInGuiFont(group, [&](HDC dc) { GetTextMetricsA(dc, &metrics); });
  const int top = metrics.tmHeight / 2 - 1;
  const SIZE text = GuiTextSize(group, kGroupText);

  const struct {
    int x, y, color;
  } frame[] = {{0, top, COLOR_BTNSHADOW},
               {1, top + 1, COLOR_BTNHIGHLIGHT},
               {200, top, COLOR_BTNSHADOW},
               {200, top + 1, COLOR_BTNHIGHLIGHT},
               {255, top, COLOR_BTNHIGHLIGHT},
               {254, top + 1, COLOR_BTNSHADOW},
               {0, 190, COLOR_BTNSHADOW},
               {100, 190, COLOR_BTNSHADOW},
               {100, 191, COLOR_BTNHIGHLIGHT},
               {6, top, COLOR_BTNSHADOW},
               {7, top, COLOR_BTNFACE},
               {8 + text.cx, top, COLOR_BTNFACE},
               {9 + text.cx, top, COLOR_BTNSHADOW},
               {128, 100, COLOR_BTNFACE}};
  const Shot shot(s);
  for (const auto& e : frame)
    EXPECT_EQ(shot.At(group, e.x, e.y), Sys(e.color)) << e.x << "," << e.y;
  const RECT ink = InkBounds(Shot(s), group, {0, 0, 256, top + text.cy}, Sys(COLOR_WINDOWTEXT));
  EXPECT_GE(ink.left, 8);
  EXPECT_LE(ink.right, 8 + text.cx);
}

// Check and group boxes paint their background with the brush from
// WM_CTLCOLORSTATIC; the push button keeps the system's face whatever
// WM_CTLCOLORBTN answers.
TEST(ButtonLook, ColourRequestsGiveTheBackgroundOfCheckAndGroupBoxes) {
  Session s;
  const COLORREF green = RGB(0, 128, 0);
  TheBench().colorAnswer = CreateSolidBrush(green);
  HWND check = nullptr, group = nullptr, push = nullptr;
  s.Start([&] {
    return RunBench([&](HWND main) {
      check = MakeButton(main, kCheckText, kCheckStyle, 1, 24, 224, 152, 24);
      push = MakeButton(main, kPushText, kPushStyle, 2, 16, 368, 160, 48);
      group = MakeButton(main, kGroupText, kGroupStyle, 3, 216, 224, 256, 192);
    });
  });
  EXPECT_EQ(PixelAt(s, check, 140, 1), green);
  EXPECT_EQ(PixelAt(s, check, 6, 2), green);
  EXPECT_EQ(PixelAt(s, group, 7, 0), green);
  EXPECT_EQ(PixelAt(s, group, 128, 100), Sys(COLOR_BTNFACE));  // the inside is not painted
  EXPECT_EQ(PixelAt(s, push, 80, 5), Sys(COLOR_BTNFACE));
}

TEST(ButtonLook, DisabledCheckBoxIsGreyed) {
  Session s;
  HWND box = StartOne(s, kCheckText, kCheckStyle, 152, 24);
  SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
  RunOnApp(s, [&] { EnableWindow(box, FALSE); });
  const RECT text{17, 0, 152, 24};
  EXPECT_EQ(Mask(Shot(s), box, text, Sys(COLOR_WINDOWTEXT)).find('#'), std::string::npos);
  EXPECT_NE(Mask(Shot(s), box, text, Sys(COLOR_GRAYTEXT)).find('#'), std::string::npos);
  EXPECT_NE(Mask(Shot(s), box, text, Sys(COLOR_BTNHIGHLIGHT)).find('#'), std::string::npos);
  EXPECT_EQ(PixelAt(s, box, 5, 10), Sys(COLOR_BTNFACE));   // inside the mark box
  EXPECT_EQ(PixelAt(s, box, 9, 8), Sys(COLOR_BTNSHADOW));  // the check mark
}

}  // namespace
