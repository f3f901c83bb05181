#include <windows.h>

#include <cerrno>

#include "system_failure.h"

namespace tolbrek {

std::error_code LastSystemError()
{
    const DWORD windowsError = GetLastError();
    if (windowsError != ERROR_SUCCESS) {
        return std::error_code(static_cast<int>(windowsError), std::system_category());
    }
    const int number = errno;
    if (number != 0) return std::error_code(number, std::generic_category());
    return std::error_code(ERROR_WRITE_FAULT, std::system_category());
}

std::error_code SystemError(std::errc condition)
{
    DWORD windowsError = ERROR_GEN_FAILURE;
    switch (condition) {
        case std::errc::permission_denied:
            windowsError = ERROR_ACCESS_DENIED;
            break;
        case std::errc::no_such_file_or_directory:
            windowsError = ERROR_FILE_NOT_FOUND;
            break;
        default:
            return std::make_error_code(condition);
    }
    return std::error_code(static_cast<int>(windowsError), std::system_category());
}

}  // namespace tolbrek
