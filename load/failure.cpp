#include "failure.h"

#include <utility>

namespace tolbrek {

Failure MakeFailure(FailureKind kind)
{
    switch (kind) {
        case FailureKind::TypeMismatch:
            return {kind, 1001, "Type mismatch: the text is not a number"};
        case FailureKind::Overflow:
            return {kind, 1002, "Overflow: the number is too large"};
        case FailureKind::DivisionByZero:
            return {kind, 1003, "Division by zero"};
        case FailureKind::InvalidOperation:
            return {kind, 1004, "Invalid operation: zero divided by zero"};
        case FailureKind::OutOfMemory:
            return {kind, 1005, "Out of memory"};
        case FailureKind::EditorNotStarted:
            return {kind, 1006, "The text editor could not be started"};
        case FailureKind::EditorFailed:
            return {kind, 1007, "The text editor ended with a failure"};
        case FailureKind::NotAFile:
            return {kind, 1008, "Not a file"};
        case FailureKind::System:
        case FailureKind::Unexpected:
            break;
    }
    return {FailureKind::Unexpected, 1009, "Unexpected error"};
}

FailureError::FailureError(Failure failure)
    : std::runtime_error(failure.description), m_failure(std::move(failure))
{
}

}  // namespace tolbrek
