// The optimise-now command as a person meets it: 按钮1 opens the box
// "优化成功！", the main window waits while it is open, and nothing changes.
#include "commands/notification.h"

#include "app_test.h"

namespace app_test {
namespace {

class NotificationTest : public AppTest {
 protected:
  void SetUp() override { Start(); }

  // Exactly one box, with the command's text and caption.
  void ExpectSuccessBox() {
    const std::vector<HWND> boxes = OpenBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(WindowText(boxes[0]), kInformationCaption);
    EXPECT_EQ(BoxText(boxes[0]), kSuccessText);
    EXPECT_FALSE(IsWindowEnabled(MainWindow()));
  }

  // After the box: the window is back, active, with the focus on 按钮1.
  void ExpectBackInMainWindow() {
    EXPECT_TRUE(OpenBoxes().empty());
    EXPECT_TRUE(IsWindowEnabled(MainWindow()));
    EXPECT_EQ(GetActiveWindow(), MainWindow());
    EXPECT_EQ(FocusedId(), kButton1);
  }

  void SetChecks(unsigned mask) {
    for (int i = 0; i < 4; ++i) {
      if (mask & (1u << i)) ClickControl(kCheckBoxes[i]);
    }
  }
};

TEST_F(NotificationTest, ClickOpensOneBoxAndClosingItChangesNothing) {
  ClickControl(kButton1);
  ExpectSuccessBox();
  session().Key(VK_RETURN);
  ExpectBackInMainWindow();
  EXPECT_EQ(CheckStates(), std::vector<bool>(4, false));

  ClickControl(kButton1);  // and again, the same
  ExpectSuccessBox();
}

TEST_F(NotificationTest, SpaceOnButtonOpensTheBoxButEnterDoesNot) {
  for (int tabs = 0; tabs < 4; ++tabs) session().Key(VK_TAB);
  ASSERT_EQ(FocusedId(), kButton1);
  session().Key(VK_RETURN);
  EXPECT_TRUE(OpenBoxes().empty());

  session().Key(VK_SPACE);
  ExpectSuccessBox();
}

TEST_F(NotificationTest, PressOnButtonAndReleaseOutsideIsNoClick) {
  const POINT button = CentreOf(kButton1);
  session().Press(button.x, button.y);
  session().Release(button.x + 200, button.y);
  EXPECT_TRUE(OpenBoxes().empty());
}

TEST_F(NotificationTest, MainWindowTakesNoInputWhileTheBoxIsOpen) {
  ClickControl(kButton1);
  ASSERT_EQ(OpenBoxes().size(), 1u);
  ClickControl(kButton1);
  ClickControl(kCheckBox2);
  RECT outer{};
  GetWindowRect(MainWindow(), &outer);
  session().Click(outer.right - 12, outer.top + 12);  // where the close button is
  EXPECT_EQ(OpenBoxes().size(), 1u);
  EXPECT_EQ(CheckStates(), std::vector<bool>(4, false));
  EXPECT_NE(MainWindow(), nullptr);
}

enum class BoxClose { kOkButton, kEnter, kSpace, kEscape, kCloseButton };

std::string BoxCloseName(const ::testing::TestParamInfo<BoxClose>& info) {
  static const char* const kNames[] = {"OkButton", "Enter", "Space", "Escape", "CloseButton"};
  return kNames[static_cast<int>(info.param)];
}

class BoxClosingTest : public NotificationTest, public ::testing::WithParamInterface<BoxClose> {
 protected:
  void Close(HWND box, BoxClose way) {
    switch (way) {
      case BoxClose::kOkButton: {
        const POINT ok = CentreOfWindow(GetDlgItem(box, IDOK));
        session().Click(ok.x, ok.y);
        break;
      }
      case BoxClose::kEnter:
        session().Key(VK_RETURN);
        break;
      case BoxClose::kSpace:
        session().Key(VK_SPACE);
        break;
      case BoxClose::kEscape:
        session().Key(VK_ESCAPE);
        break;
      case BoxClose::kCloseButton: {
        const POINT close = CloseButtonOf(box);
        session().Click(close.x, close.y);
        break;
      }
    }
  }
};

TEST_P(BoxClosingTest, EveryWayEndsTheCommandTheSameWay) {
  ClickControl(kCheckBox3);
  ClickControl(kButton1);
  ASSERT_EQ(OpenBoxes().size(), 1u);
  Close(OpenBoxes()[0], GetParam());

  ExpectBackInMainWindow();
  EXPECT_EQ(CheckStates(), (std::vector<bool>{false, false, true, false}));
}

INSTANTIATE_TEST_SUITE_P(Ways, BoxClosingTest,
                         ::testing::Values(BoxClose::kOkButton, BoxClose::kEnter, BoxClose::kSpace,
                                           BoxClose::kEscape, BoxClose::kCloseButton),
                         BoxCloseName);

TEST_F(NotificationTest, EveryCombinationOfCheckBoxesGivesTheSameBox) {
  for (unsigned mask = 0; mask < 16; ++mask) {
    SetChecks(mask);
    const std::vector<bool> before = CheckStates();
    ClickControl(kButton1);
    ExpectSuccessBox();
    session().Key(VK_RETURN);
    ExpectBackInMainWindow();
    EXPECT_EQ(CheckStates(), before) << "combination " << mask;
    SetChecks(mask);  // back to none checked
  }
}

// The box cannot be made (the system refuses its window): the click ends
// as if it had been closed with OK, and the next click shows it.
class RefusedBoxTest : public AppTest {};

TEST_F(RefusedBoxTest, CountsAsClosedAndTheNextClickShowsTheBox) {
  lw::testing::Options options;
  options.failCreateWindowAt = 10;  // the main window and its eight units come first
  Start(options);
  ClickControl(kButton1);
  EXPECT_TRUE(OpenBoxes().empty());
  EXPECT_TRUE(IsWindowEnabled(MainWindow()));

  ClickControl(kButton1);
  EXPECT_EQ(OpenBoxes().size(), 1u);
}

// ---- ShowNotification's own rules, through a stand-in message box ----

struct BoxCall {
  std::string text, caption;
  UINT style = 0;
};
BoxCall last_call;
int box_answer = IDOK;

int RecordingMessageBox(HWND owner, const char* text, const char* caption, UINT style) {
  EXPECT_EQ(owner, nullptr);
  last_call = BoxCall{text, caption, style};
  return box_answer;
}

TEST(ShowNotificationTest, IsTaskModalUnlessSystemModalIsAsked) {
  struct Case {
    UINT buttons, style;
  };
  const Case cases[] = {
      {MB_OK, MB_TASKMODAL},
      {MB_YESNO | MB_ICONERROR, MB_YESNO | MB_ICONERROR | MB_TASKMODAL},
      {MB_OKCANCEL | MB_SYSTEMMODAL, MB_OKCANCEL | MB_SYSTEMMODAL},
  };
  for (const Case& c : cases) {
    commands::ShowNotificationThrough(RecordingMessageBox, "text", c.buttons, "caption");
    EXPECT_EQ(last_call.style, c.style) << "buttons " << c.buttons;
    EXPECT_EQ(last_call.text, "text");
    EXPECT_EQ(last_call.caption, "caption");
  }
}

TEST(ShowNotificationTest, MapsTheButtonThatClosedTheBox) {
  struct Case {
    int pressed, result;
  };
  const Case cases[] = {{IDOK, 0},  {IDCANCEL, 1}, {IDABORT, 2}, {IDRETRY, 3}, {IDIGNORE, 4},
                        {IDYES, 5}, {IDNO, 6},     {0, 0},  // the box could not be shown
                        {8, 0},     {-1, 0}};
  for (const Case& c : cases) {
    box_answer = c.pressed;
    EXPECT_EQ(commands::ShowNotificationThrough(RecordingMessageBox, "t", MB_OK, "c"), c.result)
        << "pressed " << c.pressed;
  }
}

}  // namespace
}  // namespace app_test
