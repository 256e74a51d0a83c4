#include "ui/event_dispatcher.h"

namespace ui {

void EventDispatcher::Raise(const UnitDefinition& unit, int event) const {
  if (loading_) return;
  for (const EventBinding& binding : unit.bindings) {
    if (binding.event != event) continue;
    if (binding.routine) binding.routine();
    return;
  }
}

}  // namespace ui
