#include "number_failure.h"

namespace tolbrek {

namespace {

const char* Description(NumberFailure entry)
{
    switch (entry) {
        case NumberFailure::TypeMismatch:
            return "Type mismatch: the text is not a number";
        case NumberFailure::Overflow:
            return "Overflow: the number is too large";
        case NumberFailure::DivisionByZero:
            return "Division by zero";
        case NumberFailure::InvalidOperation:
            return "Invalid operation: zero divided by zero";
    }
    return "";  // no entry: only a cast makes one
}

}  // namespace

Failure MakeFailure(NumberFailure entry)
{
    return {FailureKind::Program, static_cast<int>(entry), Description(entry)};
}

}  // namespace tolbrek
