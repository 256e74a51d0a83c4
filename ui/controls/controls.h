// The creation operation of each control kind. The main window's loading
// calls one per control, in creation order; each returns the live control,
// created hidden, or nullptr when it cannot be made.
#pragma once

#include <memory>

#include "ui/unit.h"

namespace ui {

struct ControlCreation {
  MainWindow& window;
  const UnitDefinition& definition;
  HWND parent;         // always the main window at creation
  DWORD common_style;  // WS_DISABLED and WS_TABSTOP as the common flags say
  int id;
};

std::unique_ptr<Unit> CreatePictureBox(const ControlCreation& creation);
std::unique_ptr<Unit> CreateLabel(const ControlCreation& creation);
std::unique_ptr<Unit> CreateGroupBox(const ControlCreation& creation);
std::unique_ptr<Unit> CreatePushButton(const ControlCreation& creation);
std::unique_ptr<Unit> CreateCheckBox(const ControlCreation& creation);

// The body of every creation operation, for a kind whose class offers
// Make(creation).
template <typename Control>
std::unique_ptr<Unit> MakeControl(const ControlCreation& creation) {
  auto control = std::make_unique<Control>(creation.window, creation.definition);
  if (!control->Make(creation)) return nullptr;
  return control;
}

}  // namespace ui
