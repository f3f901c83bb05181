#pragma once

#include <windows.h>

#include <string>

namespace tolbrek {

// Gives a control the name a screen reader announces for it, through MSAA:
// the control answers WM_GETOBJECT with the system's own accessible object
// for it, but with this name. Windows would name a text box after the label
// just before it in the window's order, which is not its caption for every
// field here (txtCalib's caption comes after it). `name` must outlive the
// control; the objects handed to screen readers keep a copy.
void NameForScreenReaders(HWND control, const std::wstring& name);

}  // namespace tolbrek
