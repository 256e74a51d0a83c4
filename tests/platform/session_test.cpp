// What the desktop and the rest of the system do to a running program, and
// the Session's own promises.
#include <gtest/gtest.h>

#include "backend/script.h"
#include "platform/harness.h"

namespace {

using lw::testing::Session;

HWND StartWindow(Session& s) { return StartShownWindow(s, "Main", 100, 100, 300, 200); }

TEST(Session, AQuitFromOutsideEndsTheLoopWithItsCode) {
  Session s;
  HWND w = StartWindow(s);
  s.PostQuitFromOutside(42);
  EXPECT_TRUE(s.Ended());
  EXPECT_EQ(s.ExitCode(), 42);
  EXPECT_EQ(TheJournal().Count(w, WM_CLOSE), 0);
}

TEST(Session, LogOffAsksEveryWindowThenEndsTheProgram) {
  Session s;
  HWND w = StartWindow(s);
  s.LogOff();
  EXPECT_EQ(TheJournal().For(w, {WM_QUERYENDSESSION, WM_ENDSESSION}),
            (std::vector<UINT>{WM_QUERYENDSESSION, WM_ENDSESSION}));
  for (const Record& r : TheJournal().records)
    if (r.msg == WM_ENDSESSION) EXPECT_EQ(r.wp, static_cast<WPARAM>(TRUE));
  EXPECT_TRUE(s.Ended());
}

TEST(Session, AWindowThatRefusesKeepsTheSessionGoing) {
  Session s;
  HWND w = StartWindow(s);
  TheJournal().hook = [](HWND, UINT msg, WPARAM, LPARAM, LRESULT* answer) {
    if (msg != WM_QUERYENDSESSION) return false;
    *answer = FALSE;
    return true;
  };
  s.LogOff();
  EXPECT_FALSE(s.Ended());
  EXPECT_TRUE(IsWindow(w));
}

TEST(Session, EndingWhileTheProgramRunsDestroysItsWindows) {
  HWND w = nullptr;
  {
    Session s;
    w = StartWindow(s);
    TheJournal().records.clear();
  }
  EXPECT_EQ(TheJournal().Count(w, WM_DESTROY), 1);
  EXPECT_EQ(TheJournal().Count(w, WM_NCDESTROY), 1);
}

TEST(Session, ScreenShowsTheDesktopAroundTheWindows) {
  lw::testing::Options o;
  o.screenWidth = 640;
  o.screenHeight = 480;
  Session s(o);
  StartWindow(s);
  const lw::Surface& screen = s.Screen();
  EXPECT_EQ(screen.width, 640);
  EXPECT_EQ(screen.height, 480);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
  EXPECT_EQ(ScreenPixel(s, 10, 10), Pixel(GetSysColor(COLOR_DESKTOP)));
  EXPECT_NE(ScreenPixel(s, 110, 110), Pixel(GetSysColor(COLOR_DESKTOP)));
}

TEST(Session, ScriptsDriveTheProgramAndReportHowItEnded) {
  Session s;
  StartWindow(s);
  TheJournal().hook = [](HWND, UINT msg, WPARAM, LPARAM, LRESULT*) {
    if (msg == WM_DESTROY) PostQuitMessage(9);
    return false;
  };
  EXPECT_EQ(lw::RunScript(s, "idle; move 200 200; key TAB"), 3);  // still running
  EXPECT_EQ(lw::RunScript(s, "key ALT+F4; expect-ended"), 9);
}

}  // namespace
