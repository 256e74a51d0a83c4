// The headless program's script: commands a person would do, one at a time,
// each followed by letting the program become idle. One command per line or
// between semicolons; '#' starts a comment line.
//
//   idle                      let the program run until it waits again
//   move X Y                  the mouse to a screen point
//   click X Y | press X Y | release X Y      the left button there
//   key NAME                  TAB, SPACE, RETURN, ESCAPE, F1..F12, arrows,
//                             letters, digits; chords as ALT+F4, SHIFT+TAB
//   shot FILE                 the whole screen as PNG
//   shot-window TITLE FILE    one top-level window, found by its UTF-8 caption
//   shot-active FILE          the active window
//   expect-ended              stop with exit code 3 unless the program ended
//   print-cwd                 the program's current directory
#pragma once

#include <string>

#include "lw/testing.h"

namespace lw {

// Paths in commands are taken from `base` when relative: the directory the
// process started in, since the program changes its own.
void SetScriptBase(const std::string& base);

// Runs the commands (from a file, or inline separated by ';') and returns
// the process's exit code: the program's when it has ended, 3 when it is
// still running at the end or an expectation failed.
int RunScript(testing::Session& session, const std::string& script);

// Without a script: writes the screen to `shot`, then asks every top-level
// window to close, and returns the program's exit code (3 if it stays).
int RunDefault(testing::Session& session, const std::string& shot);

}  // namespace lw
