// The "BUTTON" class driven by mouse and keyboard: clicks, presses that end
// outside, Space, BM_CLICK, focus reports and the group box's transparency.
#include <gtest/gtest.h>

#include "controls/bench.h"

namespace {

using lw::testing::Session;

struct Controls {
  HWND check1 = nullptr;
  HWND check2 = nullptr;
  HWND push = nullptr;
  HWND group = nullptr;
  HWND notify = nullptr;  // a push button with BS_NOTIFY
};

// The application's layout: two check boxes, the push button, the group box.
Controls Start(Session& s) {
  Controls c;
  s.Start([&c] {
    return RunBench([&c](HWND main) {
      c.check1 = MakeButton(main, kCheckText, kCheckStyle, 110, 24, 224, 152, 24);
      c.check2 = MakeButton(main, kCheckText, kCheckStyle, 120, 24, 256, 152, 24);
      c.push = MakeButton(main, kPushText, kPushStyle, 150, 16, 368, 160, 48);
      c.group = MakeButton(main, kGroupText, kGroupStyle, 160, 216, 224, 256, 192);
      c.notify = MakeButton(main, "n", kPushStyle | BS_NOTIFY, 170, 216, 100, 80, 24);
    });
  });
  return c;
}

// Every test drives the application's layout in a program of its own.
class Button : public ::testing::Test {
 protected:
  Session s;
  const Controls c = Start(s);
};

bool Pushed(HWND button) { return (SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }
LRESULT Check(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0); }
std::vector<Report>& Reports() { return TheBench().reports; }

TEST_F(Button, ClickTogglesOnlyThatCheckBoxAndReportsAfterToggling) {
  ClickOn(s, c.check1);
  EXPECT_EQ(Check(c.check1), BST_CHECKED);
  EXPECT_EQ(Check(c.check2), BST_UNCHECKED);
  EXPECT_EQ(GetFocus(), c.check1);
  ASSERT_EQ(Reports().size(), 1u);
  EXPECT_EQ(Reports()[0].id, 110);
  EXPECT_EQ(Reports()[0].code, BN_CLICKED);
  EXPECT_EQ(Reports()[0].from, c.check1);
  EXPECT_EQ(Reports()[0].checkThen, BST_CHECKED);

  ClickOn(s, c.check1);
  EXPECT_EQ(Check(c.check1), BST_UNCHECKED);
  ASSERT_EQ(Reports().size(), 2u);
  EXPECT_EQ(Reports()[1].checkThen, BST_UNCHECKED);
}

TEST_F(Button, SpacePressesOnKeyDownAndClicksOnKeyUp) {
  for (HWND button : {c.check1, c.push}) {
    ClickOn(s, button);  // takes the focus
    const LRESULT checkBefore = Check(button);
    Reports().clear();

    s.KeyDown(VK_SPACE);
    EXPECT_TRUE(Pushed(button));
    EXPECT_EQ(GetCapture(), button);
    EXPECT_TRUE(Reports().empty());

    s.KeyUp(VK_SPACE);
    EXPECT_FALSE(Pushed(button));
    EXPECT_EQ(GetCapture(), nullptr);
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports()[0].from, button);
    const bool toggled = Check(button) != checkBefore;
    EXPECT_EQ(toggled, button == c.check1);
  }
}

TEST_F(Button, EnterDoesNotClick) {
  ClickOn(s, c.push);
  Reports().clear();
  s.Key(VK_RETURN);
  EXPECT_TRUE(Reports().empty());
}

TEST_F(Button, PressFollowsTheMouseAndReleaseOutsideIsNoClick) {
  for (HWND button : {c.check1, c.push}) {
    const POINT in = CenterOf(button), out = OnScreen(button, -10, 5);
    s.Press(in.x, in.y);
    EXPECT_TRUE(Pushed(button));
    EXPECT_EQ(GetCapture(), button);
    EXPECT_EQ(GetFocus(), button);
    s.MoveMouse(out.x, out.y);
    EXPECT_FALSE(Pushed(button));
    s.MoveMouse(in.x, in.y);
    EXPECT_TRUE(Pushed(button));
    s.MoveMouse(out.x, out.y);
    s.Release(out.x, out.y);
    EXPECT_FALSE(Pushed(button));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Check(button), BST_UNCHECKED);
  }
  EXPECT_TRUE(Reports().empty());
}

TEST_F(Button, BmClickTakesTheFocusAndClicks) {
  RunOnApp(s, [&] { SendMessageA(c.check2, BM_CLICK, 0, 0); });
  EXPECT_EQ(GetFocus(), c.check2);
  EXPECT_EQ(Check(c.check2), BST_CHECKED);
  ASSERT_EQ(Reports().size(), 1u);
  EXPECT_EQ(Reports()[0].from, c.check2);
}

TEST_F(Button, CheckStateMessages) {
  SendMessageA(c.check1, BM_SETCHECK, BST_INDETERMINATE, 0);  // two states only
  EXPECT_EQ(Check(c.check1), BST_CHECKED);
  EXPECT_EQ(SendMessageA(c.check1, BM_GETSTATE, 0, 0) & BST_CHECKED, BST_CHECKED);
  SendMessageA(c.push, BM_SETCHECK, BST_CHECKED, 0);  // push buttons hold no check
  EXPECT_EQ(Check(c.push), BST_UNCHECKED);
  SendMessageA(c.push, BM_SETSTATE, TRUE, 0);
  EXPECT_TRUE(Pushed(c.push));
  EXPECT_TRUE(Reports().empty());
}

TEST_F(Button, ReportsFocusOnlyWithBsNotify) {
  ClickOn(s, c.notify);
  ClickOn(s, c.push);
  ClickOn(s, c.check1);
  std::vector<std::pair<int, int>> got;  // (id, code)
  for (const Report& r : Reports()) got.emplace_back(r.id, r.code);
  const std::vector<std::pair<int, int>> want = {{170, BN_SETFOCUS},
                                                 {170, BN_CLICKED},
                                                 {170, BN_KILLFOCUS},
                                                 {150, BN_CLICKED},
                                                 {110, BN_CLICKED}};
  EXPECT_EQ(got, want);
}

TEST_F(Button, DialogCodesByKind) {
  HWND def = nullptr;
  RunOnApp(s, [&] { def = MakeButton(TheBench().main, "d", BS_DEFPUSHBUTTON, 1, 0, 0, 20, 20); });
  const std::pair<HWND, LRESULT> cases[] = {
      {c.push, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
      {def, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
      {c.check1, DLGC_BUTTON},
      {c.group, DLGC_STATIC},
  };
  for (const auto& [button, code] : cases)
    EXPECT_EQ(SendMessageA(button, WM_GETDLGCODE, 0, 0), code);
}

TEST_F(Button, GroupBoxLetsClicksThroughAndNeverTakesTheFocus) {
  ClickOn(s, c.check1);
  const POINT inside = OnScreen(c.group, 50, 50), caption = OnScreen(c.group, 20, 4);
  s.Click(inside.x, inside.y);
  s.Click(caption.x, caption.y);
  ASSERT_EQ(TheBench().parentClicks.size(), 2u);
  EXPECT_EQ(TheBench().parentClicks[0].x, 216 + 50);
  EXPECT_EQ(TheBench().parentClicks[0].y, 224 + 50);
  EXPECT_EQ(GetFocus(), c.check1);
  EXPECT_EQ(Reports().size(), 1u);  // only the check box's click
}

// The parent may destroy the button while it handles BN_CLICKED; the
// button must not touch itself afterwards (the sanitizers watch).
TEST_F(Button, ParentMayDestroyTheButtonWhileItReports) {
  TheBench().onReport = [](const Report& r) {
    if (r.code == BN_CLICKED) DestroyWindow(r.from);
  };
  ClickOn(s, c.check1);
  EXPECT_FALSE(IsWindow(c.check1));
  ClickOn(s, c.push);
  EXPECT_FALSE(IsWindow(c.push));
  RunOnApp(s, [&] { SendMessageA(c.check2, BM_CLICK, 0, 0); });
  EXPECT_FALSE(IsWindow(c.check2));
  EXPECT_EQ(Reports().size(), 3u);
}

TEST_F(Button, SpaceHeldWhileTheFocusLeavesIsNoClick) {
  ClickOn(s, c.check1);
  Reports().clear();
  s.KeyDown(VK_SPACE);
  RunOnApp(s, [&] { SetFocus(c.check2); });
  EXPECT_FALSE(Pushed(c.check1));
  EXPECT_EQ(GetCapture(), nullptr);
  s.KeyUp(VK_SPACE);
  EXPECT_TRUE(Reports().empty());
  EXPECT_EQ(Check(c.check1), BST_CHECKED);
  EXPECT_EQ(Check(c.check2), BST_UNCHECKED);
}

}  // namespace
