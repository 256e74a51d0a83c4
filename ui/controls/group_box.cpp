// 分组框1: a group box on the system "BUTTON" class. It fills its whole area
// with its background before the class draws the frame and the caption.
#include "ui/controls/button_control.h"

namespace ui {
namespace {

class GroupBox : public ButtonControl {
 public:
  GroupBox(MainWindow& window, const UnitDefinition& definition)
      : ButtonControl(window, definition),
        settings_(std::get<GroupBoxSettings>(definition.settings)),
        colours_(settings_.text_colour, settings_.background_colour) {}

  bool Make(const ControlCreation& creation) {
    return Create(creation, settings_.text,
                  BS_GROUPBOX | HorizontalAlignmentStyle(settings_.horizontal_alignment));
  }

  bool HandleNotification(UINT message, WPARAM wparam, LPARAM, LRESULT* result) override {
    return colours_.Answer(message, wparam, result);
  }

 private:
  LRESULT OnEraseBackground(HDC dc) override {
    RECT client{};
    GetClientRect(handle(), &client);
    FillRect(dc, &client, colours_.brush());
    return ButtonControl::OnEraseBackground(dc);
  }

  const GroupBoxSettings& settings_;
  StaticColours colours_;
};

}  // namespace

std::unique_ptr<Unit> CreateGroupBox(const ControlCreation& creation) {
  return MakeControl<GroupBox>(creation);
}

}  // namespace ui
