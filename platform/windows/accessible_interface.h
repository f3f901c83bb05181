#pragma once

#include <windows.h>

namespace tolbrek {

// IAccessible, {618736E0-3C3D-11CF-810C-00AA00389B71}, spelled out here:
// the one in mingw-w64's oleacc import library is wrong.
inline constexpr GUID kAccessibleInterface = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

}  // namespace tolbrek
