// The "BUTTON" window class: push buttons, check boxes and group boxes.
//
// Behaviour measured on the platform:
// - A left press captures the mouse, takes the focus and draws the button
//   pressed; moving out of and back into the button while captured toggles
//   the pressed look; the release inside clicks, the release outside does
//   not. A click first un-presses, then toggles an auto check box, then
//   releases the capture and only then reports BN_CLICKED to the parent.
// - Space down presses and captures; Space up clicks the same way. Losing
//   the focus in between un-presses without a click. Enter does nothing.
// - BM_CLICK is a press and a release at (0, 0).
// - BN_SETFOCUS and BN_KILLFOCUS are reported only with BS_NOTIFY.
// - A group box is transparent to the mouse (HTTRANSPARENT), so clicks go
//   to the window below; BM_CLICK and Space still click it like a push
//   button, but nothing gives it the focus for Space in normal use.
// - BM_SETCHECK with any non-zero state checks a two-state check box.
// - WM_ERASEBKGND does nothing and answers 1: each kind paints its own
//   pixels, the group box only its frame and caption.
#include "controls/button.h"

#include <memory>
#include <unordered_map>

#include "controls/controls.h"

namespace lw {
namespace {

// The application keeps its own pointer in GWLP_USERDATA of its buttons, as
// the platform allows, so the class keeps its state beside the window.
std::unordered_map<HWND, std::unique_ptr<ButtonState>>& States() {
  static std::unordered_map<HWND, std::unique_ptr<ButtonState>> states;
  return states;
}

ButtonState* StateOf(HWND button) {
  auto it = States().find(button);
  return it == States().end() ? nullptr : it->second.get();
}

DWORD StyleOf(HWND button) { return static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE)); }

bool IsAutoCheckBox(HWND button) {
  return (StyleOf(button) & BS_TYPEMASK) == static_cast<DWORD>(BS_AUTOCHECKBOX);
}

void Repaint(HWND button) { InvalidateRect(button, nullptr, TRUE); }

void Notify(HWND button, WORD code) {
  SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), code),
               reinterpret_cast<LPARAM>(button));
}

bool ContainsPoint(HWND button, LPARAM lp) {
  RECT client;
  GetClientRect(button, &client);
  return PtInRect(&client, POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
}

void SetPushed(HWND button, bool pushed) { SendMessageA(button, BM_SETSTATE, pushed, 0); }

// Lets go of a press in progress without clicking; false when there was none.
bool StopTracking(HWND button, ButtonState& state) {
  if (!state.tracking) return false;
  state.tracking = false;
  if (state.pushed) SetPushed(button, false);
  return true;
}

// Ends a press by mouse or Space. The parent may destroy the button while
// it handles BN_CLICKED, so nothing touches the button after the report.
void FinishPress(HWND button, bool click) {
  ButtonState* state = StateOf(button);
  if (!state || !StopTracking(button, *state)) return;
  if (click && IsAutoCheckBox(button)) {
    const UINT check = static_cast<UINT>(SendMessageA(button, BM_GETCHECK, 0, 0));
    SendMessageA(button, BM_SETCHECK, check == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  if (GetCapture() == button) ReleaseCapture();
  if (click && IsWindow(button)) Notify(button, BN_CLICKED);
}

// ---- Messages -------------------------------------------------------------------

LRESULT OnNcCreate(HWND button, WPARAM wp, LPARAM lp) {
  States()[button] = std::make_unique<ButtonState>();
  return DefWindowProcA(button, WM_NCCREATE, wp, lp);
}

LRESULT OnNcDestroy(HWND button, WPARAM wp, LPARAM lp) {
  States().erase(button);
  return DefWindowProcA(button, WM_NCDESTROY, wp, lp);
}

LRESULT OnHitTest(HWND button, WPARAM wp, LPARAM lp) {
  if (KindOf(StyleOf(button)) == ButtonKind::Group) return HTTRANSPARENT;
  return DefWindowProcA(button, WM_NCHITTEST, wp, lp);
}

void OnPaint(HWND button, ButtonState& state) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(button, &ps);
  if (dc) PaintButton(button, dc, state);
  EndPaint(button, &ps);
}

void OnButtonDown(HWND button) {
  SetCapture(button);
  if (GetFocus() != button) SetFocus(button);
  // Taking the focus runs other windows' code, which may destroy this one.
  ButtonState* state = StateOf(button);
  if (!state || GetCapture() != button) return;
  state->tracking = true;
  SetPushed(button, true);
}

void OnMouseMove(HWND button, const ButtonState& state, LPARAM lp) {
  if (!state.tracking || GetCapture() != button) return;
  const bool inside = ContainsPoint(button, lp);
  if (inside != state.pushed) SetPushed(button, inside);
}

void OnButtonUp(HWND button, LPARAM lp) { FinishPress(button, ContainsPoint(button, lp)); }

// Someone else took the capture: the press ends without a click.
void OnCaptureChanged(HWND button, ButtonState& state) { StopTracking(button, state); }

void OnKeyDown(HWND button, ButtonState& state, WPARAM key) {
  if (key != VK_SPACE || state.tracking) return;
  state.tracking = true;
  SetPushed(button, true);
  SetCapture(button);
}

void OnKeyUp(HWND button, WPARAM key) {
  if (key == VK_SPACE) FinishPress(button, true);
}

void OnSetFocus(HWND button, ButtonState& state) {
  state.focused = true;
  Repaint(button);
  if (StyleOf(button) & BS_NOTIFY) Notify(button, BN_SETFOCUS);
}

void OnKillFocus(HWND button, ButtonState& state) {
  state.focused = false;
  if (StopTracking(button, state) && GetCapture() == button) ReleaseCapture();
  if (!IsWindow(button)) return;
  Repaint(button);
  if (StyleOf(button) & BS_NOTIFY) Notify(button, BN_KILLFOCUS);
}

LRESULT OnGetDlgCode(HWND button) {
  const DWORD style = StyleOf(button);
  switch (KindOf(style)) {
    case ButtonKind::Group:
      return DLGC_STATIC;
    case ButtonKind::Check:
      return DLGC_BUTTON;
    case ButtonKind::Push:
      break;
  }
  return DLGC_BUTTON | (IsDefaultPushButton(style) ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

LRESULT OnGetCheck(HWND button, const ButtonState& state) {
  return KindOf(StyleOf(button)) == ButtonKind::Check ? state.check : BST_UNCHECKED;
}

void OnSetCheck(HWND button, ButtonState& state, WPARAM check) {
  if (KindOf(StyleOf(button)) != ButtonKind::Check) return;
  const UINT value = check != BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED;
  if (value == state.check) return;
  state.check = value;
  Repaint(button);
}

LRESULT OnGetState(const ButtonState& state) {
  return state.check | (state.pushed ? BST_PUSHED : 0) | (state.focused ? BST_FOCUS : 0);
}

void OnSetState(HWND button, ButtonState& state, WPARAM pushed) {
  if ((pushed != 0) == state.pushed) return;
  state.pushed = pushed != 0;
  Repaint(button);
}

void OnClick(HWND button) {
  SendMessageA(button, WM_LBUTTONDOWN, 0, 0);
  if (IsWindow(button)) SendMessageA(button, WM_LBUTTONUP, 0, 0);
}

void OnSetFont(HWND button, ButtonState& state, WPARAM font, LPARAM redraw) {
  state.font = reinterpret_cast<HFONT>(font);
  if (LOWORD(redraw)) Repaint(button);
}

LRESULT OnSetText(HWND button, WPARAM wp, LPARAM lp) {
  const LRESULT result = DefWindowProcA(button, WM_SETTEXT, wp, lp);
  Repaint(button);
  return result;
}

LRESULT CALLBACK ButtonProc(HWND button, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) return OnNcCreate(button, wp, lp);
  ButtonState* state = StateOf(button);
  if (!state) return DefWindowProcA(button, msg, wp, lp);
  switch (msg) {
    case WM_NCDESTROY:
      return OnNcDestroy(button, wp, lp);
    case WM_NCHITTEST:
      return OnHitTest(button, wp, lp);
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      OnPaint(button, *state);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnButtonDown(button);
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(button, *state, lp);
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(button, lp);
      return 0;
    case WM_CAPTURECHANGED:
      OnCaptureChanged(button, *state);
      return 0;
    case WM_KEYDOWN:
      OnKeyDown(button, *state, wp);
      return 0;
    case WM_KEYUP:
      OnKeyUp(button, wp);
      return 0;
    case WM_SETFOCUS:
      OnSetFocus(button, *state);
      return 0;
    case WM_KILLFOCUS:
      OnKillFocus(button, *state);
      return 0;
    case WM_ENABLE:
      Repaint(button);
      return 0;
    case WM_GETDLGCODE:
      return OnGetDlgCode(button);
    case WM_SETFONT:
      OnSetFont(button, *state, wp, lp);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state->font);
    case WM_SETTEXT:
      return OnSetText(button, wp, lp);
    case BM_GETCHECK:
      return OnGetCheck(button, *state);
    case BM_SETCHECK:
      OnSetCheck(button, *state, wp);
      return 0;
    case BM_GETSTATE:
      return OnGetState(*state);
    case BM_SETSTATE:
      OnSetState(button, *state, wp);
      return 0;
    case BM_CLICK:
      OnClick(button);
      return 0;
  }
  return DefWindowProcA(button, msg, wp, lp);
}

}  // namespace

ButtonKind KindOf(DWORD style) {
  switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
      return ButtonKind::Check;
    case BS_GROUPBOX:
      return ButtonKind::Group;
    default:
      return ButtonKind::Push;
  }
}

bool IsDefaultPushButton(DWORD style) {
  return (style & BS_TYPEMASK) == static_cast<DWORD>(BS_DEFPUSHBUTTON);
}

void RegisterButtonClass() {
  WNDCLASSA wc{};
  if (GetClassInfoA(nullptr, "BUTTON", &wc)) return;
  // The platform's class: redrawn whole on resizes, double clicks wanted,
  // the arrow cursor and no background brush.
  wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_PARENTDC;
  wc.lpfnWndProc = ButtonProc;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = "BUTTON";
  RegisterClassA(&wc);
}

}  // namespace lw
