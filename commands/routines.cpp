#include "commands/routines.h"

#include <cstring>

namespace commands {
namespace {

void Initialise() {}
void CleanUp() {}

}  // namespace

std::vector<NamedRoutine>& RoutineTable() {
  static std::vector<NamedRoutine> table{
      {kInitialisationRoutine, &Initialise},
      {kCleanUpRoutine, &CleanUp},
      {"OnOptimiseNowClicked", &OnOptimiseNowClicked},
  };
  return table;
}

ui::EventRoutine FindRoutine(const char* name) {
  for (const NamedRoutine& entry : RoutineTable()) {
    if (std::strcmp(entry.name, name) == 0) return entry.routine;
  }
  return nullptr;
}

}  // namespace commands
