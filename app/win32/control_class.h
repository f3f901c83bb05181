#pragma once

#include <windows.h>

#include "window_design.h"

namespace tolbrek {

// The window class, styles and extended styles that make a kind of control
// of the design from Windows' standard controls.
struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD extendedStyle;
};

// Each kind of control as Windows' standard controls make it. Every control
// clips its siblings, so that where two overlap the upper one is drawn whole.
ControlClass ClassOf(ControlKind kind);

}  // namespace tolbrek
