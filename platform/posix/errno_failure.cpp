#include "errno_failure.h"

#include <system_error>

namespace tolbrek {

Failure ErrnoFailure(int error, const std::string& what)
{
    return {FailureKind::System, error, std::generic_category().message(error) + ": " + what};
}

void ThrowErrnoFailure(int error, const std::string& what)
{
    throw FailureError(ErrnoFailure(error, what));
}

}  // namespace tolbrek
