#pragma once

#include <windows.h>

#include <string>

namespace tolbrek {

// What Tolbrek adds to a standard control: a name for screen readers, and
// for a help panel its own painting. Everything else is the control's own.
struct ControlHooks {
    std::wstring accessibleName;  // empty: the name the system gives
    bool helpPanel = false;       // painted by PaintHelpPanel
};

// Puts the hooks in front of the control's own window procedure, as a
// subclass of comctl32's (SetWindowSubclass), which stays until the control
// is destroyed. `hooks` must outlive the control. False where the system
// refused: the control then keeps only its own behaviour.
bool HookControl(HWND control, const ControlHooks& hooks);

}  // namespace tolbrek
