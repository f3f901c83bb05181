#pragma once

#include <windows.h>

namespace tolbrek {

// Hands a message taken from the thread's queue to where it goes. Tab,
// Shift+Tab, Enter and Esc go through the dialog manager, as in a dialog
// box; a held Return presses a button once.
void DeliverMessage(HWND window, MSG& message);

// Runs the window's event loop until the window is closed, each message
// delivered by DeliverMessage.
int RunEventLoop(HWND window);

}  // namespace tolbrek
