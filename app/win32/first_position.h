#pragma once

#include <windows.h>

namespace tolbrek {

// The window's rectangle moved as little as needed to lie inside the work
// area. A window larger than the work area keeps its top-left corner, and
// so its title bar, inside.
RECT KeptInside(const RECT& window, const RECT& workArea);

// Where the window, with this style, is first placed at this resolution:
// its client area's top-left corner at the design position, kept inside the
// work area of the monitor that position is on. A 1366 x 768 screen cannot
// show the whole window there.
RECT FirstWindowRect(DWORD style, DWORD extendedStyle, int dpi);

}  // namespace tolbrek
