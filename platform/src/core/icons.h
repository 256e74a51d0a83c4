// The icons and cursors loaded from the program's resource table.
#pragma once

namespace lw {

// Frees every icon and cursor loaded so far: the end of a session.
void ResetIcons();

}  // namespace lw
