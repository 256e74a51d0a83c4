// The frame and caption: their look, the close button, dragging, the
// system menu and the keys that close a window.
#include <gtest/gtest.h>

#include "platform/harness.h"

namespace {

using lw::testing::Session;

// A caption window at (100, 100), 306 x 206, in a running program.
HWND StartCaptionWindow(Session& s) {
  TheJournal().hook = [](HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT*) {
    if (msg == WM_DESTROY && !GetParent(hwnd) && !IsWindowVisible(hwnd)) PostQuitMessage(5);
    return false;
  };
  return StartShownWindow(s, "Frame", 100, 100, 306, 206);
}

constexpr int kCloseX = 100 + 306 - 3 - 2 - 8;  // the middle of the close button
constexpr int kCloseY = 100 + 3 + 9;
constexpr int kCaptionY = 100 + 3 + 9;

TEST(NonClient, CaptionIsDrawnActiveOrInactiveWithTheSystemColours) {
  Session s;
  HWND w = StartCaptionWindow(s);
  // The gradient starts at the left edge with the caption colour.
  EXPECT_EQ(ScreenPixel(s, 100 + 3, kCaptionY), Pixel(GetSysColor(COLOR_ACTIVECAPTION)));
  s.ActivateOtherProgram();
  EXPECT_EQ(ScreenPixel(s, 100 + 3, kCaptionY), Pixel(GetSysColor(COLOR_INACTIVECAPTION)));
  // The frame is the button face; the line under the caption too.
  EXPECT_EQ(ScreenPixel(s, 102, 200), Pixel(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(ScreenPixel(s, 200, 100 + 3 + 18), Pixel(GetSysColor(COLOR_BTNFACE)));
  s.ReturnTo(w);
  EXPECT_EQ(ScreenPixel(s, 100 + 3, kCaptionY), Pixel(GetSysColor(COLOR_ACTIVECAPTION)));
}

TEST(NonClient, HitTestFindsTheCaptionPartsAndAFrameThatDoesNotSize) {
  Session s;
  HWND w = StartCaptionWindow(s);
  struct Case {
    int x, y;
    LRESULT hit;
  } cases[] = {{kCloseX, kCloseY, HTCLOSE}, {110, kCaptionY, HTSYSMENU},
               {200, kCaptionY, HTCAPTION}, {200, 200, HTCLIENT},
               {101, 200, HTBORDER},        {100 + 305, 305, HTBORDER},
               {99, 200, HTNOWHERE}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    EXPECT_EQ(SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(c.x, c.y)), c.hit);
  }
  // Dragging the frame changes nothing.
  s.Press(101, 200);
  s.Release(50, 250);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.right - r.left, 306);
}

TEST(NonClient, DraggingTheCaptionMovesTheWindow) {
  Session s;
  HWND w = StartCaptionWindow(s);
  s.Press(200, kCaptionY);
  s.MoveMouse(150, kCaptionY + 20);
  s.MoveMouse(260, kCaptionY + 40);
  s.Release(260, kCaptionY + 40);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 160);
  EXPECT_EQ(r.top, 140);
  EXPECT_EQ(r.right - r.left, 306);
  EXPECT_EQ(TheJournal().Count(w, WM_ENTERSIZEMOVE), 1);
  EXPECT_EQ(TheJournal().Count(w, WM_EXITSIZEMOVE), 1);
  EXPECT_EQ(GetCapture(), nullptr);
  // The screen shows it at its new place.
  EXPECT_EQ(ScreenPixel(s, 160 + 3, 140 + 3 + 9), Pixel(GetSysColor(COLOR_ACTIVECAPTION)));
}

TEST(NonClient, TheCloseButtonClosesOnlyWhenReleasedOverIt) {
  Session s;
  HWND w = StartCaptionWindow(s);
  const uint32_t raised = ScreenPixel(s, kCloseX - 7, kCloseY - 6);  // its top-left light edge
  s.Press(kCloseX, kCloseY);
  EXPECT_NE(ScreenPixel(s, kCloseX - 7, kCloseY - 6), raised);  // drawn pushed
  s.MoveMouse(200, 250);
  EXPECT_EQ(ScreenPixel(s, kCloseX - 7, kCloseY - 6), raised);
  s.Release(200, 250);
  EXPECT_TRUE(IsWindow(w));

  s.Press(kCloseX, kCloseY);
  s.Release(kCloseX, kCloseY);
  EXPECT_FALSE(IsWindow(w));
  EXPECT_TRUE(s.Ended());
  EXPECT_EQ(s.ExitCode(), 5);
}

// Every way of closing goes through WM_SYSCOMMAND SC_CLOSE and WM_CLOSE.
class ClosePath : public ::testing::TestWithParam<int> {};

TEST_P(ClosePath, EndsInSysCommandCloseAndWmClose) {
  Session s;
  HWND w = StartCaptionWindow(s);
  switch (GetParam()) {
    case 0:
      s.KeyChord({VK_MENU, VK_F4});
      break;
    case 1:
      s.Click(kCloseX, kCloseY);
      break;
    case 2:  // the system menu from the keyboard: Alt+Space, down to Close, Enter
      s.KeyChord({VK_MENU, VK_SPACE});
      s.Key(VK_DOWN);
      s.Key(VK_RETURN);
      break;
    case 3:  // the system menu from the caption icon, Close clicked
      s.Click(110, kCaptionY);
      s.Click(130, 100 + 3 + 19 + 3 + 18 + 9 + 9);
      break;
    case 4:
      s.CloseRequest(w);
      break;
  }
  EXPECT_FALSE(IsWindow(w));
  int sysClose = 0;
  for (const Record& r : TheJournal().records)
    if (r.hwnd == w && r.msg == WM_SYSCOMMAND && (r.wp & 0xFFF0) == SC_CLOSE) ++sysClose;
  EXPECT_EQ(sysClose, 1);
  EXPECT_EQ(TheJournal().Count(w, WM_CLOSE), 1);
  EXPECT_EQ(s.ExitCode(), 5);
}

INSTANTIATE_TEST_SUITE_P(AllWays, ClosePath, ::testing::Range(0, 5));

TEST(NonClient, TheSystemMenuCancelsWithEscapeAndMovesWithTheKeys) {
  Session s;
  HWND w = StartCaptionWindow(s);
  s.KeyChord({VK_MENU, VK_SPACE});
  EXPECT_NE(FindWindowA("#32768", nullptr), nullptr);
  s.Key(VK_ESCAPE);
  EXPECT_EQ(FindWindowA("#32768", nullptr), nullptr);
  EXPECT_TRUE(IsWindow(w));

  s.KeyChord({VK_MENU, VK_SPACE});
  s.Key(VK_RETURN);  // Move is the first item
  s.Key(VK_RIGHT);
  s.Key(VK_DOWN);
  s.Key(VK_RETURN);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 108);
  EXPECT_EQ(r.top, 108);
  EXPECT_EQ(GetActiveWindow(), w);
}

TEST(NonClient, TheSmallIconShowsInTheCaption) {
  Session s;
  HWND w = StartCaptionWindow(s);
  const uint32_t bare = ScreenPixel(s, 100 + 3 + 2 + 8, kCaptionY);
  HICON icon = static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), "DEFAULT_ICON", IMAGE_ICON, 16, 16, 0));
  ASSERT_NE(icon, nullptr);
  SendMessageA(w, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  EXPECT_NE(ScreenPixel(s, 100 + 3 + 2 + 8, kCaptionY), bare);
  EXPECT_EQ(SendMessageA(w, WM_GETICON, ICON_SMALL, 0), reinterpret_cast<LRESULT>(icon));
}

}  // namespace
