// Runs the whole program in a test Session and looks at it the way a person
// would: windows by their captions, controls by their identifiers, check
// marks, focus and the pixels on the screen.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "lw/testing.h"
#include "lw/windows.h"

namespace app_test {

constexpr char kTitle[] =
    "\xC0\xBD\xE1\xB6\xC4\xDA\xB4\xE6\xD3\xC5\xBB\xAF\xC6\xF7";  // 澜岫内存优化器
constexpr char kSuccessText[] = "\xD3\xC5\xBB\xAF\xB3\xC9\xB9\xA6\xA3\xA1";  // 优化成功！
constexpr char kInformationCaption[] = "\xD0\xC5\xCF\xA2\xA3\xBA";           // 信息：
constexpr char kBoxClass[] = "#32770";

// Control identifiers, handed out in creation order.
constexpr int kPictureBox1 = 100;
constexpr int kCheckBox1 = 110;
constexpr int kCheckBox2 = 120;
constexpr int kCheckBox3 = 130;
constexpr int kCheckBox4 = 140;
constexpr int kButton1 = 150;
constexpr int kGroupBox1 = 160;
constexpr int kLabel1 = 170;
constexpr int kCheckBoxes[] = {kCheckBox1, kCheckBox2, kCheckBox3, kCheckBox4};

class AppTest : public ::testing::Test {
 protected:
  void Start(lw::testing::Options options = lw::testing::Options());
  lw::testing::Session& session() { return *session_; }

  HWND MainWindow() const;
  // A control of the main window by identifier; 标签1 lives in 分组框1.
  HWND Control(int id) const;
  int FocusedId() const;
  std::vector<bool> CheckStates() const;

  // Screen coordinates of a point given in the main window's client area.
  POINT ScreenPointOf(int client_x, int client_y) const;
  // Screen coordinates of the middle of a control, or of any window.
  POINT CentreOf(int id) const;
  static POINT CentreOfWindow(HWND window);
  void ClickControl(int id);
  // A point on the close button of a window's caption, found by hit-testing
  // along the middle of the caption.
  POINT CloseButtonOf(HWND window) const;
  // The screen pixel at a point of the main window's client area, 0x00RRGGBB.
  uint32_t ClientPixel(int client_x, int client_y);

  // The visible message boxes on the screen.
  std::vector<HWND> OpenBoxes() const;
  static std::string BoxText(HWND box);
  static std::string WindowText(HWND window);
  static std::string ClassName(HWND window);

 private:
  std::optional<lw::testing::Session> session_;
};

}  // namespace app_test
