// Runs the routine bound to an event that a unit raises, if there is one.
#pragma once

#include "ui/unit.h"

namespace ui {

class EventDispatcher {
 public:
  // While a window is being built, every event raised in it is dropped.
  void set_loading(bool loading) { loading_ = loading; }

  // Runs the routine that the unit binds to the event number, at once, and
  // returns when it has finished. An unbound event does nothing.
  void Raise(const UnitDefinition& unit, int event) const;

 private:
  bool loading_ = false;
};

}  // namespace ui
