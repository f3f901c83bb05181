#pragma once

#include <windows.h>

namespace tolbrek {

// Keeps a field's edit control to one line, as the Qt window keeps its
// fields: text holding a line break of any kind (IsLineBreak) keeps only
// what comes before the first one. Called at every change of the control's
// text (EN_CHANGE), so it holds however the text arrived: set, pasted with
// Ctrl+V or from the menu, typed, or from an input method. The edit control
// itself cuts a paste only at LF. The selection stays where it was, within
// what is kept.
void KeepFirstLine(HWND edit);

}  // namespace tolbrek
