// Creating and destroying windows: geometry, message orders, the tree.
#include <gtest/gtest.h>

#include "platform/harness.h"

namespace {

using lw::testing::Options;
using lw::testing::Session;

TEST(Windows, CaptionWindowWithFixedFrameHasTheClassicClientArea) {
  Session s;
  HWND main = nullptr;
  StartProgram(s, [&] { main = MakeTopLevel("t", 10, 10, 506, 479); });
  RECT outer, client;
  GetWindowRect(main, &outer);
  GetClientRect(main, &client);
  EXPECT_EQ(outer.left, 10);
  EXPECT_EQ(outer.right - outer.left, 506);
  EXPECT_EQ(outer.bottom - outer.top, 479);
  EXPECT_EQ(client.right, 500);
  EXPECT_EQ(client.bottom, 479 - 3 - 19 - 3);
  POINT origin{0, 0};
  ClientToScreen(main, &origin);
  EXPECT_EQ(origin.x, 13);
  EXPECT_EQ(origin.y, 32);
  EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);
  EXPECT_EQ(GetSystemMetrics(SM_CXFIXEDFRAME), 3);
}

TEST(Windows, ChildFramesOnlyWhenAsked) {
  Session s;
  HWND plain = nullptr, bordered = nullptr;
  StartProgram(s, [&] {
    HWND main = MakeTopLevel("t", 0, 0, 300, 200);
    plain = MakeChild(main, 1, 5, 5, 50, 40);
    bordered = MakeChild(main, 2, 60, 5, 50, 40, WS_BORDER);
  });
  RECT r;
  GetClientRect(plain, &r);
  EXPECT_EQ(r.right, 50);
  EXPECT_EQ(r.bottom, 40);
  GetClientRect(bordered, &r);
  EXPECT_EQ(r.right, 48);
  EXPECT_EQ(r.bottom, 38);
  GetWindowRect(bordered, &r);
  EXPECT_EQ(r.left, 3 + 60);
  EXPECT_EQ(r.top, 3 + 19 + 5);
}

TEST(Windows, CreationSendsItsMessagesInOrder) {
  Session s;
  HWND main = nullptr, child = nullptr;
  StartProgram(s, [&] {
    main = MakeTopLevel("t", 0, 0, 300, 200);
    child = MakeChild(main, 7, 5, 5, 50, 40);
  });
  const Journal& j = TheJournal();
  EXPECT_EQ(
      j.For(main, {WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}),
      (std::vector<UINT>{WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE,
                         WM_MOVE}));
  EXPECT_EQ(j.For(child, {WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE}),
            (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE}));
  EXPECT_EQ(j.Count(main, WM_PARENTNOTIFY), 1);
  EXPECT_EQ(GetDlgCtrlID(child), 7);
  EXPECT_EQ(GetParent(child), main);
  EXPECT_EQ(GetAncestor(child, GA_ROOT), main);
  EXPECT_TRUE(IsChild(main, child));
  EXPECT_EQ(GetParent(main), nullptr);
}

TEST(Windows, RefusingCreationGivesNoWindow) {
  Session s;
  HWND made = reinterpret_cast<HWND>(1);
  s.Start([&] {
    TheJournal().hook = [](HWND, UINT msg, WPARAM, LPARAM, LRESULT* answer) {
      if (msg != WM_CREATE) return false;
      *answer = -1;
      return true;
    };
    RegisterTestClass();
    made = MakeTopLevel("t", 0, 0, 100, 100);
    return 0;
  });
  EXPECT_TRUE(s.Ended());
  EXPECT_EQ(made, nullptr);
  EXPECT_EQ(FindWindowA(kTestClass, nullptr), nullptr);
}

TEST(Windows, CreationFailsAtTheChosenCall) {
  Options o;
  o.failCreateWindowAt = 2;
  Session s(o);
  HWND first = nullptr, second = reinterpret_cast<HWND>(1), third = nullptr;
  s.Start([&] {
    RegisterTestClass();
    first = MakeTopLevel("a", 0, 0, 100, 100);
    second = MakeTopLevel("b", 0, 0, 100, 100);
    third = MakeTopLevel("c", 0, 0, 100, 100);
    return 0;
  });
  EXPECT_NE(first, nullptr);
  EXPECT_EQ(second, nullptr);
  EXPECT_NE(third, nullptr);
}

TEST(Windows, DestroyNotifiesParentsFirstThenFinalisesChildrenFirst) {
  Session s;
  const Nested n = StartNested(s, {100, 100}, FocusTo::kMain, {50, 50});
  const HWND main = n.main, child = n.child, grandchild = n.grandchild;
  TheJournal().records.clear();
  s.KeyChord({VK_MENU, VK_F4});
  std::vector<std::pair<HWND, UINT>> order;
  for (const Record& r : TheJournal().records)
    if (r.msg == WM_DESTROY || r.msg == WM_NCDESTROY) order.emplace_back(r.hwnd, r.msg);
  const std::vector<std::pair<HWND, UINT>> expected = {
      {main, WM_DESTROY},         {child, WM_DESTROY},   {grandchild, WM_DESTROY},
      {grandchild, WM_NCDESTROY}, {child, WM_NCDESTROY}, {main, WM_NCDESTROY}};
  EXPECT_EQ(order, expected);
  EXPECT_FALSE(IsWindow(main));
  EXPECT_FALSE(IsWindow(grandchild));
}

}  // namespace
