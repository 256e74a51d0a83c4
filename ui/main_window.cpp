// Loading the main window and its window procedure. The keyboard and the
// focus are in main_window_keys.cpp.
#include "ui/main_window.h"

#include <algorithm>

#include "ui/controls/controls.h"
#include "ui/self_painted_class.h"
#include "ui/text_boundary.h"

namespace ui {
namespace {

const char kDefaultClassName[] = "LanxiuMainWindow";
constexpr int kStartCentred = 1;
constexpr int kFirstControlId = 100;
constexpr int kControlIdStep = 10;

std::vector<MainWindow*>& LiveWindows() {
  static std::vector<MainWindow*> windows;
  return windows;
}

// The program icon, loaded once per process at each size and never
// destroyed: every window shares it.
HICON ProgramIcon(int size) {
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "DEFAULT_ICON", IMAGE_ICON, size,
                                       size, LR_DEFAULTCOLOR));
}
HICON BigProgramIcon() {
  static const HICON icon = ProgramIcon(32);
  return icon;
}
HICON SmallProgramIcon() {
  static const HICON icon = ProgramIcon(16);
  return icon;
}

DWORD WindowStyleFor(const UnitDefinition& unit, const WindowSettings& settings) {
  DWORD style = WS_CLIPCHILDREN;
  if (settings.border_kind != 0) {
    if (settings.title[0] != '\0' || settings.control_box) style |= WS_CAPTION;
    if (settings.control_box) style |= WS_SYSMENU;
  }
  if (settings.maximize_box) style |= WS_MAXIMIZEBOX;
  if (settings.minimize_box) style |= WS_MINIMIZEBOX;
  if (unit.disabled) style |= WS_DISABLED;
  return style;
}

// The outer rectangle the window is made with. Centring reads the screen
// size once and divides with truncation toward zero, so a screen smaller
// than the window gives negative coordinates.
RECT StartRectangle(const UnitDefinition& unit, const WindowSettings& settings) {
  int left = unit.left;
  int top = unit.top;
  if (settings.start_position == kStartCentred) {
    left = (GetSystemMetrics(SM_CXSCREEN) - unit.width) / 2;
    top = (GetSystemMetrics(SM_CYSCREEN) - unit.height) / 2;
  }
  return RECT{left, top, left + unit.width, top + unit.height};
}

using CreateControl = std::unique_ptr<Unit> (*)(const ControlCreation&);

CreateControl CreationOperationFor(UnitKind kind) {
  switch (kind) {
    case UnitKind::kPicBox:
      return CreatePictureBox;
    case UnitKind::kLabel:
      return CreateLabel;
    case UnitKind::kGroupBox:
      return CreateGroupBox;
    case UnitKind::kButton:
      return CreatePushButton;
    case UnitKind::kCheckBox:
      return CreateCheckBox;
    case UnitKind::kWindow:
      break;
  }
  return nullptr;
}

}  // namespace

MainWindow::MainWindow(const WindowDefinition& definition, WindowHost& host)
    : definition_(definition), host_(host), units_(definition.units.size()) {
  dispatcher_.set_loading(true);
}

MainWindow::~MainWindow() = default;

const WindowSettings& MainWindow::settings() const {
  return std::get<WindowSettings>(window_unit().settings);
}

HWND MainWindow::Load(const WindowDefinition& definition, WindowHost& host) {
  std::unique_ptr<MainWindow> window(new MainWindow(definition, host));
  const HWND handle = window->CreateNativeWindow();
  if (handle == nullptr) return nullptr;
  // From here on the native window owns this object, up to WM_NCDESTROY.
  window->owned_by_native_window_ = true;
  MainWindow* self = window.release();
  host.WindowCreated(definition, handle);
  if (!self->Build()) {
    DestroyWindow(handle);
    return nullptr;
  }
  return handle;
}

MainWindow* MainWindow::FromHandle(HWND window) {
  for (MainWindow* live : LiveWindows()) {
    if (live->handle_ == window) return live;
  }
  return nullptr;
}

// ---- Loading ----

HWND MainWindow::CreateNativeWindow() {
  const UnitDefinition& unit = window_unit();
  const char* class_name = settings().window_class_name;
  if (class_name[0] == '\0') {
    static const bool registered = RegisterSelfPaintedClass(kDefaultClassName, &WindowProc);
    (void)registered;  // a failed registration makes the creation fail
    class_name = kDefaultClassName;
  }
  const RECT wanted = StartRectangle(unit, settings());
  const HWND handle =
      CreateWindowWithText(0, class_name, settings().title, WindowStyleFor(unit, settings()),
                           wanted.left, wanted.top, unit.width, unit.height, nullptr, 0, this);
  if (handle == nullptr) return nullptr;
  // The size is the outer size whatever the frame and caption metrics; if
  // the platform made it otherwise, put it right.
  RECT placed{};
  GetWindowRect(handle, &placed);
  if (!EqualRect(&placed, &wanted)) {
    SetWindowPos(handle, nullptr, wanted.left, wanted.top, unit.width, unit.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return handle;
}

// Every event raised while the window and its units are made, placed,
// stacked and shown is dropped; showing the window activates it, and the
// activation gives a unit the focus.
bool MainWindow::Build() {
  SendMessageA(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(BigProgramIcon()));
  SendMessageA(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(SmallProgramIcon()));
  SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  if (!CreateUnits()) return false;
  MoveUnitsIntoParents();
  StackUnits();
  ShowUnits();
  dispatcher_.set_loading(false);
  RaiseWindowEvent(kEventWindowCreated);
  RaiseWindowEvent(kEventWindowMoved);
  RaiseWindowEvent(kEventWindowResized);
  if (window_unit().visible) ShowWindow(handle_, SW_SHOW);
  return true;
}

// Creation order is the definition order reversed, after the window itself.
bool MainWindow::CreateUnits() {
  int id = kFirstControlId;
  for (size_t position = definition_.units.size() - 1; position >= 1; --position) {
    const UnitDefinition& unit = definition_.units[position];
    const CreateControl create = CreationOperationFor(unit.kind);
    if (create == nullptr) return false;
    const DWORD common_style = (unit.disabled ? WS_DISABLED : 0) | (unit.tab_stop ? WS_TABSTOP : 0);
    units_[position] = create(ControlCreation{*this, unit, handle_, common_style, id});
    if (!units_[position]) return false;
    id += kControlIdStep;
  }
  return true;
}

// Every unit is made in the window; one whose Parent is another unit moves
// into it and keeps its numbers, which then count from that unit's corner.
void MainWindow::MoveUnitsIntoParents() const {
  constexpr int kWindowPosition = 0;
  for (size_t position = 1; position < units_.size(); ++position) {
    const int parent = definition_.units[position].parent;
    if (parent != kWindowPosition) {
      SetParent(units_[position]->handle(), units_[parent]->handle());
    }
  }
}

// In definition order, each unit goes directly below the nearest earlier
// unit with the same parent, or to the top when there is none.
void MainWindow::StackUnits() const {
  const auto& units = definition_.units;
  for (size_t position = 1; position < units.size(); ++position) {
    HWND insert_after = HWND_TOP;
    for (size_t earlier = position - 1; earlier >= 1; --earlier) {
      if (units[earlier].parent == units[position].parent) {
        insert_after = units_[earlier]->handle();
        break;
      }
    }
    SetWindowPos(units_[position]->handle(), insert_after, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void MainWindow::ShowUnits() const {
  for (size_t position = 1; position < units_.size(); ++position) {
    ShowWindow(units_[position]->handle(),
               definition_.units[position].visible ? SW_SHOWNA : SW_HIDE);
  }
}

// ---- Units and events ----

Unit* MainWindow::UnitFromHandle(HWND handle) const {
  if (handle == nullptr) return nullptr;
  for (const auto& unit : units_) {
    if (unit && unit->handle() == handle) return unit.get();
  }
  return nullptr;
}

bool MainWindow::HandBackNotification(UINT message, WPARAM wparam, LPARAM lparam,
                                      LRESULT* result) const {
  Unit* sender = UnitFromHandle(reinterpret_cast<HWND>(lparam));
  return sender != nullptr && sender->HandleNotification(message, wparam, lparam, result);
}

void MainWindow::RaiseWindowEvent(int event) const { dispatcher_.Raise(window_unit(), event); }

void MainWindow::OnIdle() const { RaiseWindowEvent(kEventWindowIdle); }

// ---- Window procedure ----

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    self->handle_ = window;
    LiveWindows().push_back(self);
  }
  MainWindow* self = FromHandle(window);
  if (self == nullptr) return DefaultWindowProc(window, message, wparam, lparam);
  return self->HandleMessage(message, wparam, lparam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wparam));
      break;  // the default handling focuses the window; WM_SETFOCUS passes it on
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wparam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnChildNotification(message, wparam, lparam);
    case WM_MOVE:
      RaiseWindowEvent(kEventWindowMoved);
      break;
    case WM_SIZE:
      RaiseWindowEvent(kEventWindowResized);
      break;
    case WM_CLOSE:
      // Nothing is bound to the closing event, so closing always goes on:
      // the default handling destroys the window and its units.
      RaiseWindowEvent(kEventWindowClosing);
      break;
    case WM_QUERYENDSESSION:
      RaiseWindowEvent(kEventWindowClosing);
      return TRUE;  // a log-off is never held up
    case WM_NCDESTROY:
      OnNcDestroy();
      return 0;
  }
  return DefaultWindowProc(handle_, message, wparam, lparam);
}

// The class has no background brush: the window fills what needs painting
// with its background colour, looked up afresh at every paint.
void MainWindow::OnPaint() {
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(handle_, &paint);
  FillRect(dc, &paint.rcPaint, SolidBrush(settings().background_colour).get());
  EndPaint(handle_, &paint);
}

// Losing the activation remembers the focused unit, so that coming back
// from another program returns the focus to it.
void MainWindow::OnActivate(WORD state) {
  if (state == WA_INACTIVE) {
    const HWND focus = GetFocus();
    remembered_focus_ = UnitFromHandle(focus) != nullptr ? focus : nullptr;
    RaiseWindowEvent(kEventWindowDeactivated);
  } else {
    RaiseWindowEvent(kEventWindowActivated);
  }
}

LRESULT MainWindow::OnChildNotification(UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (HandBackNotification(message, wparam, lparam, &result)) return result;
  return DefaultWindowProc(handle_, message, wparam, lparam);
}

// The last message of the window: once the last window of the program is
// gone, and only when the loop runs, the loop is asked to end.
void MainWindow::OnNcDestroy() {
  auto& live = LiveWindows();
  live.erase(std::remove(live.begin(), live.end(), this), live.end());
  host_.WindowDestroyed(handle_);
  if (!host_.HasLivingWindow() && host_.LoopEntered()) PostQuitMessage(0);
  if (owned_by_native_window_) delete this;
}

}  // namespace ui
