#include "system_failure.h"

namespace tolbrek {

void ThrowSystemFailure(std::error_code code, const std::string& what)
{
    throw FailureError(Failure{FailureKind::System, code.value(), code.message() + ": " + what});
}

}  // namespace tolbrek
