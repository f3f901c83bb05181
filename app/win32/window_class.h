#pragma once

#include <windows.h>

namespace tolbrek {

inline constexpr const wchar_t* kWindowClassName = L"TolbrekWindow";
// A fixed frame: the window can be moved and minimized, not resized.
inline constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
inline constexpr DWORD kWindowExtendedStyle = 0;

// Registers the window's class, with the program's icon and the window's
// face as its ground, once per process: a second window (as in the tests)
// finds it there.
void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure);

}  // namespace tolbrek
