#pragma once

#include <string>
#include <system_error>

#include "failure.h"

namespace tolbrek {

// The system's own error number and message, followed by what was being done
// and to which file.
[[noreturn]] void ThrowSystemFailure(std::error_code code, const std::string& what);

// The error of the last failed system call: the Windows error code on
// Windows, errno elsewhere; an I/O error where the system left none.
std::error_code LastSystemError();

// A condition in the system's own numbering (EACCES, or on Windows
// ERROR_ACCESS_DENIED), for failures this program decides on itself.
std::error_code SystemError(std::errc condition);

}  // namespace tolbrek
