#include "windows_failure.h"

#include <system_error>

namespace tolbrek {

Failure WindowsFailure(DWORD error, const std::string& what)
{
    const std::error_code code(static_cast<int>(error), std::system_category());
    return {FailureKind::System, code.value(), code.message() + ": " + what};
}

void ThrowWindowsFailure(DWORD error, const std::string& what)
{
    throw FailureError(WindowsFailure(error, what));
}

Failure LastErrorFailure(const std::string& what, DWORD whenNone)
{
    const DWORD error = GetLastError();
    return WindowsFailure(error != ERROR_SUCCESS ? error : whenNone, what);
}

void ThrowLastError(const std::string& what, DWORD whenNone)
{
    throw FailureError(LastErrorFailure(what, whenNone));
}

}  // namespace tolbrek
