#include "ui/controls/button_control.h"

#include "ui/main_window.h"
#include "ui/text_boundary.h"

namespace ui {

// Alignment settings always write their bits, left and top included.
DWORD HorizontalAlignmentStyle(int alignment) {
  static const DWORD kStyles[] = {BS_LEFT, BS_CENTER, BS_RIGHT};
  return kStyles[alignment];
}

DWORD VerticalAlignmentStyle(int alignment) {
  static const DWORD kStyles[] = {BS_TOP, BS_VCENTER, BS_BOTTOM};
  return kStyles[alignment];
}

bool ButtonControl::Create(const ControlCreation& creation, const char* text, DWORD kind_style) {
  const UnitDefinition& unit = creation.definition;
  const HWND handle = CreateWindowWithText(
      0, "BUTTON", text, WS_CHILD | WS_CLIPSIBLINGS | creation.common_style | kind_style, unit.left,
      unit.top, unit.width, unit.height, creation.parent, creation.id, nullptr);
  if (handle == nullptr) return false;
  set_handle(handle);
  SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  class_procedure_ = SubclassWindow(handle, &ButtonControl::SubclassProc);
  SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  return true;
}

bool ButtonControl::RaiseClickOnClicked(UINT message, WPARAM wparam, LRESULT* result) const {
  if (message != WM_COMMAND || HIWORD(wparam) != BN_CLICKED) return false;
  RaiseEvent(kEventClick);
  *result = 0;
  return true;
}

LRESULT ButtonControl::OnEraseBackground(HDC dc) {
  return CallClassProcedure(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
}

LRESULT ButtonControl::CallClassProcedure(UINT message, WPARAM wparam, LPARAM lparam) const {
  return CallPreviousWindowProc(class_procedure_, handle(), message, wparam, lparam);
}

LRESULT CALLBACK ButtonControl::SubclassProc(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
  auto* self = reinterpret_cast<ButtonControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return self->HandleMessage(message, wparam, lparam);
}

LRESULT ButtonControl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SETFOCUS:
      return OnFocusChange(message, wparam, lparam, kEventFocusGained);
    case WM_KILLFOCUS:
      return OnFocusChange(message, wparam, lparam, kEventFocusLost);
    case WM_ERASEBKGND:
      return OnEraseBackground(reinterpret_cast<HDC>(wparam));
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnChildNotification(message, wparam, lparam);
  }
  return CallClassProcedure(message, wparam, lparam);
}

// The class moves the focus first; the event follows.
LRESULT ButtonControl::OnFocusChange(UINT message, WPARAM wparam, LPARAM lparam, int event) {
  const LRESULT result = CallClassProcedure(message, wparam, lparam);
  RaiseEvent(event);
  return result;
}

// As a parent (the group box holds the label), pass what a child sends back
// to the child's unit before any handling of our own.
LRESULT ButtonControl::OnChildNotification(UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (window().HandBackNotification(message, wparam, lparam, &result)) return result;
  return CallClassProcedure(message, wparam, lparam);
}

StaticColours::StaticColours(ColourValue text, ColourValue background)
    : text_(text), background_(background), brush_(background) {}

bool StaticColours::Answer(UINT message, WPARAM wparam, LRESULT* result) const {
  if (message != WM_CTLCOLORSTATIC) return false;
  const HDC dc = reinterpret_cast<HDC>(wparam);
  SetTextColor(dc, ResolveColour(text_));
  SetBkColor(dc, ResolveColour(background_));
  *result = reinterpret_cast<LRESULT>(brush_.get());
  return true;
}

}  // namespace ui
