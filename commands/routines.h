// The system's routines, found by name: the window definition's event
// bindings name them, and the start-up resolves the names through the table.
#pragma once

#include <vector>

#include "ui/unit.h"

namespace commands {

struct NamedRoutine {
  const char* name;
  ui::EventRoutine routine;
};

// Run once before the main window is loaded, and once when the clean-up
// begins. Both do nothing: the system keeps no data outside its windows.
constexpr char kInitialisationRoutine[] = "Initialise";
constexpr char kCleanUpRoutine[] = "CleanUp";

// Every routine of the system under its name.
std::vector<NamedRoutine>& RoutineTable();
// The routine with this name, or nullptr.
ui::EventRoutine FindRoutine(const char* name);

// Bound to the click of 按钮1.
void OnOptimiseNowClicked();

}  // namespace commands
