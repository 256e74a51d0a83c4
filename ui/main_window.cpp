#include "ui/main_window.h"

#include <algorithm>
#include <cctype>

#include "ui/controls/controls.h"
#include "ui/text_boundary.h"

namespace ui {
namespace {

const char kDefaultClassName[] = "LanxiuMainWindow";
constexpr int kStartCentred = 1;
constexpr int kFirstControlId = 100;
constexpr int kControlIdStep = 10;

// Key codes: the virtual key with the modifiers that are held.
constexpr int kShift = 0x100;
constexpr int kCtrl = 0x200;
constexpr int kAlt = 0x400;

std::vector<MainWindow*>& LiveWindows() {
  static std::vector<MainWindow*> windows;
  return windows;
}

bool RegisterDefaultClass(WNDPROC procedure) {
  WNDCLASSA window_class{};
  window_class.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  window_class.lpszClassName = kDefaultClassName;
  return RegisterWindowClass(window_class) != 0;
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

int KeyCodeOf(WPARAM virtual_key) {
  int code = static_cast<int>(virtual_key & 0xff);
  if (GetKeyState(VK_SHIFT) < 0) code |= kShift;
  if (GetKeyState(VK_CONTROL) < 0) code |= kCtrl;
  if (GetKeyState(VK_MENU) < 0) code |= kAlt;
  return code;
}

// Whether the text marks key as its access key with "&" ("&&" is a plain
// ampersand).
bool MarksAccessKey(const char* text, char key) {
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p != '&') continue;
    ++p;
    if (*p == '\0') break;
    if (*p != '&' && std::toupper(static_cast<unsigned char>(*p)) == key) return true;
  }
  return false;
}

}  // namespace

MainWindow::MainWindow(const WindowDefinition& definition, WindowHost& host)
    : definition_(definition), host_(host), units_(definition.units.size()) {
  dispatcher_.set_loading(true);
}

MainWindow::~MainWindow() = default;

const WindowSettings& MainWindow::settings() const {
  return std::get<WindowSettings>(definition_.units[0].settings);
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

HWND MainWindow::CreateNativeWindow() {
  const UnitDefinition& unit = definition_.units[0];
  const char* class_name = settings().window_class_name;
  if (class_name[0] == '\0') {
    static const bool registered = RegisterDefaultClass(&MainWindow::WindowProc);
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
  const UnitDefinition& window = definition_.units[0];
  dispatcher_.Raise(window, kEventWindowCreated);
  dispatcher_.Raise(window, kEventWindowMoved);
  dispatcher_.Raise(window, kEventWindowResized);
  if (window.visible) ShowWindow(handle_, SW_SHOW);  // activates: a unit gets the focus
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

void MainWindow::MoveUnitsIntoParents() const {
  for (size_t position = 1; position < units_.size(); ++position) {
    for (int child : definition_.units[position].children) {
      if (child > 0) SetParent(units_[child]->handle(), units_[position]->handle());
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

void MainWindow::OnIdle() const { dispatcher_.Raise(definition_.units[0], kEventWindowIdle); }

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
  const UnitDefinition& window = definition_.units[0];
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ACTIVATE:
      return OnActivate(message, wparam, lparam);
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
    case WM_CTLCOLORBTN: {
      LRESULT result = 0;
      if (HandBackNotification(message, wparam, lparam, &result)) return result;
      break;
    }
    case WM_MOVE:
      dispatcher_.Raise(window, kEventWindowMoved);
      break;
    case WM_SIZE:
      dispatcher_.Raise(window, kEventWindowResized);
      break;
    case WM_CLOSE:
      return OnClose(message, wparam, lparam);
    case WM_QUERYENDSESSION:
      // The closing event cannot hold up a log-off.
      dispatcher_.Raise(window, kEventWindowClosing);
      return TRUE;
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
  const HBRUSH brush = CreateSolidBrush(ResolveColour(settings().background_colour));
  FillRect(dc, &paint.rcPaint, brush);
  DeleteObject(brush);
  EndPaint(handle_, &paint);
}

// Losing activation remembers the focused unit; gaining it lets the default
// handling focus the window, and WM_SETFOCUS passes the focus on.
LRESULT MainWindow::OnActivate(UINT message, WPARAM wparam, LPARAM lparam) {
  const UnitDefinition& window = definition_.units[0];
  if (LOWORD(wparam) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(handle_, focus)) remembered_focus_ = focus;
    dispatcher_.Raise(window, kEventWindowDeactivated);
  } else {
    dispatcher_.Raise(window, kEventWindowActivated);
  }
  return DefaultWindowProc(handle_, message, wparam, lparam);
}

void MainWindow::OnSetFocus() {
  const HWND remembered = remembered_focus_;
  remembered_focus_ = nullptr;
  if (remembered != nullptr && IsWindow(remembered) && IsChild(handle_, remembered)) {
    SetFocus(remembered);
    return;
  }
  const std::vector<Unit*> sequence = TabSequence();
  if (!sequence.empty()) SetFocus(sequence.front()->handle());
}

// Nothing is bound to the closing event, so closing always goes on: the
// default handling destroys the window and its units.
LRESULT MainWindow::OnClose(UINT message, WPARAM wparam, LPARAM lparam) {
  dispatcher_.Raise(definition_.units[0], kEventWindowClosing);
  return DefaultWindowProc(handle_, message, wparam, lparam);
}

void MainWindow::OnNcDestroy() {
  auto& live = LiveWindows();
  live.erase(std::remove(live.begin(), live.end(), this), live.end());
  host_.WindowDestroyed(handle_);
  if (!host_.HasLivingWindow() && host_.LoopEntered()) PostQuitMessage(0);
  if (owned_by_native_window_) delete this;
}

// ---- Keyboard ----

bool MainWindow::IsEligibleForFocus(const Unit& unit) const {
  const UnitDefinition& definition = unit.definition();
  return IsFocusCapable(definition.kind) && definition.tab_stop && IsWindowVisible(unit.handle()) &&
         IsWindowEnabled(unit.handle());
}

// The eligible units by TabOrder, equal values in creation order. Its first
// unit is also the one that gets the focus when the window does.
std::vector<Unit*> MainWindow::TabSequence() const {
  std::vector<Unit*> sequence;
  for (size_t position = units_.size() - 1; position >= 1; --position) {
    if (IsEligibleForFocus(*units_[position])) sequence.push_back(units_[position].get());
  }
  std::stable_sort(sequence.begin(), sequence.end(), [](const Unit* a, const Unit* b) {
    return a->definition().tab_order < b->definition().tab_order;
  });
  return sequence;
}

bool MainWindow::PreTranslateMessage(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  if (!IsWindowEnabled(msg.hwnd)) return false;
  const int key = KeyCodeOf(msg.wParam);
  switch (key) {
    case VK_TAB:
      return MoveFocus(+1);
    case VK_TAB | kShift:
      return MoveFocus(-1);
    case VK_RETURN:
      return PressEnter();
    case VK_ESCAPE:
      if (!settings().escape_closes) return false;
      SendMessageA(handle_, WM_CLOSE, 0, 0);
      return true;
  }
  const char letter = static_cast<char>(key & 0xff);
  if ((key & ~0xff) == kAlt && std::isalnum(static_cast<unsigned char>(letter))) {
    return ActivateMnemonic(letter);
  }
  return false;
}

// Tab and Shift+Tab: the next or previous unit of the tab sequence, wrapping
// around. With the focus on the window itself nothing moves.
bool MainWindow::MoveFocus(int step) {
  const std::vector<Unit*> sequence = TabSequence();
  const HWND focus = GetFocus();
  const int count = static_cast<int>(sequence.size());
  for (int i = 0; i < count; ++i) {
    if (sequence[i]->handle() == focus) {
      SetFocus(sequence[(i + step + count) % count]->handle());
      break;
    }
  }
  return true;
}

bool MainWindow::PressEnter() {
  const Unit* focused = UnitFromHandle(GetFocus());
  if (focused != nullptr && focused->IsDefaultButton() && IsWindowEnabled(focused->handle())) {
    Click(*focused);
    return true;
  }
  if (settings().enter_moves_focus) return MoveFocus(+1);
  for (const auto& unit : units_) {
    if (unit && unit->IsDefaultButton() && IsWindowEnabled(unit->handle())) {
      Click(*unit);
      return true;
    }
  }
  return false;
}

bool MainWindow::ActivateMnemonic(char key) {
  for (const auto& unit : units_) {
    if (!unit || !IsEligibleForFocus(*unit)) continue;
    if (!MarksAccessKey(UnitText(unit->definition()), key)) continue;
    SetFocus(unit->handle());
    SendMessageA(unit->handle(), BM_CLICK, 0, 0);
    return true;
  }
  return false;
}

void MainWindow::Click(const Unit& unit) const {
  dispatcher_.Raise(unit.definition(), kEventClick);
}

}  // namespace ui
