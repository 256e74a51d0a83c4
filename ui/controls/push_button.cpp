// 按钮1: a push button on the system "BUTTON" class. Its click becomes the
// unit's event 0, which runs whatever the definition binds to it.
#include "ui/controls/button_control.h"

namespace ui {
namespace {

DWORD PushButtonStyle(const ButtonSettings& settings) {
  return (settings.is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_MULTILINE |
         HorizontalAlignmentStyle(settings.horizontal_alignment) |
         VerticalAlignmentStyle(settings.vertical_alignment);
}

class PushButton : public ButtonControl {
 public:
  PushButton(MainWindow& window, const UnitDefinition& definition)
      : ButtonControl(window, definition),
        settings_(std::get<ButtonSettings>(definition.settings)) {}

  bool Make(const ControlCreation& creation) {
    return Create(creation, settings_.text, PushButtonStyle(settings_));
  }

  // No colour request: the button keeps the system's button colours.
  bool HandleNotification(UINT message, WPARAM wparam, LPARAM, LRESULT* result) override {
    return RaiseClickOnClicked(message, wparam, result);
  }

  bool IsDefaultButton() const override {
    return (GetWindowLongPtrA(handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  }

 private:
  const ButtonSettings& settings_;
};

}  // namespace

std::unique_ptr<Unit> CreatePushButton(const ControlCreation& creation) {
  return MakeControl<PushButton>(creation);
}

}  // namespace ui
