// MessageBoxA: the box's contents and place, task-modal disabling, the ways
// of closing it, the return of the activation, WM_QUIT and failure.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/bench.h"

namespace {

using lw::testing::Options;
using lw::testing::Session;

constexpr char kText[] = "\xD3\xC5\xBB\xAF\xB3\xC9\xB9\xA6\xA3\xA1";  // 优化成功！
constexpr char kCaption[] = "\xD0\xC5\xCF\xA2\xA3\xBA";               // 信息：
constexpr char kOk[] = "\xC8\xB7\xB6\xA8";                            // 确定

// The program: the main window's push button shows a box; a second
// top-level window and a third, disabled one stand beside it.
struct Program {
  HWND push = nullptr;
  HWND other = nullptr;
  HWND disabled = nullptr;
  UINT type = MB_OK | MB_TASKMODAL;
  HWND owner = nullptr;
  std::vector<int> results;
};

Program& TheProgram() {
  static Program program;
  return program;
}

// The number of CreateWindowExA calls the program makes before its first box.
constexpr int kWindowsBeforeTheBox = 4;

void StartProgram(Session& s) {
  Program& p = TheProgram();
  TheBench().onReport = [](const Report& r) {
    Program& p = TheProgram();
    if (r.from == p.push && r.code == BN_CLICKED)
      p.results.push_back(MessageBoxA(p.owner, kText, kCaption, p.type));
  };
  s.Start([&p] {
    return RunBench([&p](HWND main) {
      p.other = MakeBenchWindow("other", 700, 500, 200, 100);
      p.disabled = MakeBenchWindow("disabled", 700, 620, 200, 100);
      EnableWindow(p.disabled, FALSE);
      p.push = MakeButton(main, kPushText, kPushStyle, 150, 16, 368, 160, 48);
      SetActiveWindow(main);
    });
  });
}

HWND TheBox() { return FindWindowA("#32770", nullptr); }

// Opens the box with a click on the push button.
HWND OpenBox(Session& s) {
  ClickOn(s, TheProgram().push);
  return TheBox();
}

int CountButtons(HWND box) {
  int n = 0;
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    char cls[32] = {};
    GetClassNameA(c, cls, sizeof cls);
    n += std::string(cls) == "BUTTON";
  }
  return n;
}

TEST(MessageBox, ShowsTextCaptionAndOneFocusedOkButton) {
  Session s;
  StartProgram(s);
  HWND box = OpenBox(s);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(TextOf(box), kCaption);
  EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), kText);
  HWND ok = GetDlgItem(box, IDOK);
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(TextOf(ok), kOk);
  EXPECT_EQ(GetWindowLongA(ok, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(CountButtons(box), 1);
  EXPECT_EQ(GetActiveWindow(), box);
  EXPECT_EQ(GetFocus(), ok);
  const DWORD style = static_cast<DWORD>(GetWindowLongA(box, GWL_STYLE));
  EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU), WS_POPUP | WS_CAPTION | WS_SYSMENU);
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
  EXPECT_TRUE(TheProgram().results.empty());  // the click is still being handled
}

TEST(MessageBox, IsCentredOnTheScreenAndLaidOutAroundItsText) {
  Session s;
  StartProgram(s);
  HWND box = OpenBox(s);
  ASSERT_NE(box, nullptr);
  RECT outer, client, text, ok;
  GetWindowRect(box, &outer);
  GetClientRect(box, &client);
  GetWindowRect(GetDlgItem(box, 0xFFFF), &text);
  GetWindowRect(GetDlgItem(box, IDOK), &ok);
  const POINT origin = OnScreen(box, 0, 0);
  EXPECT_EQ(outer.left, (1024 - (outer.right - outer.left)) / 2);
  EXPECT_EQ(outer.top, (768 - (outer.bottom - outer.top)) / 2);
  EXPECT_EQ(text.left - origin.x, 12);
  EXPECT_EQ(text.top - origin.y, 8);
  EXPECT_EQ(client.right - (text.right - origin.x), 12);
  EXPECT_EQ(ok.right - ok.left, 56);
  EXPECT_EQ(ok.bottom - ok.top, 28);
  EXPECT_EQ(ok.top, text.bottom + 8);
  EXPECT_EQ(origin.y + client.bottom - ok.bottom, 8);
  EXPECT_EQ(ok.left - origin.x, (outer.right - outer.left - 56) / 2);  // across the window
  EXPECT_GE(client.right, 104);
}

TEST(MessageBox, TaskModalDisablesEveryEnabledTopLevelWhileOpen) {
  Session s;
  StartProgram(s);
  Program& p = TheProgram();
  HWND main = TheBench().main;
  HWND box = OpenBox(s);
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(IsWindowEnabled(main));
  EXPECT_FALSE(IsWindowEnabled(p.other));
  EXPECT_TRUE(IsWindowEnabled(box));

  ClickOn(s, p.push);  // refused: the main window takes no input
  EXPECT_EQ(TheBox(), box);
  EXPECT_EQ(GetActiveWindow(), box);

  s.Key(VK_RETURN);
  EXPECT_EQ(TheBox(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_TRUE(IsWindowEnabled(p.other));
  EXPECT_FALSE(IsWindowEnabled(p.disabled));  // was disabled before, stays so
  EXPECT_EQ(p.results, std::vector<int>{IDOK});
}

TEST(MessageBox, WithoutTaskModalAndOwnerNothingIsDisabled) {
  Session s;
  TheProgram().type = MB_OK;
  StartProgram(s);
  ASSERT_NE(OpenBox(s), nullptr);
  EXPECT_TRUE(IsWindowEnabled(TheBench().main));
  EXPECT_TRUE(IsWindowEnabled(TheProgram().other));
}

TEST(MessageBox, AnOwnerIsDisabledWhileOpen) {
  Session s;
  TheProgram().type = MB_OK;
  StartProgram(s);
  TheProgram().owner = TheBench().main;
  HWND box = OpenBox(s);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(GetWindow(box, GW_OWNER), TheBench().main);
  EXPECT_FALSE(IsWindowEnabled(TheBench().main));
  EXPECT_TRUE(IsWindowEnabled(TheProgram().other));
  s.Key(VK_ESCAPE);
  EXPECT_TRUE(IsWindowEnabled(TheBench().main));
}

void ClickCloseButton(Session& s, HWND box) {
  RECT r;
  GetWindowRect(box, &r);
  const int y = r.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  for (int x = r.right - 1; x > r.left; --x) {
    if (SendMessageA(box, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
      s.Click(x, y);
      return;
    }
  }
  ADD_FAILURE() << "no close button";
}

struct WayOfClosing {
  const char* name;
  void (*close)(Session&, HWND box);
};

const WayOfClosing kWaysOfClosing[] = {
    {"OkClicked", [](Session& s, HWND box) { ClickOn(s, GetDlgItem(box, IDOK)); }},
    {"Enter", [](Session& s, HWND) { s.Key(VK_RETURN); }},
    {"Space", [](Session& s, HWND) { s.Key(VK_SPACE); }},
    {"Escape", [](Session& s, HWND) { s.Key(VK_ESCAPE); }},
    {"AltF4",
     [](Session& s, HWND) {
       s.KeyChord({VK_MENU, VK_F4});
     }},
    {"CloseButton", ClickCloseButton},
};

void PrintTo(const WayOfClosing& way, std::ostream* out) { *out << way.name; }

class Closing : public ::testing::TestWithParam<WayOfClosing> {};

// Every way of closing ends the box with IDOK and gives the activation back
// to the main window, whose focus memory returns the focus to the button.
TEST_P(Closing, AnswersOkAndReturnsToTheMainWindow) {
  Session s;
  StartProgram(s);
  HWND box = OpenBox(s);
  ASSERT_NE(box, nullptr);
  GetParam().close(s, box);
  EXPECT_FALSE(IsWindow(box));
  EXPECT_EQ(TheProgram().results, std::vector<int>{IDOK});
  EXPECT_EQ(GetActiveWindow(), TheBench().main);
  EXPECT_EQ(GetFocus(), TheProgram().push);
  ASSERT_NE(OpenBox(s), nullptr);  // and once more, the same way
  GetParam().close(s, TheBox());
  EXPECT_EQ(TheProgram().results, (std::vector<int>{IDOK, IDOK}));
}

INSTANTIATE_TEST_SUITE_P(MessageBox, Closing, ::testing::ValuesIn(kWaysOfClosing),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MessageBox, TabKeepsTheFocusOnOk) {
  Session s;
  StartProgram(s);
  HWND box = OpenBox(s);
  ASSERT_NE(box, nullptr);
  s.Key(VK_TAB);
  EXPECT_EQ(GetFocus(), GetDlgItem(box, IDOK));
  EXPECT_EQ(TheBox(), box);
}

TEST(MessageBox, QuitEndsTheBoxAndIsPostedAgain) {
  Session s;
  StartProgram(s);
  ASSERT_NE(OpenBox(s), nullptr);
  s.PostQuitFromOutside(5);
  EXPECT_EQ(TheProgram().results, std::vector<int>{IDOK});
  EXPECT_TRUE(s.Ended());
  EXPECT_EQ(s.ExitCode(), 5);
}

TEST(MessageBox, FailureAnswersZeroAndLeavesEverythingEnabled) {
  Options options;
  options.failCreateWindowAt = kWindowsBeforeTheBox + 1;
  Session s(options);
  StartProgram(s);
  EXPECT_EQ(OpenBox(s), nullptr);
  EXPECT_EQ(TheProgram().results, std::vector<int>{0});
  EXPECT_TRUE(IsWindowEnabled(TheBench().main));
  EXPECT_TRUE(IsWindowEnabled(TheProgram().other));

  TheProgram().owner = reinterpret_cast<HWND>(0x1234);  // not a window
  ClickOn(s, TheProgram().push);
  EXPECT_EQ(TheProgram().results, (std::vector<int>{0, 0}));
}

TEST(MessageBox, ErrorIconBesideTheText) {
  Session s;
  TheProgram().type = MB_OK | MB_ICONERROR;
  StartProgram(s);
  HWND box = OpenBox(s);
  ASSERT_NE(box, nullptr);
  RECT text;
  GetWindowRect(GetDlgItem(box, 0xFFFF), &text);
  EXPECT_EQ(text.left - OnScreen(box, 0, 0).x, 56);
  // The icon is 32 x 32 at (12, 8): a red disc with a white cross.
  EXPECT_EQ(PixelAt(s, box, 12 + 15, 8 + 15), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(s, box, 12 + 15, 8 + 4), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(s, box, 12, 8), GetSysColor(COLOR_BTNFACE));
}

}  // namespace
