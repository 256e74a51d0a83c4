// The window class of the program's own windows, the main window and the
// picture box and label: they paint every pixel themselves, so the class has
// no background brush, and it shows the arrow.
#pragma once

#include "winapi.h"

namespace ui {

// Registers the class under this name with CS_DBLCLKS, CS_HREDRAW and
// CS_VREDRAW, the arrow cursor, NULL_BRUSH and no icon or menu. False when
// the platform refuses it; creating a window of the class then fails.
bool RegisterSelfPaintedClass(const char* name, WNDPROC procedure);

}  // namespace ui
