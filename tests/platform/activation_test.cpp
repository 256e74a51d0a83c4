// Activation and focus: showing, clicking, switching programs, destroying.
#include <gtest/gtest.h>

#include "platform/harness.h"

namespace {

using lw::testing::Session;

const std::vector<UINT> kActivation = {WM_SHOWWINDOW, WM_ACTIVATEAPP, WM_NCACTIVATE,
                                       WM_ACTIVATE,   WM_SETFOCUS,    WM_KILLFOCUS};

TEST(Activation, ShowingAHiddenTopLevelActivatesItAndGivesItFocus) {
  Session s;
  HWND main = nullptr;
  s.Start([&] {
    return RunProgram([&] {
      main = MakeTopLevel("t", 0, 0, 300, 200);
      ShowWindow(main, SW_SHOW);
    });
  });
  EXPECT_EQ(
      TheJournal().For(main, kActivation),
      (std::vector<UINT>{WM_SHOWWINDOW, WM_ACTIVATEAPP, WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS}));
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_EQ(GetFocus(), main);
}

TEST(Activation, ShowNoActivateLeavesActivationAlone) {
  Session s;
  HWND first = nullptr, second = nullptr;
  s.Start([&] {
    return RunProgram([&] {
      first = MakeTopLevel("a", 0, 0, 300, 200);
      ShowWindow(first, SW_SHOW);
      second = MakeTopLevel("b", 50, 50, 300, 200);
      ShowWindow(second, SW_SHOWNA);
    });
  });
  EXPECT_TRUE(IsWindowVisible(second));
  EXPECT_EQ(GetActiveWindow(), first);
  EXPECT_EQ(TheJournal().Count(second, WM_ACTIVATE), 0);
}

TEST(Activation, ActivationHandsFocusToTheChildTheWindowChooses) {
  Session s;
  HWND child = nullptr;
  s.Start([&] {
    return RunProgram([&] {
      HWND main = MakeTopLevel("t", 0, 0, 300, 200);
      child = MakeChild(main, 1, 10, 10, 50, 20);
      TheJournal().focusOnActivate[main] = child;
      ShowWindow(main, SW_SHOW);
    });
  });
  EXPECT_EQ(GetFocus(), child);
}

TEST(Activation, AClickOnAnInactiveWindowActivatesItBeforeTheButtonMessage) {
  Session s;
  HWND back = nullptr, front = nullptr, child = nullptr;
  s.Start([&] {
    return RunProgram([&] {
      back = MakeTopLevel("back", 0, 0, 300, 200);
      child = MakeChild(back, 1, 10, 10, 100, 50);
      ShowWindow(back, SW_SHOW);
      front = MakeTopLevel("front", 400, 0, 300, 200);
      ShowWindow(front, SW_SHOW);
    });
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
  HWND main = nullptr, child = nullptr;
  s.Start([&] {
    return RunProgram([&] {
      main = MakeTopLevel("t", 0, 0, 300, 200);
      child = MakeChild(main, 1, 10, 10, 100, 50);
      ShowWindow(main, SW_SHOW);
    });
  });
  EnableWindow(child, FALSE);
  TheJournal().records.clear();
  s.Click(3 + 20, 3 + 19 + 20);
  EXPECT_EQ(TheJournal().Count(child, WM_LBUTTONDOWN), 0);
  EXPECT_EQ(TheJournal().Count(main, WM_LBUTTONDOWN), 1);  // the parent's area now

  EnableWindow(main, FALSE);
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
    HWND main = nullptr, child = nullptr;
    Session s;
    TheJournal().hook = [&](HWND hwnd, UINT msg, WPARAM wp, LPARAM, LRESULT*) {
      if (hwnd == child && msg == WM_KEYDOWN && wp == 'D')
        EnableWindow(c.disableParent ? main : child, FALSE);
      return false;
    };
    s.Start([&] {
      return RunProgram([&] {
        main = MakeTopLevel("t", 0, 0, 300, 200);
        child = MakeChild(main, 1, 10, 10, 100, 50);
        TheJournal().focusOnActivate[main] = child;
        ShowWindow(main, SW_SHOW);
      });
    });
    ASSERT_EQ(GetFocus(), child);
    s.Key('D');
    EXPECT_EQ(GetFocus(), c.focusKept ? child : nullptr);
    EXPECT_EQ(GetActiveWindow(), main);
    EXPECT_EQ(TheJournal().Count(child, WM_KILLFOCUS), c.focusKept ? 0 : 1);
    TheJournal().records.clear();
    s.Key('A');
    HWND expected = c.focusKept ? child : main;
    EXPECT_EQ(TheJournal().For(expected, {WM_KEYDOWN, WM_SYSKEYDOWN}),
              std::vector<UINT>{c.keyMessage});
  }
}

TEST(Activation, ADisabledOwnerPassesClicksAndReturnsToItsEnabledPopup) {
  Session s;
  HWND owner = nullptr, popup = nullptr;
  s.Start([&] {
    return RunProgram([&] {
      owner = MakeTopLevel("owner", 0, 0, 300, 200);
      ShowWindow(owner, SW_SHOW);
      popup = CreateWindowExA(0, kTestClass, "popup", WS_POPUP | WS_CAPTION, 400, 0, 200, 100,
                              owner, nullptr, nullptr, nullptr);
      ShowWindow(popup, SW_SHOW);
      EnableWindow(owner, FALSE);
    });
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
  HWND main = nullptr, child = nullptr;
  s.Start([&] {
    return RunProgram([&] {
      main = MakeTopLevel("t", 0, 0, 300, 200);
      child = MakeChild(main, 1, 10, 10, 50, 20);
      TheJournal().focusOnActivate[main] = child;
      ShowWindow(main, SW_SHOW);
    });
  });
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
  HWND main = nullptr, group = nullptr, inner = nullptr;
  s.Start([&] {
    return RunProgram([&] {
      main = MakeTopLevel("t", 0, 0, 300, 200);
      group = MakeChild(main, 1, 10, 10, 200, 100);
      inner = MakeChild(group, 2, 10, 10, 50, 20);
      TheJournal().focusOnActivate[main] = inner;
      ShowWindow(main, SW_SHOW);
    });
  });
  ASSERT_EQ(GetFocus(), inner);
  TheJournal().hook = [&](HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT*) {
    if (hwnd == main && msg == WM_LBUTTONDOWN) DestroyWindow(group);
    return false;
  };
  s.Click(250, 150);  // in the main window, outside the group
  EXPECT_FALSE(IsWindow(inner));
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(GetActiveWindow(), main);
}

TEST(Activation, DestroyingOrHidingTheFocusWindowGivesFocusToItsParent) {
  for (bool destroy : {false, true}) {
    Session s;
    HWND main = nullptr, group = nullptr, inner = nullptr;
    s.Start([&] {
      return RunProgram([&] {
        main = MakeTopLevel("t", 0, 0, 300, 200);
        group = MakeChild(main, 1, 10, 10, 200, 100);
        inner = MakeChild(group, 2, 10, 10, 50, 20);
        TheJournal().focusOnActivate[main] = inner;
        ShowWindow(main, SW_SHOW);
      });
    });
    TheJournal().hook = [&](HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT*) {
      if (hwnd == main && msg == WM_LBUTTONDOWN) {
        if (destroy) DestroyWindow(inner);
        if (!destroy) ShowWindow(inner, SW_HIDE);
      }
      return false;
    };
    s.Click(250, 150);
    EXPECT_EQ(GetFocus(), group);
  }
}

TEST(Activation, DestroyingTheActiveWindowActivatesTheNextOne) {
  Session s;
  HWND first = nullptr, second = nullptr;
  s.Start([&] {
    return RunProgram([&] {
      first = MakeTopLevel("a", 0, 0, 300, 200);
      ShowWindow(first, SW_SHOW);
      second = MakeTopLevel("b", 400, 0, 300, 200);
      ShowWindow(second, SW_SHOW);
    });
  });
  TheJournal().records.clear();
  s.KeyChord({VK_MENU, VK_F4});
  EXPECT_FALSE(IsWindow(second));
  EXPECT_EQ(GetActiveWindow(), first);
  EXPECT_EQ(GetFocus(), first);
}

TEST(Activation, DestroyingTheLastWindowDeactivatesTheProgramFirst) {
  Session s;
  HWND w = nullptr;
  s.Start([&] {
    return RunProgram([&] {
      w = MakeTopLevel("a", 0, 0, 300, 200);
      ShowWindow(w, SW_SHOW);
    });
  });
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
