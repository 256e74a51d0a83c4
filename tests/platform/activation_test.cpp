// Activation and focus: showing, clicking, switching programs, destroying.
#include <gtest/gtest.h>

#include "platform/harness.h"

namespace {

using lw::testing::Session;

const std::vector<UINT> kActivation = {WM_SHOWWINDOW, WM_ACTIVATEAPP, WM_NCACTIVATE,
                                       WM_ACTIVATE,   WM_SETFOCUS,    WM_KILLFOCUS};

TEST(Activation, ShowingAHiddenTopLevelActivatesItAndGivesItFocus) {
  Session s;
  HWND main = StartShownWindow(s, "t", 0, 0, 300, 200);
  EXPECT_EQ(
      TheJournal().For(main, kActivation),
      (std::vector<UINT>{WM_SHOWWINDOW, WM_ACTIVATEAPP, WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS}));
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_EQ(GetFocus(), main);
}

TEST(Activation, ShowNoActivateLeavesActivationAlone) {
  Session s;
  const TwoWindows t = StartTwoWindows(s, 50, 50, SW_SHOWNA);
  EXPECT_TRUE(IsWindowVisible(t.second));
  EXPECT_EQ(GetActiveWindow(), t.first);
  EXPECT_EQ(TheJournal().Count(t.second, WM_ACTIVATE), 0);
}

TEST(Activation, ActivationHandsFocusToTheChildTheWindowChooses) {
  Session s;
  const Nested n = StartNested(s, {50, 20}, FocusTo::kChild);
  EXPECT_EQ(GetFocus(), n.child);
}

TEST(Activation, AClickOnAnInactiveWindowActivatesItBeforeTheButtonMessage) {
  Session s;
  HWND back = nullptr, front = nullptr, child = nullptr;
  StartProgram(s, [&] {
    back = MakeTopLevel("back", 0, 0, 300, 200);
    child = MakeChild(back, 1, 10, 10, 100, 50);
    ShowWindow(back, SW_SHOW);
    front = MakeTopLevel("front", 400, 0, 300, 200);
    ShowWindow(front, SW_SHOW);
  });
  ASSERT_EQ(GetActiveWindow(), front);
  TheJournal().records.clear();
  s.Click(3 + 20, 3 + 19 + 20);  // inside the child
  EXPECT_EQ(GetActiveWindow(), back);
  std::vector<std::pair<HWND, UINT>> seen;
  for (const Record& r : TheJournal().records)
    if (r.msg == WM_MOUSEACTIVATE || r.msg == WM_ACTIVATE || r.msg == WM_LBUTTONDOWN ||
        r.msg == WM_LBUTTONUP)
      seen.emplace_back(r.hwnd, r.msg);
  const std::vector<std::pair<HWND, UINT>> expected = {
      {child, WM_MOUSEACTIVATE}, {back, WM_MOUSEACTIVATE}, {front, WM_ACTIVATE},
      {back, WM_ACTIVATE},       {child, WM_LBUTTONDOWN},  {child, WM_LBUTTONUP}};
  EXPECT_EQ(seen, expected);
  for (const Record& r : TheJournal().records)
    if (r.hwnd == back && r.msg == WM_ACTIVATE) EXPECT_EQ(LOWORD(r.wp), WA_CLICKACTIVE);
}

TEST(Activation, DisabledWindowsGetNoClicks) {
  Session s;
  const Nested n = StartNested(s, {100, 50});
  EnableWindow(n.child, FALSE);
  TheJournal().records.clear();
  s.Click(3 + 20, 3 + 19 + 20);
  EXPECT_EQ(TheJournal().Count(n.child, WM_LBUTTONDOWN), 0);
  EXPECT_EQ(TheJournal().Count(n.main, WM_LBUTTONDOWN), 1);  // the parent's area now

  EnableWindow(n.main, FALSE);
  TheJournal().records.clear();
  s.Click(100, 100);
  s.Click(3 + 20, 3 + 19 + 20);
  for (const Record& r : TheJournal().records) EXPECT_NE(r.msg, WM_LBUTTONDOWN);
}

// The program disables a window when its focused child gets 'D'. Only the
// focus window itself loses the focus; keys go to the focus, or to the
// active window as system keys when nothing has it.
TEST(Activation, DisablingTakesTheFocusOnlyFromTheFocusWindowItself) {
  struct Case {
    bool disableParent;
    bool focusKept;
    UINT keyMessage;
  };
  for (const Case c : {Case{true, true, WM_KEYDOWN}, Case{false, false, WM_SYSKEYDOWN}}) {
    SCOPED_TRACE(c.disableParent ? "parent disabled" : "focus window disabled");
    TheJournal() = Journal{};
    Session s;
    const Nested n = StartNested(s, {100, 50}, FocusTo::kChild);
    TheJournal().hook = [&](HWND hwnd, UINT msg, WPARAM wp, LPARAM, LRESULT*) {
      if (hwnd == n.child && msg == WM_KEYDOWN && wp == 'D')
        EnableWindow(c.disableParent ? n.main : n.child, FALSE);
      return false;
    };
    ASSERT_EQ(GetFocus(), n.child);
    s.Key('D');
    EXPECT_EQ(GetFocus(), c.focusKept ? n.child : nullptr);
    EXPECT_EQ(GetActiveWindow(), n.main);
    EXPECT_EQ(TheJournal().Count(n.child, WM_KILLFOCUS), c.focusKept ? 0 : 1);
    TheJournal().records.clear();
    s.Key('A');
    HWND expected = c.focusKept ? n.child : n.main;
    EXPECT_EQ(TheJournal().For(expected, {WM_KEYDOWN, WM_SYSKEYDOWN}),
              std::vector<UINT>{c.keyMessage});
  }
}

TEST(Activation, ADisabledOwnerPassesClicksAndReturnsToItsEnabledPopup) {
  Session s;
  HWND owner = nullptr, popup = nullptr;
  StartProgram(s, [&] {
    owner = MakeTopLevel("owner", 0, 0, 300, 200);
    ShowWindow(owner, SW_SHOW);
    popup = CreateWindowExA(0, kTestClass, "popup", WS_POPUP | WS_CAPTION, 400, 0, 200, 100, owner,
                            nullptr, nullptr, nullptr);
    ShowWindow(popup, SW_SHOW);
    EnableWindow(owner, FALSE);
  });
  s.ActivateOtherProgram();
  s.Click(100, 100);
  EXPECT_EQ(GetActiveWindow(), popup);
  EXPECT_EQ(TheJournal().Count(owner, WM_LBUTTONDOWN), 0);
  s.ActivateOtherProgram();
  s.ReturnTo(owner);
  EXPECT_EQ(GetActiveWindow(), popup);
}

TEST(Activation, AnotherProgramTakesActivationAndGivesItBack) {
  Session s;
  const Nested n = StartNested(s, {50, 20}, FocusTo::kChild);
  const HWND main = n.main, child = n.child;
  TheJournal().records.clear();
  s.ActivateOtherProgram();
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(TheJournal().For(main, kActivation),
            (std::vector<UINT>{WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP}));
  EXPECT_EQ(TheJournal().For(child, kActivation), (std::vector<UINT>{WM_KILLFOCUS}));

  TheJournal().records.clear();
  s.ReturnTo(main);
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_EQ(GetFocus(), child);
  EXPECT_EQ(TheJournal().For(main, kActivation),
            (std::vector<UINT>{WM_ACTIVATEAPP, WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS,
                               WM_KILLFOCUS}));  // passed on to the child
}

TEST(Activation, DestroyingTheFocusWindowsParentLeavesNoFocus) {
  Session s;
  const Nested n = StartNested(s, {200, 100}, FocusTo::kGrandchild, {50, 20});
  ASSERT_EQ(GetFocus(), n.grandchild);
  TheJournal().hook = [&](HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT*) {
    if (hwnd == n.main && msg == WM_LBUTTONDOWN) DestroyWindow(n.child);
    return false;
  };
  s.Click(250, 150);  // in the main window, outside the child
  EXPECT_FALSE(IsWindow(n.grandchild));
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(GetActiveWindow(), n.main);
}

TEST(Activation, DestroyingOrHidingTheFocusWindowGivesFocusToItsParent) {
  for (bool destroy : {false, true}) {
    Session s;
    const Nested n = StartNested(s, {200, 100}, FocusTo::kGrandchild, {50, 20});
    TheJournal().hook = [&](HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT*) {
      if (hwnd == n.main && msg == WM_LBUTTONDOWN) {
        if (destroy) DestroyWindow(n.grandchild);
        if (!destroy) ShowWindow(n.grandchild, SW_HIDE);
      }
      return false;
    };
    s.Click(250, 150);
    EXPECT_EQ(GetFocus(), n.child);
  }
}

TEST(Activation, DestroyingTheActiveWindowActivatesTheNextOne) {
  Session s;
  const TwoWindows t = StartTwoWindows(s, 400, 0);
  TheJournal().records.clear();
  s.KeyChord({VK_MENU, VK_F4});
  EXPECT_FALSE(IsWindow(t.second));
  EXPECT_EQ(GetActiveWindow(), t.first);
  EXPECT_EQ(GetFocus(), t.first);
}

TEST(Activation, DestroyingTheLastWindowDeactivatesTheProgramFirst) {
  Session s;
  HWND w = StartShownWindow(s, "a", 0, 0, 300, 200);
  TheJournal().records.clear();
  s.KeyChord({VK_MENU, VK_F4});
  EXPECT_EQ(TheJournal().For(w, {WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP, WM_KILLFOCUS,
                                 WM_DESTROY, WM_NCDESTROY}),
            (std::vector<UINT>{WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP, WM_KILLFOCUS, WM_DESTROY,
                               WM_NCDESTROY}));
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
}

}  // namespace
