#pragma once

#include <windows.h>

#include "window_fit.h"

namespace tolbrek {

// What the window's frame adds around its client area at a screen's
// resolution.
FrameExtents FrameAt(int screenDpi);

// The work area of a screen: the screen less its taskbar.
ScreenRect WorkAreaOf(HMONITOR monitor);

}  // namespace tolbrek
