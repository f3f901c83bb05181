#pragma once

#include <windows.h>

#include <string>

#include "failure.h"

namespace tolbrek {

// A Windows error code as the program's failure: the code is its number,
// the system's message for it followed by what was being done its
// description.
Failure WindowsFailure(DWORD error, const std::string& what);

[[noreturn]] void ThrowWindowsFailure(DWORD error, const std::string& what);

// The failure of the call that just failed, as GetLastError tells it. A
// call that failed without setting an error gets `whenNone`, so that a
// failure never reads as success.
Failure LastErrorFailure(const std::string& what, DWORD whenNone = ERROR_WRITE_FAULT);

[[noreturn]] void ThrowLastError(const std::string& what, DWORD whenNone = ERROR_WRITE_FAULT);

}  // namespace tolbrek
