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
    const DWORD kind_style = BS_GROUPBOX | HorizontalAlignmentStyle(settings_.horizontal_alignment);
    if (!Create(creation, settings_.text, kind_style)) return false;
    SendMessageA(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return true;
  }

  bool HandleNotification(UINT message, WPARAM wparam, LPARAM, LRESULT* result) override {
    if (message != WM_CTLCOLORSTATIC) return false;
    *result = colours_.Answer(reinterpret_cast<HDC>(wparam));
    return true;
  }

 protected:
  bool OnEraseBackground(HDC dc, LRESULT* result) override {
    RECT client{};
    GetClientRect(handle(), &client);
    FillRect(dc, &client, colours_.brush());
    *result = CallClassProcedure(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    return true;
  }

 private:
  const GroupBoxSettings& settings_;
  StaticColours colours_;
};

}  // namespace

std::unique_ptr<Unit> CreateGroupBox(const ControlCreation& creation) {
  auto box = std::make_unique<GroupBox>(creation.window, creation.definition);
  if (!box->Make(creation)) return nullptr;
  return box;
}

}  // namespace ui
