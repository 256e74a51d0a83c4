// The main window's keyboard: which unit gets the focus when the window
// does, and the keys it handles for all its units before they see them.
#include <algorithm>
#include <cctype>

#include "ui/main_window.h"

namespace ui {
namespace {

// Key codes: the virtual key with the modifiers that are held.
constexpr int kShift = 0x100;
constexpr int kCtrl = 0x200;
constexpr int kAlt = 0x400;
constexpr int kVirtualKeyBits = 0xff;

int KeyCodeOf(WPARAM virtual_key) {
  int code = static_cast<int>(virtual_key & kVirtualKeyBits);
  if (GetKeyState(VK_SHIFT) < 0) code |= kShift;
  if (GetKeyState(VK_CONTROL) < 0) code |= kCtrl;
  if (GetKeyState(VK_MENU) < 0) code |= kAlt;
  return code;
}

// Letters and digits have their own characters as virtual keys; only they
// can be access keys.
bool IsLetterOrDigitKey(int virtual_key) {
  return (virtual_key >= 'A' && virtual_key <= 'Z') || (virtual_key >= '0' && virtual_key <= '9');
}

// Whether the text marks key (an upper-case letter or a digit) as its access
// key with "&" ("&&" is a plain ampersand).
bool MarksAccessKey(const char* text, char key) {
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p != '&') continue;
    ++p;
    if (*p == '\0') break;
    if (*p != '&' && std::toupper(static_cast<unsigned char>(*p)) == key) return true;
  }
  return false;
}

// A unit that Enter may click: an enabled push button of the default style.
bool IsEnabledDefaultButton(const Unit* unit) {
  return unit != nullptr && unit->IsDefaultButton() && IsWindowEnabled(unit->handle());
}

}  // namespace

// ---- Focus when the window gets it ----

// The unit remembered when the window lost the activation, if it is still
// there; otherwise the first unit of the tab sequence; with none, the window
// keeps the focus itself.
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

bool MainWindow::IsEligibleForFocus(const Unit& unit) const {
  const UnitDefinition& definition = unit.definition();
  return IsFocusCapable(definition.kind) && definition.tab_stop && IsWindowVisible(unit.handle()) &&
         IsWindowEnabled(unit.handle());
}

// The eligible units by TabOrder, equal values in creation order, formed
// afresh at each use.
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

// ---- Keys ----

// Only key presses for an enabled window are looked at; a modifier
// combination without a rule of its own goes on unchanged.
bool MainWindow::PreTranslateMessage(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  if (!IsWindowEnabled(msg.hwnd)) return false;
  const int key = KeyCodeOf(msg.wParam);
  switch (key) {
    case VK_TAB:
      MoveFocus(+1);
      return true;
    case VK_TAB | kShift:
      MoveFocus(-1);
      return true;
    case VK_RETURN:
      return PressEnter();
    case VK_ESCAPE:
      if (!settings().escape_closes) return false;
      SendMessageA(handle_, WM_CLOSE, 0, 0);
      return true;
  }
  const int virtual_key = key & kVirtualKeyBits;
  if ((key & ~kVirtualKeyBits) == kAlt && IsLetterOrDigitKey(virtual_key)) {
    return ActivateAccessKey(static_cast<char>(virtual_key));
  }
  return false;
}

// Tab and Shift+Tab: the next or previous unit of the tab sequence, wrapping
// around. With the focus on the window itself nothing moves.
void MainWindow::MoveFocus(int step) {
  const std::vector<Unit*> sequence = TabSequence();
  const int count = static_cast<int>(sequence.size());
  const HWND focus = GetFocus();
  for (int i = 0; i < count; ++i) {
    if (sequence[i]->handle() == focus) {
      SetFocus(sequence[(i + step + count) % count]->handle());
      return;
    }
  }
}

// Enter clicks a default push button, the focused one first, and otherwise
// goes on unchanged to the focused unit.
bool MainWindow::PressEnter() {
  const Unit* focused = UnitFromHandle(GetFocus());
  if (IsEnabledDefaultButton(focused)) {
    Click(*focused);
    return true;
  }
  if (settings().enter_moves_focus) {
    MoveFocus(+1);
    return true;
  }
  for (const auto& unit : units_) {
    if (IsEnabledDefaultButton(unit.get())) {
      Click(*unit);
      return true;
    }
  }
  return false;
}

bool MainWindow::ActivateAccessKey(char key) {
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
