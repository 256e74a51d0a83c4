#include "app_test.h"

namespace app_test {

void AppTest::Start(lw::testing::Options options) {
  session_.emplace(std::move(options));
  session_->StartWinMain();
}

HWND AppTest::MainWindow() const { return FindWindowA(nullptr, kTitle); }

HWND AppTest::Control(int id) const {
  if (id == kLabel1) return GetDlgItem(Control(kGroupBox1), id);
  return GetDlgItem(MainWindow(), id);
}

int AppTest::FocusedId() const {
  const HWND focus = GetFocus();
  return focus ? GetDlgCtrlID(focus) : 0;
}

std::vector<bool> AppTest::CheckStates() const {
  std::vector<bool> states;
  for (int id : kCheckBoxes) {
    states.push_back(SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED);
  }
  return states;
}

POINT AppTest::ScreenPointOf(int client_x, int client_y) const {
  POINT point{client_x, client_y};
  ClientToScreen(MainWindow(), &point);
  return point;
}

POINT AppTest::CentreOf(int id) const { return CentreOfWindow(Control(id)); }

POINT AppTest::CentreOfWindow(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void AppTest::ClickControl(int id) {
  const POINT centre = CentreOf(id);
  session_->Click(centre.x, centre.y);
}

POINT AppTest::CloseButtonOf(HWND window) const {
  RECT outer{};
  GetWindowRect(window, &outer);
  const int y = outer.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  for (int x = outer.right - 1; x > outer.left; --x) {
    if (SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) return POINT{x - 2, y};
  }
  ADD_FAILURE() << "no close button on the caption";
  return POINT{};
}

uint32_t AppTest::ClientPixel(int client_x, int client_y) {
  const POINT point = ScreenPointOf(client_x, client_y);
  return session_->Screen().Row(point.y)[point.x];
}

std::vector<HWND> AppTest::OpenBoxes() const {
  std::vector<HWND> boxes;
  const HWND any = MainWindow() ? MainWindow() : FindWindowA(kBoxClass, nullptr);
  if (any == nullptr) return boxes;
  for (HWND window = GetWindow(any, GW_HWNDFIRST); window != nullptr;
       window = GetWindow(window, GW_HWNDNEXT)) {
    if (ClassName(window) == kBoxClass && IsWindowVisible(window)) boxes.push_back(window);
  }
  return boxes;
}

std::string AppTest::WindowText(HWND window) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
  return text;
}

std::string AppTest::ClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string AppTest::BoxText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }

}  // namespace app_test
