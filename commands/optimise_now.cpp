// The one command of the system: it tells the user that the optimisation
// succeeded. It touches no memory, reads no check box and changes nothing.
#include "commands/notification.h"
#include "commands/routines.h"

namespace commands {

void OnOptimiseNowClicked() {
  ShowNotification("\xD3\xC5\xBB\xAF\xB3\xC9\xB9\xA6\xA3\xA1", MB_OK);  // 优化成功！
}

}  // namespace commands
