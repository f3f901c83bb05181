#pragma once

#include <windows.h>

namespace tolbrek {

// Paints a help panel, a disabled multi-line edit control, in answer to its
// WM_PAINT: its text in the colours its parent gives for it
// (WM_CTLCOLORSTATIC), wrapped as the control wraps it. Windows draws a
// disabled edit control's text in the system's grey whatever the parent
// says, and wine's grey on the panels' light grey is hard to read.
void PaintHelpPanel(HWND panel);

}  // namespace tolbrek
