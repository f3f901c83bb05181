#pragma once

#include <string>

#include "failure.h"

namespace tolbrek {

// An errno value as the program's failure: the number is the system's own,
// the description its message followed by what was being done and to which
// file.
Failure ErrnoFailure(int error, const std::string& what);

[[noreturn]] void ThrowErrnoFailure(int error, const std::string& what);

}  // namespace tolbrek
