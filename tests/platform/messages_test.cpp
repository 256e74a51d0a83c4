// The queue: what GetMessageA returns in which order, Peek, Send, and the
// characters TranslateMessage makes from keys.
#include <gtest/gtest.h>

#include "platform/harness.h"

namespace {

using lw::testing::Session;

TEST(Messages, PostedComeBeforeQuitAndQuitBeforePaint) {
  Session s;
  std::vector<UINT> got;
  int code = 0;
  s.Start([&] {
    RegisterTestClass();
    HWND w = MakeTopLevel("t", 0, 0, 100, 100);
    ShowWindow(w, SW_SHOW);  // leaves paint pending
    PostQuitMessage(7);
    PostMessageA(w, WM_USER, 0, 0);
    PostMessageA(w, WM_USER + 1, 0, 0);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0)) got.push_back(m.message);
    code = static_cast<int>(m.wParam);
    return code;
  });
  EXPECT_EQ(got, (std::vector<UINT>{WM_USER, WM_USER + 1}));
  EXPECT_EQ(s.ExitCode(), 7);
}

TEST(Messages, PaintComesWhenNothingElseIsQueuedAndOnlyWhileThereIsSomethingToPaint) {
  Session s;
  std::vector<UINT> got;
  s.Start([&] {
    RegisterTestClass();
    HWND w = MakeTopLevel("t", 0, 0, 100, 100);
    ShowWindow(w, SW_SHOW);
    PostMessageA(w, WM_USER, 0, 0);
    MSG m;
    for (int i = 0; i < 2 && GetMessageA(&m, nullptr, 0, 0); ++i) {
      got.push_back(m.message);
      DispatchMessageA(&m);  // DefWindowProcA validates on WM_PAINT
    }
    got.push_back(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE) ? m.message : 0);
    return 0;
  });
  EXPECT_EQ(got, (std::vector<UINT>{WM_USER, WM_PAINT, 0}));
}

TEST(Messages, PeekWithoutRemovingLeavesTheMessage) {
  Session s;
  std::vector<UINT> got;
  s.Start([&] {
    RegisterTestClass();
    HWND w = MakeTopLevel("t", 0, 0, 100, 100);
    PostMessageA(w, WM_USER, 1, 0);
    PostMessageA(w, WM_USER + 5, 2, 0);
    MSG m;
    got.push_back(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE) ? m.message : 0);
    got.push_back(PeekMessageA(&m, nullptr, WM_USER + 5, WM_USER + 5, PM_REMOVE) ? m.message : 0);
    got.push_back(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE) ? m.message : 0);
    got.push_back(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE) ? m.message : 0);
    return 0;
  });
  EXPECT_EQ(got, (std::vector<UINT>{WM_USER, WM_USER + 5, WM_USER, 0}));
}

TEST(Messages, SendIsSynchronousAndReentrant) {
  Session s;
  std::vector<std::string> trace;
  s.Start([&] {
    RegisterTestClass();
    HWND w = MakeTopLevel("t", 0, 0, 100, 100);
    TheJournal().hook = [&](HWND hwnd, UINT msg, WPARAM wp, LPARAM, LRESULT* answer) {
      if (msg != WM_USER) return false;
      trace.push_back("in " + std::to_string(wp));
      if (wp > 0) *answer = SendMessageA(hwnd, WM_USER, wp - 1, 0) + 1;
      trace.push_back("out " + std::to_string(wp));
      return true;
    };
    const LRESULT depth = SendMessageA(w, WM_USER, 2, 0);
    trace.push_back("result " + std::to_string(depth));
    return 0;
  });
  EXPECT_EQ(trace, (std::vector<std::string>{"in 2", "in 1", "in 0", "out 0", "out 1", "out 2",
                                             "result 2"}));
}

TEST(Messages, GetMessageWaitsForInputWithoutSpinning) {
  Session s;
  int loops = 0;
  TheJournal().hook = [&](HWND, UINT, WPARAM, LPARAM, LRESULT*) {
    ++loops;
    return false;
  };
  StartShownWindow(s, "t", 0, 0, 100, 100);
  const int settled = loops;
  s.Idle();
  s.Idle();
  EXPECT_EQ(loops, settled);
  EXPECT_FALSE(s.Ended());
}

struct KeyCase {
  std::vector<UINT> held;
  UINT vk;
  UINT keyMessage;
  UINT charMessage;  // 0: none
  char ch;
};

class TranslateKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(TranslateKeys, MakeTheKeyAndCharacterMessagesOfAUsKeyboard) {
  const KeyCase& c = GetParam();
  Session s;
  HWND w = StartShownWindow(s, "t", 0, 0, 100, 100);
  for (UINT k : c.held) s.KeyDown(k);
  TheJournal().records.clear();
  s.Key(c.vk);
  std::vector<Record> keys, chars;
  for (const Record& r : TheJournal().records) {
    if (r.msg == WM_KEYDOWN || r.msg == WM_SYSKEYDOWN) keys.push_back(r);
    if (r.msg == WM_CHAR || r.msg == WM_SYSCHAR) chars.push_back(r);
  }
  ASSERT_EQ(keys.size(), 1u);
  EXPECT_EQ(keys[0].msg, c.keyMessage);
  EXPECT_EQ(keys[0].wp, c.vk);
  if (c.charMessage == 0) {
    EXPECT_TRUE(chars.empty());
  } else {
    ASSERT_EQ(chars.size(), 1u);
    EXPECT_EQ(chars[0].msg, c.charMessage);
    EXPECT_EQ(chars[0].wp, static_cast<unsigned char>(c.ch));
  }
}

INSTANTIATE_TEST_SUITE_P(UsLayout, TranslateKeys,
                         ::testing::Values(KeyCase{{}, 'A', WM_KEYDOWN, WM_CHAR, 'a'},
                                           KeyCase{{VK_SHIFT}, 'A', WM_KEYDOWN, WM_CHAR, 'A'},
                                           KeyCase{{}, '7', WM_KEYDOWN, WM_CHAR, '7'},
                                           KeyCase{{}, VK_SPACE, WM_KEYDOWN, WM_CHAR, ' '},
                                           KeyCase{{}, VK_RETURN, WM_KEYDOWN, WM_CHAR, '\r'},
                                           KeyCase{{}, VK_ESCAPE, WM_KEYDOWN, WM_CHAR, 0x1B},
                                           KeyCase{{}, VK_TAB, WM_KEYDOWN, WM_CHAR, '\t'},
                                           KeyCase{{}, VK_BACK, WM_KEYDOWN, WM_CHAR, 0x08},
                                           KeyCase{{VK_MENU}, 'X', WM_SYSKEYDOWN, WM_SYSCHAR, 'x'},
                                           KeyCase{{}, VK_F10, WM_SYSKEYDOWN, 0, 0},
                                           KeyCase{{}, VK_LEFT, WM_KEYDOWN, 0, 0}));

TEST(Messages, KeyStateFollowsTheModifiersHeld) {
  Session s;
  StartShownWindow(s, "t", 0, 0, 100, 100);
  s.KeyDown(VK_SHIFT);
  EXPECT_LT(GetKeyState(VK_SHIFT), 0);
  EXPECT_EQ(GetKeyState(VK_CONTROL), 0);
  s.KeyUp(VK_SHIFT);
  EXPECT_EQ(GetKeyState(VK_SHIFT), 0);
}

}  // namespace
