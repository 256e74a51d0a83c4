// Start-up and shutdown of the whole process: where the window appears, the
// program folder, the ways the process ends and the fatal-error report.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "app_test.h"
#include "commands/routines.h"
#include "ui/window_definition.h"

namespace app_test {
namespace {

int clean_up_runs = 0;
void CountCleanUp() { ++clean_up_runs; }

// The system's clean-up routine does nothing visible; count it instead.
void CountCleanUpRuns() {
  clean_up_runs = 0;
  for (auto& entry : commands::RoutineTable()) {
    if (std::string(entry.name) == commands::kCleanUpRoutine) entry.routine = &CountCleanUp;
  }
}

constexpr uint32_t kExitFatal = 0xFFFFFFFF;

// ---- Where the window appears ----

struct ScreenCase {
  int width, height;
  RECT expected;
};

class CentringTest : public AppTest, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(CentringTest, OuterRectangleIsCentredWithTruncatingDivision) {
  lw::testing::Options options;
  options.screenWidth = GetParam().width;
  options.screenHeight = GetParam().height;
  Start(options);

  RECT outer{};
  ASSERT_TRUE(GetWindowRect(MainWindow(), &outer));
  const RECT& expected = GetParam().expected;
  EXPECT_EQ(outer.left, expected.left);
  EXPECT_EQ(outer.top, expected.top);
  EXPECT_EQ(outer.right, expected.right);
  EXPECT_EQ(outer.bottom, expected.bottom);
  RECT client{};
  GetClientRect(MainWindow(), &client);
  EXPECT_EQ(client.right, 500);  // 506 less the fixed frame on each side
}

INSTANTIATE_TEST_SUITE_P(Screens, CentringTest,
                         ::testing::Values(ScreenCase{1920, 1080, {707, 300, 1213, 779}},
                                           ScreenCase{1024, 768, {259, 144, 765, 623}},
                                           ScreenCase{640, 480, {67, 0, 573, 479}},
                                           // -179 / 2 truncates to -89, not -90
                                           ScreenCase{400, 300, {-53, -89, 453, 390}}),
                         [](const ::testing::TestParamInfo<ScreenCase>& screen) {
                           return std::to_string(screen.param.width) + "x" +
                                  std::to_string(screen.param.height);
                         });

// ---- Program folder and command line ----

class StartupTest : public AppTest {};

TEST_F(StartupTest, ProgramFolderWithTrailByte5CBecomesCurrentDirectory) {
  char base[] = "/tmp/lanxiu-folder-XXXXXX";
  ASSERT_NE(mkdtemp(base), nullptr);
  // 運 is DF 5C in GBK: its second byte is a backslash to a naive search.
  const std::string folder = std::string(base) + "/\xE9\x81\x8B\xE8\xA1\x8C";  // 運行
  ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
  ASSERT_EQ(chdir("/"), 0);  // started from elsewhere, as from a shortcut
  lw::testing::Options options;
  options.programPath = folder + "/lanxiu.exe";
  Start(options);

  char cwd[4096] = {};
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  EXPECT_EQ(std::string(cwd), folder);
  rmdir(folder.c_str());
  rmdir(base);
}

TEST_F(StartupTest, CommandLineArgumentsChangeNothing) {
  lw::testing::Options options;
  options.commandLine = "/minimized --close C:\\missing.txt";
  Start(options);

  ASSERT_NE(MainWindow(), nullptr);
  EXPECT_TRUE(IsWindowVisible(MainWindow()));
  EXPECT_EQ(FocusedId(), kCheckBox1);
  EXPECT_EQ(CheckStates(), std::vector<bool>(4, false));
  session().Key(VK_ESCAPE);
  EXPECT_TRUE(session().Ended());
  EXPECT_EQ(session().ExitCode(), 0);
}

// ---- Ending ----

enum class CloseWay { kEscape, kAltF4, kCloseButton, kSystemMenuClose };

std::string CloseWayName(const ::testing::TestParamInfo<CloseWay>& info) {
  static const char* const kNames[] = {"Escape", "AltF4", "CloseButton", "SystemMenuClose"};
  return kNames[static_cast<int>(info.param)];
}

class ClosingTest : public AppTest, public ::testing::WithParamInterface<CloseWay> {
 protected:
  void Close(CloseWay way) {
    switch (way) {
      case CloseWay::kEscape:
        session().Key(VK_ESCAPE);
        break;
      case CloseWay::kAltF4:
        session().KeyChord({VK_MENU, VK_F4});
        break;
      case CloseWay::kCloseButton: {
        const POINT button = CloseButtonOf(MainWindow());
        session().Click(button.x, button.y);
        break;
      }
      case CloseWay::kSystemMenuClose:
        session().KeyChord({VK_MENU, VK_SPACE});
        session().Key('C');
        break;
    }
  }
};

TEST_P(ClosingTest, EndsWithExitCodeZeroAndOneCleanUp) {
  CountCleanUpRuns();
  Start();
  session().Key(VK_TAB);  // closing works whichever unit has the focus
  Close(GetParam());

  EXPECT_TRUE(session().Ended()) << "a question or a box would have kept it running";
  EXPECT_EQ(session().ExitCode(), 0);
  EXPECT_EQ(clean_up_runs, 1);
}

INSTANTIATE_TEST_SUITE_P(Ways, ClosingTest,
                         ::testing::Values(CloseWay::kEscape, CloseWay::kAltF4,
                                           CloseWay::kCloseButton, CloseWay::kSystemMenuClose),
                         CloseWayName);

TEST_F(StartupTest, ShiftOrCtrlWithEscapeDoesNotClose) {
  Start();
  session().KeyChord({VK_SHIFT, VK_ESCAPE});
  session().KeyChord({VK_CONTROL, VK_ESCAPE});

  EXPECT_FALSE(session().Ended());
  EXPECT_TRUE(IsWindowVisible(MainWindow()));
}

TEST_F(StartupTest, QuitPostedFromOutsideEndsWithItsCode) {
  CountCleanUpRuns();
  Start();
  session().PostQuitFromOutside(42);

  EXPECT_TRUE(session().Ended());
  EXPECT_EQ(session().ExitCode(), 42);
  EXPECT_EQ(clean_up_runs, 1);
}

TEST_F(StartupTest, LogOffIsNotHeldUpAndRunsNoCleanUp) {
  CountCleanUpRuns();
  Start();
  session().LogOff();

  EXPECT_TRUE(session().Ended()) << "the window agreed, so the platform ended the process";
  EXPECT_EQ(clean_up_runs, 0) << "the program does not act on the end of the session";
}

// ---- The fatal-error report ----

// 运行时出错!\r\n\r\n错误信息：
constexpr char kReportStart[] =
    "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";
// 载入启动窗口失败
constexpr char kStartWindowFailed[] =
    "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC";
// 载入窗口模板数据段出错!
constexpr char kDefinitionUnreadable[] =
    "\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD\xB6\xCE\xB3\xF6\xB4\xED!";
constexpr char kErrorCaption[] = "\xB4\xED\xCE\xF3";  // 错误

struct FatalCase {
  const char* name;
  int fail_create_window_at;  // 1: the main window, 2: 图片框1, 9: 标签1
  void (*spoil_definition)();
  const char* message;
};

void NoChange() {}
void LoseAllUnits() { ui::StoredWindowDefinitions()[0].units.clear(); }
void RenumberMainWindow() { ui::StoredWindowDefinitions()[0].number = 0x52010002; }

class FatalErrorTest : public AppTest, public ::testing::WithParamInterface<FatalCase> {
 protected:
  // The error icon is the only red thing in the box.
  int RedPixelsIn(HWND box) {
    RECT rect{};
    GetWindowRect(box, &rect);
    const lw::Surface& screen = session().Screen();
    int red = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
      for (int x = rect.left; x < rect.right; ++x) {
        const uint32_t pixel = screen.Row(y)[x];
        if (((pixel >> 16) & 0xFF) > 180 && ((pixel >> 8) & 0xFF) < 80 && (pixel & 0xFF) < 80) {
          ++red;
        }
      }
    }
    return red;
  }
};

TEST_P(FatalErrorTest, ShowsOneErrorBoxThenExitsWithMinusOne) {
  CountCleanUpRuns();
  GetParam().spoil_definition();
  lw::testing::Options options;
  options.failCreateWindowAt = GetParam().fail_create_window_at;
  Start(options);

  const std::vector<HWND> boxes = OpenBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(WindowText(boxes[0]), kErrorCaption);
  EXPECT_EQ(BoxText(boxes[0]), std::string(kReportStart) + GetParam().message + "\r\n");
  EXPECT_GT(RedPixelsIn(boxes[0]), 20) << "no error icon";
  EXPECT_EQ(MainWindow(), nullptr) << "the main window must never appear";
  EXPECT_FALSE(session().Ended()) << "the process ends only once the box is closed";

  session().Key(VK_RETURN);
  EXPECT_TRUE(session().Ended());
  EXPECT_EQ(static_cast<uint32_t>(session().ExitCode()), kExitFatal);
  EXPECT_EQ(clean_up_runs, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, FatalErrorTest,
    ::testing::Values(FatalCase{"MainWindowRefused", 1, NoChange, kStartWindowFailed},
                      FatalCase{"FirstUnitRefused", 2, NoChange, kStartWindowFailed},
                      FatalCase{"LastUnitRefused", 9, NoChange, kStartWindowFailed},
                      FatalCase{"WindowNumberMissing", 0, RenumberMainWindow, kStartWindowFailed},
                      FatalCase{"DefinitionUnreadable", 0, LoseAllUnits, kDefinitionUnreadable}),
    [](const ::testing::TestParamInfo<FatalCase>& cause) { return cause.param.name; });

}  // namespace
}  // namespace app_test
