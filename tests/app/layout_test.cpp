// The main window as it is built: each control's class, style, identifier,
// text, place and parent, their stacking, and the window's own style, as
// Win32 reports them once the program is up.
#include "app_test.h"

namespace app_test {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE;
constexpr DWORD kCheckBoxStyle =
    kChild | WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER;
constexpr DWORD kPushButtonStyle =
    kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;
constexpr DWORD kGroupBoxStyle = kChild | BS_GROUPBOX | BS_LEFT;
constexpr char kButtonClass[] = "BUTTON";

struct ControlCase {
  int id;
  bool system_button;  // made on the "BUTTON" class; else the program's own class
  DWORD style;
  RECT in_parent;  // outer rectangle in the parent's client area
  const char* text;
};

// The controls' texts.
constexpr char kOption1[] =
    "\xD3\xC5\xBB\xAF\xD5\xFD\xD4\xDA\xD4\xCB\xD0\xD0\xC4\xDA\xB4\xE6";  // 优化正在运行内存
constexpr char kOption2[] =
    "\xD3\xC5\xBB\xAF\xCE\xDE\xD0\xE8\xB5\xC4\xC4\xDA\xB4\xE6";  // 优化无需的内存
constexpr char kOption3[] =
    "\xD3\xC5\xBB\xAF\xB1\xBB\xD5\xBC\xD3\xC3\xB5\xC4\xC4\xDA\xB4\xE6";  // 优化被占用的内存
constexpr char kOption4[] = "\xD3\xC5\xBB\xAF\xC7\xE5\xB3\xFD\xBB\xBA\xB4\xE6";  // 优化清除缓存
constexpr char kOptimiseNow[] = "\xC1\xA2\xBC\xB4\xD3\xC5\xBB\xAF";              // 立即优化
constexpr char kAboutUs[] = "\xB9\xD8\xD3\xDA\xCE\xD2\xC3\xC7";                  // 关于我们
// BY：kvr用户\r\n\r\n\r\n网络资源，使用后果概不负责\r\n
constexpr char kAboutText[] =
    "BY\xA3\xBAkvr\xD3\xC3\xBB\xA7\r\n\r\n\r\n\xCD\xF8\xC2\xE7\xD7\xCA\xD4\xB4\xA3\xAC\xCA\xB9"
    "\xD3\xC3\xBA\xF3\xB9\xFB\xB8\xC5\xB2\xBB\xB8\xBA\xD4\xF0\r\n";

const ControlCase kControls[] = {
    {kPictureBox1, false, kChild, {0, 0, 600, 200}, ""},
    {kCheckBox1, true, kCheckBoxStyle, {24, 224, 176, 248}, kOption1},
    {kCheckBox2, true, kCheckBoxStyle, {24, 256, 176, 280}, kOption2},
    {kCheckBox3, true, kCheckBoxStyle, {24, 288, 176, 312}, kOption3},
    {kCheckBox4, true, kCheckBoxStyle, {24, 320, 176, 344}, kOption4},
    {kButton1, true, kPushButtonStyle, {16, 368, 176, 416}, kOptimiseNow},
    {kGroupBox1, true, kGroupBoxStyle, {216, 224, 472, 416}, kAboutUs},
    {kLabel1, false, kChild, {16, 32, 240, 176}, kAboutText},  // inside 分组框1
};

class LayoutTest : public AppTest {
 protected:
  void SetUp() override { Start(); }

  RECT InParent(HWND control) const {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
};

TEST_F(LayoutTest, EachControlIsMadeAsDefined) {
  const std::string own_class = ClassName(Control(kPictureBox1));
  EXPECT_NE(own_class, kButtonClass);
  for (const ControlCase& expected : kControls) {
    SCOPED_TRACE(expected.id);
    const HWND control = Control(expected.id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(ClassName(control), expected.system_button ? kButtonClass : own_class);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE)), expected.style);
    EXPECT_EQ(GetWindowLongPtrA(control, GWL_EXSTYLE), 0);
    EXPECT_EQ(WindowText(control), expected.text);
    const RECT place = InParent(control);
    EXPECT_EQ(place.left, expected.in_parent.left);
    EXPECT_EQ(place.top, expected.in_parent.top);
    EXPECT_EQ(place.right, expected.in_parent.right);
    EXPECT_EQ(place.bottom, expected.in_parent.bottom);
    const HWND parent = expected.id == kLabel1 ? Control(kGroupBox1) : MainWindow();
    EXPECT_EQ(GetParent(control), parent);
    if (expected.system_button) {
      EXPECT_EQ(SendMessageA(control, WM_GETFONT, 0, 0),
                reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
    }
  }
}

TEST_F(LayoutTest, ChildrenAreStackedInDefinitionOrder) {
  std::vector<int> stacking;
  for (HWND child = GetWindow(MainWindow(), GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    stacking.push_back(GetDlgCtrlID(child));
  }
  EXPECT_EQ(stacking, (std::vector<int>{kGroupBox1, kButton1, kCheckBox4, kCheckBox3, kCheckBox2,
                                        kCheckBox1, kPictureBox1}));
  EXPECT_EQ(GetWindow(Control(kGroupBox1), GW_CHILD), Control(kLabel1));
}

TEST_F(LayoutTest, MainWindowHasAFixedFrameWithOnlyTheCloseButton) {
  // The platform adds WS_CLIPSIBLINGS to every top-level window.
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(MainWindow(), GWL_STYLE)),
            WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | WS_CLIPSIBLINGS);
  EXPECT_EQ(GetWindow(MainWindow(), GW_OWNER), nullptr);
  EXPECT_EQ(SendMessageA(MainWindow(), WM_GETFONT, 0, 0),
            reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
  EXPECT_NE(SendMessageA(MainWindow(), WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageA(MainWindow(), WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(LayoutTest, DraggingTheCaptionMovesTheWindow) {
  RECT before{};
  GetWindowRect(MainWindow(), &before);
  const int caption_y =
      before.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  session().Press(before.left + 120, caption_y);
  session().Release(before.left + 160, caption_y + 30);

  RECT after{};
  GetWindowRect(MainWindow(), &after);
  EXPECT_EQ(after.left, before.left + 40);
  EXPECT_EQ(after.top, before.top + 30);
  EXPECT_EQ(after.right - after.left, 506);
  EXPECT_EQ(after.bottom - after.top, 479);
}

}  // namespace
}  // namespace app_test
