#include "ui/controls/private_class.h"

#include "ui/self_painted_class.h"
#include "ui/text_boundary.h"

namespace ui {
namespace {

const char kClassName[] = "LanxiuControl";

}  // namespace

bool PrivateClassControl::Create(const ControlCreation& creation, const char* text) {
  static const bool registered =
      RegisterSelfPaintedClass(kClassName, &PrivateClassControl::WindowProc);
  (void)registered;  // a failed registration makes the creation fail
  const UnitDefinition& unit = creation.definition;
  const HWND handle = CreateWindowWithText(
      0, kClassName, text, WS_CHILD | WS_CLIPSIBLINGS | creation.common_style, unit.left, unit.top,
      unit.width, unit.height, creation.parent, creation.id, this);
  set_handle(handle);
  return handle != nullptr;
}

void PrivateClassControl::RemoveEdges() const {
  const LONG_PTR style = GetWindowLongPtrA(handle(), GWL_STYLE);
  const LONG_PTR ex_style = GetWindowLongPtrA(handle(), GWL_EXSTYLE);
  const LONG_PTR bare_style = style & ~static_cast<LONG_PTR>(WS_BORDER);
  const LONG_PTR bare_ex_style =
      ex_style & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME);
  if (bare_style == style && bare_ex_style == ex_style) return;
  SetWindowLongPtrA(handle(), GWL_STYLE, bare_style);
  SetWindowLongPtrA(handle(), GWL_EXSTYLE, bare_ex_style);
  SetWindowPos(handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// The control object comes with WM_NCCREATE, the first message of a child
// window, and lives until the main window goes, after this window has.
LRESULT CALLBACK PrivateClassControl::WindowProc(HWND window, UINT message, WPARAM wparam,
                                                 LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<PrivateClassControl*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    self->set_handle(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<PrivateClassControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefaultWindowProc(window, message, wparam, lparam);
  return self->HandleMessage(message, wparam, lparam);
}

LRESULT PrivateClassControl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
  }
  return DefaultWindowProc(handle(), message, wparam, lparam);
}

void PrivateClassControl::OnPaint() {
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(handle(), &paint);
  RECT client{};
  GetClientRect(handle(), &client);
  Paint(dc, client);
  EndPaint(handle(), &paint);
}

}  // namespace ui
