// The headless program's script: commands a person would do, one at a time,
// each followed by letting the program become idle.
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
