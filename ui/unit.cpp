#include "ui/unit.h"

#include "ui/main_window.h"

namespace ui {

COLORREF ResolveColour(ColourValue value) {
  return value == kDefaultColour ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(value);
}

bool IsFocusCapable(UnitKind kind) {
  return kind == UnitKind::kButton || kind == UnitKind::kCheckBox;
}

namespace {

struct TextOf {
  const char* operator()(const WindowSettings& s) const { return s.title; }
  const char* operator()(const PicBoxSettings&) const { return ""; }
  const char* operator()(const LabelSettings& s) const { return s.text; }
  const char* operator()(const GroupBoxSettings& s) const { return s.text; }
  const char* operator()(const ButtonSettings& s) const { return s.text; }
  const char* operator()(const CheckBoxSettings& s) const { return s.text; }
};

}  // namespace

const char* UnitText(const UnitDefinition& unit) { return std::visit(TextOf{}, unit.settings); }

Unit::Unit(MainWindow& window, const UnitDefinition& definition)
    : window_(window), definition_(definition) {}

Unit::~Unit() = default;

bool Unit::HandleNotification(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

void Unit::RaiseEvent(int event) const { window_.dispatcher().Raise(definition_, event); }

}  // namespace ui
