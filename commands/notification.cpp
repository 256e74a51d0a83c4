#include "commands/notification.h"

#include "ui/text_boundary.h"

namespace commands {

int ShowNotification(const char* text, UINT buttons, const char* caption) {
  return ShowNotificationThrough(&ui::ShowMessageBox, text, buttons, caption);
}

int ShowNotificationThrough(MessageBoxFunction message_box, const char* text, UINT buttons,
                            const char* caption) {
  const UINT style = (buttons & MB_SYSTEMMODAL) ? buttons : buttons | MB_TASKMODAL;
  const int pressed = message_box(nullptr, text, caption, style);
  // IDOK (1) to IDNO (7) are numbered in the same order as our results.
  return pressed >= IDOK && pressed <= IDNO ? pressed - IDOK : 0;
}

}  // namespace commands
