#include "ui/controls/button_control.h"

#include "ui/main_window.h"
#include "ui/text_boundary.h"

namespace ui {

DWORD HorizontalAlignmentStyle(int alignment) {
  switch (alignment) {
    case kAlignCentre:
      return BS_CENTER;
    case kAlignRightOrBottom:
      return BS_RIGHT;
  }
  return BS_LEFT;
}

DWORD VerticalAlignmentStyle(int alignment) {
  switch (alignment) {
    case kAlignCentre:
      return BS_VCENTER;
    case kAlignRightOrBottom:
      return BS_BOTTOM;
  }
  return BS_TOP;
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
  return true;
}

bool ButtonControl::OnEraseBackground(HDC, LRESULT*) { return false; }

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
    case WM_ERASEBKGND: {
      LRESULT result = 0;
      if (OnEraseBackground(reinterpret_cast<HDC>(wparam), &result)) return result;
      break;
    }
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnChildNotification(message, wparam, lparam);
  }
  return CallClassProcedure(message, wparam, lparam);
}

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
    : text_(text), background_(background), brush_(CreateSolidBrush(ResolveColour(background))) {}

StaticColours::~StaticColours() { DeleteObject(brush_); }

LRESULT StaticColours::Answer(HDC dc) const {
  SetTextColor(dc, ResolveColour(text_));
  SetBkColor(dc, ResolveColour(background_));
  return reinterpret_cast<LRESULT>(brush_);
}

}  // namespace ui
