#pragma once

#include <windows.h>

namespace tolbrek {

// Makes a disabled multi-line edit control draw its text in the colours its
// parent gives for it (WM_CTLCOLORSTATIC), wrapped as the control wraps it.
// Windows draws a disabled edit control's text in the system's grey
// whatever the parent says, and wine's grey on the panels' light grey is
// hard to read.
void DrawInParentColours(HWND panel);

}  // namespace tolbrek
