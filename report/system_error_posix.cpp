#include <cerrno>

#include "system_failure.h"

namespace tolbrek {

std::error_code LastSystemError()
{
    const int number = errno;
    return std::error_code(number != 0 ? number : EIO, std::generic_category());
}

std::error_code SystemError(std::errc condition)
{
    return std::make_error_code(condition);
}

}  // namespace tolbrek
