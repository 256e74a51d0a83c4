// The keyboard and the focus in the main window: where the focus starts,
// the tab ring, the focus memory, and the keys that change nothing.
#include "app_test.h"

namespace app_test {
namespace {

class KeyboardTest : public AppTest {
 protected:
  void SetUp() override { Start(); }
};

TEST_F(KeyboardTest, StartsUncheckedWithFocusOnFirstCheckBox) {
  EXPECT_EQ(FocusedId(), kCheckBox1);
  EXPECT_EQ(CheckStates(), std::vector<bool>(4, false));
  EXPECT_EQ(GetActiveWindow(), MainWindow());
}

TEST_F(KeyboardTest, TabWalksTheRingSkippingPictureGroupAndLabel) {
  const int forward[] = {kCheckBox2, kCheckBox3, kCheckBox4, kButton1, kCheckBox1};
  for (int expected : forward) {
    session().Key(VK_TAB);
    EXPECT_EQ(FocusedId(), expected);
  }
  const int backward[] = {kButton1, kCheckBox4, kCheckBox3, kCheckBox2, kCheckBox1};
  for (int expected : backward) {
    session().KeyChord({VK_SHIFT, VK_TAB});
    EXPECT_EQ(FocusedId(), expected);
  }
}

TEST_F(KeyboardTest, FocusReturnsToTheSameUnitAfterAnotherProgram) {
  session().Key(VK_TAB);
  session().Key(VK_TAB);
  ASSERT_EQ(FocusedId(), kCheckBox3);

  session().ActivateOtherProgram();
  EXPECT_NE(GetActiveWindow(), MainWindow());
  session().ReturnTo(MainWindow());

  EXPECT_EQ(GetActiveWindow(), MainWindow());
  EXPECT_EQ(FocusedId(), kCheckBox3);
}

TEST_F(KeyboardTest, EnterClicksNothing) {
  for (int tabs = 0; tabs < 5; ++tabs) {  // on each unit of the ring
    session().Key(VK_RETURN);
    session().Key(VK_TAB);
  }
  EXPECT_EQ(CheckStates(), std::vector<bool>(4, false));
  EXPECT_TRUE(OpenBoxes().empty());
  EXPECT_EQ(FocusedId(), kCheckBox1);
}

TEST_F(KeyboardTest, AltWithLettersAndDigitsChangesNoControl) {
  for (UINT key = 'A'; key <= 'Z'; ++key) session().KeyChord({VK_MENU, key});
  for (UINT key = '0'; key <= '9'; ++key) session().KeyChord({VK_MENU, key});

  EXPECT_EQ(CheckStates(), std::vector<bool>(4, false));
  EXPECT_EQ(FocusedId(), kCheckBox1);
  EXPECT_TRUE(OpenBoxes().empty());
  EXPECT_FALSE(session().Ended());
}

}  // namespace
}  // namespace app_test
