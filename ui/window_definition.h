// The window definitions stored in the program: the fixed data from which the
// shell builds its windows. The program has one, the main window.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/unit.h"

namespace ui {

constexpr uint32_t kMainWindowNumber = 0x52010001;

// One window: units[0] is the window itself, the rest are its controls, all
// in definition order.
struct WindowDefinition {
  uint32_t number;
  std::vector<UnitDefinition> units;
};

// The stored definitions. Reading copies them, so whatever changes the
// stored data before the start-up reads it (a test replacing the banner, for
// instance) is what the program then shows.
std::vector<WindowDefinition>& StoredWindowDefinitions();

// Copies the stored definitions into *out. Fails, leaving *out empty, when a
// definition is malformed: no window as its first unit, or a parent or child
// reference that points outside the definition.
bool ReadWindowDefinitions(std::vector<WindowDefinition>* out);

}  // namespace ui
