// The notification box: a message box that waits until the user closes it.
#pragma once

#include "winapi.h"

namespace commands {

// 信息：, the caption when the caller gives none.
constexpr char kInformationCaption[] = "\xD0\xC5\xCF\xA2\xA3\xBA";

// Shows text in a box with the MessageBoxA style bits buttons, made
// task-modal unless system-modal was asked for. Returns the button that
// closed it: OK 0, Cancel 1, Abort 2, Retry 3, Ignore 4, Yes 5, No 6; 0 for
// anything else, a box that could not be shown included.
int ShowNotification(const char* text, UINT buttons, const char* caption = kInformationCaption);

// The same rules over any message box function, so that they can be seen at
// work with styles and answers that the program's own one-button box never
// has.
using MessageBoxFunction = int (*)(HWND owner, const char* text, const char* caption, UINT style);
int ShowNotificationThrough(MessageBoxFunction message_box, const char* text, UINT buttons,
                            const char* caption);

}  // namespace commands
