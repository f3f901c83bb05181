#pragma once

#include <windows.h>

#include <string>

namespace tolbrek {

// The answer of a control to WM_GETOBJECT for its client area (OBJID_CLIENT)
// that gives it the name a screen reader announces for it, through MSAA: the
// system's own accessible object for the control, but with this name.
// Windows would name a text box after the label just before it in the
// window's order, which is not its caption for every field here (txtCalib's
// caption comes after it). The object handed to the screen reader keeps a
// copy of the name. 0 where the system's object cannot be had: the control
// then answers as it would.
LRESULT AnswerWithName(HWND control, WPARAM flags, const std::wstring& name);

}  // namespace tolbrek
