#include "system_failure.h"

#include <cerrno>

namespace tolbrek {

void ThrowSystemFailure(std::error_code code, const std::string& what)
{
    throw FailureError(Failure{FailureKind::System, code.value(), code.message() + ": " + what});
}

std::error_code LastSystemError()
{
    const int number = errno;
    return std::error_code(number != 0 ? number : EIO, std::generic_category());
}

}  // namespace tolbrek
