#pragma once

#include <string>
#include <system_error>

#include "failure.h"

namespace tolbrek {

// The system's own error number and message, followed by what was being done
// and to which file.
[[noreturn]] void ThrowSystemFailure(std::error_code code, const std::string& what);

// The error of the last failed C library call, or an I/O error where the
// library left none.
std::error_code LastSystemError();

}  // namespace tolbrek
