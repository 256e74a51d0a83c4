// 标签1: a block of text that the control draws itself, opaque, with a
// brush made at every paint so that it follows the system colours.
#include "ui/controls/private_class.h"
#include "ui/text_boundary.h"

namespace ui {
namespace {

// Without DT_SINGLELINE the system ignores the vertical alignment, so a
// word-wrapping label starts at its top edge whatever it asks for.
UINT TextFormat(const LabelSettings& settings) {
  static const UINT kHorizontal[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
  static const UINT kVertical[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
  return kHorizontal[settings.horizontal_alignment] | kVertical[settings.vertical_alignment] |
         (settings.word_wrap ? DT_WORDBREAK : DT_SINGLELINE) | DT_NOCLIP;
}

class Label : public PrivateClassControl {
 public:
  Label(MainWindow& window, const UnitDefinition& definition)
      : PrivateClassControl(window, definition),
        settings_(std::get<LabelSettings>(definition.settings)) {}

  bool Make(const ControlCreation& creation) {
    if (!Create(creation, settings_.text)) return false;
    if (settings_.border_style == 0) RemoveEdges();
    return true;
  }

 private:
  void Paint(HDC dc, const RECT& client) override {
    FillBackground(dc, client);
    if (GetWindowTextLengthA(handle()) == 0) return;
    const HGDIOBJ previous_font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ResolveColour(settings_.text_colour));
    RECT text_area = client;
    DrawWindowText(handle(), dc, &text_area, TextFormat(settings_));
    SelectObject(dc, previous_font);
  }

  // Only the part being repainted: the clip box, within the client area.
  void FillBackground(HDC dc, const RECT& client) const {
    RECT area{};
    GetClipBox(dc, &area);
    IntersectRect(&area, &area, &client);
    const HRGN region = CreateRectRgnIndirect(&area);
    FillRgn(dc, region, SolidBrush(settings_.background_colour).get());
    DeleteObject(region);
  }

  const LabelSettings& settings_;
};

}  // namespace

std::unique_ptr<Unit> CreateLabel(const ControlCreation& creation) {
  return MakeControl<Label>(creation);
}

}  // namespace ui
