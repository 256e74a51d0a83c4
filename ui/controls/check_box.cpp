// 选择框1 to 选择框4: automatic check boxes on the system "BUTTON" class. The
// class toggles the mark itself; the unit raises event 0 after it has.
#include "ui/controls/button_control.h"

namespace ui {
namespace {

DWORD CheckBoxStyle(const CheckBoxSettings& settings) {
  DWORD style = BS_AUTOCHECKBOX | BS_MULTILINE |
                HorizontalAlignmentStyle(settings.horizontal_alignment) |
                VerticalAlignmentStyle(settings.vertical_alignment);
  if (settings.push_like) style |= BS_PUSHLIKE;
  if (settings.flat) style |= BS_FLAT;
  if (settings.text_on_left) style |= BS_LEFTTEXT;
  return style;
}

class CheckBox : public ButtonControl {
 public:
  CheckBox(MainWindow& window, const UnitDefinition& definition)
      : ButtonControl(window, definition),
        settings_(std::get<CheckBoxSettings>(definition.settings)),
        colours_(settings_.text_colour, settings_.background_colour) {}

  bool Make(const ControlCreation& creation) {
    if (!Create(creation, settings_.text, CheckBoxStyle(settings_))) return false;
    SendMessageA(handle(), BM_SETCHECK, settings_.checked ? BST_CHECKED : BST_UNCHECKED, 0);
    return true;
  }

  bool HandleNotification(UINT message, WPARAM wparam, LPARAM, LRESULT* result) override {
    return colours_.Answer(message, wparam, result) || RaiseClickOnClicked(message, wparam, result);
  }

 private:
  const CheckBoxSettings& settings_;
  StaticColours colours_;
};

}  // namespace

std::unique_ptr<Unit> CreateCheckBox(const ControlCreation& creation) {
  return MakeControl<CheckBox>(creation);
}

}  // namespace ui
