// 按钮1: a push button on the system "BUTTON" class. Its click becomes the
// unit's event 0, which runs whatever the definition binds to it.
#include "ui/controls/button_control.h"

namespace ui {
namespace {

class PushButton : public ButtonControl {
 public:
  PushButton(MainWindow& window, const UnitDefinition& definition)
      : ButtonControl(window, definition) {}

  bool Make(const ControlCreation& creation) {
    const auto& settings = std::get<ButtonSettings>(creation.definition.settings);
    const DWORD kind_style = (settings.is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                             BS_MULTILINE |
                             HorizontalAlignmentStyle(settings.horizontal_alignment) |
                             VerticalAlignmentStyle(settings.vertical_alignment);
    if (!Create(creation, settings.text, kind_style)) return false;
    SendMessageA(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return true;
  }

  bool HandleNotification(UINT message, WPARAM wparam, LPARAM, LRESULT* result) override {
    if (message != WM_COMMAND || HIWORD(wparam) != BN_CLICKED) return false;
    RaiseEvent(kEventClick);
    *result = 0;
    return true;
  }

  bool IsDefaultButton() const override {
    return (GetWindowLongPtrA(handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  }
};

}  // namespace

std::unique_ptr<Unit> CreatePushButton(const ControlCreation& creation) {
  auto button = std::make_unique<PushButton>(creation.window, creation.definition);
  if (!button->Make(creation)) return nullptr;
  return button;
}

}  // namespace ui
