#include "ui/self_painted_class.h"

#include "ui/text_boundary.h"

namespace ui {

bool RegisterSelfPaintedClass(const char* name, WNDPROC procedure) {
  WNDCLASSA window_class{};
  window_class.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  window_class.lpszClassName = name;
  return RegisterWindowClass(window_class) != 0;
}

}  // namespace ui
