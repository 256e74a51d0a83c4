// Our Linux layer offers only the ANSI functions, and its code page is
// always GBK, so the program's texts always go to them as they are.
#include "ui/text/text_functions.h"

namespace ui {

const TextFunctions* WideTextFunctions() { return nullptr; }

}  // namespace ui
