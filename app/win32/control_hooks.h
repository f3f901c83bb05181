#pragma once

#include <windows.h>

#include <string>

namespace tolbrek {

// What Tolbrek adds to a standard control: a name for screen readers, and
// for a help panel its own painting. Everything else is the control's own.
struct ControlHooks {
    std::wstring accessibleName;  // empty: the name the system gives
    bool helpPanel = false;       // painted by PaintHelpPanel
    WNDPROC own = nullptr;        // the control's own window procedure
};

// Puts the hooks in front of the control's own window procedure. The
// hooks are reached through the control's GWLP_USERDATA, which the
// standard controls leave to their application, not through a window
// property as comctl32's SetWindowSubclass keeps them: that looks the
// property up at every message, and under wine each look-up is a round
// trip to the wine server, some 250 of them before the window is first
// painted. `hooks` must outlive the control.
void HookControl(HWND control, ControlHooks& hooks);

}  // namespace tolbrek
